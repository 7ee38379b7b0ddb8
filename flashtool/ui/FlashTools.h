#pragma once
// The flash tools' windows as the rest of the program reaches them: the
// memory tool window frmMain (with its part fill) and the firmware window
// frmFlashSoft, each created on first use and shown modeless, and the
// install function that registers the flash tools' hosts at start-up.
class QWidget;

namespace flashtool::ui {

// Registers, once at start-up: the tool window's grids and controls as the
// link's radiolink::ToolWindowHost and the data-file reader's
// app::FlashGridHost (flashtool::ToolHosts over flashtool::tool()), and the
// firmware window as radiolink::FirmwareWindow (flashtool::flashSoft()),
// and both windows with the change scan as the alignment window's
// align::ui::FlashToolsHost.
void InstallFlashTools();

// Shows the memory tool window, loading it first when it does not exist; a
// window not shown yet opens offset from the opener (platform::placeWindow).
QWidget* ShowToolWindow(QWidget* opener = nullptr);
// Shows the firmware window, creating it first when it does not exist.
QWidget* ShowFirmwareWindow(QWidget* opener = nullptr);

} // namespace flashtool::ui
