#include "main/ProgramAssembly.h"

#include "align/ui/AlignWindows.h"
#include "channels/ui/frmChMem.h"
#include "flashtool/ui/FlashTools.h"
#include "link/ui/LinkWindows.h"
#include "platform/ui/QtDialogs.h"

namespace program {

void AssembleProgram() {
    platform::installQtPlatform();
    channels::InstallChannelWindow();
    radiolink::ui::InstallLinkWindows();
    align::ui::InstallAlignWindows();
    flashtool::ui::InstallFlashTools();
}

} // namespace program
