#pragma once
// Which serial port the link uses: the probe of one port, the scan of all
// sixteen, the automatic choice of the first that opens, the port dialog's
// logic and the serial host's start-up.
//
// The port dialog window (frmToolCom) shows LinkState::frmToolCom: it calls
// PortDialogLoad when it is shown and not loaded, PortDialogOk or
// PortDialogCancel when it closes, and shows ComPortWhy beside a disabled
// port. The tool window (frmMain) calls InitSerialHost from its load and
// cboComBps_Click when the user picks a rate.
#include "link/LinkState.h"
#include "platform/FileIo.h"

#include <string>

namespace radiolink {

// A port number as stored in the settings: a whole number 1-16, else 0.
int PortNumberOf(const std::string& text);
// ComPortState of a port; a number outside 1-16 counts as a failed port.
std::int16_t PortStateOf(const LinkState& s, int port);

// Opens and closes port n and records 1, or -1 (disabling its button in the
// port dialog, which loads it when needed). Does nothing for a number
// outside 1-16 or while a link operation has the port open.
void TestComPort(LinkState& s, int port);
void ScanComPorts(LinkState& s);
// Scans, then makes the first port that opens the one in use, stored under
// [Config] COM and shown in status panel 2. Changes nothing when none opens.
void AutoSelectComPort(LinkState& s);

// The baud list's selection handler: selects entry index and applies it.
void cboComBps_Click(LinkState& s, int index);

// The link's part of the serial host window's load: the port of [Config]
// COM (probed, or chosen afresh when it fails or is no port number), then
// ToolWindowStartUp, then the page-scrambling and frame tables.
void InitSerialHost(LinkState& s);
// What every load of the tool window sets again: TmFlag from [Config] Tm,
// the port button's caption, 9600 baud.
void ToolWindowStartUp(LinkState& s);

void PortDialogLoad(LinkState& s);
// What storing the chosen port under [Config] COM came to: the port is the
// one in use for this run either way.
platform::IoResult PortDialogOk(LinkState& s);
void PortDialogCancel(LinkState& s);

} // namespace radiolink
