// The main window's start-up, run once by the splash window's timer.
#include "app/ErrorReporter.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "link/PortChoice.h"
#include "model/Model.h"
#include "model/Volume.h"
#include "platform/Numbers.h"
#include "platform/ui/Twips.h"
#include "shell/FileCommands.h"
#include "shell/Startup.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>

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
    auto& s = app::shell();
    try {
        // The serial port: the serial host's start-up takes the port of
        // [Config] COM, then the port of [Setting] COM is probed once more.
        radiolink::LinkState& link = radiolink::linkState();
        const int settingPort = radiolink::PortNumberOf(app::ReadSetting(app::keys::SettingCom));
        if (settingPort != 0) link.ComPortNo = static_cast<std::int16_t>(settingPort);
        if (shellWindows().serialHost)
            shellWindows().serialHost();
        else
            radiolink::InitSerialHost(link);
        showCentred(*this);
        radiolink::TestComPort(link, settingPort);
        if (radiolink::PortStateOf(link, link.ComPortNo) == -1) radiolink::AutoSelectComPort(link);
        link.ComBpsIndex = 6;
        link.ComBpsText = "9600";
        // Colours and the band boxes of the channel window, which this first
        // touch loads.
        s.EmptyCellColor = app::ReadSetting(app::keys::DefColor);
        // A colour that is no number would make every emptying of a channel fail.
        if (!platform::wholeNumber(s.EmptyCellColor, INT32_MIN, INT32_MAX))
            s.EmptyCellColor = app::keys::DefColor.defaultValue;
        ChannelWindowSlot& ch = touchChannelWindow();
        s.Band1Color = std::to_string(ch.bandBoxForeColor(0));
        s.OtherBandColor = std::to_string(ch.bandBoxForeColor(2));
        for (int box = 0; box < 4; ++box) ch.SetFreBandText(box, app::ReadSetting(app::FreBandKey(box)));
        // Automatic firmware update is off at the start of every run.
        NoteSettingsWrite(s, app::WriteIniStr("Soft", "Update", "0", s.SettingsFile));
        model::ModelState& m = model::state();
        m.NewRdWrCode.fill(0xFF);
        // Blank names before the default image is decoded, so that the names
        // it holds stand and the next save keeps them.
        for (auto& name : m.ChNameDat) std::fill(name.begin(), name.begin() + 6, 0xFF);
        model::InitVolumeTbl(m);
        GenerateDatFolder();
        SetSoftFace();
        ch.InitChMem();
        ch.window()->show();
        // The lock as it was left.
        s.FaceLockState = app::ReadSetting(app::keys::ChannelLock);
        const bool locked = s.FaceLockState == "ShowLock";
        action(QStringLiteral("mnuChLock"))->setChecked(locked);
        action(QStringLiteral("mnuLockFace"))->setChecked(locked);
        LockFaceOperate(action(QStringLiteral("mnuChLock"))->isChecked() ? -1 : 0);
        // A volume mode that is no whole number counts as mode 0.
        m.VolumeMode =
            static_cast<std::int16_t>(app::ReadSettingNumber(app::keys::VolumeMode, INT16_MIN, INT16_MAX));
        // The final size about the same centre.
        const float width = platform::twips(13215), height = platform::twips(9590);
        QRect g = geometry();
        g.moveTop(qRound(g.top() - (height - g.height()) / 2.0f));
        g.moveLeft(qRound(g.left() - (width - g.width()) / 2.0f));
        g.setSize(QSize(static_cast<int>(width), static_cast<int>(height)));
        setGeometry(g);
        show();
        if (frmSplash* splash = frmSplash::existing()) {
            splash->hide();
            splash->close();
        }
    } catch (const std::exception& e) {
        app::VbErrNumDes("mdifrmMain->SoftInit", e);
    }
    TellRefusedSettingsOnce(s);
}

} // namespace shell
