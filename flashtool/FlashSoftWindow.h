#pragma once
// The firmware window (frmFlashSoft) without the window: the model and
// version lists, the identity box, the boot-program check, the
// write-selected-version box and the converter frame, and the interface the
// radio write drives (radiolink::FirmwareWindow).
//
// Choosing a version from the window (a click, ticking or unticking the
// box, opening with a remembered model, the boot check) loads the version's
// program area 0x0000-0xC7FF only: the image's channels, settings and
// calibration in 0xC800-0xFFFF stay. Only the radio write's own load
// (LoadNewestVersion) takes the image's data area too; the write saves and
// restores its data pages around it.
//
// The window's life: it is created on first use (shown by its opener, or
// hidden by a radio write) and discarded when closed. The program keeps one
// FlashSoftWindow (flashSoft()), registered as radiolink::FirmwareWindow at
// start-up: Load() is the creation (Form_Load, once until Unload), Unload()
// the discarding, which puts every control back to its design state.
#include "flashtool/SoftConvert.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "platform/Host.h"

#include <string>
#include <vector>

namespace flashtool {

// What the window shows again when the state changed: a host interface
// (platform/Host.h) the window registers while it exists; nothing by default.
class FlashSoftView {
  public:
    virtual ~FlashSoftView() = default;
    virtual void Changed() {}
};

class FlashSoftWindow : public radiolink::FirmwareWindow {
  public:
    FlashSoftWindow(radiolink::FirmwareState& fw, ToolState& tool);

    // The controls' state.
    std::vector<std::string> cboModelSelectItems; // index = model code
    int cboModelSelect = -1;
    std::vector<std::string> cboSoftVerItems;
    int cboSoftVer = -1;
    std::string txtSoftSpecial;
    std::string cmdChkLeadSoftVerCaption;
    int chkWrSelectSoftVer = 0;
    // The converter frame.
    std::vector<std::string> cboSoftFileAddrItems;
    int cboSoftFileAddr = -1;
    std::string cboSaveAddr;
    SoftFields converted; // txtSoftCode, txtSoftVersion, txtSoftDay, txtSoftSpe

    // Creating the window, unless it exists (hidden or shown): Form_Load.
    void Load();
    bool loaded() const { return loaded_; }
    // Discarding it: every control back to its design state. The firmware
    // tables and the image keep what the window did to them.
    void Unload();

    // Creating the window: fills the model list and selects the model
    // remembered under Soft/ModelSelect (its newest version loads), then the
    // converter path remembered under Soft/SoftFileAddr (any value that is
    // no index of the list selects the first path).
    void Form_Load();
    void ShowModelSelect();
    // A model 100-125 with a name: remembered, its versions listed and the
    // newest loaded. Any other item changes nothing else.
    void cboModelSelect_Click(int index);
    // Loads the version at list position `position`; false when nothing
    // loaded (no image stored for it).
    bool cboSoftVer_Click(int position);
    void chkWrSelectSoftVer_Click(int value);
    void cmdChkLeadSoftVer_Click();

    void cboSoftFileAddr_Click(int index);
    // Converts the chosen input into cboSaveAddr and opens the output with
    // the desktop's open call; the outcome says what was wrong.
    ConvertOutcome cmdSoftConvert_Click();

    // radiolink::FirmwareWindow; the window is created hidden first when it
    // does not exist.
    bool LoadNewestVersion(int model) override;
    bool WriteSelectedVersion() override { return chkWrSelectSoftVer == 1; }

  private:
    void listVersions(int model);
    bool loadVersion(int position, bool withDataArea);
    void changed() { platform::host<FlashSoftView>().Changed(); }

    radiolink::FirmwareState& fw_;
    ToolState& tool_;
    bool loaded_ = false;
};

// The program's firmware window, over radiolink::firmware() and tool().
FlashSoftWindow& flashSoft();

} // namespace flashtool
