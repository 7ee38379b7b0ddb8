#include "channels/SettingsState.h"

#include "channels/SettingsLists.h"
#include "channels/SettingsMap.h"
#include "channels/SettingsPages.h"

namespace channels {
namespace {

constexpr const char* DtmfTip = "0--9, A--D, E, F";
constexpr int DtmfBoxFirst = 4, DtmfBoxLast = 7;

} // namespace

SettingsPages::SettingsPages() {
    cboPc[VolumeCombo].items = ByteList();
    for (int level = 1; level <= VoxLevelCount; ++level) cboVoxCmpDat[level].items = ByteList();
    for (int i = 0; i < PcTextCount; ++i) txtPc[i].MaxLength = PcTextMaxLength(i);
    for (int i = DtmfBoxFirst; i <= DtmfBoxLast; ++i) txtPc[i].ToolTip = DtmfTip;
    for (TextBox& t : txtAutoMem) {
        t.MaxLength = 16;
        t.ToolTip = DtmfTip;
    }
    // Enabled once the stun code is long enough.
    cboPc[53].Enabled = false;
    // Laid out again in the interface language when the window loads.
    constexpr int English = 3;
    InitSideGrids(*this, English);
}

SettingsPages& settingsPages() {
    static SettingsPages p;
    return p;
}

void ResetSettingsPages() {
    settingsPages() = SettingsPages{};
}

} // namespace channels
