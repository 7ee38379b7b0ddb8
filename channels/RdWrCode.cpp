#include "channels/RdWrCode.h"

#include "channels/SettingsState.h"
#include "model/CodeFields.h"
#include "model/ImageMap.h"

#include "app/ErrorReporter.h"
#include "charcode/HanZi.h"

#include <algorithm>
#include <span>

namespace channels {
namespace {

namespace map = model::map;

constexpr std::size_t CodeBytes = 2 * map::RdWrCodeChars;
constexpr std::size_t EmptiedImageBytes = CodeBytes + 2; // with the two bytes after the code

bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// Stores text into the code bytes of field; a blank text fills all of it.
void storeCode(std::span<std::uint8_t> field, const std::string& text) {
    const std::vector<std::uint8_t> codes =
        charcode::TextToHanZi(charcode::HanZiTbl(), text + std::string(40, ' '), map::RdWrCodeChars);
    std::copy(codes.begin(), codes.end(), field.begin());
    if (blank(text)) std::fill(field.begin(), field.end(), map::Erased);
}

void shown(int box) {
    platform::host<SettingsPagesHost>().Changed(Ctl::RdWrCode, box);
}

} // namespace

void SetRdWrCodeText(RdWrCodeState& s, const std::string& text) {
    s.RdWrCodeText = text;
    shown(RdWrCodeBox);
}

void SetNewRdWrCodeText(RdWrCodeState& s, const std::string& text) {
    s.NewRdWrCodeText = text;
    shown(NewRdWrCodeBox);
}

void RdWrCodeChange(model::ModelState& m, RdWrCodeState& s, const std::string& text) {
    if (text == s.RdWrCodeText) return;
    try {
        s.RdWrCodeText = text;
        storeCode({m.IicDat.data() + map::RdWrCode, EmptiedImageBytes}, text);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->txtRdWrCode_Change", e);
        return;
    }
    model::ShowRdWrCode(m);
}

void NewRdWrCodeChange(model::ModelState& m, RdWrCodeState& s, const std::string& text) {
    if (text == s.NewRdWrCodeText) return;
    try {
        s.NewRdWrCodeText = text;
        storeCode(m.NewRdWrCode, text);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->txtNewRdWrCode_Change", e);
        return;
    }
    model::ShowNewRdWrCode(m);
}

void NewRdWrCodeClick(RdWrCodeState& s, int value) {
    s.NewRdWrCodeValue = value;
    s.NewRdWrCodeShown = value == 1;
    shown(NewRdWrCodeBox);
}

} // namespace channels
