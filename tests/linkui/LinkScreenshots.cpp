// The link's dialogs on a real X server (run under xvfb-run), saved as
// pictures to look at: the port dialog telling why the port would not open
// (no permission, met by the superuser too without its capabilities), and
// the read/write dialog with a notice at the end of a write.
// TAVORIN_SCREENSHOTS names the folder.
#include "app/FaceText.h"
#include "app/Shell.h"
#include "link/Commun.h"
#include "link/LinkTexts.h"
#include "link/ui/LinkWindows.h"
#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"
#include "platform/PseudoTerminal.h"
#include "tests/linkui/LinkUiSupport.h"
#include "tests/support/Capabilities.h"
#include "tests/support/FreshStart.h"
#include "tests/support/Screenshot.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QtTest>

#include <sys/stat.h>

using namespace radiolink;

class LinkScreenshots : public QObject {
    Q_OBJECT

    static QString folder() { return qEnvironmentVariable("TAVORIN_SCREENSHOTS", QDir::tempPath()); }

    static void save(QWidget& w, const QString& name) {
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(200);
        testsupport::saveScreenshot(w, folder(), name);
    }

    // The language with the font the shipped settings give it.
    static void useLanguage(int lang) {
        app::ShellState& s = app::shell();
        s.LangIndex = static_cast<std::int16_t>(lang);
        s.FaceFontName = lang == 1 ? "WenQuanYi Micro Hei" : "DejaVu Sans";
        app::InitFaceText(s);
    }

  private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY(QDir().mkpath(folder()));
    }

    void portDialogWithoutPermission_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("eng") << 3;
        QTest::newRow("cht") << 2;
    }
    void portDialogWithoutPermission() {
        QFETCH(int, lang);
        testsupport::FreshStart fresh;
        const testsupport::TempHome& home = fresh.home;
        platform::PseudoTerminal pty;
        linkui::StartProgramLink(home);
        ui::InstallLinkWindows();
        useLanguage(lang);
        home.write("ttyUSB0", "");
        ::chmod(home.file("ttyUSB0").c_str(), 0);
        linkui::WriteSettings(home, {{1, home.file("ttyUSB0")}, {2, pty.devicePath()}});
        testsupport::WithoutCapabilities user({CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH});
        bool seen = false;
        QTimer::singleShot(0, [&] {
            ui::frmToolCom* d = ui::frmToolCom::existing();
            d->move(40, 40);
            save(*d, QStringLiteral("frmToolCom-no-permission-%1").arg(QTest::currentDataTag()));
            seen = true;
            d->cmdCancel->click();
        });
        ui::ShowPortDialog(nullptr);
        QVERIFY(seen);
    }

    // The notices at the end of a write: the serial-number list used up, and
    // a write the line broke off.
    void readWriteDialogWithANotice_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<bool>("failed");
        QTest::newRow("used-up-eng") << 3 << false;
        QTest::newRow("part-written-eng") << 3 << true;
        QTest::newRow("part-written-chs") << 1 << true;
    }
    void readWriteDialogWithANotice() {
        QFETCH(int, lang);
        QFETCH(bool, failed);
        testsupport::FreshStart fresh;
        const testsupport::TempHome& home = fresh.home;
        linkui::StartProgramLink(home);
        ui::InstallLinkWindows();
        linkui::WriteSettings(home, {});
        useLanguage(lang);
        ui::frmCommun& d = ui::frmCommun::instance();
        d.cmdRead->hide();
        d.cmdWrite->show();
        d.move(40, 40);
        d.show();
        LinkState& s = linkState();
        s.ComFailWhy = FailWhy::LineClosed;
        s.WritePagesSent = true;
        d.SetStatus(failed ? DescribeRoadFailure(s, true).notice
                           : app::text(kTextWriteSuccessful) + " - " +
                                 app::text(app::TextKey::SerialListUsedUp));
        save(d, QStringLiteral("frmCommun-%1").arg(QTest::currentDataTag()));
        delete &d;
    }
};

QTEST_MAIN(LinkScreenshots)
#include "LinkScreenshots.moc"
