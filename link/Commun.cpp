#include "link/Commun.h"

#include "model/Bands.h"
#include "model/ChTable.h"
#include "model/ImageMap.h"

namespace radiolink {
void CommunRead(LinkState& s, model::ModelState& m) {
    ReadRadio(s, m.IicDat);
    model::SoftDisplay(m);
}

void SetWriteFixedBytes(model::Image& image) {
    struct Fixed {
        model::map::Addr address;
        std::uint8_t value;
    };
    static constexpr Fixed settings[] = {
        {0xEC58, 0x0A}, {0xEC99, 0xFF}, {0xEC08, 0x01}, {0xEC09, 0x00}, {0xEC0A, 0x00}};
    for (const Fixed& f : settings) image[f.address] = f.value;
    for (int k = 0; k < 10; ++k) image[model::map::WriteMarkBytes + k] = static_cast<std::uint8_t>(0x8F + k);
    image[0xECA0] &= 0xFD;
}

CommunWriteResult CommunWrite(LinkState& s, FirmwareState& fw, model::ModelState& m) {
    model::ChInfoToIicDat(m);
    SetWriteFixedBytes(m.IicDat);
    CommunWriteResult result{WriteRadio(s, fw, m.IicDat)};
    SerialNumberList& list = platform::host<SerialNumberList>();
    if (s.ComFail == 0 && list.ListVisible() && list.ListCount() >= 1 && list.AutoNextValue() == 1)
        result.serial = list.StepAfterWrite();
    return result;
}

} // namespace radiolink
