#include "model/NameFields.h"

#include "model/ChannelWindow.h"
#include "model/ImageMap.h"

#include "app/ErrorReporter.h"
#include "charcode/Utf16.h"
#include "platform/Failure.h"

#include <algorithm>

namespace model {
namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ +=%/[]-_";

std::u16string upperCased(std::u16string t) {
    for (auto& c : t)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return t;
}

// Text to n alphabet codes in out; characters outside the alphabet drop out
// and the later ones close up.
template <std::size_t N>
void toCodes(const ModelState& m, std::u16string t, int n, std::array<std::int16_t, N>& out) {
    auto entry = [&](int i) -> std::int16_t& {
        if (i < 0 || i >= static_cast<int>(N)) throw platform::Failure("Subscript out of range");
        return out[static_cast<std::size_t>(i)];
    };
    if (t.empty()) {
        for (int i = 0; i < n; ++i) entry(i) = BlankCode;
        return;
    }
    t.append(13, u' ');
    int w = 0;
    for (int i = 0; i < n; ++i) {
        entry(i) = BlankCode;
        if (static_cast<std::size_t>(i) >= t.size()) continue;
        for (int b = 0; b < static_cast<int>(m.ValidCharTbl.size()); ++b) {
            const std::string& c = m.ValidCharTbl[b]; // one ASCII character
            if (c.size() == 1 && t[i] == static_cast<unsigned char>(c[0])) {
                entry(w++) = static_cast<std::int16_t>(b);
                break;
            }
        }
    }
}

void storeLine(ModelState& m, map::Addr at, const std::string& text) {
    std::array<std::int16_t, map::NameLength> codes{};
    toCodes(m, upperCased(charcode::toUtf16(text)), map::NameLength, codes);
    for (int i = 0; i < map::NameLength; ++i) m.IicDat[at + i] = static_cast<std::uint8_t>(codes[i]);
}

std::string trimmedRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::span<const std::uint8_t, 6> imageCodes(const ModelState& m, map::Addr at) {
    return std::span<const std::uint8_t, 6>(m.IicDat.data() + at, 6);
}

} // namespace

void GetValidCharTbl(ModelState& m) {
    app::Guarded("modChMem->GetValidCharTbl", [&] {
        for (std::size_t b = 0; b < m.ValidCharTbl.size(); ++b)
            m.ValidCharTbl[b] = std::string(1, Alphabet[b]);
    });
}

void ChNameCharSol(ModelState& m, const std::string& text, int n) {
    app::Guarded("modChMem->ChNameCharSol", [&] { toCodes(m, charcode::toUtf16(text), n, m.ChNameCode); });
}

void PhoneBookCharToSave(ModelState& m, const std::string& text, int n) {
    app::Guarded("modChMem->PhoneBookCharToSave",
                 [&] { toCodes(m, upperCased(charcode::toUtf16(text)), n, m.PhoneBookNameCode); });
}

std::string NameCodesToText(const ModelState& m, std::span<const std::uint8_t, 6> codes) {
    std::string text;
    bool seen = false;
    for (std::uint8_t c : codes) {
        if (c < m.ValidCharTbl.size()) {
            text += m.ValidCharTbl[c];
            seen = true;
        } else {
            text += ' ';
        }
    }
    return seen ? text : "";
}

void ChNameCharShow(ModelState& m, int channel) {
    app::Guarded("modChMem->ChNameCharShow", [&] {
        if (channel < 1 || channel > ChTableLast)
            throw platform::Failure("No channel " + std::to_string(channel));
        frmChMem().SetChGridText(
            channel, ChNameColumn,
            NameCodesToText(m, std::span<const std::uint8_t, 6>(m.ChNameDat[channel].data(), 6)));
    });
}

void PhoneBookNameShow(ModelState& m, int n) {
    if (n < 1 || n > map::PhoneBookCount) throw platform::Failure("No phone-book entry " + std::to_string(n));
    frmChMem().SetPhoneBookText(n, PhoneBookNameColumn,
                                NameCodesToText(m, imageCodes(m, map::PhoneBookNameAddr(n))));
}

void PowerOnMsgToSave(ModelState& m) {
    app::Guarded("modChMem->PowerOnMsgToSave", [&] {
        ChannelWindow& w = frmChMem();
        storeLine(m, map::PowerOnMsgLine1, w.PcText(PowerOnMsgBox));
        storeLine(m, map::PowerOnMsgLine2, w.PcText(PowerOnMsgBox + 1));
    });
}

void ShowPowerOnMsg(ModelState& m) {
    ChannelWindow& w = frmChMem();
    // Each line is read when it is shown: showing line 1 may store both.
    w.SetPcText(PowerOnMsgBox, trimmedRight(NameCodesToText(m, imageCodes(m, map::PowerOnMsgLine1))));
    w.SetPcText(PowerOnMsgBox + 1, trimmedRight(NameCodesToText(m, imageCodes(m, map::PowerOnMsgLine2))));
}

} // namespace model
