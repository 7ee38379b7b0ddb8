// InitOpt: the whole image shown on the settings pages.
#include "channels/SettingsLists.h"
#include "channels/SettingsMap.h"
#include "channels/SettingsPages.h"
#include "channels/SettingsSupport.h"

#include "model/CodeFields.h"
#include "model/NameFields.h"
#include "model/Volume.h"
#include "platform/ScopedFlag.h"

#include <algorithm>

namespace channels {

using namespace detail;

namespace {

// The list position a combo shows for its field, after repairing a byte
// that no position stands for; -1 leaves a byte the list cannot show as it is.
int loadedPosition(model::ModelState& m, const ComboField& f) {
    std::uint8_t& b = m.IicDat[f.addr];
    switch (f.form) {
    case ComboForm::List:
        return RepairListByte(b, f) ? b : -1;
    case ComboForm::ModeField: {
        const int field = (b >> f.bit) & 3;
        return (field & 1) ? 1 : (field & 2) ? 0 : 2;
    }
    case ComboForm::Bit:
        return (b >> f.bit) & 1;
    case ComboForm::StunGroup: {
        const auto* const first = std::begin(StunGroupChars) + 1;
        const auto* const found = std::find(first, std::end(StunGroupChars), b);
        if (found != std::end(StunGroupChars)) return static_cast<int>(found - std::begin(StunGroupChars));
        b = 0;
        return 0;
    }
    case ComboForm::Volume:
        return model::GetVolumeSeq(m, b);
    }
    return -1;
}

void loadCombos(SettingsPages& p, model::ModelState& m) {
    for (const ComboField& f : ComboFields()) {
        SetPcListIndex(p, m, f.index, loadedPosition(m, f));
        if (f.index == RxAlarmTime) enableRxAlarmTime(p);
    }
}

void loadChecks(SettingsPages& p, model::ModelState& m) {
    for (const CheckField& f : CheckFields()) {
        std::uint8_t& b = m.IicDat[f.addr];
        const bool ticked = f.form == CheckForm::Bit ? ((b >> f.bit) & 1) != 0 : b != 0;
        SetPcValue(p, m, f.index, ticked ? 1 : 0);
        if (f.form == CheckForm::ByteSet && ticked) b = 1;
    }
}

void loadVoxLevels(SettingsPages& p, model::ModelState& m) {
    for (int level = 1; level <= VoxLevelCount; ++level) {
        const std::uint8_t b = m.IicDat[VoxLevelAddr(level)];
        SetVoxListIndex(p, m, level, b);
        // The tips follow the loaded bytes, as they follow every choice.
        p.cboVoxCmpDat[level].ToolTip = VoxTip(b);
        notify(Ctl::Vox, level);
    }
}

void loadKeys(SettingsPages& p, model::ModelState& m) {
    for (int key = 0; key < KeyCount; ++key) {
        std::uint8_t& b = m.IicDat[KeyAddr[key]];
        if (b > KeyHighest[key]) b = 0;
        SetKeyListIndex(p, m, key, b);
    }
}

void loadCodeFields(SettingsPages& p, model::ModelState& m) {
    for (const TextField& f : TextFields())
        if (f.form == TextForm::DtmfCodes)
            SetPcText(p, m, f.index, model::DtmfFieldText(m, f.addr, f.length));
    enableStunType(p);
}

void loadAutoDial(SettingsPages& p, model::ModelState& m) {
    for (int j = 0; j < AutoMemCount; ++j)
        SetAutoMemText(p, m, j, model::DtmfFieldText(m, model::map::AutoDialAddr(j), model::DtmfCodeChars));
}

} // namespace

void InitOpt(SettingsPages& p, model::ModelState& m) {
    platform::ScopedFlag loading(p.OptLoading);
    loadCombos(p, m);
    loadChecks(p, m);
    loadVoxLevels(p, m);
    loadKeys(p, m);
    loadCodeFields(p, m);
    loadAutoDial(p, m);
    ShowSideGrids(m, p.grids);
    model::ShowTextLines(m);
    model::ShowPowerOnMsg(m);
    model::ShowPowerOnCode(m);
    model::ShowFullResetCode(m);
    model::ShowRdWrCode(m);
}

void InitSideGrids(SettingsPages& p, int langIndex) {
    InitTwoToneGrid(p.grids, langIndex);
    InitRadioChGrid(p.grids, langIndex);
    InitPhoneBookGrid(p.grids, langIndex);
}

} // namespace channels
