// The main window's start-up, run once by the splash window's timer.
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "link/LinkState.h"
#include "model/ChannelWindow.h"
#include "model/Model.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"
#include "shell/FileCommands.h"
#include "shell/SoftInit.h"
#include "shell/Startup.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"

#include <QGuiApplication>
#include <QScreen>

namespace shell {
namespace {

// The design-size window first appears in the middle of the screen.
void showCentred(QWidget& w) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        w.move(area.center() - QPoint(w.width() / 2, w.height() / 2));
    }
    w.show();
}

} // namespace

void mdifrmMain::SoftInit() {
    app::ShellState& s = app::shell();
    app::Guarded("mdifrmMain->SoftInit", [&] {
        showCentred(*this);
        ChooseRunPort(radiolink::linkState(), radiolink::firmware());
        // Colours and the band boxes of the channel window, which this first
        // touch loads.
        ReadEmptyCellColor(s);
        ChannelWindowSlot* ch = touchChannelWindow();
        if (ch) {
            s.Band1Color = std::to_string(ch->bandBoxForeColor(0));
            s.OtherBandColor = std::to_string(ch->bandBoxForeColor(2));
        }
        ShowStoredBandLimits(model::frmChMem());
        ResetAutoUpdate(s);
        PrepareModel(model::state());
        GenerateDatFolder();
        SetSoftFace();
        if (ch) {
            ch->InitChMem();
            ch->window()->show();
        }
        // The lock as it was left.
        const bool locked = ReadFaceLock(s);
        action(QStringLiteral("mnuChLock"))->setChecked(locked);
        action(QStringLiteral("mnuLockFace"))->setChecked(locked);
        LockFaceOperate(locked ? -1 : 0);
        ReadVolumeMode(model::state());
        // The final size about the same centre, no larger than the screen
        // leaves room for (the pages scroll in a smaller window) and inside it.
        const float width = platform::twips(13215), height = platform::twips(9590);
        QRect g = geometry();
        g.moveTop(qRound(g.top() - (height - g.height()) / 2.0f));
        g.moveLeft(qRound(g.left() - (width - g.width()) / 2.0f));
        g.setSize(QSize(static_cast<int>(width), static_cast<int>(height)));
        setGeometry(g);
        show();
        platform::keepOnScreen(*this);
        if (frmSplash* splash = frmSplash::existing()) {
            splash->hide();
            splash->close();
        }
    });
    TellRestoredSettingsOnce(s);
    TellRefusedSettingsOnce(s);
}

} // namespace shell
