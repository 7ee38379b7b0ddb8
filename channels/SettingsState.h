#pragma once
// The settings pages of the channel window as plain state: every combo box,
// check box, text box, key list and button that the pages and their hidden
// holder carry, and the loading guards. The window only mirrors this state
// onto its widgets (told through SettingsPagesHost) and hands the user's
// changes to the functions of SettingsPages.h.
//
// Controls changed from code raise their change handler at once, nested,
// and only when the value really changes (SettingsPages.h has the setters).
#include "channels/RdWrCode.h"
#include "channels/SerialList.h"
#include "channels/SideGrids.h"
#include "platform/Controls.h"
#include "platform/Host.h"
#include <array>

#include <cstdint>
#include <string>
#include <vector>

namespace channels {

using platform::CheckBox;
using platform::ComboBox;
using platform::Flag;
using platform::ListBox;
using platform::TextBox;

// The arrays of the pages, by the index that names each setting.
inline constexpr int PcComboCount = 73; // cboPc 0-72
inline constexpr int PcCheckCount = 36; // chkPc 0-35
inline constexpr int PcTextCount = 12;  // txtPc 0-11
inline constexpr int PcButtonCount = 5; // cmdPc 0-4
inline constexpr int VoxLevelCount = 10;
inline constexpr int KeyCount = 5;
inline constexpr int AutoMemCount = 16;

// Which control a change notification names, with its index: the array
// element; a grid's row; the read/write code box (RdWrCodeBox,
// NewRdWrCodeBox); the serial-number controls as a whole (0).
enum class Ctl { Pc, Chk, Txt, Vox, Key, AutoMem, TwoTone, Radio, PhoneBook, RdWrCode, Serial };

struct SettingsPages {
    SettingsPages(); // the design state: fixed lists, lengths, tool tips

    std::array<ComboBox, PcComboCount> cboPc;
    std::array<CheckBox, PcCheckCount> chkPc;
    std::array<TextBox, PcTextCount> txtPc;
    std::array<ComboBox, VoxLevelCount + 1> cboVoxCmpDat; // levels 1-10; [0] unused
    std::array<ListBox, KeyCount> listSkKey;
    std::array<TextBox, AutoMemCount> txtAutoMem;

    SideGridsState grids;   // vsfgGridTwoTone(0), vsfgGridRadio, vsfgGridPhoneBook
    RdWrCodeState rdWr;     // the read/write code boxes of the hidden holder
    SerialListState serial; // cboImportSeq and its buttons, chkAutoNextSn, txtSeqExample

    Flag OptLoading = 0; // -1 while SetOptList or InitOpt fills the pages
    Flag SkKeyBusy = 0;  // -1 while a key list's handler works
};

// What the pages' logic needs of the window (platform/Host.h): the channel
// window answers while it exists; until then nothing is shown.
class SettingsPagesHost {
  public:
    virtual ~SettingsPagesHost() = default;
    // A control changed from code (a load, a handler's own correction, a
    // coupled control): show it again.
    virtual void Changed(Ctl /*control*/, int /*index*/) {}
    // cmdPc(3): the volume dialog, modal.
    virtual void ShowVolumeDialog() {}
};

// The program's instance, and a fresh one (tests).
SettingsPages& settingsPages();
void ResetSettingsPages();

} // namespace channels
