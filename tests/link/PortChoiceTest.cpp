// Port probe and choice: the stored port, the automatic choice, the port
// dialog's logic and the serial host's start-up.
#include "link/PortChoice.h"
#include "platform/PseudoTerminal.h"
#include "tests/link/LinkFixture.h"

#include <new>
#include <stdexcept>

using namespace radiolink;

namespace {

class PortChoiceTest : public linktest::LinkFixture {
  protected:
    PortChoiceTest() {
        hooks.comPortShown = [this](int n) { shownPorts.push_back(n); };
        s.ComPortNo = 9; // as left by an earlier key
    }
    platform::PseudoTerminal second;
    std::vector<int> shownPorts;
};

TEST_F(PortChoiceTest, StoredPortThatOpensIsKeptAndNothingIsWritten) {
    InitSerialHost(s);
    EXPECT_EQ(s.ComPortNo, 1);
    EXPECT_EQ(s.ComPortState[1], 1);
    EXPECT_EQ(s.ComPortState[2], 0); // no scan
    EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom, "none", app::SettingsFile()), "none");
    EXPECT_TRUE(shownPorts.empty());
    EXPECT_EQ(s.frmMain.cmdPortCaption, "端口 1");
    EXPECT_EQ(s.frmMain.cboComBps, 6);
    EXPECT_EQ(s.comCommun.Settings(), "9600,n,8,2");
    EXPECT_EQ(s.TxFrame[0], "TX5A318C31E0A4");
    EXPECT_FALSE(s.comCommun.PortOpen());
}

TEST_F(PortChoiceTest, StoredPortThatFailsGivesWayToTheFirstThatOpens) {
    mapPorts({{1, radio.devicePath()}, {2, second.devicePath()}}, "[Config]\nCOM=5\n");
    InitSerialHost(s);
    EXPECT_EQ(s.ComPortNo, 1);
    EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom), "1");
    EXPECT_EQ(shownPorts, std::vector<int>{1});
    EXPECT_EQ(s.frmMain.cmdPortCaption, "端口 1");
    EXPECT_EQ(s.ComPortState[5], -1);
    EXPECT_EQ(s.ComPortState[2], 1);
    EXPECT_FALSE(s.frmToolCom.COM[4].Enabled);
    EXPECT_TRUE(s.frmToolCom.COM[0].Value);
    EXPECT_EQ(s.ComPortWhy[5], "No such device: " + home.file("no-such-tty"));
}

TEST_F(PortChoiceTest, StoredTextThatIsNoPortNumberCountsAsAFailedPort) {
    for (const char* text : {"abc", "0", "17", "2.5", "-1", ""}) {
        mapPorts({{3, second.devicePath()}}, std::string("[Config]\nCOM=") + text + "\n");
        s.ComPortState = {};
        InitSerialHost(s);
        EXPECT_EQ(s.ComPortNo, 3) << text;
        EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom), "3") << text;
    }
    EXPECT_EQ(PortStateOf(s, 0), -1);
    EXPECT_EQ(PortStateOf(s, 17), -1);
    EXPECT_EQ(PortNumberOf("16"), 16);
    EXPECT_EQ(PortNumberOf(" 4 "), 4);
}

TEST_F(PortChoiceTest, NoUsablePortChangesNothing) {
    mapPorts({}, "[Config]\nCOM=4\n");
    InitSerialHost(s);
    EXPECT_EQ(s.ComPortNo, 4);
    EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom), "4");
    EXPECT_TRUE(shownPorts.empty());
}

TEST_F(PortChoiceTest, TestModeOnlyForOne) {
    const std::pair<const char*, Flag> cases[] = {{"1", -1}, {"0", 0}, {"2", 0}, {"x", 0}};
    for (auto [text, flag] : cases) {
        mapPorts({{1, radio.devicePath()}}, std::string("[Config]\nTm=") + text + "\n");
        InitSerialHost(s);
        EXPECT_EQ(s.TmFlag, flag) << text;
    }
}

TEST_F(PortChoiceTest, PortDialogScansSelectsAndStores) {
    mapPorts({{1, radio.devicePath()}, {2, second.devicePath()}});
    s.ComPortNo = 1;
    PortDialogLoad(s);
    EXPECT_TRUE(s.frmToolCom.loaded);
    EXPECT_TRUE(s.frmToolCom.COM[0].Value);
    EXPECT_TRUE(s.frmToolCom.COM[1].Enabled);
    EXPECT_FALSE(s.frmToolCom.COM[2].Enabled);
    EXPECT_EQ(s.frmToolCom.cancelValue, 1);

    // OK writes the key even for the port already in use.
    PortDialogOk(s);
    EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom), "1");
    EXPECT_FALSE(s.frmToolCom.loaded);

    PortDialogLoad(s);
    s.frmToolCom.COM[0].Value = false;
    s.frmToolCom.COM[1].Value = true;
    PortDialogOk(s);
    EXPECT_EQ(s.ComPortNo, 2);
    EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom), "2");
    EXPECT_EQ(s.frmMain.cmdPortCaption, "端口 2");

    PortDialogLoad(s);
    s.ComPortNo = 7;
    PortDialogCancel(s);
    EXPECT_EQ(s.ComPortNo, 2);
    EXPECT_EQ(app::ReadSetting(app::keys::ConfigCom), "2");
}

// Why a port failed stays in the interface language, whatever was thrown.
TEST_F(PortChoiceTest, WhyAPortFailedIsNeverAnExceptionsEnglish) {
    mapPorts({{2, second.devicePath()}});
    app::shell().LangIndex = 1;
    // The device opens but will not run at the line's rate.
    s.comCommun.SetSettings("0,n,8,2");
    TestComPort(s, 2);
    EXPECT_EQ(s.ComPortState[2], -1);
    EXPECT_EQ(s.ComPortWhy[2], "无法打开 " + second.devicePath());
    // Anything else is a fault of the program.
    NotePortFailure(s, 3, std::runtime_error("vector::_M_range_check"));
    EXPECT_EQ(s.ComPortWhy[3], "程序内部出错");
    NotePortFailure(s, 4, std::bad_alloc());
    EXPECT_EQ(s.ComPortWhy[4], "内存不足");
}

TEST_F(PortChoiceTest, ProbeLeavesAPortInUseAlone) {
    s.ComPortNo = 1;
    OpenCom(s);
    ASSERT_EQ(s.ComPortErr, 0);
    TestComPort(s, 1);
    TestComPort(s, 2);
    EXPECT_TRUE(s.comCommun.PortOpen());
    EXPECT_EQ(s.ComPortState[2], 0);
    CloseCom(s);
}

} // namespace
