#include "app/ui/mdifrmMain.h"

#include "platform/ui/Twips.h"

namespace app {

mdifrmMain::mdifrmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("tavorin"));
    resize(platform::twips(13215), platform::twips(9590));
}

} // namespace app
