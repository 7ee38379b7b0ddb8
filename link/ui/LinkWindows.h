#pragma once
// Registers the link's windows: with the main window (the read/write and
// port dialogs of its roads, the serial host of its start-up) and with the
// link (the status texts and stop box of the read/write dialog, the port
// states of the port dialog, the choice of a port after one failed to open).
namespace radiolink::ui {

void InstallLinkWindows();

} // namespace radiolink::ui
