#pragma once
// Program-wide state of the radio link, and what the link reads from and
// shows in the windows that host it.
//
// The windows live in layers above the link. Each keeps no state of its own
// for what the link drives: it shows the GUI-free parts below (ToolWindow
// for frmMain, CommunPanel for frmCommun, PortDialog for frmToolCom), writes
// the user's changes back into them (a ticked stop box, a ticked page box,
// a chosen baud entry) and registers the LinkHooks it needs at start-up.
#include "link/SerialControl.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace radiolink {

using Flag = std::int16_t; // -1 true, 0 false

// The tool window's baud list: 14 entries, 6 is "9600", 8 "19200".
inline constexpr std::array<const char*, 14> kBaudList = {"110",   "300",   "600",    "1200",  "2400",
                                                          "4800",  "9600",  "14400",  "19200", "28800",
                                                          "38400", "56000", "128000", "256000"};

struct CheckBox {
    std::int16_t Value = 0; // 1 ticked
    bool Visible = true;
    bool Enabled = true;
};

struct Button {
    bool Enabled = true;
    bool FontBold = false;
};

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

struct Timer {
    bool Enabled = false;
    int Interval = 0; // milliseconds
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
    struct Option {
        bool Enabled = true;
        bool Value = false;
    };
    bool loaded = false;
    std::int16_t cancelValue = 1;
    std::array<Option, 16> COM{};
};

// What the link calls in the windows above it; every slot may stay empty.
struct LinkHooks {
    std::function<void()> toolWindowChanged; // show LinkState::frmMain again
    std::function<void()> communChanged;     // show LinkState::frmCommun again
    std::function<void()> portDialogChanged; // show LinkState::frmToolCom again
    // Shows the port dialog modally (owner: the tool window) after a port
    // failed to open; true when the user chose a port with OK.
    std::function<bool()> choosePort;
    // Status panel 2 of the main window: "COM" and the number.
    std::function<void(int port)> comPortShown;

    // The tool window's grids. MarkGridCells: mode 2 resets the grid's
    // colours, mode 1 colours the cells start..start+count-1 by column
    // group, other modes do nothing.
    std::function<void(int mode, int grid, int start, int count)> MarkGridCells;
    std::function<void(int first, int last)> RefreshFlashRange; // flash grid shows IicDat again
    std::function<void(int row, int col)> showFlashCell;        // brings a flash grid cell into view
    std::function<void(int first, int last)> ShowInRamGrid;     // InRamDat into the grid
    std::function<void(int first, int last)> ShowExtRamGrid;    // ExtRamDat into the grid
    std::function<void()> SaveGridInRamStr;                     // grid texts into its snapshot
    std::function<void()> SaveGridExtRamStr;
    // The automatic-write timer starts its interval afresh (tmrAutoWr).
    std::function<void()> autoWriteRestarted;
};

struct LinkState {
    // The engine: tokens of the current script, the exchange being run,
    // the capture buffer and the flags every caller reads.
    std::array<std::string, 2001> ComTokens{}; // positions 1-2000
    int ComTokenCount = 0;                     // tokens of the last split
    std::int16_t TokenPos = 1;
    std::vector<std::uint8_t> TxBytes;
    std::int16_t TxCnt = 0;
    std::array<std::string, 1501> RxExpect{};
    std::int16_t RxExpectCnt = 0;
    std::vector<std::uint8_t> RxBytes;
    std::array<std::uint8_t, 2001> RxDat{}; // positions 1-2000
    std::int16_t RxDatPos = 1;
    std::int16_t ComTryCnt = 0;
    Flag ComConnecting = 0;
    Flag ComFail = 0;
    Flag ComStop = 0;
    Flag ComBusy = 0;
    Flag ComPortErr = 0;
    bool ComPortChosen = false; // the user chose a port after the last failed open
    std::uint8_t ComSumHi = 0;
    std::uint8_t ComSumLo = 0;

    // Frames, parameter blocks and canned scripts (InitComCode).
    std::array<std::string, 10> TxFrame{}; // by command - 0x31
    std::array<std::string, 10> RxFrame{};
    std::array<std::string, 6> ComPara{};
    std::array<std::string, 2> ComScript{};
    Flag ExtRamFlag = 0;

    // The port: number in use, last probe of each (1 opens, -1 fails,
    // 0 not probed) and why the last open of each failed, for the user.
    std::int16_t ComPortNo = 1;
    std::array<std::int16_t, 17> ComPortState{}; // 1-16
    std::array<std::string, 17> ComPortWhy{};
    SerialControl comCommun;
    Flag TmFlag = 0;
    std::int16_t ComBpsIndex = 6;
    std::string ComBpsText = "9600";

    // Flash and RAM transfers.
    std::array<std::uint8_t, 256> WireTbl1{}, WireTbl2{}, WireTbl3{};
    std::int16_t ComPercent = 0; // 0-100
    std::array<std::uint8_t, 256> InRamDat{};
    std::array<std::uint8_t, 2816> ExtRamDat{};

    ToolWindow frmMain;
    CommunPanel frmCommun;
    PortDialog frmToolCom;
    LinkHooks hooks;

    // The radio read and write: the page set (-1 the frequency set, else the
    // alignment set), the read/write dialog at work, automatic firmware
    // update, and whether the serial host's start-up has run.
    Flag FreMode = 0;
    Flag CommunBusy = 0;
    Flag AutoUpdate = 0;
    bool SerialHostLoaded = false;

    // The link lock (LinkSession): how deep the running operation is, and
    // how many event-running waits are open and were open when it began.
    int holdDepth = 0;
    int yieldDepth = 0;
    int holderYieldDepth = 0;
};

// The program's one link.
LinkState& linkState();

// Tell the windows that their part of the state changed.
void ToolWindowChanged(LinkState& s);
void CommunChanged(LinkState& s);
void PortDialogChanged(LinkState& s);

} // namespace radiolink
