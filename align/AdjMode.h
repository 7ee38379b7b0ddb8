#pragma once
// The alignment window's logic (frmAdjMode): what each of its controls
// writes into the image, the link speed, the read/write type, the automatic
// read/write loop, the flash-grid refresh timer, and the radio and file
// reads that also bring the channel window up to date.
//
// Each handler records the control's new value in AlignState::frmAdjMode
// (creating the window state when needed) and acts; the window then shows
// the state again.
#include "align/AlignState.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/RadioRoads.h"
#include "model/Model.h"

#include <string>

namespace align {

// A list or box of the map (Control::cboPwrAdj .. cboCompanName) changed to
// value (list position, box 1/0). The power table also rewrites its sum
// and, with chkOnlineAdj ticked, sends the value to the radio at once
// (fine-tune for element 0), the list disabled meanwhile; a link already
// busy leaves the value stored but unsent. The band groups store 150 or
// 255. The alignment window's handlers ignore AdjParaShowing.
void AdjModeFieldChanged(AlignState& a, radiolink::LinkState& link, model::Image& image, Control control,
                         int index, int value);

// chkBps: 19200 baud ticked, 9600 unticked, for the tool window's transfers
// and the commands sent directly.
void chkBps_Click(AlignState& a, radiolink::LinkState& link, int value);
// chkExitTryCom: ticked asks every link operation to stop (ComStop).
void chkExitTryCom_Click(AlignState& a, radiolink::LinkState& link, int value);

// The window opens: its state is created (or kept, when the display made it
// while the window was closed), and the high-speed box shows the link's
// speed, which outlives the window.
void AdjModeLoad(AlignState& a, const radiolink::LinkState& link);
// The window closes and its state goes with it. A stop request of its stop
// box ends too: nothing would be left to untick it, and every later link
// operation would fail.
void AdjModeUnload(AlignState& a, radiolink::LinkState& link);
// optRwSort(k): 2 enables only Read, 3 only Write.
void optRwSort_Click(AlignState& a, int k);

// The interval box must hold a whole number 0-32767.
inline constexpr int kMaxInterval = 32767;

// chkAutoWr: stops the loop's timer, takes the interval from the box and
// starts the timer again when the box is ticked and the interval is not 0.
// An interval text that is no whole number 0-32767 is refused: the box goes
// back to its last good text, the box is unticked and the timer stays
// stopped; the result is then false.
bool chkAutoWr_Click(AlignState& a, int value);

// What a tick of the loop's timer asks the window to run.
enum class AutoRwStep { None, Read, Write };
// With chkCheckRw ticked both buttons are enabled; then, only while Write
// is enabled and no link operation runs, the verify box alternates read and
// write (AutoRwToggle), else the tick writes.
AutoRwStep tmrAutoWr_Timer(AlignState& a, const radiolink::LinkState& link);

// Double-click on the interval box: a number below 10 becomes "2500", then
// the text is stored under [Config] AutoWrInterval. A text that is no whole
// number 0-32767 is refused as by chkAutoWr_Click and stores nothing
// (false).
bool txtWrInterval_DblClick(AlignState& a);

// chkAutoShowFlash: the flash grid refresh once a second while ticked.
void chkAutoShowFlash_Click(AlignState& a, int value);

// The Read and Write buttons: the alignment page set from and to the radio.
// After a read (good or failed) the channel window shows the image.
void AdjReadRadio(radiolink::LinkState& link, model::ModelState& m);
radiolink::WriteFirmware AdjWriteRadio(radiolink::LinkState& link, radiolink::FirmwareState& fw,
                                       model::ModelState& m);
// The read-file button: a data file into the image (the alignment display
// follows through the reader), then the channel window shows the image.
// Throws platform::Failure with the reason when the file is refused.
void AdjReadDataFile(const std::string& path, model::ModelState& m);

} // namespace align
