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
#include "flashtool/SoftConvert.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"

#include <functional>
#include <string>
#include <vector>

namespace flashtool {

// What the window does when the state changed; nothing by default.
class FlashSoftHost {
  public:
    virtual ~FlashSoftHost() = default;
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

    FlashSoftHost* host = &noHost;
    // Opens the converter's output; the desktop's open call unless a test
    // puts another.
    std::function<bool(const std::string&)> openDocument;

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
    // Converts the chosen input into cboSaveAddr and opens the output; the
    // outcome says what was wrong.
    ConvertOutcome cmdSoftConvert_Click();

    // radiolink::FirmwareWindow
    bool LoadNewestVersion(int model) override;
    bool WriteSelectedVersion() override { return chkWrSelectSoftVer == 1; }

  private:
    void listVersions(int model);
    bool loadVersion(int position, bool withDataArea);
    void changed() { host->Changed(); }

    radiolink::FirmwareState& fw_;
    ToolState& tool_;
    static inline FlashSoftHost noHost;
};

} // namespace flashtool
