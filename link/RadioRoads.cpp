#include "link/RadioRoads.h"

#include "app/ImageViews.h"
#include "link/Engine.h"
#include "link/FlashTransfer.h"
#include "model/ImageMap.h"
#include "platform/Failure.h"
#include "platform/Host.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <span>
#include <vector>

namespace radiolink {
namespace {

namespace map = model::map;

// A copy of whole pages of the image that can be put back.
class Saved {
  public:
    Saved(const model::Image& image, int firstPage, int lastPage)
        : first_(map::PageStart(firstPage)),
          bytes_(image.begin() + first_, image.begin() + map::PageStart(lastPage + 1)) {}
    // The flash grid is told: it may show the bytes the range held a moment ago.
    void putBack(model::Image& image) const {
        std::copy(bytes_.begin(), bytes_.end(), image.begin() + first_);
        platform::host<app::FlashGridHost>().RefreshFlashRange(static_cast<int>(first_),
                                                               static_cast<int>(first_ + bytes_.size() - 1));
    }

  private:
    map::Addr first_;
    std::vector<std::uint8_t> bytes_;
};

std::span<const int> pageSetOf(Flag freMode) {
    if (freMode == -1) return map::FrequencyPageSet;
    return map::AlignmentPageSet;
}

unsigned leadingSixDigits(const std::string& identity) {
    unsigned v = 0;
    for (std::size_t i = 0; i < 6 && i < identity.size(); ++i)
        v = v * 16 + static_cast<unsigned>(platform::hexPrefixValue(identity.substr(i, 1)));
    return v;
}

// Every road holds the link from its connection to its last exchange.
void holdLink(const LinkSession& session) {
    if (session.refused()) throw platform::Failure("another link operation is running");
}

} // namespace

void TickPageSet(LinkState& s, Flag freMode, bool programPages) {
    for (PageBox& box : s.frmMain.chkFlashPage) box.Value = 0;
    for (int p : pageSetOf(freMode)) s.frmMain.chkFlashPage[p].Value = 1;
    if (programPages)
        for (int p = map::FirmwareFirstPage; p <= map::FirmwareLastPage; ++p)
            s.frmMain.chkFlashPage[p].Value = 1;
    ToolWindowChanged(s);
}

void ReadRadio(LinkState& s, model::Image& image) {
    LinkSession session(s);
    holdLink(session);
    StartRadioSession(s);
    if (s.ComFail == -1) return;
    TickPageSet(s, s.FreMode, false);
    std::vector<Saved> before;
    for (int p : pageSetOf(s.FreMode)) before.emplace_back(image, p, p);
    auto putBack = [&] {
        for (const Saved& page : before) page.putBack(image);
    };
    try {
        ComReadFlash(s, image);
        if (s.ComFail == 0) ComProcSeq(s, ClosingExchangeScript(s));
    } catch (...) {
        putBack();
        throw;
    }
    // A read that ends failed, also at its closing exchange, changes nothing.
    if (s.ComFail != 0) putBack();
}

std::string RadioFirmwareStamp(const Identification& id) {
    const std::uint8_t b1 = id.stamp[0], b2 = id.stamp[1], b3 = id.stamp[2];
    const int low = b2 & 0x0F;
    if (b1 >= 0x64 || b2 < 0x25 || low == 0 || low > 12 || b3 == 0 || b3 > 31) return "0000000000";
    return id.stampText();
}

bool OlderFirmware(const std::string& stamp, const std::string& expected) {
    return stamp != expected && leadingSixDigits(stamp) < leadingSixDigits(expected);
}

UnknownModel::UnknownModel(int model)
    : platform::Failure("the radio reports model code " + std::to_string(model) +
                        ", for which the program has no firmware table"),
      model(model) {}

WriteFirmware WriteRadio(LinkState& s, FirmwareState& fw, model::Image& image) {
    LinkSession session(s);
    holdLink(session);
    s.WritePagesSent = false;
    std::copy_n(image.begin() + map::FreRangeBlock, map::FreRangeBlockSize,
                image.begin() + map::FreRangeCopy);
    StartRadioSession(s);
    if (s.ComFail == -1) return {};

    const Saved channels(image, map::ChannelFirstPage, map::ChannelLastPage);
    const Saved settings(image, map::SettingsPage, map::SettingsPage);
    const Saved alignment(image, map::AlignmentPage, map::AlignmentPage);
    const Saved tables(image, map::AlignmentTablePage, map::AlignmentTablePage);
    WriteFirmware result;
    bool programPages = false;
    if (s.AutoUpdate == -1) {
        const Identification id = IdentificationRecord(s);
        const int m = id.model;
        if (m < FirstModelCode || m > LastModelCode) throw UnknownModel(m);
        result.model = m;
        const std::string expected = ExpectedIdentity(fw, m);
        std::string stamp = RadioFirmwareStamp(id);
        ReadExtRamFlag(s);
        if (s.ComFail == -1) return result;
        if (s.ExtRamFlag == -1) stamp = "0000000000";
        FirmwareWindow& window = platform::host<FirmwareWindow>();
        if (OlderFirmware(stamp, expected) || window.WriteSelectedVersion()) {
            try {
                programPages = window.LoadNewestVersion(m);
            } catch (...) {
                // A load that broke off leaves none of its data behind.
                for (const Saved* r : {&channels, &settings, &alignment, &tables}) r->putBack(image);
                throw;
            }
            result.outcome = programPages ? WriteFirmware::Updated : WriteFirmware::NoBuiltInVersion;
        }
    }
    channels.putBack(image);
    settings.putBack(image);
    if (image[map::BatteryPara] >= map::AlignmentKeptFrom) {
        alignment.putBack(image);
        tables.putBack(image);
    }
    TickPageSet(s, s.FreMode, programPages);
    ComWriteFlash(s, image);
    return result;
}

} // namespace radiolink
