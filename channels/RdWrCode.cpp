#include "channels/RdWrCode.h"

#include "channels/SettingsState.h"
#include "channels/SettingsSupport.h"
#include "model/CodeFields.h"
#include "model/ImageMap.h"

#include "app/ErrorReporter.h"
#include "charcode/HanZi.h"
#include "platform/ScopedFlag.h"

#include <algorithm>
#include <functional>
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

// Stores what the box holds and shows what was stored. A box the showing
// changed (a character without code gone) holds another text, which its
// change stores in turn: the field never keeps a code the box does not show.
void storeTyped(std::span<std::uint8_t> field, const std::string& box, std::int16_t& typing,
                const std::function<void()>& show, const char* tag) {
    for (int pass = 0; pass < 2; ++pass) {
        const std::string text = box;
        if (!app::Guarded(tag, [&] { storeCode(field, text); })) return;
        const platform::ScopedFlag showing(typing);
        show();
        if (box == text) return;
    }
}

} // namespace

void SetRdWrCodeText(RdWrCodeState& s, const std::string& text) {
    if (s.RdWrCodeTyping == -1 && detail::onlyTrailingSpacesMore(s.RdWrCodeText, text)) return;
    s.RdWrCodeText = text;
    shown(RdWrCodeBox);
}

void SetNewRdWrCodeText(RdWrCodeState& s, const std::string& text) {
    if (s.NewRdWrCodeTyping == -1 && detail::onlyTrailingSpacesMore(s.NewRdWrCodeText, text)) return;
    s.NewRdWrCodeText = text;
    shown(NewRdWrCodeBox);
}

void RdWrCodeChange(model::ModelState& m, RdWrCodeState& s, const std::string& text) {
    if (text == s.RdWrCodeText) return;
    s.RdWrCodeText = text;
    storeTyped(
        {m.IicDat.data() + map::RdWrCode, EmptiedImageBytes}, s.RdWrCodeText, s.RdWrCodeTyping,
        [&m] { model::ShowRdWrCode(m); }, "frmChMem->txtRdWrCode_Change");
}

void NewRdWrCodeChange(model::ModelState& m, RdWrCodeState& s, const std::string& text) {
    if (text == s.NewRdWrCodeText) return;
    s.NewRdWrCodeText = text;
    storeTyped(
        m.NewRdWrCode, s.NewRdWrCodeText, s.NewRdWrCodeTyping, [&m] { model::ShowNewRdWrCode(m); },
        "frmChMem->txtNewRdWrCode_Change");
}

void NewRdWrCodeClick(RdWrCodeState& s, int value) {
    s.NewRdWrCodeValue = value;
    s.NewRdWrCodeShown = value == 1;
    shown(NewRdWrCodeBox);
}

} // namespace channels
