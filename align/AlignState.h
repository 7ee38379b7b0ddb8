#pragma once
// Program-wide values of the alignment tools and the controls of their
// windows that the logic reads and sets.
//
// The windows live in align/ui. Each keeps no state of its own for what the
// logic drives: it shows the window structs below, writes the user's change
// into the logic's handler (which records it here), and shows the state
// again when the handler returns or the host is told. A window exists while
// its struct does: created on first use, discarded when closed.
#include "align/AlignMap.h"
#include "link/LinkState.h"
#include "platform/Controls.h"
#include "platform/Host.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace align {

using platform::Flag;

// One element of a control array of the map: a list, a box, a scroll bar
// with its text box, or a row of the menu grid.
struct FieldControl {
    int Value = -1;      // list: the chosen position (-1 none); box: 1/0; scroll bar: its value
    int ListCount = 0;   // list: its entries
    int FirstNumber = 0; // numeric list: entry k shows FirstNumber + k
    std::span<const char* const> Texts{}; // list of fixed texts
    std::string Text;                     // the scroll bar's text box; the grid row's cell in column 1
    bool Enabled = true;

    // Entry k of a list as it shows.
    std::string EntryText(int k) const;
};

// The map's controls of one window, in their design state.
class FieldControls {
  public:
    explicit FieldControls(Window window);
    // Element `index` of the array (as the map numbers it); throws
    // std::out_of_range for an element the window does not have.
    FieldControl& at(Control control, int index);
    const FieldControl& at(Control control, int index) const;

  private:
    std::array<std::vector<FieldControl>, kControlCount> controls_;
};

// frmAdjMode's controls that the logic reads and sets.
struct AdjModeWindow {
    FieldControls fields{Window::AdjMode}; // power table, crystal, band groups, company...
    platform::Button cmdRead{false};
    platform::Button cmdWrite{false};
    int optRwSort = -1; // 2 read type, 3 write type, -1 none chosen
    platform::CheckBox chkExitTryCom, chkAutoWr, chkCheckRw, chkOnlineAdj, chkBps, chkAutoShowFlash;
    std::string txtWrInterval = "3000";
    std::string lastGoodInterval = "3000"; // what a refused interval text goes back to
    platform::Timer tmrAutoWr;
    platform::Timer tmrAutoShowFlash;
};

// frmAdjMore's panels that the access codes show and hide.
struct AdjMorePanels {
    bool fraSqlPara = false;
    bool fraRxRespDev = false;
    bool fraReg34H = false;
    bool fraReg65H = false;
    bool fraAdjMenu = true;
};

// frmAdjMore's controls that the logic reads and sets.
struct AdjMoreWindow {
    FieldControls fields{Window::AdjMore};
    AdjMorePanels panels;
};

// frmVitualKey: the hold boxes beside the side keys; the whole window is
// disabled while one of its commands runs.
struct VitualKeyWindow {
    bool Enabled = true;
    std::array<platform::CheckBox, 3> chkKeyPf{};
};

// frmInputCode: its box and the timer that closes it.
struct InputCodeDialog {
    std::string txtInputCode;
    platform::Timer tmrAutoExit;
};

// The factory windows as the logic reaches them: a host interface
// (platform/Host.h) answered by the alignment tools' windows (align/ui),
// registered at start-up; until then the calls do nothing. Each call asks a
// window to show its state in AlignState again. The alignment window shows
// its state with its change signals blocked: the logic has already done what
// its handlers would do. (The flash grid's refresh after a battery value is
// app::FlashGridHost.)
class AlignWindowsHost {
  public:
    virtual ~AlignWindowsHost() = default;
    virtual void AdjModeChanged() {}
    virtual void AdjMoreChanged() {}
    virtual void VitualKeyChanged() {}
};

struct AlignState {
    // What the next tick of the automatic loop does with the verify box
    // ticked: 0 read (and the flag becomes -1), -1 write (and it becomes 0).
    Flag AutoRwToggle = 0;
    // -1 while the alignment display fills the controls; the register
    // window's handlers then store nothing.
    Flag AdjParaShowing = 0;
    std::string InputCode; // the access-code dialog's text, upper-cased
    std::int16_t BpsListIndex = 6;
    // Names of the radio's menu items: entry 0 for no item, 1..MenuNameCnt.
    std::array<std::string, 256> MenuNameTbl{};
    std::int16_t MenuNameCnt = 0;

    std::optional<AdjModeWindow> frmAdjMode;
    std::optional<AdjMoreWindow> frmAdjMore;
    std::optional<VitualKeyWindow> frmVitualKey;
    std::optional<InputCodeDialog> frmInputCode;
};

AlignState& state();
void ResetAlign();
// The registered windows, or ones that do nothing.
AlignWindowsHost& windows();

// The windows, created in their design state on first use.
AdjModeWindow& AdjMode(AlignState& a);
AdjMoreWindow& AdjMore(AlignState& a);

// Disables a control (a list, the keypad: anything with Enabled) while it
// lives and enables it again however its command ends.
template <class C> class DisabledWhileBusy {
  public:
    explicit DisabledWhileBusy(C& control) : control_(control) { control_.Enabled = false; }
    ~DisabledWhileBusy() { control_.Enabled = true; }
    DisabledWhileBusy(const DisabledWhileBusy&) = delete;
    DisabledWhileBusy& operator=(const DisabledWhileBusy&) = delete;

  private:
    C& control_;
};

} // namespace align
