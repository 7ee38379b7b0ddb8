// The firmware window's logic: the remembered model, the version loads, the
// write-selected-version box, the boot check and the radio write's load.
// Only the radio write's load may change the image's data area.
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/FlashSoft.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/IntelHex.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/flashtool/FlashFixture.h"

#include <algorithm>

using namespace flashtool;

namespace {

class FlashSoftWindowTest : public flashtest::FlashFixture {
  protected:
    FlashSoftWindowTest() {
        scribble();
        before = *image;
    }
    void remember(const std::string& model) {
        home.write("tavorin.def", "[Soft]\nModelSelect=" + model + "\n");
    }
    std::string stored(const char* key) {
        return platform::IniFile::lookup(home.file("tavorin.def"), "Soft", key).value_or("<none>");
    }
    bool dataAreaKept() const {
        return std::equal(image->begin() + 0xC800, image->end(), before.begin() + 0xC800);
    }
    bool untouched() const { return *image == before; }
    // The built-in image as a full load leaves it over `base`.
    model::Image loaded(const model::Image& base, bool withDataArea) const {
        model::Image out = base;
        ApplyHexImage(ParseHexLines(GetFlashSoftHex(101, 10)), 0xC7FF, out, withDataArea ? 0x10000 : 0xC800);
        return out;
    }

    model::Image before{};
    FlashSoftWindow window{fw, *tool};
    flashtest::OpenedDocuments desktop;
    std::vector<std::string>& opened = desktop.opened;
};

TEST_F(FlashSoftWindowTest, RememberedModelsThatLoadNothing) {
    struct Case {
        const char* name;
        const char* stored; // nullptr: no key
        int selected;
    };
    const Case cases[] = {
        {"missing", nullptr, 0},
        {"unknown model 100", "100", 100},
        {"beyond the list", "126", -1},
        {"no number", "abc", -1},
        {"no selection", "-1", -1},
        {"an unassigned item", "42", 42},
        {"a model without name", "110", 110},
        // The edges of the number: an empty value is the default, a sign and
        // blanks are read, a fraction rounds half to even, no overflow wraps.
        {"empty", "", 0},
        {"blanks", "   ", 0},
        {"a sign", " +42 ", 42},
        {"a fraction rounding up", "41.5", 42},
        {"a fraction rounding down", "42.5", 42},
        {"too large for any number", "9e99", -1},
    };
    for (const Case& c : cases) {
        if (c.stored)
            remember(c.stored);
        else
            home.write("tavorin.def", "");
        FlashSoftWindow w{fw, *tool};
        w.Form_Load();
        EXPECT_EQ(w.cboModelSelect, c.selected) << c.name;
        EXPECT_TRUE(w.cboSoftVerItems.empty()) << c.name;
        EXPECT_EQ(w.txtSoftSpecial, "") << c.name;
        EXPECT_TRUE(untouched()) << c.name;
    }
    FlashSoftWindow w{fw, *tool};
    w.Form_Load();
    ASSERT_EQ(w.cboModelSelectItems.size(), 126u);
    EXPECT_EQ(w.cboModelSelectItems[0], "0--未分配");
    EXPECT_EQ(w.cboModelSelectItems[100], "未知");
    EXPECT_EQ(w.cboModelSelectItems[101], "QM940");
    EXPECT_EQ(w.cboModelSelectItems[125], "");
}

TEST_F(FlashSoftWindowTest, RememberedModel101LoadsItsVersionKeepingTheDataArea) {
    remember("101");
    window.Form_Load();
    EXPECT_EQ(window.cboModelSelect, 101);
    EXPECT_EQ(window.cboSoftVerItems, std::vector<std::string>{"10"});
    EXPECT_EQ(window.cboSoftVer, 0);
    EXPECT_EQ(window.txtSoftSpecial, "102C146865");
    EXPECT_EQ(*image, loaded(before, false));
    for (std::uint32_t a = 37 * 1024; a < 40 * 1024; ++a) ASSERT_EQ((*image)[a], 0xA5);
    EXPECT_TRUE(dataAreaKept());
    EXPECT_EQ(window.cmdChkLeadSoftVerCaption, "校验引导程序");
}

TEST_F(FlashSoftWindowTest, ChoosingModelsAndVersions) {
    remember("100");
    window.Form_Load();
    // An empty item changes nothing, not even the remembered model.
    window.cboModelSelect_Click(110);
    EXPECT_EQ(stored("ModelSelect"), "100");
    EXPECT_TRUE(window.cboSoftVerItems.empty());
    EXPECT_TRUE(untouched());
    window.cboModelSelect_Click(101);
    EXPECT_EQ(stored("ModelSelect"), "101");
    EXPECT_EQ(*image, loaded(before, false));
    // A listed version without a stored image loads nothing.
    fw.SoftModelTbl[101][3] = "11";
    fw.SoftSpecialTbl[101][3] = "112C146865";
    *image = before;
    window.cboModelSelect_Click(101);
    EXPECT_EQ(window.cboSoftVer, 1);
    EXPECT_TRUE(untouched());
    EXPECT_EQ(window.txtSoftSpecial, "102C146865"); // from the earlier load
    EXPECT_TRUE(window.cboSoftVer_Click(0));
    EXPECT_TRUE(dataAreaKept());
}

TEST_F(FlashSoftWindowTest, TickingAndUntickingTheBoxReloadKeepingTheDataArea) {
    fw.SoftModelTbl[101][3] = "11";
    fw.SoftSpecialTbl[101][3] = "112C146865";
    remember("101");
    window.Form_Load();
    window.cboSoftVer_Click(0); // version 10 chosen
    *image = before;
    window.chkWrSelectSoftVer_Click(1);
    EXPECT_TRUE(window.WriteSelectedVersion());
    EXPECT_EQ(fw.SoftModelTbl[101][3], ""); // 11 dropped: 10 is now the newest
    EXPECT_EQ(window.cboSoftVerItems, std::vector<std::string>{"10"});
    EXPECT_EQ(*image, loaded(before, false));
    *image = before;
    window.chkWrSelectSoftVer_Click(0);
    EXPECT_FALSE(window.WriteSelectedVersion());
    EXPECT_EQ(fw.SoftModelTbl[101][2], "10"); // the built-in cells again
    EXPECT_EQ(*image, loaded(before, false));
    EXPECT_TRUE(dataAreaKept());
}

TEST_F(FlashSoftWindowTest, TickingWithOnlyVersion10DropsNothingAndLoadsIt) {
    remember("101");
    window.Form_Load();
    *image = before;
    window.chkWrSelectSoftVer_Click(1);
    EXPECT_EQ(fw.SoftModelTbl[101][2], "10");
    EXPECT_EQ(*image, loaded(before, false));
}

TEST_F(FlashSoftWindowTest, BootCheck) {
    remember("101");
    window.Form_Load();
    window.cmdChkLeadSoftVer_Click();
    EXPECT_EQ(window.cmdChkLeadSoftVerCaption, "版本唯一,无法校验");
    // Two listings of the one image carry the same boot program.
    fw.SoftModelTbl[101][3] = "10";
    window.cboModelSelect_Click(101);
    *image = before;
    window.cmdChkLeadSoftVer_Click();
    EXPECT_EQ(window.cmdChkLeadSoftVerCaption, "校验成功");
    EXPECT_EQ(window.cboSoftVer, 1);
    EXPECT_EQ(*image, loaded(before, false));
    // A listed version without an image cannot be compared.
    fw.SoftModelTbl[101][3] = "11";
    window.cboModelSelect_Click(101);
    *image = before;
    window.cmdChkLeadSoftVer_Click();
    EXPECT_EQ(window.cmdChkLeadSoftVerCaption, "校验失败 没有内置软件: 版本11");
    EXPECT_TRUE(dataAreaKept());
}

TEST_F(FlashSoftWindowTest, TheRadioWritesLoadTakesTheWholeImage) {
    window.Form_Load();
    EXPECT_TRUE(window.LoadNewestVersion(101));
    EXPECT_EQ(*image, loaded(before, true));
    EXPECT_EQ(window.cboModelSelect, 101);
    EXPECT_EQ(stored("ModelSelect"), "101");
    // Also when both lists stand on the target already.
    *image = before;
    EXPECT_TRUE(window.LoadNewestVersion(101));
    EXPECT_EQ(*image, loaded(before, true));
    // Models without a loadable version load nothing.
    for (int m : {100, 102, 125}) {
        *image = before;
        EXPECT_FALSE(window.LoadNewestVersion(m)) << m;
        EXPECT_TRUE(untouched()) << m;
    }
    fw.SoftModelTbl[101][3] = "11";
    EXPECT_FALSE(window.LoadNewestVersion(101));
    EXPECT_TRUE(untouched());
}

TEST_F(FlashSoftWindowTest, AWindowNeverOpenedStillServesTheWrite) {
    EXPECT_TRUE(window.LoadNewestVersion(101));
    EXPECT_EQ(*image, loaded(before, true));
}

TEST_F(FlashSoftWindowTest, LoadsRunTheDisplayStepWhenTheToolWindowAsks) {
    link->frmMain.chkSoftShowGrid.Value = 1;
    link->frmMain.chkGridFlashColor.Value = 1;
    remember("101");
    window.Form_Load();
    EXPECT_EQ(alignment.shows, 1);
    EXPECT_EQ(tool->flash.fore[0xC7FF], 0x0A73F5u);
    EXPECT_EQ(tool->flash.fore[0xC800], Black);
}

TEST_F(FlashSoftWindowTest, ConverterFrame) {
    home.write("tavorin.def", "[Soft]\nSoftFileAddr=7\n");
    window.Form_Load();
    EXPECT_EQ(window.cboSoftFileAddr, 0);
    EXPECT_EQ(stored("SoftFileAddr"), "0");
    ASSERT_EQ(window.cboSoftFileAddrItems.size(), 3u);
    EXPECT_EQ(window.cboSoftFileAddrItems[1], home.path() + "/生产文件/1846S系列/PK4T_QM940/PK4T_QM940.hex");
    EXPECT_EQ(window.cboSaveAddr, home.path() + "/生产文件/其它/SoftConvert.txt");
    window.cboSoftFileAddr_Click(1);
    EXPECT_EQ(stored("SoftFileAddr"), "1");

    ConvertOutcome out = window.cmdSoftConvert_Click(); // no such file yet
    EXPECT_FALSE(out.ok);
    EXPECT_TRUE(opened.empty());
    ASSERT_TRUE(platform::makeFolder(home.path() + "/生产文件/1846S系列/PK4T_QM940"));
    std::string text;
    for (const std::string& l : GetFlashSoftHex(101, 10)) text += l + "\r\n";
    ASSERT_TRUE(platform::writeFileAtomic(window.cboSoftFileAddrItems[1], text));
    out = window.cmdSoftConvert_Click();
    EXPECT_TRUE(out.ok) << out.message;
    EXPECT_EQ(window.converted.identity, "102C146865");
    EXPECT_EQ(window.converted.day, "20");
    EXPECT_EQ(opened, std::vector<std::string>{window.cboSaveAddr});
    EXPECT_TRUE(untouched()); // the converter reads nothing of the image
}

TEST_F(FlashSoftWindowTest, CreatingTheWindowMakesTheConvertersOutputFolder) {
    const std::string folder = home.path() + "/生产文件/其它";
    ASSERT_FALSE(platform::isDirectory(folder));
    window.Load();
    EXPECT_TRUE(platform::isDirectory(folder));
    EXPECT_EQ(window.cboSaveAddr, folder + "/SoftConvert.txt");
}

} // namespace
