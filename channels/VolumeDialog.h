#pragma once
// The volume dialog (frmSetVolume) as plain state: the ten volume levels at
// 0xE731-0xE73A, the marker 0xE73B and the volume mode of the program
// (model::ModelState::VolumeMode, key VolumeMode of section Setting).
// Mode 1 (box unticked) shows and stores volume steps through VolumeTbl,
// mode 2 (ticked) the register bytes themselves.
//
// The dialog is created for each opening and discarded when it closes; the
// window mirrors this state and passes the user's changes to the setters,
// which run the handlers when a value really changes.
#include "channels/SettingsState.h"
#include "model/Model.h"

#include <array>
#include <string>

namespace channels {

struct VolumeDialog {
    VolumeDialog(); // lists "0" to "255", both boxes unticked

    std::array<ComboBox, 11> cboVolumeDat; // levels 1-10; [0] unused
    CheckBox chkVolumeIic;                 // ticked: the radio uses the levels (0x5A)
    CheckBox chkVolMode;                   // ticked: mode 2
    Flag Showing = 0;                      // -1 while the lists show the image
};

// The dialog's captions from the text table.
struct VolumeTexts {
    std::string Caption;                        // 879
    std::array<std::string, 11> lblVolumeLevel; // 1-10, e.g. "Volume  1 Level", "Volume 10 Level"
    std::string cmdDefault, chkVolumeIic, cmdOk, chkVolMode;
};
VolumeTexts VolumeDialogTexts();

// Opening: the mode (anything but 0 or 1 counts as 0), the levels, the marker.
void frmSetVolume_Load(VolumeDialog& d, model::ModelState& m);
// Shows the ten level bytes in the lists of the current mode; stores nothing.
void SeqVolumeDatToSeq(VolumeDialog& d, model::ModelState& m);

// Setters (code or user), each running its handler on a real change.
void SetVolumeListIndex(VolumeDialog& d, model::ModelState& m, int level, int position);
void SetVolumeIic(VolumeDialog& d, model::ModelState& m, int value);
void SetVolMode(VolumeDialog& d, model::ModelState& m, int value);

// Handlers.
void cboVolumeDat_Click(VolumeDialog& d, model::ModelState& m, int level);
void chkVolumeIic_Click(VolumeDialog& d, model::ModelState& m);
// Keeps the mode in VolumeMode and the settings file, then shows the lists
// again in the new mode, so their positions never mean another byte.
void chkVolMode_Click(VolumeDialog& d, model::ModelState& m);
// The default levels of the current mode, shown, and the marker set.
void cmdDefault_Click(VolumeDialog& d, model::ModelState& m);

} // namespace channels
