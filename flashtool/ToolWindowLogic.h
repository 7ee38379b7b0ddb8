#pragma once
// The memory tool window's handlers without the window: each reads the
// state the window keeps in step with its controls (ToolState and
// LinkState::frmMain), does the work, and leaves what to show in the state.
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "platform/FileIo.h"

#include <optional>
#include <string>
#include <vector>

namespace flashtool {

// Loading the window (frmMain.Form_Load). The run's first load is the
// serial host's start-up (radiolink::EnsureSerialHost: the text table, the
// port probe and choice, 9600 baud, the link's tables), which the program
// runs at start-up and never again. A load after the window was closed runs
// the window's own start-up once more: TmFlag read again, 9600 baud, the
// port button, the firmware tables rebuilt, the fill range C800-FFFF. The
// port in use and the link's tables stay.
void LoadToolWindow(ToolState& t, radiolink::FirmwareState& fw);

// Closing the window (Form_QueryUnload and the unload): refused while a
// link operation runs. Otherwise every control goes back to its design
// state (page boxes, counter, timer stopped, lists, colours, tabs) and the
// next load starts the window afresh. The image, the RAM images, the change
// scan's shadow and the fill range stay. True when closed.
bool CloseToolWindow(ToolState& t);

// cmdFlashPageAll: "全选" ticks all 64 boxes (boot pages included) and shows
// "全否"; "全否" unticks them all and shows "全选".
void cmdFlashPageAll_Click(ToolState& t);
// The flash Read and Write buttons: the link's transfers over the ticked pages.
void cmdReadFlash_Click(ToolState& t);
void cmdWriteFlash_Click(ToolState& t);

// chkAutoWr. Ticked with a good interval (radiolink::AutoWriteInterval): the timer restarts with it, and a
// flash write starts at once when the link is idle (returns true). Ticked
// with a bad interval: refused, the box unticks, the timer stays stopped and
// the status says why. Unticked: the timer stops.
bool chkAutoWr_Click(ToolState& t, int value);
// tmrAutoWr: a tick starts a flash write only while the link is idle.
bool tmrAutoWr_Timer(ToolState& t);
// cmdZero: the success counter back to "0".
void cmdZero_Click(ToolState& t);

// The RAM address lists: an item reads "48 0x30" (decimal, "0x", hex).
std::string RamListItem(std::uint32_t address);
std::vector<std::string> InRamListItems();  // 0x30-0xFF, index = address - 0x30
std::vector<std::string> ExtRamListItems(); // 0x000-0xAFF, index = address
// chkInitInExtRamAddr: fills the eight lists and selects internal 0x30-0xFF
// and external 0x000-0x0FF.
void chkInitInExtRamAddr_Click(ToolState& t);
// The eight lists, and the pair each belongs to.
enum RamList {
    WrInRamFir,
    WrInRamLast,
    RdInRamFir,
    RdInRamLast,
    WrExtRamFir,
    WrExtRamLast,
    RdExtRamFir,
    RdExtRamLast,
};
// Choosing an item: a first item above its pair's last moves back to the
// last; a last item below the first moves up to the first.
void RamListChosen(ToolState& t, RamList list, int index);
// The four RAM buttons; before the lists are filled the status says why
// nothing is sent.
void cmdWrInRam_Click(ToolState& t);
void cmdRdInRam_Click(ToolState& t);
void cmdWrExtRam_Click(ToolState& t);
void cmdRdExtRam_Click(ToolState& t);

// The tab strips: a grid tab selects the control tab of the same number;
// control tabs 0-2 select their grid tab, tab 3 keeps it.
void sstabData_Click(ToolState& t, int tab);
void sstabCtl_Click(ToolState& t, int tab);

// GenerateDatFolder: <production folder>/测试模式, created when missing.
platform::IoResult GenerateDatFolder();
std::string TestModeFolderPath();

// cmdReadDat: asks for a HEX file in 测试模式 and loads it whole into the
// image (0xA5 where it has no byte), runs the display step, names the file
// and enables the Write button. A file that cannot be read or fails a check
// changes nothing of the image, the grids or the Write button; its error,
// with the line, goes into the status and a message. True when loaded.
bool cmdReadDat_Click(ToolState& t);
// The same for a chosen path, without the dialog.
bool LoadHexFile(ToolState& t, const std::string& path);

} // namespace flashtool
