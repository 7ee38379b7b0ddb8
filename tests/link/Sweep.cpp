#include "tests/link/Sweep.h"

#include "charcode/HanZi.h"
#include "flashtool/FlashSoft.h"
#include "flashtool/IntelHex.h"
#include "link/Commun.h"
#include "model/ImageMap.h"

#include <algorithm>

namespace sweep {

using radiosim::Fault;
namespace map = model::map;

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

SweepFixture::SweepFixture() {
    // The firmware window remembers its model in the settings and names the
    // converter's files in the production folder: both in this test's home,
    // which is also the user's (testsupport::TempHome).
    static const bool hanZi = [] {
        charcode::InitHanZiTbl(charcode::HanZiTbl());
        return true;
    }();
    (void)hanZi;
    // An older radio of a model with a built-in version.
    radio.setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101);
    radio.setExtRam(0xF1, Bytes{0x00});
    radiolink::InitFlashSoftModel(fw);
    flashtool::ApplyHexImage(flashtool::ParseHexLines(flashtool::GetFlashSoftHex(101, 10)), map::SoftLastAddr,
                             firmware);

    // Radio and image hold bands as the program writes them (band 1 its
    // placeholder, band 2 400-470 MHz), which a read's display keeps.
    const Bytes bands{0x00, 0x00, 0x46, 0x00, 0x00, 0x00, 0x47, 0x00,
                      0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47};
    radio.setFlash(map::FreRangeBlock, bands);
    m.IicDat = image;
    std::copy(bands.begin(), bands.end(), m.IicDat.begin() + map::FreRangeBlock);
    // The bytes every write sets before it connects are set already, so that
    // a write that breaks leaves the image exactly as it was.
    radiolink::SetWriteFixedBytes(m.IicDat);
    std::copy_n(m.IicDat.begin() + map::FreRangeBlock, map::FreRangeBlockSize,
                m.IicDat.begin() + map::FreRangeCopy);
    // A serial-number list whose first number is in message line 1.
    channels::SerialListState& list = pages->serial;
    list.Entries = {{1, "SN-0001"}, {2, "SN-0002"}, {3, "SN-0003"}};
    list.SwitchVisible = list.AutoVisible = true;
    list.AutoNextSn = 1;
    channels::ChooseSerialEntry(*pages, m, 0);
}

Bytes SweepFixture::imagePage(int p) const {
    return Bytes(m.IicDat.begin() + p * 1024, m.IicDat.begin() + (p + 1) * 1024);
}

Bytes SweepFixture::radioPage(int p) const {
    return radio.flash(p * 1024, 1024);
}

Bytes SweepFixture::line1() const {
    return Bytes(m.IicDat.begin() + map::MessageLine1, m.IicDat.begin() + map::MessageLine2);
}

bool SweepFixture::programLoaded() const {
    return std::equal(m.IicDat.begin(), m.IicDat.begin() + map::SoftLastAddr + 1, firmware.begin());
}

void SweepFixture::expectLinkFree(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_FALSE(s.comCommun.PortOpen());
    EXPECT_EQ(s.ComBusy, 0);
    EXPECT_EQ(s.holdDepth, 0);
    EXPECT_FALSE(radiolink::LinkRefuses(s));
}

int SweepFixture::sweep(const Transfer& t, Break way) {
    const model::Image before = m.IicDat;
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
    std::vector<int> pageList;
    for (const auto& r : good)
        if (const int p = pageOf(r);
            p >= 0 && std::find(pageList.begin(), pageList.end(), p) == pageList.end())
            pageList.push_back(p);
    // Wrong sums on the pages where the transfer changes course: the first
    // and last page of each run of pages it moves in turn, a run ending
    // where the firmware's pages end. The pages between take the same steps
    // as their run's first, and each wrong sum costs the whole retry budget.
    const auto area = [](int p) {
        return p < map::FirmwareFirstPage ? 0 : p <= map::FirmwareLastPage ? 1 : 2;
    };
    const auto joined = [&](int a, int b) { return b == a + 1 && area(a) == area(b); };
    for (std::size_t i = 0; way == Break::WrongSum && i < pageList.size(); ++i) {
        const int p = pageList[i];
        const bool inside =
            i > 0 && i + 1 < pageList.size() && joined(pageList[i - 1], p) && joined(p, pageList[i + 1]);
        if (inside) continue;
        cases.push_back({"wrong sum on page " + std::to_string(p),
                         [this, p] { radio.injectFault(Fault::WrongSum, -1, 0, -1, p); },
                         [p](std::size_t, int page) { return page == p; }});
    }

    // Why it failed, as the user is told: a line hung up may also be found
    // gone when the transfer opens its port again.
    using radiolink::FailWhy;
    const std::vector<FailWhy> reasons = way == Break::Silence ? std::vector{FailWhy::NoAnswer}
                                         : way == Break::HangUp
                                             ? std::vector{FailWhy::LineClosed, FailWhy::PortNotOpened}
                                             : std::vector{FailWhy::WrongAnswer};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m.IicDat = before;
        radio.clearFaults();
        radio.clearLog();
        c.inject();
        t.run();
        EXPECT_EQ(s.ComFail, -1);
        EXPECT_NE(std::find(reasons.begin(), reasons.end(), s.ComFailWhy), reasons.end())
            << "why: " << static_cast<int>(s.ComFailWhy);
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

void SweepFixture::expectPagesRead(const std::vector<int>& set, const model::Image& before, const Hit& hit,
                                   bool keep) {
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

} // namespace sweep
