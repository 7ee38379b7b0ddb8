#pragma once
// The main window's start-up (SoftInit) without the window: each step is a
// function a test calls alone. The window runs them in this order, with its
// own steps (showing itself, loading the channel window) in between.
#include "app/Shell.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "model/ChannelWindow.h"
#include "model/Model.h"

namespace shell {

// The serial port of the run: a port number in [Setting] COM becomes the
// port in use, the serial host starts (it probes [Config] COM), the
// [Setting] port is probed once more and, when it fails, the first port
// that opens is chosen; the line speed is entry 6 ("9600").
void ChooseRunPort(radiolink::LinkState& link, radiolink::FirmwareState& fw);

// EmptyCellColor from [Setting] DefColor. A colour that is no number would
// make every emptying of a channel fail: it gives the key's default.
void ReadEmptyCellColor(app::ShellState& s);

// The four band boxes of the channel window from [Setting] FreBandFre0-3.
void ShowStoredBandLimits(model::ChannelWindow& w);

// Automatic firmware update is off at the start of every run ([Soft] Update).
void ResetAutoUpdate(app::ShellState& s);

// No new read/write code, every name blank (before the default image is
// decoded, so that the names it holds stand and the next save keeps them),
// and the volume table.
void PrepareModel(model::ModelState& m);

// The lock as it was left: FaceLockState from [Setting] ChannelLock; true
// when it is "ShowLock".
bool ReadFaceLock(app::ShellState& s);

// VolumeMode from [Setting] VolumeMode; a value that is no whole number
// counts as mode 0.
void ReadVolumeMode(model::ModelState& m);

} // namespace shell
