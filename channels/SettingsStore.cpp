// The setters, the user's entries and the stores of cboPc, chkPc and txtPc.
#include "channels/SettingsMap.h"
#include "channels/SettingsPages.h"
#include "channels/SettingsSupport.h"

#include "app/ErrorReporter.h"
#include "charcode/HanZi.h"
#include "model/CodeFields.h"
#include "model/NameFields.h"
#include "model/Volume.h"
#include "platform/ScopedFlag.h"
#include <algorithm>

namespace channels {

using namespace detail;

namespace {

constexpr int DigitLast = 46, DigitInterval = 47;
constexpr int StunCodeBox = 7, StunType = 53;
constexpr int StunTypeFromChars = 3;

// The boxes whose fields hold a space as a character: the message lines
// and the power-on message. A code holds digits only and drops a space
// wherever it is typed.
bool keepsTrailingSpaces(int index) {
    const TextField* f = TextFieldOf(index);
    return f && (f->form == TextForm::RadioChars || f->form == TextForm::PowerOnMsg);
}

void setEnabled(SettingsPages& p, int index, bool enabled) {
    ComboBox& c = at(p.cboPc, index);
    if (c.Enabled == enabled) return;
    c.Enabled = enabled;
    notify(Ctl::Pc, index);
}

void storeCombo(model::ModelState& m, const ComboField& f, int position) {
    std::uint8_t& b = m.IicDat[f.addr];
    switch (f.form) {
    case ComboForm::List:
        b = static_cast<std::uint8_t>(position);
        break;
    case ComboForm::ModeField: {
        // Position 0 sets the high bit, 1 the low bit, 2 neither.
        const int field = position == 0 ? 2 : position == 1 ? 1 : 0;
        b = static_cast<std::uint8_t>((b & ~(3 << f.bit)) | (field << f.bit));
        break;
    }
    case ComboForm::Bit:
        b = static_cast<std::uint8_t>(position == 1 ? b | (1 << f.bit) : b & ~(1 << f.bit));
        break;
    case ComboForm::StunGroup:
        b = StunGroupChars[position];
        break;
    case ComboForm::Volume:
        b = m.VolumeTbl[static_cast<std::size_t>(position)];
        break;
    }
}

void storeText(SettingsPages& p, model::ModelState& m, const TextField& f) {
    switch (f.form) {
    case TextForm::RadioChars: {
        const auto codes = charcode::TextToHanZi(charcode::HanZiTbl(), p.txtPc[f.index].Text, f.length);
        std::copy(codes.begin(), codes.end(), m.IicDat.begin() + static_cast<std::ptrdiff_t>(f.addr));
        model::ShowTextLines(m);
        break;
    }
    case TextForm::DtmfCodes:
        storeDtmfBox(
            m, p.txtPc[f.index], [&](const std::string& kept) { SetPcText(p, m, f.index, kept); }, f.addr,
            f.length);
        if (f.index == StunCodeBox) enableStunType(p);
        break;
    case TextForm::PowerOnMsg:
        model::PowerOnMsgToSave(m);
        model::ShowPowerOnMsg(m);
        break;
    case TextForm::PowerOnCode:
        model::PowerOnCodeToSave(m);
        model::ShowPowerOnCode(m);
        break;
    case TextForm::FullResetCode:
        model::FullResetCodeToSave(m);
        model::ShowFullResetCode(m);
        break;
    }
}

} // namespace

void detail::storeDtmfBox(model::ModelState& m, TextBox& box, const SetBoxText& setBack, Addr field,
                          int length) {
    const std::string text = box.Text;
    const std::string kept = model::DelInvalidChar(text, 0);
    if (kept != text) setBack(kept);
    box.SelStart = units(box.Text);
    box.SelLength = 0;
    model::StoreDtmfField(m, field, length, box.Text);
}

void detail::enableRxAlarmTime(SettingsPages& p) {
    setEnabled(p, RxAlarmTime, p.cboPc[TxAlarmTime].ListIndex != 0);
}
void detail::enableStunType(SettingsPages& p) {
    setEnabled(p, StunType, units(p.txtPc[StunCodeBox].Text) >= StunTypeFromChars);
}

// ---- Code changes a control ----

void SetPcListIndex(SettingsPages& p, model::ModelState& m, int index, int position) {
    if (!moveTo(at(p.cboPc, index), position)) return;
    notify(Ctl::Pc, index);
    cboPc_Click(p, m, index);
}

void SetPcValue(SettingsPages& p, model::ModelState& m, int index, int value) {
    CheckBox& c = at(p.chkPc, index);
    if (c.Value == value) return;
    c.Value = value;
    notify(Ctl::Chk, index);
    chkPc_Click(p, m, index);
}

void SetPcText(SettingsPages& p, model::ModelState& m, int index, const std::string& text) {
    TextBox& box = at(p.txtPc, index);
    std::string shown = text;
    if (box.Typing == -1 && keepsTrailingSpaces(index)) {
        // A space typed at the end of a line stays for the word that follows.
        if (onlyTrailingSpacesMore(box.Text, text)) return;
        // A character typed past the field's end goes, not the spaces before it.
        const TextField* f = TextFieldOf(index);
        const std::string held = fitted(box.Text, f->length);
        if (onlyTrailingSpacesMore(held, text)) shown = held;
    }
    if (!putText(box, shown)) return;
    notify(Ctl::Txt, index);
    txtPc_Change(p, m, index);
}

// ---- The user changes a control ----

bool UserChoosePc(SettingsPages& p, model::ModelState& m, int index, int position) {
    if (locked()) return false;
    chooseIn(at(p.cboPc, index), position);
    cboPc_Click(p, m, index);
    return true;
}

bool UserTickPc(SettingsPages& p, model::ModelState& m, int index, int value) {
    if (locked()) return false;
    CheckBox& c = at(p.chkPc, index);
    if (c.Value != value) {
        c.Value = value;
        chkPc_Click(p, m, index);
    }
    return true;
}

bool UserTypePc(SettingsPages& p, model::ModelState& m, int index, const std::string& text) {
    if (locked()) return false;
    TextBox& box = at(p.txtPc, index);
    if (putText(box, text)) {
        const platform::ScopedFlag typing(box.Typing);
        txtPc_Change(p, m, index);
    }
    return true;
}

// ---- Change handlers ----

void cboPc_Click(SettingsPages& p, model::ModelState& m, int index) {
    if (p.OptLoading == -1) return;
    const ComboField* f = ComboFieldOf(index);
    if (!f) return;
    // A settings handler ends silently; what it wrote stays.
    app::Guarded(app::Unreported, [&] {
        const int position = p.cboPc[index].ListIndex;
        if (position < 0) return;
        storeCombo(m, *f, position);
        if (index == TxAlarmTime) enableRxAlarmTime(p);
        // The interval follows the digit length; on its own it moves alone.
        if (index == DigitLast) SetPcListIndex(p, m, DigitInterval, position);
    });
}

void chkPc_Click(SettingsPages& p, model::ModelState& m, int index) {
    if (p.OptLoading == -1) return;
    const CheckField* f = CheckFieldOf(index);
    if (!f) return;
    const bool ticked = p.chkPc[index].Value != 0;
    std::uint8_t& b = m.IicDat[f->addr];
    if (f->form == CheckForm::Bit)
        b = static_cast<std::uint8_t>(ticked ? b | (1 << f->bit) : b & ~(1 << f->bit));
    else
        b = ticked ? 1 : 0;
}

void txtPc_Change(SettingsPages& p, model::ModelState& m, int index) {
    if (p.OptLoading == -1) return;
    const TextField* f = TextFieldOf(index);
    if (!f) return;
    app::Guarded(app::Unreported, [&] { storeText(p, m, *f); });
}

} // namespace channels
