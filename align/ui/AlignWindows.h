#pragma once
// The factory windows as the rest of the program reaches them: the logic's
// window host, the channel page's fifth button, the windows that the access
// codes open, and the flash tools' windows, which lie above this library.
#include "align/AccessCodes.h"
#include "align/AlignState.h"
#include "align/ui/FlashToolsHost.h"
#include "channels/AlignmentAccessHost.h"

namespace align::ui {

// Does what a right code opens: shows the alignment window, the register
// window or the keypad (each created on first use), or the flash tools'
// windows through FlashToolsHost; a window not shown yet opens offset from
// the opener (platform::placeWindow). The register window's panels are
// PanelCodeAnswered's (align/AdjMore.h); they and None do nothing here.
void Open(CodeAction action, QWidget* opener = nullptr);

// The logic's windows (AlignWindowsHost: a window that does not exist yet
// is created hidden) and the channel page's fifth button
// (channels::AlignmentAccessHost: the access-code dialog without an owner,
// then the alignment window).
class AlignWindows : public AlignWindowsHost, public channels::AlignmentAccessHost {
  public:
    void AdjModeChanged() override;
    void AdjMoreChanged() override;
    void VitualKeyChanged() override;
    void OpenAlignmentWindow() override;
};

// Registers the program's AlignWindows and the alignment display
// (align::InstallAlignmentDisplay), once at start-up.
void InstallAlignWindows();

} // namespace align::ui
