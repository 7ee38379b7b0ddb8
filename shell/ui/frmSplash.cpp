#include "shell/ui/frmSplash.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "app/ui/FaceFont.h"
#include "charcode/HanZi.h"
#include "model/NameFields.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"
#include "platform/System.h"
#include "platform/ui/QtDialogs.h"
#include "shell/Startup.h"
#include "shell/ui/ProgramIcon.h"
#include "shell/ui/mdifrmMain.h"

#include <QApplication>
#include <QPainter>

namespace shell {
namespace {

frmSplash* g_splash = nullptr;

// The built-in picture, 294 x 112 pixels, shown when the language's picture
// file is missing.
QPixmap builtInPicture() {
    QPixmap pm(294, 112);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 294, 112);
    g.setColorAt(0, QColor(20, 60, 120));
    g.setColorAt(1, QColor(40, 120, 190));
    p.fillRect(pm.rect(), g);
    p.drawPixmap(18, 24, ProgramPixmap(64));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPointSize(20);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(96, 20, 190, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("tavorin"));
    f.setPointSize(9);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(96, 62, 190, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Version 1.0"));
    return pm;
}

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    g_splash = this;
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(294, 112);
    imgSplash = new QLabel(this);
    imgSplash->setGeometry(rect());
    imgSplash->setScaledContents(true);
    imgSplash->setPixmap(builtInPicture());
    tmrSoftInit.setSingleShot(true);
    connect(&tmrSoftInit, &QTimer::timeout, this, &frmSplash::tmrSoftInit_Timer);
}

frmSplash::~frmSplash() {
    if (g_splash == this) g_splash = nullptr;
}

frmSplash* frmSplash::existing() {
    return g_splash;
}

std::optional<std::int16_t> frmSplash::GetSysLang() {
    return shell::GetSysLang(app::shell());
}

bool frmSplash::Form_Load() {
    auto& s = app::shell();
    s.EndItemMark = "*EndOfThisItem*";
    s.SettingsFile = platform::joinPath(platform::programFolder(), "tavorin.def");
    // What a settings write killed before its rename left behind.
    platform::removeStrayTemporaries(s.SettingsFile);
    if (PreparingRun(s)) {
        close();
        return false;
    }
    // After the preparing run, which restarts (the run after it restores and
    // tells), and before the first real start takes the locale's language.
    RestoreSettings(s);
    ReadLangIndex(s, GetSysLang());
    // Qt's own buttons and dialogs speak the language too, or English.
    platform::installQtTranslations(s.LangIndex);
    // The first touch loads the main window, hidden.
    mdifrmMain::instance().CheckLanguage(s.LangIndex);
    model::GetValidCharTbl(model::state());
    app::InitFaceText(s);
    ReadFaceFonts(s);
    s.FaceFontName = app::ResolveFaceFont(QString::fromStdString(s.FaceFontName), s.LangIndex).toStdString();
    charcode::InitHanZiTbl(charcode::HanZiTbl());
    // A missing picture, or a file that is none, keeps the built-in one.
    QPixmap picture;
    if (picture.load(QString::fromStdString(SplashPicturePath(s.LangIndex)))) imgSplash->setPixmap(picture);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    tmrSoftInit.stop();
    tmrSoftInit.setInterval(10);
    tmrSoftInit.start();
    return true;
}

void frmSplash::tmrSoftInit_Timer() {
    tmrSoftInit.stop();
    app::Guarded("frmSplash->tmrSoftInit_Timer", [] { mdifrmMain::instance().SoftInit(); });
}

bool StartProgram() {
    QApplication::setWindowIcon(ProgramIcon());
    auto* splash = new frmSplash;
    const auto refused = [](const app::Caught& c) {
        platform::dialogs().message(app::text(app::TextKey::StartFailed) + "\n" + c.reason(),
                                    app::text(app::TextKey::StartFailedTitle), platform::Buttons::Ok,
                                    platform::Icon::Critical);
    };
    bool loaded = false;
    if (!app::Guarded("frmSplash->Form_Load", refused, [&] { loaded = splash->Form_Load(); })) {
        // Nothing is loaded that could run without it.
        delete splash;
        return false;
    }
    if (!loaded) return false;
    splash->show();
    return true;
}

} // namespace shell
