#include "link/Commun.h"

#include "model/Bands.h"
#include "model/ChTable.h"
#include "model/ImageMap.h"

namespace radiolink {
namespace {

int lang(int langIndex) {
    return langIndex >= 1 && langIndex <= 3 ? langIndex : 3;
}

} // namespace

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

WriteFirmware CommunWrite(LinkState& s, FirmwareState& fw, model::ModelState& m) {
    model::ChInfoToIicDat(m);
    SetWriteFixedBytes(m.IicDat);
    const WriteFirmware result = WriteRadio(s, fw, m.IicDat);
    SerialNumberList& list = platform::host<SerialNumberList>();
    if (s.ComFail == 0 && list.ListVisible() && list.ListCount() >= 1 && list.AutoNextValue() == 1)
        list.cmdSeqSwitch_Click(1);
    return result;
}

std::string StopBoxCaption(int langIndex) {
    return lang(langIndex) == 3 ? "Stop Communication" : "停止通信";
}

std::string AutoUpdateCaption(int langIndex) {
    static const char* const texts[] = {"自动升级软件", "自動升級軟體", "Update Firmware"};
    return texts[lang(langIndex) - 1];
}

std::string NoBuiltInFirmwareText(int langIndex, int model) {
    const std::string code = std::to_string(model);
    switch (lang(langIndex)) {
    case 1:
        return "机型 " + code + " 没有内置软件，软件未升级";
    case 2:
        return "機型 " + code + " 沒有內建軟體，軟體未升級";
    default:
        return "No built-in firmware for model " + code + ", firmware not updated";
    }
}

} // namespace radiolink
