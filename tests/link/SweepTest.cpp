// Every transfer broken at every exchange: the simulated radio falls silent
// from request N on, answers garbage from request N on, hangs up at request
// N (the cable pulled), for every N of a good run, and answers each page
// with a wrong sum. After each broken transfer the link has failed, closed
// the port and let go of its lock, the image is as the transfer must leave
// it, and the same transfer then succeeds. Each test prints how many broken
// transfers it ran.
#include "link/FirmwareTable.h"
#include "link/RadioRoads.h"
#include "model/ImageMap.h"
#include "tests/link/TransferFixture.h"

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace radiolink;
using linktest::Bytes;
using radiosim::Fault;

namespace {

namespace map = model::map;

// How a transfer is broken: the radio falls silent, answers garbage or hangs
// up from a request on, or answers a page with a wrong sum.
enum class Break { Silence, Garbage, HangUp, WrongSum };

// Which requests of a broken run went wrong: index in the radio's log, page.
using Hit = std::function<bool(std::size_t index, int page)>;

struct Transfer {
    std::function<void()> run;
    // The image after a broken run, given the requests that went wrong.
    std::function<void(const Hit&)> checkBroken;
    // What a good run left.
    std::function<void()> checkGood;
};

// The firmware window as a write with update drives it: loading the newest
// version fills the program area and puts its own bytes in the data pages.
struct FirmwareDouble : FirmwareWindow {
    explicit FirmwareDouble(model::Image& image) : image(image) {}
    bool LoadNewestVersion(int) override {
        ++loads;
        std::fill(image.begin(), image.begin() + map::SoftLastAddr + 1, map::HexFillByte);
        std::fill(image.begin() + 0xC800, image.begin() + 0xF000, 0x11);
        image[map::BatteryPara] = 0x21;
        return true;
    }
    model::Image& image;
    int loads = 0;
};

int pageOf(const radiosim::Request& r) {
    switch (r.command) {
    case 0x33:
    case 0x39:
        return r.bytes[6];
    case 0x34:
    case 0x3A:
        return (r.bytes[6] << 8 | r.bytes[7]) / 1024;
    default:
        return -1;
    }
}

class SweepTest : public linktest::TransferFixture {
  protected:
    SweepTest() {
        radio.setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101);
        radio.setExtRam(0xF1, Bytes{0x00});
        InitFlashSoftModel(fw);
        fw.SoftModelTbl[101][2] = "10";
        fw.SoftSpecialTbl[101][2] = "102C146865";
    }

    Bytes imagePage(int p) const { return Bytes(image.begin() + p * 1024, image.begin() + (p + 1) * 1024); }
    Bytes radioPage(int p) const { return radio.flash(p * 1024, 1024); }
    void expectLinkFree(const char* when) {
        SCOPED_TRACE(when);
        EXPECT_FALSE(s.comCommun.PortOpen());
        EXPECT_EQ(s.ComBusy, 0);
        EXPECT_EQ(s.holdDepth, 0);
        EXPECT_FALSE(LinkRefuses(s));
    }

    // Runs the transfer broken in one way at every request of a good run (at
    // every page for wrong sums); returns how many broken runs.
    int sweep(const Transfer& t, Break way) {
        const model::Image before = image;
        radio.clearLog();
        t.run();
        EXPECT_EQ(s.ComFail, 0) << "the good run";
        t.checkGood();
        const std::vector<radiosim::Request> good = radio.requests();

        struct Case {
            std::string name;
            std::function<void()> inject;
            Hit hit;
        };
        std::vector<Case> cases;
        static const Fault faults[] = {Fault::Silence, Fault::Garbage, Fault::HangUp};
        static const char* const names[] = {"silent from ", "garbage from ", "hung up at "};
        for (std::size_t n = 0; way != Break::WrongSum && n < good.size(); ++n) {
            const Fault fault = faults[static_cast<int>(way)];
            const int at = static_cast<int>(n);
            cases.push_back(
                {names[static_cast<int>(way)] + std::to_string(n),
                 [this, fault, at] { radio.injectFault(fault, -1, at, fault == Fault::HangUp ? 1 : -1); },
                 [n](std::size_t i, int) { return i >= n; }});
        }
        std::vector<int> pages;
        for (const auto& r : good)
            if (const int p = pageOf(r); p >= 0 && std::find(pages.begin(), pages.end(), p) == pages.end())
                pages.push_back(p);
        for (std::size_t i = 0; way == Break::WrongSum && i < pages.size(); ++i) {
            const int p = pages[i];
            cases.push_back({"wrong sum on page " + std::to_string(p),
                             [this, p] { radio.injectFault(Fault::WrongSum, -1, 0, -1, p); },
                             [p](std::size_t, int page) { return page == p; }});
        }

        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            image = before;
            radio.clearFaults();
            radio.clearLog();
            c.inject();
            t.run();
            EXPECT_EQ(s.ComFail, -1);
            expectLinkFree("broken");
            t.checkBroken(c.hit);

            radio.clearFaults();
            if (radio.hungUp()) {
                radio.replug();
                mapPorts({{1, radio.devicePath()}});
            }
            radio.clearLog();
            t.run();
            EXPECT_EQ(s.ComFail, 0) << "the run after";
            expectLinkFree("after");
            t.checkGood();
        }
        return static_cast<int>(cases.size());
    }

    // Pages of the set as a read must leave them: those whose page came in
    // from a request that went right are the radio's, the others as before.
    void expectPagesRead(const std::vector<int>& set, const model::Image& before, const Hit& hit, bool keep) {
        const auto requests = radio.requests();
        for (int p = 0; p < 64; ++p) {
            bool cameIn = false;
            for (std::size_t i = 0; i < requests.size(); ++i)
                cameIn = cameIn || (pageOf(requests[i]) == p && !hit(i, p));
            const bool inSet = std::find(set.begin(), set.end(), p) != set.end();
            const Bytes was(before.begin() + p * 1024, before.begin() + (p + 1) * 1024);
            EXPECT_EQ(imagePage(p), keep && inSet && cameIn ? radioPage(p) : was) << "page " << p;
        }
    }

    Transfer radioRead(Flag mode) {
        const std::vector<int> set(mode == -1 ? map::FrequencyPageSet.begin() : map::AlignmentPageSet.begin(),
                                   mode == -1 ? map::FrequencyPageSet.end() : map::AlignmentPageSet.end());
        auto before = std::make_shared<model::Image>(image);
        return {[this, mode] {
                    s.FreMode = mode;
                    ReadRadio(s, image);
                },
                [this, set, before](const Hit& hit) { expectPagesRead(set, *before, hit, false); },
                [this, set] {
                    for (int p : set) EXPECT_EQ(imagePage(p), radioPage(p)) << "page " << p;
                }};
    }

    Transfer radioWrite(Flag mode, bool update) {
        s.AutoUpdate = update ? -1 : 0;
        const std::vector<int> set(mode == -1 ? map::FrequencyPageSet.begin() : map::AlignmentPageSet.begin(),
                                   mode == -1 ? map::FrequencyPageSet.end() : map::AlignmentPageSet.end());
        auto before = std::make_shared<model::Image>(image);
        auto written = std::make_shared<model::Image>(image); // what a good write leaves
        auto loadsBefore = std::make_shared<int>(0);
        return {[this, mode, loadsBefore] {
                    s.FreMode = mode;
                    *loadsBefore = window.loads;
                    WriteRadio(s, fw, image);
                },
                [this, before, written, loadsBefore](const Hit&) {
                    // The band block's copy stays; a loaded version stays too.
                    model::Image expected = *before;
                    std::copy_n(before->begin() + map::FreRangeBlock, map::FreRangeBlockSize,
                                expected.begin() + map::FreRangeCopy);
                    EXPECT_EQ(image, window.loads > *loadsBefore ? *written : expected);
                },
                [this, set, update, written] {
                    *written = image;
                    for (int p : set) EXPECT_EQ(radioPage(p), imagePage(p)) << "page " << p;
                    for (int p = map::FirmwareFirstPage; update && p <= map::FirmwareLastPage; ++p)
                        EXPECT_EQ(radioPage(p), imagePage(p)) << "page " << p;
                }};
    }

    // The tool window's own page transfers over boot, program and data pages.
    Transfer toolPages(bool read) {
        const std::vector<int> set{3, 8, 50, 62, 63};
        for (int p : set) s.frmMain.chkFlashPage[p].Value = 1;
        auto before = std::make_shared<model::Image>(image);
        if (read)
            return {[this] { ComReadFlash(s, image); },
                    [this, set, before](const Hit& hit) { expectPagesRead(set, *before, hit, true); },
                    [this, set] {
                        for (int p : set) EXPECT_EQ(imagePage(p), radioPage(p)) << "page " << p;
                    }};
        return {[this] { ComWriteFlash(s, image); },
                [this, before](const Hit&) { EXPECT_EQ(image, *before); },
                [this, set] {
                    for (int p : set) EXPECT_EQ(radioPage(p), imagePage(p)) << "page " << p;
                }};
    }

    // RAM ranges: the whole internal RAM, and external ranges of two exchanges.
    Transfer ram(bool read, bool internal) {
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
        auto mine = [this, internal, first, last] {
            const std::uint8_t* d = internal ? s.InRamDat.data() : s.ExtRamDat.data();
            return Bytes(d + first, d + last + 1);
        };
        auto theirs = [this, internal, first, last] {
            return internal ? radio.inRam(first, last - first + 1) : radio.extRam(first, last - first + 1);
        };
        auto images = std::make_shared<std::pair<Bytes, Bytes>>();
        return {[this, read, internal, images] {
                    *images = {Bytes(s.InRamDat.begin(), s.InRamDat.end()),
                               Bytes(s.ExtRamDat.begin(), s.ExtRamDat.end())};
                    if (read && internal) ComReadInRam(s);
                    if (read && !internal) ComReadExtRam(s);
                    if (!read && internal) ComWriteInRam(s);
                    if (!read && !internal) ComWriteExtRam(s);
                },
                [this, images](const Hit&) {
                    EXPECT_EQ(Bytes(s.InRamDat.begin(), s.InRamDat.end()), images->first);
                    EXPECT_EQ(Bytes(s.ExtRamDat.begin(), s.ExtRamDat.end()), images->second);
                },
                [mine, theirs] { EXPECT_EQ(mine(), theirs()); }};
    }

    // The keypad's key scripts.
    Transfer key(bool side) {
        return {[this, side] {
                    ComProcSeq(s, side ? SideKeyScript(s, SideKeyCode(0, true)) : MainKeyScript(s, 17));
                },
                [](const Hit&) {},
                [this, side] {
                    ASSERT_GE(radio.controls().size(), 2u);
                    const radiosim::Control key = radio.controls()[radio.controls().size() - 2];
                    EXPECT_EQ(key.selector, side ? 0x22 : 0x55);
                    EXPECT_EQ(key.payload[2], side ? 0x02 : 0x31);
                }};
    }

    FirmwareState fw;
    FirmwareDouble window{image};
    platform::Host<FirmwareWindow>::Scoped registeredWindow{window};
};

enum class Kind {
    FrequencyRead,
    AlignmentRead,
    FrequencyWrite,
    AlignmentWrite,
    FrequencyWriteWithFirmware,
    AlignmentWriteWithFirmware,
    ToolPageRead,
    ToolPageWrite,
    InternalRamRead,
    ExternalRamRead,
    InternalRamWrite,
    ExternalRamWrite,
    SideKey,
    MainKey,
};

constexpr Kind kKinds[] = {Kind::FrequencyRead,
                           Kind::AlignmentRead,
                           Kind::FrequencyWrite,
                           Kind::AlignmentWrite,
                           Kind::FrequencyWriteWithFirmware,
                           Kind::AlignmentWriteWithFirmware,
                           Kind::ToolPageRead,
                           Kind::ToolPageWrite,
                           Kind::InternalRamRead,
                           Kind::ExternalRamRead,
                           Kind::InternalRamWrite,
                           Kind::ExternalRamWrite,
                           Kind::SideKey,
                           Kind::MainKey};
const char* const kKindNames[] = {"RadioReadOfTheFrequencyPages",
                                  "RadioReadOfTheAlignmentPages",
                                  "RadioWriteOfTheFrequencyPages",
                                  "RadioWriteOfTheAlignmentPages",
                                  "RadioWriteOfTheFrequencyPagesWithFirmware",
                                  "RadioWriteOfTheAlignmentPagesWithFirmware",
                                  "ToolWindowPageRead",
                                  "ToolWindowPageWrite",
                                  "InternalRamRead",
                                  "ExternalRamRead",
                                  "InternalRamWrite",
                                  "ExternalRamWrite",
                                  "SideKey",
                                  "MainKey"};
const char* const kBreakNames[] = {"Silent", "Garbage", "HungUp", "WrongSums"};

class Sweep : public SweepTest, public ::testing::WithParamInterface<std::tuple<Kind, Break>> {
  protected:
    Transfer transfer(Kind kind) {
        switch (kind) {
        case Kind::FrequencyRead:
            return radioRead(-1);
        case Kind::AlignmentRead:
            return radioRead(0);
        case Kind::FrequencyWrite:
            return radioWrite(-1, false);
        case Kind::AlignmentWrite:
            return radioWrite(0, false);
        case Kind::FrequencyWriteWithFirmware:
            return radioWrite(-1, true);
        case Kind::AlignmentWriteWithFirmware:
            return radioWrite(0, true);
        case Kind::ToolPageRead:
            return toolPages(true);
        case Kind::ToolPageWrite:
            return toolPages(false);
        case Kind::InternalRamRead:
            return ram(true, true);
        case Kind::ExternalRamRead:
            return ram(true, false);
        case Kind::InternalRamWrite:
            return ram(false, true);
        case Kind::ExternalRamWrite:
            return ram(false, false);
        case Kind::SideKey:
            return key(true);
        case Kind::MainKey:
            break;
        }
        return key(false);
    }
};

TEST_P(Sweep, EndsAsRequiredAndTheNextSucceeds) {
    const auto [kind, way] = GetParam();
    const int count = sweep(transfer(kind), way);
    std::printf("%s, %s: %d broken transfers, %s\n", kKindNames[static_cast<int>(kind)],
                kBreakNames[static_cast<int>(way)], count,
                HasFailure() ? "NOT all as required" : "each ended as required");
    RecordProperty("broken_transfers", count);
}

// Every transfer in every way; wrong sums for those that move pages.
std::vector<std::tuple<Kind, Break>> allSweeps() {
    std::vector<std::tuple<Kind, Break>> out;
    for (Kind kind : kKinds)
        for (Break way : {Break::Silence, Break::Garbage, Break::HangUp, Break::WrongSum})
            if (way != Break::WrongSum || kind <= Kind::ToolPageWrite) out.emplace_back(kind, way);
    return out;
}

INSTANTIATE_TEST_SUITE_P(Transfers, Sweep, ::testing::ValuesIn(allSweeps()), [](const auto& info) {
    return std::string(kKindNames[static_cast<int>(std::get<0>(info.param))]) + "_" +
           kBreakNames[static_cast<int>(std::get<1>(info.param))];
});

} // namespace
