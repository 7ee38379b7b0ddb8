// RAM range transfers against the simulated radio.
#include "tests/link/TransferFixture.h"

using namespace radiolink;
using linktest::Bytes;
using linktest::hex;
using radiosim::Fault;

namespace {

class RamTransferTest : public linktest::TransferFixture {
  protected:
    Bytes lastRequest() const { return radio.requests().back().bytes; }
    void setExtRange(int ToolWindow::*first, int ToolWindow::*last, int a, int b) {
        s.frmMain.*first = a;
        s.frmMain.*last = b;
    }
};

TEST_F(RamTransferTest, WholeInternalRangeRead) {
    const Bytes ram = randomBytes(256, 4);
    radio.setInRam(0, ram);
    s.frmMain.cboRdInRamFir = 0;
    s.frmMain.cboRdInRamLast = 207;
    s.frmMain.chkGridInRamColor.Value = 1;
    ASSERT_TRUE(ComReadInRam(s));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(lastRequest(), hex("5A36 6E24B8D3 37 0030 00D0 5E89"));
    EXPECT_EQ(Bytes(s.InRamDat.begin() + 0x30, s.InRamDat.end()), Bytes(ram.begin() + 0x30, ram.end()));
    EXPECT_EQ(s.InRamDat[0x2F], 0); // outside the range
    EXPECT_EQ(gridCalls, (std::vector<linktest::GridCall>{
                             {"mark", 2, 2, 0, 0}, {"showIn", 0x30, 0xFF, 0, 0}, {"mark", 1, 2, 0x30, 208}}));
    EXPECT_EQ(statuses, (std::vector<std::string>{"Try To Read.....", "Reading...50 %", "Reading...100 %",
                                                  "Read Successful"}));
    EXPECT_TRUE(s.frmMain.cmdRdInRam.Enabled);
    EXPECT_EQ(s.ComBusy, 0);
}

TEST_F(RamTransferTest, OneExternalByteAtTheTop) {
    radio.setExtRam(0xAFF, Bytes{0x5C});
    s.frmMain.cboRdExtRamFir = s.frmMain.cboRdExtRamLast = 0xAFF;
    ComReadExtRam(s);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(lastRequest(), hex("5A36 6E24B8D3 85 0AFF 0001 5EE1"));
    EXPECT_EQ(s.ExtRamDat[0xAFF], 0x5C);
}

TEST_F(RamTransferTest, InternalWriteSendsItsDataSum) {
    for (int a = 0x30; a <= 0x3F; ++a) s.InRamDat[a] = static_cast<std::uint8_t>(a);
    s.frmMain.cboWrInRamFir = 0;
    s.frmMain.cboWrInRamLast = 15;
    ComWriteInRam(s);
    EXPECT_EQ(s.ComFail, 0);
    // 5AA5 + 30 + 31 + ... + 3F = 5AA5 + 378.
    EXPECT_EQ(lastRequest(), hex("5A37 0C95F7A1 37 0030 0010 303132333435363738393A3B3C3D3E3F 5E1D"));
    EXPECT_EQ(radio.inRam(0x30, 16), Bytes(s.InRamDat.begin() + 0x30, s.InRamDat.begin() + 0x40));
    EXPECT_EQ(statuses.back(), "Write Successful");
}

TEST_F(RamTransferTest, WholeExternalRangeGoesInExchangesThatFit) {
    const Bytes ram = randomBytes(2816, 5);
    std::copy(ram.begin(), ram.end(), s.ExtRamDat.begin());
    setExtRange(&ToolWindow::cboWrExtRamFir, &ToolWindow::cboWrExtRamLast, 0, 0xAFF);
    ASSERT_TRUE(ComWriteExtRam(s));
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.extRam(0, 2816), ram);
    EXPECT_EQ(radio.countOf(0x37), 2);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Try To Write...", "Writing...33 %", "Writing...67 %",
                                                  "Writing...100 %", "Write Successful"}));

    s.ExtRamDat.fill(0);
    setExtRange(&ToolWindow::cboRdExtRamFir, &ToolWindow::cboRdExtRamLast, 0, 0xAFF);
    ComReadExtRam(s);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(Bytes(s.ExtRamDat.begin(), s.ExtRamDat.end()), ram);
    EXPECT_EQ(radio.countOf(0x36), 2);
    EXPECT_EQ(gridCalls.back(), (linktest::GridCall{"mark", 0, 3, 0, 0xB00}));
}

TEST_F(RamTransferTest, LongestSingleExchangesFit) {
    setExtRange(&ToolWindow::cboWrExtRamFir, &ToolWindow::cboWrExtRamLast, 0, 0x5CF); // 1,488 bytes
    ComWriteExtRam(s);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.countOf(0x37), 1);
    setExtRange(&ToolWindow::cboRdExtRamFir, &ToolWindow::cboRdExtRamLast, 0, 0x5D1); // 1,490 bytes
    ComReadExtRam(s);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(radio.countOf(0x36), 1);
}

TEST_F(RamTransferTest, FailedReadLeavesTheImageAndTheGridAsTheyWere) {
    // The first part of the range comes in once, the second never.
    radio.injectFault(Fault::Garbage, 0x36, 1);
    s.ExtRamDat.fill(0xEE);
    setExtRange(&ToolWindow::cboRdExtRamFir, &ToolWindow::cboRdExtRamLast, 0, 0xAFF);
    int stopShownAt = 0;
    hooks.toolWindowChanged = [&] {
        if (s.frmMain.chkStopCom.Visible && stopShownAt == 0) stopShownAt = s.ComTryCnt;
    };
    ComReadExtRam(s);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(s.ComTryCnt, 25);
    EXPECT_EQ(stopShownAt, 9);
    EXPECT_EQ(Bytes(s.ExtRamDat.begin(), s.ExtRamDat.end()), Bytes(2816, 0xEE));
    EXPECT_EQ(
        std::count_if(gridCalls.begin(), gridCalls.end(), [](const auto& c) { return c.what != "mark"; }), 0);
    EXPECT_EQ(statuses.back(), "Read Failed");
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Try To Read..... 11"), statuses.end());
    EXPECT_EQ(std::find(statuses.begin(), statuses.end(), "Try To Read..... 10"), statuses.end());

    // So does a failed internal read.
    gridCalls.clear();
    s.frmMain.cboRdInRamFir = 0;
    s.frmMain.cboRdInRamLast = 3;
    radio.injectFault(Fault::Garbage, 0x36);
    ComReadInRam(s);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(gridCalls, (std::vector<linktest::GridCall>{{"mark", 2, 2, 0, 0}}));
}

TEST_F(RamTransferTest, EmptyListIsRefusedBeforeThePortOpens) {
    mapPorts({});
    int asked = 0;
    hooks.choosePort = [&] { return ++asked, false; };
    const std::function<bool(LinkState&)> ops[] = {ComReadInRam, ComWriteInRam, ComReadExtRam,
                                                   ComWriteExtRam};
    for (const auto& op : ops) {
        s.ComFail = 0;
        EXPECT_TRUE(op(s));
        EXPECT_EQ(s.ComFail, -1);
    }
    s.frmMain.cboRdInRamFir = 5; // a first entry above the last is no range either
    s.frmMain.cboRdInRamLast = 4;
    ComReadInRam(s);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(statuses.empty());
}

} // namespace
