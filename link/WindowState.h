#pragma once
// What the link reads from and shows in the windows that host it. Each
// window keeps no state of its own for what the link drives: it shows its
// part below (ToolWindow for the memory tool window frmMain, CommunPanel for
// the read/write dialog frmCommun, PortDialog for the port dialog
// frmToolCom), writes the user's changes back into it (a ticked stop box, a
// ticked page box, a chosen baud entry) and hears of the link's changes
// through the link's hosts (link/LinkHosts.h). The controls are those of
// platform/Controls.h.
#include "platform/Controls.h"

#include <array>
#include <cstdint>
#include <string>

namespace radiolink {

// The tool window's baud list: 14 entries, 6 is "9600", 8 "19200".
inline constexpr std::array<const char*, 14> kBaudList = {"110",   "300",   "600",    "1200",  "2400",
                                                          "4800",  "9600",  "14400",  "19200", "28800",
                                                          "38400", "56000", "128000", "256000"};

using platform::Button;
using platform::CheckBox;
using platform::Timer;

// Colour numbers (0x00BBGGRR) of the page boxes; the design colour is the
// system's button face.
inline constexpr std::uint32_t kButtonFace = 0x8000000F;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kYellow = 0x00FFFF;
inline constexpr std::uint32_t kMagenta = 0xFF00FF;

struct PageBox : CheckBox {
    std::uint32_t BackColor = kButtonFace;
};

// Grids of the tool window as MarkGridCells numbers them.
enum Grid { GridFlash = 1, GridInRam = 2, GridExtRam = 3 };

// frmMain's controls that the link reads and sets.
struct ToolWindow {
    CheckBox chkStopCom{0, false, true};
    Button cmdReadFlash;
    Button cmdWriteFlash;
    std::string lblBpsDat;    // line settings of the last attempt
    std::string lblComStatus; // the link's status text
    std::string cmdPortCaption;
    int cboComBps = 6; // ListIndex of the baud list

    // Flash transfers: box n selects page n (Value 1 ticked).
    std::array<PageBox, 64> chkFlashPage{};
    CheckBox chkSoftShowGrid;   // show-in-grid
    CheckBox chkGridFlashColor; // Value is the mode of MarkGridCells
    CheckBox chkGridInRamColor;
    CheckBox chkGridExtRamColor;
    Timer tmrAutoWr; // the automatic write
    std::string txtWrInterval = "1500";
    std::string txtWrRightCnt = "0"; // successful writes

    // RAM transfers: their buttons and the ListIndex of each range list
    // (-1 while a list is empty). Internal lists: address = index + 0x30;
    // external lists: address = index.
    Button cmdWrInRam, cmdRdInRam, cmdWrExtRam, cmdRdExtRam;
    int cboWrInRamFir = -1, cboWrInRamLast = -1, cboRdInRamFir = -1, cboRdInRamLast = -1;
    int cboWrExtRamFir = -1, cboWrExtRamLast = -1, cboRdExtRamFir = -1, cboRdExtRamLast = -1;
};

// frmCommun's controls that the link sets.
struct CommunPanel {
    std::string lblComStatus;
    bool chkStopComVisible = false;
};

// frmToolCom's option buttons COM1-COM16 (index = port - 1) and the port
// it goes back to on Cancel. `loaded` is false until its load has run and
// again after OK or Cancel unloaded it.
struct PortDialog {
    bool loaded = false;
    std::int16_t cancelValue = 1;
    std::array<platform::OptionButton, 16> COM{};
};

} // namespace radiolink
