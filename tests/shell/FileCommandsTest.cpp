#include "shell/FileCommands.h"
#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/ImageViews.h"
#include "app/Shell.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "platform/FileIo.h"
#include "shell/MainWindowHost.h"
#include "shell/ShellTexts.h"
#include "tests/model/FakeChannelWindow.h"
#include "tests/support/Environment.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>
#include <sys/stat.h>

using namespace app;
using namespace shell;
using platform::AnswerNo;
using platform::AnswerYes;

namespace {

bool inArea(std::size_t a) {
    return (a >= DataArea1First && a <= DataArea1Last) || (a >= DataArea2First && a <= DataArea2Last);
}

class FileCommandsTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    FileCommandsTest() {
        app::shell().SettingsFile = home.file("tavorin.def");
        app::shell().EmptyCellColor = "16777215";
        auto& t = app::shell().FaceText;
        t[70] = "Notice", t[74] = "All data will be cleared,continue?";
        t[82] = "TempData has changed,Do you want to save it now?", t[83] = "Wrong file type!";
        t[84] = "Save file failed!", t[85] = "File Name:", t[86] = "Save file failed!";
        m.ChCount = 16;
        GenerateDatFolder();
        panel.clear();
    }
    // An image unlike the default one in every byte that matters.
    void scribble(std::uint8_t salt) {
        for (std::size_t a = 0; a < m.IicDat.size(); ++a)
            m.IicDat[a] = static_cast<std::uint8_t>(a * 37 + (a >> 8) + salt);
    }
    // The image the data file at path carries.
    model::Image carried(const std::string& path) {
        model::Image image{};
        ReadDataFile(path, image);
        return image;
    }
    bool refreshed() const {
        return std::find(window.calls.begin(), window.calls.end(), "InitOpt") != window.calls.end();
    }
    std::string dataFile(const std::string& name) const { return home.file("Data/" + name); }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<model::ModelState> owned = std::make_unique<model::ModelState>();
    model::ModelState& m = *owned;
    modeltest::FakeChannelWindow window{m};
    // Status panel 3 and the focus of the main window.
    struct MainWindow : shell::MainWindowHost {
        void ShowFilePanel(const std::string& text) override { panel.push_back(text); }
        void TakeFocus() override { ++focused; }
        std::vector<std::string> panel;
        int focused = 0;
        platform::Host<shell::MainWindowHost>::Scoped registered{*this};
    } mainWindow;
    std::vector<std::string>& panel = mainWindow.panel;
    int& focused = mainWindow.focused;
    testsupport::ErrorLog errors;
    std::vector<std::string>& reported = errors.tags;
};

TEST_F(FileCommandsTest, GenerateDatFolderMakesTheDefaultFileCurrent) {
    EXPECT_TRUE(platform::isDirectory(home.file("Data")));
    EXPECT_EQ(app::shell().DefFilePath, dataFile("Untitled.LDat"));
    EXPECT_EQ(app::shell().CurFilePath, app::shell().DefFilePath);
    GenerateDatFolder();
    EXPECT_EQ(panel, std::vector<std::string>{"File Name:" + dataFile("Untitled.LDat")});
    EXPECT_FALSE(platform::fileExists(dataFile("Untitled.LDat"))) << "no command writes it by itself";

    // A program folder where no folder can be made still gets its names.
    home.write("plain", "");
    testsupport::setEnv("TAVORIN_HOME", home.file("plain"));
    ResetShell();
    GenerateDatFolder();
    EXPECT_EQ(reported, std::vector<std::string>{"mdifrmMain->GenerateDatFolder"});
    EXPECT_EQ(app::shell().CurFilePath, home.file("plain/Data/Untitled.LDat"));
}

TEST_F(FileCommandsTest, NewReloadsTheDefaultImageKeepingBandAndModel) {
    home.copyShipped("zezirev.def");
    const model::Image defaults = carried(home.file("zezirev.def"));
    scribble(1);
    // Band 1 the placeholder, band 2 136-174 MHz, model byte 3: what a refresh keeps as it is.
    const std::uint8_t band[17] = {0x00, 0x00, 0x46, 0x00, 0x00, 0x00, 0x47, 0x00, 0x00,
                                   0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17, 0x03};
    std::copy(std::begin(band), std::end(band), m.IicDat.begin() + model::map::FreRangeBlock);
    SetCurrentFile(dataFile("mine.LDat"));
    const model::Image before = m.IicDat;
    dialogs.answers = {AnswerYes};

    NewFile(m);

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, "All data will be cleared,continue?");
    EXPECT_EQ(dialogs.asked[0].title, "Notice");
    EXPECT_EQ(dialogs.asked[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(dialogs.asked[0].icon, platform::Icon::Question);
    EXPECT_EQ(app::shell().MsgAnswer, AnswerYes);
    for (std::size_t a = 0; a < m.IicDat.size(); ++a) {
        const bool kept = a >= 0xE700 && a <= 0xE710;
        ASSERT_EQ(m.IicDat[a], !inArea(a) || kept ? before[a] : defaults[a]) << a;
    }
    EXPECT_EQ(window.ctdcsHidden, 1);
    EXPECT_TRUE(refreshed());
    EXPECT_EQ(app::shell().CurFilePath, app::shell().DefFilePath);
    EXPECT_EQ(panel.back(), "File Name:" + app::shell().DefFilePath);
    EXPECT_TRUE(reported.empty());
}

TEST_F(FileCommandsTest, NewAnsweredNoChangesNothing) {
    home.copyShipped("zezirev.def");
    scribble(2);
    SetCurrentFile(dataFile("mine.LDat"));
    const model::Image before = m.IicDat;
    dialogs.answers = {AnswerNo};
    NewFile(m);
    EXPECT_EQ(m.IicDat, before);
    EXPECT_EQ(app::shell().CurFilePath, dataFile("mine.LDat"));
    EXPECT_FALSE(refreshed());
}

TEST_F(FileCommandsTest, NewWithoutAUsableDefaultImageTellsTheUserAndKeepsEverything) {
    for (bool present : {false, true}) {
        if (present) home.write("zezirev.def", std::string(12800, '\0')); // no tables
        scribble(3);
        SetCurrentFile(dataFile("mine.LDat"));
        const model::Image before = m.IicDat;
        dialogs.asked.clear();
        dialogs.answers = {AnswerYes};
        NewFile(m);
        ASSERT_EQ(dialogs.asked.size(), 2u) << "the question, then the failure";
        EXPECT_EQ(dialogs.asked[1].text.rfind("Wrong file type!", 0), 0u) << dialogs.asked[1].text;
        EXPECT_NE(dialogs.asked[1].text.find("zezirev.def"), std::string::npos);
        EXPECT_EQ(dialogs.asked[1].icon, platform::Icon::Critical);
        EXPECT_EQ(app::shell().CurFilePath, dataFile("mine.LDat"));
        // The refresh shows the image, which may repair the band block only.
        for (std::size_t a = 0; a < m.IicDat.size(); ++a)
            ASSERT_TRUE(m.IicDat[a] == before[a] || (a >= 0xE700 && a <= 0xE70F)) << a;
    }
    EXPECT_EQ(std::count(reported.begin(), reported.end(), "mdifrmMain->InitTempArray"), 2);
}

TEST_F(FileCommandsTest, BandChangeReloadKeepsTheCurrentFileWithoutAsking) {
    home.copyShipped("zezirev.def");
    SetCurrentFile(dataFile("mine.LDat"));
    panel.clear();
    EXPECT_TRUE(NewFileSol(m));
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(app::shell().CurFilePath, dataFile("mine.LDat"));
    EXPECT_TRUE(panel.empty());
    EXPECT_TRUE(refreshed());
}

TEST_F(FileCommandsTest, OpenReadsTheFileShowsItAndMakesItCurrent) {
    scribble(4);
    const model::Image written = m.IicDat;
    WriteDataFile(dataFile("a.LDat"), written);
    scribble(5);
    const model::Image before = m.IicDat;
    dialogs.files = {dataFile("a.LDat")};

    OpenFile("", m);

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, "DudData File(*.DudDat;*.LDat)|*.DudDat;*.LDat");
    EXPECT_EQ(dialogs.fileRequests[0].initialDir, home.file("Data"));
    EXPECT_TRUE(refreshed());
    for (std::size_t a = 0; a < m.IicDat.size(); ++a) {
        if (a >= 0xE700 && a <= 0xE70F) continue; // the refresh repairs the band block
        ASSERT_EQ(m.IicDat[a], inArea(a) ? written[a] : before[a]) << a;
    }
    EXPECT_EQ(app::shell().CurFilePath, dataFile("a.LDat"));
    EXPECT_EQ(panel.back(), "File Name:" + dataFile("a.LDat"));
    EXPECT_EQ(std::count(reported.begin(), reported.end(), "mdifrmMain->OpenFile"), 0);
}

TEST_F(FileCommandsTest, RestoreDefaultsOpensDefRadioSetByPath) {
    home.copyShipped("DefRadioSet.def");
    OpenFile(home.file("DefRadioSet.def"), m);
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(app::shell().CurFilePath, home.file("DefRadioSet.def"));
    EXPECT_EQ(m.IicDat[0xC800], 0xFF);
}

TEST_F(FileCommandsTest, OpenCancelledOrRefusedChangesNothing) {
    home.write("Data/short.LDat", std::string(12799, 'x'));
    scribble(6);
    SetCurrentFile(dataFile("mine.LDat"));
    panel.clear();
    const model::Image before = m.IicDat;

    OpenFile("", m); // cancelled
    EXPECT_TRUE(dialogs.asked.empty());
    for (const std::string& bad : {dataFile("short.LDat"), dataFile("missing.LDat"), home.file("Data")}) {
        dialogs.asked.clear();
        OpenFile(bad, m);
        ASSERT_EQ(dialogs.asked.size(), 1u) << bad;
        EXPECT_EQ(dialogs.asked[0].text.rfind("Wrong file type!\n\n", 0), 0u) << dialogs.asked[0].text;
        EXPECT_EQ(dialogs.asked[0].title, "Notice");
        EXPECT_EQ(dialogs.asked[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(dialogs.asked[0].icon, platform::Icon::Critical);
    }
    EXPECT_EQ(m.IicDat, before);
    EXPECT_FALSE(refreshed());
    EXPECT_EQ(app::shell().CurFilePath, dataFile("mine.LDat"));
    EXPECT_TRUE(panel.empty());
    EXPECT_EQ(std::count(reported.begin(), reported.end(), "mdifrmMain->OpenFile"), 3);
}

// The reason under the refusal speaks the interface language too.
TEST_F(FileCommandsTest, TheReasonForARefusedFileIsInTheInterfaceLanguage) {
    home.write("Data/empty.LDat", "");
    const struct {
        int lang;
        const char* reason;
    } cases[] = {{1, "该文件只有 0 字节，数据文件有 12800 字节。"},
                 {2, "該檔案只有 0 位元組，資料檔有 12800 位元組。"},
                 {3, "the file holds 0 bytes; a data file holds 12800."}};
    for (const auto& c : cases) {
        app::shell().LangIndex = static_cast<std::int16_t>(c.lang);
        app::InitFaceText(app::shell());
        dialogs.asked.clear();
        OpenFile(dataFile("empty.LDat"), m);
        ASSERT_EQ(dialogs.asked.size(), 1u);
        const std::string& shown = dialogs.asked[0].text;
        EXPECT_EQ(shown.rfind(app::text(kTextWrongFile) + "\n\n" + dataFile("empty.LDat"), 0), 0u) << shown;
        EXPECT_NE(shown.find(c.reason), std::string::npos) << shown;
    }
    app::shell().LangIndex = 1;
    dialogs.asked.clear();
    OpenFile(dataFile("missing.LDat"), m);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_NE(dialogs.asked[0].text.find("找不到文件：" + dataFile("missing.LDat")), std::string::npos);
}

// A failure that is no worded reason is the program's own fault: the message
// says so in the interface language, never in a library's English.
TEST_F(FileCommandsTest, AnInternalFaultIsToldInTheInterfaceLanguage) {
    struct Faulty : app::FlashGridHost, shell::MainWindowHost {
        void RefreshFlashRange(int, int) override { throw std::out_of_range("vector::_M_range_check: __n"); }
        void ShowFilePanel(const std::string&) override { throw std::bad_alloc(); }
    } faulty;
    WriteDataFile(dataFile("a.LDat"), m.IicDat);
    for (int lang : {1, 2, 3}) {
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        app::InitFaceText(app::shell());
        dialogs.asked.clear();
        {
            platform::Host<app::FlashGridHost>::Scoped refreshing(faulty);
            OpenFile(dataFile("a.LDat"), m);
        }
        scribble(static_cast<std::uint8_t>(lang));
        const model::Image before = m.IicDat;
        m.ChInfo[1][1] = m.ChInfo[1][2] = 43500000;
        {
            platform::Host<shell::MainWindowHost>::Scoped showing(faulty);
            EXPECT_FALSE(SaveDatFile(dataFile("b.LDat"), m));
        }
        EXPECT_EQ(m.IicDat, before) << "the failed save puts the image back";
        ASSERT_EQ(dialogs.asked.size(), 2u);
        EXPECT_EQ(dialogs.asked[0].text, text(kTextWrongFile) + "\n\n" + text(TextKey::InternalFault));
        EXPECT_EQ(dialogs.asked[1].text, text(kTextWriteFailed) + "\n\n" + text(TextKey::CauseNoMemory));
        for (const auto& asked : dialogs.asked) EXPECT_EQ(asked.text.find("vector"), std::string::npos);
    }
    EXPECT_EQ(std::count(reported.begin(), reported.end(), "mdifrmMain->OpenFile"), 3);
    EXPECT_EQ(std::count(reported.begin(), reported.end(), "mdifrmMain->SaveDatFile"), 3);
}

TEST_F(FileCommandsTest, SaveAsksThenSavesTheEncodedChannelTable) {
    scribble(7);
    // Channel 1 in the table only: the save encodes it into the image first.
    m.ChInfo[1][1] = m.ChInfo[1][2] = 43500000;
    m.ChCtdcs[1] = {"67.0", "67.0"};
    m.ChNameDat[1].fill(0xFF);
    dialogs.answers = {AnswerYes};
    dialogs.files = {dataFile("saved.LDat")};

    EXPECT_EQ(SaveFile(m), SaveOutcome::Saved);

    EXPECT_EQ(focused, 1);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, "TempData has changed,Do you want to save it now?");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].defaultExt, "LDat");
    EXPECT_EQ(dialogs.fileRequests[0].filter, DataFileFilter);
    EXPECT_EQ(m.IicDat[0xC800 + 3], 0x43) << "receive frequency encoded";
    const model::Image saved = carried(dataFile("saved.LDat"));
    for (std::size_t a = 0; a < m.IicDat.size(); ++a) ASSERT_TRUE(saved[a] == m.IicDat[a] || !inArea(a)) << a;
    EXPECT_EQ(app::shell().CurFilePath, dataFile("saved.LDat"));
    EXPECT_EQ(panel.back(), "File Name:" + dataFile("saved.LDat"));
}

TEST_F(FileCommandsTest, SaveAnsweredNoOrSaveAsCancelledWritesNothing) {
    dialogs.answers = {AnswerNo, AnswerYes};
    EXPECT_EQ(SaveFile(m), SaveOutcome::Declined);
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_FALSE(SaveAsFile(m)); // the dialog is cancelled
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(SaveFile(m), SaveOutcome::NotSaved); // Yes, then cancelled
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_TRUE(std::filesystem::is_empty(home.file("Data")));
    EXPECT_EQ(app::shell().CurFilePath, app::shell().DefFilePath);
    EXPECT_TRUE(panel.empty());
}

TEST_F(FileCommandsTest, SaveIntoAReadOnlyFolderFailsVisiblyAndKeepsTheOldFile) {
    scribble(8);
    WriteDataFile(dataFile("old.LDat"), m.IicDat);
    platform::Bytes old;
    ASSERT_TRUE(platform::readFile(dataFile("old.LDat"), old));
    SetCurrentFile(dataFile("mine.LDat"));
    panel.clear();
    scribble(9);
    // Channel 1 in the table only: the failed save leaves the image as it was.
    m.ChInfo[1][1] = m.ChInfo[1][2] = 43500000;
    m.ChCtdcs[1] = {"67.0", "67.0"};
    const model::Image image = m.IicDat;
    ::chmod(home.file("Data").c_str(), 0555);
    dialogs.files = {dataFile("old.LDat")};

    EXPECT_FALSE(SaveAsFile(m));

    ::chmod(home.file("Data").c_str(), 0755);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text.rfind("Save file failed!\n\n", 0), 0u) << dialogs.asked[0].text;
    EXPECT_EQ(dialogs.asked[0].icon, platform::Icon::Critical);
    platform::Bytes now;
    ASSERT_TRUE(platform::readFile(dataFile("old.LDat"), now));
    EXPECT_EQ(now, old);
    EXPECT_TRUE(m.IicDat == image);
    EXPECT_EQ(m.ChInfo[1][1], 43500000);
    EXPECT_EQ(app::shell().CurFilePath, dataFile("mine.LDat"));
    EXPECT_TRUE(panel.empty());
    EXPECT_EQ(reported, std::vector<std::string>{"mdifrmMain->SaveDatFile"});
}

} // namespace
