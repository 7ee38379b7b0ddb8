// The alignment window's data files: the production folders, the dialog's
// folder and filter by model, reading (the channel window then shows the
// image) and saving, and what the user is told when either cannot be done.
#include "align/AlignFiles.h"
#include "app/DataFile.h"
#include "app/FaceText.h"
#include "platform/System.h"
#include "tests/align/AlignFixture.h"
#include "tests/model/FakeChannelWindow.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/ScriptedDialogs.h"

#include <cstdlib>
#include <filesystem>

using namespace align;
namespace fs = std::filesystem;

namespace {

class AlignFilesTest : public aligntest::AlignTest {
  protected:
    AlignFilesTest() {
        m->ChCount = 16;
        m->ChColCount = 9;
        m->IicDat = image;
        app::InitFaceText();
    }
    std::string series(const char* folder) const { return home.file("生产文件/") + folder; }

    testsupport::ScriptedDialogs dialogs;
    testsupport::ErrorLog errors;
    std::unique_ptr<model::ModelState> m = std::make_unique<model::ModelState>();
    modeltest::FakeChannelWindow window{*m};
};

TEST_F(AlignFilesTest, FolderAndExtensionFollowTheModelIndex) {
    struct Case {
        int m;
        const char* folder; // nullptr: none
        const char* ext;
    };
    const Case cases[] = {{-1, "1845系列", "Dat5i0"},     {0, "1845系列", "Dat5i1"},
                          {18, "1846系列", "Dat6i19"},    {21, "1845系列", "Dat5i22"},
                          {22, "1846系列", "Dat6i23"},    {31, "1845系列", "Dat5i32"},
                          {99, "1846系列", "Dat6i100"},   {100, "1846S系列", "Dat6s101"},
                          {149, "1846S系列", "Dat6s150"}, {150, nullptr, ""}};
    for (const Case& c : cases) {
        const platform::FileRequest r = AlignmentFileRequest(c.m);
        EXPECT_EQ(r.initialDir, c.folder ? series(c.folder) : "") << c.m;
        EXPECT_EQ(r.defaultExt, c.ext) << c.m;
        EXPECT_EQ(r.filter, *c.ext ? std::string(c.ext) + "(*." + c.ext + ")|*." + c.ext : "") << c.m;
        EXPECT_EQ(r.fileName, "") << c.m;
    }
}

TEST_F(AlignFilesTest, ReadCreatesTheFoldersAndShowsTheFileInTheChannelWindow) {
    auto file = std::make_unique<model::Image>();
    file->fill(0xFF);
    const std::uint8_t channel1[] = {0x00, 0x25, 0x01, 0x40, 0x00, 0x25, 0x01, 0x40}; // 400.12500 MHz
    std::copy(std::begin(channel1), std::end(channel1), file->begin() + 0xC800);
    (*file)[0xF800] = 0x42;
    EXPECT_EQ(cmdReadDat_Click(-1, *m), std::nullopt); // cancelled: the folders are there all the same
    for (const char* folder : {"1846S系列", "1846系列", "1845系列"})
        EXPECT_TRUE(fs::is_directory(series(folder)));

    const std::string path = series("1845系列") + "/radio.Dat5i0";
    app::WriteDataFile(path, *file);
    dialogs.files.push_back(path);
    EXPECT_EQ(cmdReadDat_Click(-1, *m), path);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].initialDir, series("1845系列"));
    EXPECT_EQ(dialogs.fileRequests[1].filter, "Dat5i0(*.Dat5i0)|*.Dat5i0");
    EXPECT_EQ(m->IicDat[0xF800], 0x42);
    EXPECT_EQ(m->ChInfo[1][1], 40012500);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"ShowChTblGrid", "InitOpt"}));
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(AlignFilesTest, ARefusedFileShowsWrongFileTypeWithTheReasonAndChangesNothing) {
    home.write("short.Dat5i0", "not a data file");
    dialogs.files.push_back(home.file("short.Dat5i0"));
    const model::Image before = m->IicDat;
    EXPECT_EQ(cmdReadDat_Click(-1, *m), std::nullopt);
    EXPECT_TRUE(m->IicDat == before);
    EXPECT_TRUE(window.calls.empty());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text.rfind(app::text(83) + "\n\n", 0), 0u) << dialogs.asked[0].text;
    EXPECT_GT(dialogs.asked[0].text.size(), app::text(83).size() + 2); // the reason follows
    EXPECT_EQ(dialogs.asked[0].title, app::text(app::kTextNotice));
    EXPECT_TRUE(errors.has("frmAdjMode->cmdReadDat_Click"));
}

TEST_F(AlignFilesTest, SaveWritesTheImageAsItStands) {
    const std::string path = series("1846S系列") + "/saved.Dat6s101";
    dialogs.files.push_back(path);
    EXPECT_EQ(cmdSaveDat_Click(100, m->IicDat), path);
    auto back = std::make_unique<model::Image>();
    back->fill(0);
    app::ReadDataFile(path, *back);
    EXPECT_TRUE(std::equal(back->begin() + 0xC800, back->begin() + 0xF000, m->IicDat.begin() + 0xC800));
    EXPECT_TRUE(std::equal(back->begin() + 0xF800, back->begin() + 0xFC00, m->IicDat.begin() + 0xF800));

    dialogs.files.push_back(home.file("no/such/folder/x.Dat5i0"));
    EXPECT_EQ(cmdSaveDat_Click(-1, m->IicDat), std::nullopt);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text.rfind(app::text(86), 0), 0u);
}

TEST_F(AlignFilesTest, FoldersThatCannotBeMadeAreToldAndNoDialogOpens) {
    home.write("生产文件", "a file where the folder should be");
    EXPECT_EQ(cmdReadDat_Click(-1, *m), std::nullopt);
    EXPECT_EQ(cmdSaveDat_Click(-1, m->IicDat), std::nullopt);
    EXPECT_TRUE(dialogs.fileRequests.empty());
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_NE(dialogs.asked[0].text.find(home.file("生产文件")), std::string::npos);
}

} // namespace
