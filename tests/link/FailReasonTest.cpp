// Why a transfer failed, as the user is told it: the reason the link keeps
// with its failure (the sweep breaks every transfer at every exchange and
// checks it for the radio's faults), the user's stop, whether a write sent
// the radio a page, and the read/write dialog's account of a failed road.
#include "app/FaceText.h"
#include "link/Commun.h"
#include "link/RadioRoads.h"
#include "tests/link/TransferFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace radiolink;
using radiosim::Fault;

class FailReasonTest : public linktest::TransferFixture {};

TEST_F(FailReasonTest, TheUsersStopIsTheReason) {
    tick({50});
    s.ComStop = -1; // the read/write dialog's or the alignment window's stop box
    ASSERT_TRUE(ComReadFlash(s, image));
    EXPECT_EQ(s.ComFailWhy, FailWhy::Stopped);
    s.ComStop = 0;
    ASSERT_TRUE(ComReadFlash(s, image));
    EXPECT_EQ(s.ComFailWhy, FailWhy::None);

    s.frmMain.chkStopCom.Value = 1; // the tool window's
    ASSERT_TRUE(ComProcSeq(s, HandshakeScript(s, kReadMode)));
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComFailWhy, FailWhy::Stopped);
}

TEST_F(FailReasonTest, AWriteKnowsWhetherTheRadioGotAPage) {
    tick({50, 51, 52});
    radio.injectFault(Fault::Silence); // not even the handshake
    ASSERT_TRUE(ComWriteFlash(s, image));
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_FALSE(s.WritePagesSent);
    radio.clearFaults();
    radio.injectFault(Fault::Silence, 0x39, 1); // from the second page on
    ASSERT_TRUE(ComWriteFlash(s, image));
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_TRUE(s.WritePagesSent);
    EXPECT_EQ(s.ComFailWhy, FailWhy::NoAnswer);
}

struct Account {
    const char* name;
    int lang;
    bool write;
    FailWhy why;
    bool pagesSent;
    const char* notice;
    const char* panel;
};

const Account kAccounts[] = {
    {"no answer", 3, false, FailWhy::NoAnswer, false, "Read Failed: no answer", "Read Failed: no answer"},
    {"a read says nothing of written pages", 3, false, FailWhy::LineClosed, true, "Read Failed: line closed",
     "Read Failed: line closed"},
    {"a write that sent nothing", 3, true, FailWhy::Stopped, false, "Write Fail: stopped",
     "Write Fail: stopped"},
    {"a write cut short", 3, true, FailWhy::WrongAnswer, true,
     "Write Fail: wrong answer\nThe radio may now hold part of the new data: writing again completes it.",
     "Write Fail: wrong answer - write again to complete"},
    {"the port", 3, false, FailWhy::PortNotOpened, false,
     "Read Failed: COM12 cannot be opened: No such device: /dev/ttyACM3",
     "Read Failed: COM12 cannot be opened"},
    {"no reason known", 3, true, FailWhy::None, true,
     "Write Fail\nThe radio may now hold part of the new data: writing again completes it.",
     "Write Fail - write again to complete"},
    {"Simplified Chinese", 1, true, FailWhy::LineClosed, true,
     "写入失败：线路已断开\n电台现在可能只存有部分新数据：再写入一次即可补全。",
     "写入失败：线路已断开，请重新写入以补全"},
    {"Traditional Chinese", 2, false, FailWhy::NoAnswer, false, "讀取失敗：電台無應答",
     "讀取失敗：電台無應答"},
};

TEST_F(FailReasonTest, TheRoadsAccountOfAFailure) {
    for (const Account& a : kAccounts) {
        SCOPED_TRACE(a.name);
        app::shell().LangIndex = static_cast<std::int16_t>(a.lang);
        app::InitFaceText(app::shell());
        s.ComFailWhy = a.why;
        s.WritePagesSent = a.pagesSent;
        s.ComPortNo = 12;
        s.ComPortWhy[12] = app::text(app::TextKey::PortNoDevice, "/dev/ttyACM3");
        const RoadFailure f = DescribeRoadFailure(s, a.write);
        EXPECT_EQ(f.notice, a.notice);
        EXPECT_EQ(f.panel, a.panel);
    }
}

TEST_F(FailReasonTest, ARoadStoppedByAnErrorSaysWhatItKnows) {
    app::shell().LangIndex = 3;
    app::InitFaceText(app::shell());
    s.ComFailWhy = FailWhy::NoAnswer; // of an exchange before: not the reason
    s.WritePagesSent = false;
    const UnknownModel unknown(99);
    const app::Caught unknownThrown{&unknown};
    EXPECT_EQ(DescribeRoadFailure(s, true, &unknownThrown).notice, "Write Fail: unknown model 99");
    EXPECT_EQ(DescribeRoadFailure(s, true, &unknownThrown).panel, "Write Fail: unknown model 99");
    const std::runtime_error other("a table overflowed");
    const app::Caught otherThrown{&other};
    EXPECT_EQ(DescribeRoadFailure(s, false, &otherThrown).notice, "Read Failed");
}

} // namespace
