#include "align/ui/AlignWindows.h"
#include "channels/ui/frmChMem.h"
#include "flashtool/ui/FlashTools.h"
#include "link/ui/LinkWindows.h"
#include "platform/ui/QtDialogs.h"
#include "shell/ui/frmSplash.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    platform::installQtPlatform();
    channels::InstallChannelWindow();
    radiolink::ui::InstallLinkWindows();
    align::ui::InstallAlignWindows();
    flashtool::ui::InstallFlashTools();
    // The run after installation only prepares the settings and ends.
    if (!shell::StartProgram()) return 0;
    return application.exec();
}
