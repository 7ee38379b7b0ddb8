#include "channels/RdWrCode.h"

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

std::string codeText(std::span<const std::uint8_t> field) {
    return charcode::HanZiToText(charcode::HanZiTbl(), field.first(CodeBytes), map::RdWrCodeChars);
}

// Stores text into the code bytes of field; a blank text fills all of it.
void storeCode(std::span<std::uint8_t> field, const std::string& text) {
    const std::vector<std::uint8_t> codes =
        charcode::TextToHanZi(charcode::HanZiTbl(), text + std::string(40, ' '), map::RdWrCodeChars);
    std::copy(codes.begin(), codes.end(), field.begin());
    if (blank(text)) std::fill(field.begin(), field.end(), map::Erased);
}

std::span<std::uint8_t> imageCode(model::ModelState& m) {
    return {m.IicDat.data() + map::RdWrCode, EmptiedImageBytes};
}

} // namespace

RdWrCodeState& rdWrCode() {
    static RdWrCodeState s;
    return s;
}

void ResetRdWrCode() {
    rdWrCode() = RdWrCodeState{};
}

void ShowRdWrCode(const model::ModelState& m, RdWrCodeState& s) {
    try {
        s.RdWrCodeText = codeText({m.IicDat.data() + map::RdWrCode, CodeBytes});
    } catch (const std::exception& e) {
        app::VbErrNumDes("modChMem->ShowRdWrCode", e);
    }
}

void ShowNewRdWrCode(const model::ModelState& m, RdWrCodeState& s) {
    try {
        s.NewRdWrCodeText = codeText(m.NewRdWrCode);
    } catch (const std::exception& e) {
        app::VbErrNumDes("modChMem->ShowNewRdWrCode", e);
    }
}

void RdWrCodeChange(model::ModelState& m, RdWrCodeState& s, const std::string& text) {
    if (text == s.RdWrCodeText) return;
    try {
        s.RdWrCodeText = text;
        storeCode(imageCode(m), text);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->txtRdWrCode_Change", e);
        return;
    }
    ShowRdWrCode(m, s);
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
    ShowNewRdWrCode(m, s);
}

void NewRdWrCodeClick(RdWrCodeState& s, int value) {
    s.NewRdWrCodeValue = value;
    s.NewRdWrCodeShown = value == 1;
}

} // namespace channels
