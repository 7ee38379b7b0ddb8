// The transfers of the sweep, each started as the user starts it, with what
// a broken run and a good run must leave.
#include "align/AdjMode.h"
#include "align/VitualKey.h"
#include "charcode/HanZi.h"
#include "flashtool/ToolWindowLogic.h"
#include "link/Commun.h"
#include "link/Protocol.h"
#include "model/ImageMap.h"
#include "tests/link/Sweep.h"

#include <algorithm>

namespace sweep {

using namespace radiolink;
namespace map = model::map;

namespace {

// The power point the power-adjust sweep sets, and its value.
constexpr int kPoint = 7, kValue = 0x5C;

std::vector<int> pageSet(Flag mode) {
    return mode == -1 ? std::vector<int>(map::FrequencyPageSet.begin(), map::FrequencyPageSet.end())
                      : std::vector<int>(map::AlignmentPageSet.begin(), map::AlignmentPageSet.end());
}

} // namespace

// A read shows the image in the channel window, broken or not; a broken one
// leaves the image as it was.
Transfer SweepFixture::dialogRead() {
    return {[this] {
                shown.grids = shown.pages = 0;
                s.FreMode = -1; // as the dialog's Read button sets it
                CommunRead(s, m);
            },
            [this, before = m.IicDat](const Hit& hit) {
                expectPagesRead(pageSet(-1), before, hit, false);
                EXPECT_EQ(shown.grids, 1);
                EXPECT_EQ(shown.pages, 1);
            },
            [this] {
                for (int p : pageSet(-1)) EXPECT_EQ(imagePage(p), radioPage(p)) << "page " << p;
                EXPECT_EQ(shown.grids, 1);
            }};
}

Transfer SweepFixture::alignmentRead() {
    return {[this] {
                shown.grids = shown.pages = 0;
                align::AdjReadRadio(s, m);
            },
            [this, before = m.IicDat](const Hit& hit) {
                expectPagesRead(pageSet(0), before, hit, false);
                EXPECT_EQ(shown.grids, 1);
            },
            [this] {
                for (int p : pageSet(0)) EXPECT_EQ(imagePage(p), radioPage(p)) << "page " << p;
                EXPECT_EQ(shown.grids, 1);
            }};
}

// The dialog's write moves the serial-number list on after a good write
// only; each run starts at the list's first number.
Transfer SweepFixture::dialogWrite(bool update) {
    s.AutoUpdate = update ? -1 : 0;
    auto written = std::make_shared<model::Image>(); // what a good write leaves
    const Bytes first = line1();
    return {
        [this] {
            pages->serial.UsedUp = false;
            pages->serial.AutoNextSn = 1;
            channels::ChooseSerialEntry(*pages, m, 0);
            s.FreMode = -1;
            CommunWrite(s, fw, m);
        },
        [this, before = m.IicDat, written, first](const Hit&) {
            // A version loaded stays; the list has not moved.
            model::Image expected = programLoaded() ? *written : before;
            std::copy(first.begin(), first.end(), expected.begin() + map::MessageLine1);
            EXPECT_EQ(m.IicDat, expected);
            EXPECT_EQ(pages->serial.ListIndex, 0);
        },
        [this, update, written, first] {
            *written = m.IicDat;
            // The radio took the first number; the image holds the next.
            EXPECT_EQ(radio.flash(map::MessageLine1, first.size()), first);
            EXPECT_EQ(line1(), charcode::TextToHanZi(charcode::HanZiTbl(), "SN-0002", 16));
            EXPECT_EQ(pages->serial.ListIndex, 1);
            model::Image sent = m.IicDat;
            std::copy(first.begin(), first.end(), sent.begin() + map::MessageLine1);
            for (int p : pageSet(-1))
                EXPECT_EQ(radioPage(p), Bytes(sent.begin() + p * 1024, sent.begin() + (p + 1) * 1024)) << p;
            EXPECT_EQ(programLoaded(), update);
            for (int p = map::FirmwareFirstPage; update && p <= map::FirmwareLastPage; ++p)
                EXPECT_EQ(radioPage(p), Bytes(firmware.begin() + p * 1024, firmware.begin() + (p + 1) * 1024))
                    << "page " << p;
        }};
}

Transfer SweepFixture::alignmentWrite(bool update) {
    s.AutoUpdate = update ? -1 : 0;
    auto written = std::make_shared<model::Image>();
    return {[this] { align::AdjWriteRadio(s, fw, m); },
            [this, before = m.IicDat, written](const Hit&) {
                EXPECT_EQ(m.IicDat, programLoaded() ? *written : before);
            },
            [this, update, written] {
                *written = m.IicDat;
                for (int p : pageSet(0)) EXPECT_EQ(radioPage(p), imagePage(p)) << "page " << p;
                EXPECT_EQ(programLoaded(), update);
                for (int p = map::FirmwareFirstPage; update && p <= map::FirmwareLastPage; ++p)
                    EXPECT_EQ(radioPage(p), imagePage(p)) << "page " << p;
            }};
}

// The tool window's Read and Write buttons over boot, program and data
// pages: a broken read keeps the pages that came in; a broken write changes
// no byte and counts no success; the boxes a write locks are free again.
Transfer SweepFixture::toolPages(bool read) {
    const std::vector<int> set{3, 8, 50, 62, 63};
    for (int p : set) s.frmMain.chkFlashPage[p].Value = 1;
    auto successes = std::make_shared<std::string>();
    auto boxesFree = [this] {
        for (int p : {0, 1, 2, 3, 4, 5, 60, 61, 63}) EXPECT_TRUE(s.frmMain.chkFlashPage[p].Enabled) << p;
    };
    auto run = [this, read, successes] {
        *successes = s.frmMain.txtWrRightCnt;
        read ? flashtool::cmdReadFlash_Click(*tool) : flashtool::cmdWriteFlash_Click(*tool);
    };
    if (read)
        return {run,
                [this, set, before = m.IicDat](const Hit& hit) { expectPagesRead(set, before, hit, true); },
                [this, set] {
                    for (int p : set) EXPECT_EQ(imagePage(p), radioPage(p)) << "page " << p;
                }};
    return {run,
            [this, before = m.IicDat, successes, boxesFree](const Hit&) {
                EXPECT_EQ(m.IicDat, before);
                EXPECT_EQ(s.frmMain.txtWrRightCnt, *successes);
                boxesFree();
            },
            [this, set, successes, boxesFree] {
                for (int p : set) EXPECT_EQ(radioPage(p), imagePage(p)) << "page " << p;
                EXPECT_EQ(s.frmMain.txtWrRightCnt, std::to_string(std::stoi(*successes) + 1));
                boxesFree();
            }};
}

// The tool window's RAM buttons over the whole internal RAM and external
// ranges of two exchanges: a broken run leaves both RAM images and their
// grids as they were, and the button usable.
Transfer SweepFixture::ramButton(bool read, bool internal) {
    flashtool::chkInitInExtRamAddr_Click(*tool);
    ToolWindow& w = s.frmMain;
    if (internal) {
        (read ? w.cboRdInRamFir : w.cboWrInRamFir) = 0;
        (read ? w.cboRdInRamLast : w.cboWrInRamLast) = 0xCF;
    } else {
        (read ? w.cboRdExtRamFir : w.cboWrExtRamFir) = 0x100;
        (read ? w.cboRdExtRamLast : w.cboWrExtRamLast) = 0xAFF;
    }
    const unsigned first = internal ? 0x30 : 0x100, last = internal ? 0xFF : 0xAFF;
    radio.setInRam(0, randomBytes(256, 11));
    radio.setExtRam(0, randomBytes(2816, 12));
    const Bytes in = randomBytes(256, 13), ext = randomBytes(2816, 14);
    std::copy(in.begin(), in.end(), s.InRamDat.begin());
    std::copy(ext.begin(), ext.end(), s.ExtRamDat.begin());
    Button& button =
        read ? (internal ? w.cmdRdInRam : w.cmdRdExtRam) : (internal ? w.cmdWrInRam : w.cmdWrExtRam);
    flashtool::GridState& grid = internal ? tool->inRam : tool->extRam;
    auto mine = [this, internal, first, last] {
        const std::uint8_t* d = internal ? s.InRamDat.data() : s.ExtRamDat.data();
        return Bytes(d + first, d + last + 1);
    };
    auto theirs = [this, internal, first, last] {
        return internal ? radio.inRam(first, last - first + 1) : radio.extRam(first, last - first + 1);
    };
    struct Before {
        Bytes in, ext;
        std::vector<bool> shown;
    };
    auto before = std::make_shared<Before>();
    return {[this, read, internal, before, &grid] {
                *before = {Bytes(s.InRamDat.begin(), s.InRamDat.end()),
                           Bytes(s.ExtRamDat.begin(), s.ExtRamDat.end()), grid.shown};
                if (read && internal) flashtool::cmdRdInRam_Click(*tool);
                if (read && !internal) flashtool::cmdRdExtRam_Click(*tool);
                if (!read && internal) flashtool::cmdWrInRam_Click(*tool);
                if (!read && !internal) flashtool::cmdWrExtRam_Click(*tool);
            },
            [this, before, &grid, &button](const Hit&) {
                EXPECT_EQ(Bytes(s.InRamDat.begin(), s.InRamDat.end()), before->in);
                EXPECT_EQ(Bytes(s.ExtRamDat.begin(), s.ExtRamDat.end()), before->ext);
                EXPECT_EQ(grid.shown, before->shown);
                EXPECT_TRUE(button.Enabled);
            },
            [mine, theirs, read, first, last, &grid, &button] {
                EXPECT_EQ(mine(), theirs());
                const auto shownFrom = grid.shown.begin() + first, shownTo = grid.shown.begin() + last + 1;
                if (read) {
                    EXPECT_EQ(std::count(shownFrom, shownTo, true), shownTo - shownFrom);
                }
                EXPECT_TRUE(button.Enabled);
            }};
}

// The keypad's keys: the keypad is usable again however the key ends.
Transfer SweepFixture::keypadKey(bool side) {
    return {[this, side] { side ? align::cmdKeyPf_Click(a, s, 0) : align::cmdKeyMa_Click(a, s, 17); },
            [this](const Hit&) { EXPECT_TRUE(align::VitualKey(a).Enabled); },
            [this, side] {
                EXPECT_TRUE(align::VitualKey(a).Enabled);
                ASSERT_GE(radio.controls().size(), 2u);
                const radiosim::Control key = radio.controls()[radio.controls().size() - 2];
                EXPECT_EQ(key.selector, side ? 0x22 : 0x55);
                EXPECT_EQ(key.payload[2], side ? 0x01 : 0x31);
            }};
}

// The alignment window's power table with the online box ticked: the value
// is stored in the image whether or not the radio takes it, and the list is
// usable again.
Transfer SweepFixture::powerAdjust() {
    align::AdjMode(a).chkOnlineAdj.Value = 1;
    auto written = std::make_shared<model::Image>();
    auto list = [this]() -> align::FieldControl& {
        return align::AdjMode(a).fields.at(align::Control::cboPwrAdj, kPoint);
    };
    return {[this] { align::AdjModeFieldChanged(a, s, m.IicDat, align::Control::cboPwrAdj, kPoint, kValue); },
            [this, written, list](const Hit&) {
                EXPECT_EQ(m.IicDat, *written);
                EXPECT_TRUE(list().Enabled);
                EXPECT_EQ(list().Value, kValue);
            },
            [this, written, list] {
                *written = m.IicDat;
                EXPECT_EQ(align::FieldValue(m.IicDat, *align::FieldOf(align::Control::cboPwrAdj, kPoint)),
                          kValue);
                EXPECT_TRUE(list().Enabled);
                ASSERT_GE(radio.controls().size(), 2u);
                EXPECT_EQ(radio.controls()[radio.controls().size() - 2].payload[2], kValue);
            }};
}

} // namespace sweep
