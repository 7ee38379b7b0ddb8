#pragma once
// The serial host: the tool window's start-up, which is the link's start-up.
#include "link/FirmwareTable.h"
#include "link/LinkState.h"

namespace radiolink {

// frmMain.Form_Load, once per run: the text table, TmFlag, the port of
// [Config] COM (chosen afresh when it fails), 9600 baud, and the frame,
// page-scrambling and firmware tables.
void EnsureSerialHost(LinkState& s, FirmwareState& fw);

} // namespace radiolink
