#include "link/Commun.h"

#include "app/FaceText.h"
#include "link/LinkTexts.h"
#include "model/Bands.h"
#include "model/ChTable.h"
#include "model/ImageMap.h"

#include <optional>

namespace radiolink {
namespace {

std::optional<app::TextKey> reasonOf(FailWhy why) {
    switch (why) {
    case FailWhy::NoAnswer:
        return app::TextKey::LinkNoAnswer;
    case FailWhy::WrongAnswer:
        return app::TextKey::LinkWrongAnswer;
    case FailWhy::LineClosed:
        return app::TextKey::LinkLineClosed;
    case FailWhy::Stopped:
        return app::TextKey::LinkStopped;
    case FailWhy::PortNotOpened:
        return app::TextKey::LinkPortNotOpened;
    case FailWhy::None:
        break;
    }
    return std::nullopt;
}

// A road's account starts afresh: nothing of an earlier operation's failure
// may stand as its reason.
void beginRoad(LinkState& s) {
    s.ComFailWhy = FailWhy::None;
    s.WritePagesSent = false;
}

} // namespace

RoadFailure DescribeRoadFailure(const LinkState& s, bool write, const app::Caught* thrown) {
    const std::string join = app::text(app::TextKey::ReasonJoin);
    RoadFailure f;
    f.notice = f.panel = app::text(write ? kTextWriteFailed : kTextReadFailed);
    std::string reason, detail;
    if (const auto* unknown = dynamic_cast<const UnknownModel*>(thrown ? thrown->error : nullptr)) {
        reason = app::text(app::TextKey::LinkUnknownModel, std::to_string(unknown->model));
    } else if (!thrown) {
        if (std::optional<app::TextKey> key = reasonOf(s.ComFailWhy)) {
            const int port = s.ComPortNo;
            reason = s.ComFailWhy == FailWhy::PortNotOpened ? app::text(*key, std::to_string(port))
                                                            : app::text(*key);
            if (s.ComFailWhy == FailWhy::PortNotOpened && port >= 1 && port <= 16 &&
                !s.ComPortWhy[static_cast<std::size_t>(port)].empty())
                detail = join + s.ComPortWhy[static_cast<std::size_t>(port)];
        }
    }
    if (!reason.empty()) {
        f.notice += join + reason + detail;
        f.panel += join + reason;
    }
    if (write && s.WritePagesSent) {
        f.notice += "\n" + app::text(app::TextKey::LinkPartWritten);
        f.panel += app::text(app::TextKey::LinkPartWrittenShort);
    }
    return f;
}

void CommunRead(LinkState& s, model::ModelState& m) {
    beginRoad(s);
    ReadRadio(s, m.IicDat);
    model::SoftDisplay(m);
}

void SetWriteFixedBytes(model::Image& image) {
    namespace map = model::map;
    struct Fixed {
        map::Addr address;
        std::uint8_t value;
    };
    static constexpr Fixed settings[] = {{map::MenuShowTime, 0x0A},
                                         {map::WriteSetByte, 0xFF},
                                         {map::WaitBackLight, 0x01},
                                         {map::TxBackLight, 0x00},
                                         {map::RxBackLight, 0x00}};
    for (const Fixed& f : settings) image[f.address] = f.value;
    for (int k = 0; k < 10; ++k) image[map::WriteMarkBytes + k] = static_cast<std::uint8_t>(0x8F + k);
    image[map::WriteClearedBit] &= 0xFD;
}

CommunWriteResult CommunWrite(LinkState& s, FirmwareState& fw, model::ModelState& m) {
    beginRoad(s);
    model::ChInfoToIicDat(m);
    SetWriteFixedBytes(m.IicDat);
    CommunWriteResult result{WriteRadio(s, fw, m.IicDat)};
    SerialNumberList& list = platform::host<SerialNumberList>();
    if (s.ComFail == 0 && list.ListVisible() && list.ListCount() >= 1 && list.AutoNextValue() == 1)
        result.serial = list.StepAfterWrite();
    return result;
}

} // namespace radiolink
