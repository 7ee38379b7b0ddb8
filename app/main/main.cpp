#include "app/Shell.h"
#include "app/ui/mdifrmMain.h"
#include "platform/System.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    platform::installQtPlatform();
    app::shell().SettingsFile = platform::joinPath(platform::programFolder(), "tavorin.def");
    app::mdifrmMain window;
    window.show();
    return application.exec();
}
