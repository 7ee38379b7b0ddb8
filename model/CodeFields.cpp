#include "model/CodeFields.h"

#include "model/ChannelWindow.h"
#include "model/ImageMap.h"

#include "app/ErrorReporter.h"
#include "charcode/HanZi.h"
#include "charcode/Utf16.h"
#include "platform/Failure.h"

#include <span>

namespace model {
namespace {

constexpr int CodeDigits = 6;

void storeCode(ModelState& m, map::Addr base, int box) {
    std::string text = frmChMem().PcText(box);
    std::fill_n(m.IicDat.begin() + static_cast<std::ptrdiff_t>(base), CodeDigits, map::Erased);
    if (text.empty()) return;
    text.append(13, ' ');
    map::Addr k = 0;
    // Only digits 0-5 count; every other character drops out.
    std::u16string units = charcode::toUtf16(text);
    for (int i = 0; i < CodeDigits; ++i)
        if (units[i] >= u'0' && units[i] <= u'5')
            m.IicDat[base + k++] = static_cast<std::uint8_t>(units[i] - u'0');
}

std::string codeText(const ModelState& m, map::Addr base, bool stopAtFirstOther) {
    std::string text;
    for (int i = 0; i < CodeDigits; ++i) {
        std::uint8_t b = m.IicDat[base + i];
        if (b <= 5)
            text += static_cast<char>('0' + b);
        else if (stopAtFirstOther)
            break;
    }
    return text;
}

std::string radioText(std::span<const std::uint8_t> field, int chars) {
    return charcode::HanZiToText(charcode::HanZiTbl(), field, chars);
}

std::span<const std::uint8_t> imageField(const ModelState& m, map::Addr at, int chars) {
    return {m.IicDat.data() + at, 2 * static_cast<std::size_t>(chars)};
}

} // namespace

void PowerOnCodeToSave(ModelState& m) {
    storeCode(m, map::PowerOnCode, PowerOnCodeBox);
}
void FullResetCodeToSave(ModelState& m) {
    storeCode(m, map::FullResetCode, FullResetCodeBox);
}
void ShowPowerOnCode(ModelState& m) {
    frmChMem().SetPcText(PowerOnCodeBox, codeText(m, map::PowerOnCode, false));
}
void ShowFullResetCode(ModelState& m) {
    frmChMem().SetPcText(FullResetCodeBox, codeText(m, map::FullResetCode, true));
}

std::string DelInvalidChar(const std::string& text, int kind) {
    std::string kept;
    app::Guarded("modChMem->DelInvalidChar", [&] {
        std::u16string out;
        for (char16_t c : charcode::toUtf16(text)) {
            char16_t up = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
            bool digit = c >= u'0' && c <= u'9';
            switch (kind) {
            case 0:
                if (digit || c == u' ' || (up >= u'A' && up <= u'F'))
                    out += up;
                else if (c == u'*')
                    out += u'E';
                else if (c == u'#')
                    out += u'F';
                break;
            case 1:
                if (digit || (up >= u'A' && up <= u'C')) out += up;
                break;
            case 2:
                if (digit) out += c;
                break;
            default:
                break;
            }
        }
        kept = charcode::toUtf8(out);
    });
    return kept;
}

void TextToAscii(ModelState& m, const std::string& text) {
    app::Guarded("modChMem->TextToAscii", [&] {
        m.AsciiDat.fill(0xFF);
        std::u16string units = charcode::toUtf16(text);
        for (std::size_t j = 0; j < units.size(); ++j) {
            if (j >= m.AsciiDat.size()) throw platform::Failure("Subscript out of range");
            char16_t c = units[j];
            char16_t up = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
            std::int16_t b = 0xFF;
            if ((c >= u'0' && c <= u'9') || c == u' ' || (up >= u'A' && up <= u'D'))
                b = static_cast<std::int16_t>(up);
            else if (up == u'E' || c == u'*')
                b = 0x2A;
            else if (up == u'F' || c == u'#')
                b = 0x23;
            m.AsciiDat[j] = b;
        }
    });
}

void AsciiToTxt(ModelState& m) {
    app::Guarded("modChMem->AsciiToTxt", [&] {
        std::string text;
        for (std::int16_t b : m.AsciiDat) {
            if ((b >= 0x30 && b <= 0x39) || (b >= 0x41 && b <= 0x46) || b == 0x20)
                text += static_cast<char>(b);
            else if (b == 0x2A)
                text += 'E';
            else if (b == 0x23)
                text += 'F';
        }
        m.AsciiTxt = text;
    });
}

namespace {

void checkDtmfLength(int length) {
    if (length < 0 || length > DtmfCodeChars)
        throw platform::Failure("A DTMF field holds at most 16 characters, not " + std::to_string(length));
}

} // namespace

std::string DtmfFieldText(ModelState& m, map::Addr at, int length) {
    checkDtmfLength(length);
    m.AsciiDat.fill(0xFF);
    for (int j = 0; j < length; ++j) m.AsciiDat[j] = m.IicDat[at + j];
    AsciiToTxt(m);
    return m.AsciiTxt;
}

void StoreDtmfField(ModelState& m, map::Addr at, int length, const std::string& text) {
    checkDtmfLength(length);
    TextToAscii(m, text);
    for (int j = 0; j < length; ++j) m.IicDat[at + j] = static_cast<std::uint8_t>(m.AsciiDat[j]);
}

void PhoneBookCallIdShow(ModelState& m, int n) {
    if (n < 1 || n > map::PhoneBookCount) throw platform::Failure("No phone-book entry " + std::to_string(n));
    frmChMem().SetPhoneBookText(n, PhoneBookCallIdColumn,
                                DtmfFieldText(m, map::PhoneBookCallIdAddr(n), DtmfCodeChars));
}

void ShowTextLines(ModelState& m) {
    ChannelWindow& w = frmChMem();
    w.SetPcText(MessageLineBox,
                radioText(imageField(m, map::MessageLine1, map::MessageLineChars), map::MessageLineChars));
    w.SetPcText(MessageLineBox + 1,
                radioText(imageField(m, map::MessageLine2, map::MessageLineChars), map::MessageLineChars));
}

void ShowRdWrCode(ModelState& m) {
    app::Guarded("modChMem->ShowRdWrCode", [&] {
        frmChMem().SetRdWrCodeText(
            radioText(imageField(m, map::RdWrCode, map::RdWrCodeChars), map::RdWrCodeChars));
    });
}

void ShowNewRdWrCode(ModelState& m) {
    app::Guarded("modChMem->ShowNewRdWrCode",
                 [&] { frmChMem().SetNewRdWrCodeText(radioText(m.NewRdWrCode, map::RdWrCodeChars)); });
}

} // namespace model
