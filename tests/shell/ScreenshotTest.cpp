// Screenshots of the main window and the About box in the three languages,
// taken on a real X server (run under xvfb-run) and saved for a look at the
// glyphs: TAVORIN_SCREENSHOTS names the folder.
#include "tests/support/Screenshot.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "platform/ui/QtDialogs.h"
#include "shell/ui/frmAboutSoft.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/shell/FileDialogTyping.h"
#include "tests/support/ChannelStandIn.h"
#include "tests/support/FreshStart.h"
#include "tests/support/LanguageRows.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

using namespace app;
using namespace shell;

class ScreenshotTest : public QObject {
    Q_OBJECT

    // The program started in a language, with the default image and no
    // serial port of this machine, on a fresh start.
    static void start(const testsupport::TempHome& home, int lang) {
        home.copyShipped("zezirev.def");
        QString content = QString("[Setting]\nFirRun=0\nLanguage=%1\nEngFont=DejaVu Sans\n"
                                  "ChsFont=WenQuanYi Micro Hei\n[Ports]\n")
                              .arg(lang);
        for (int port = 1; port <= 16; ++port) content += QString("%1=/nonexistent/tty%1\n").arg(port);
        content += "[ChInfo]\n5000=16\n";
        home.write("tavorin.def", content.toStdString());
        QVERIFY(StartProgram());
        QVERIFY(QTest::qWaitFor([] { return !frmSplash::existing(); }, 5000));
        QVERIFY(QTest::qWaitForWindowExposed(&mdifrmMain::instance()));
    }

  private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void threeLanguages_data() { testsupport::languageRows(); }
    void threeLanguages() {
        QFETCH(int, lang);
        testsupport::FreshStart fresh;
        const testsupport::TempHome& home = fresh.home;
        testsupport::ScriptedDialogs dialogs;
        testsupport::StandInChannelWindows channelWindows;
        start(home, lang);
        mdifrmMain& main = mdifrmMain::instance();
        main.menu(QStringLiteral("mnuSet"))->popup(main.mapToGlobal(QPoint(120, 20)));
        QTest::qWait(300);
        testsupport::saveShown(main, QStringLiteral("mdifrmMain-%1").arg(QTest::currentDataTag()));
        main.menu(QStringLiteral("mnuSet"))->hide();

        {
            frmAboutSoft about(&main);
            about.show();
            testsupport::saveShown(about, QStringLiteral("frmAboutSoft-%1").arg(QTest::currentDataTag()));
        }
        mdifrmMain::destroyInstance();
    }

    // Qt's own dialogs in Simplified Chinese: the Open dialog and a question.
    void dialogsInSimplifiedChinese() {
        testsupport::FreshStart fresh;
        const testsupport::TempHome& home = fresh.home;
        testsupport::StandInChannelWindows channelWindows;
        start(home, 1);
        mdifrmMain::instance().activateWindow();

        platform::QtDialogs dialogs;
        auto shootModal = [](const QString& name) {
            QTimer::singleShot(400, [name] {
                QWidget* shown = QApplication::activeModalWidget();
                QVERIFY(shown);
                testsupport::saveScreenshot(*shown, testsupport::screenshotFolder(), name);
                if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->reject();
            });
        };
        shootModal(QStringLiteral("open-dialog-chs"));
        platform::FileRequest request;
        request.filter = "DudData File(*.DudDat)|*.DudDat";
        request.initialDir = home.file("Data");
        QCOMPARE(dialogs.openFile(request), std::nullopt);
        shootModal(QStringLiteral("message-box-chs"));
        dialogs.message(app::text(74), app::text(app::kTextNotice), platform::Buttons::YesNo,
                        platform::Icon::Question);
        mdifrmMain::destroyInstance();
    }

    // Save As over an existing file typed without its extension: the
    // question before replacing it.
    void overwriteQuestion_data() { testsupport::languageRows({2, 3}); }
    void overwriteQuestion() {
        QFETCH(int, lang);
        testsupport::FreshStart fresh;
        const testsupport::TempHome& home = fresh.home;
        testsupport::StandInChannelWindows channelWindows;
        platform::QtDialogs qt;
        platform::Host<platform::Dialogs>::Scoped real(qt);
        start(home, lang);
        home.write("Data/my radio file.LDat", "an earlier file");
        bool asked = false;
        // Each runs once its modal window is up, in that window's own loop.
        QTimer::singleShot(0, [&] {
            QLineEdit* name = shelltest::typeFileName(QStringLiteral("my radio file"));
            QVERIFY(name);
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                asked = true;
                testsupport::saveShown(*box,
                                       QStringLiteral("overwrite-question-%1").arg(QTest::currentDataTag()));
                box->button(QMessageBox::No)->click();
            });
            QTest::keyClick(name, Qt::Key_Return);
            qobject_cast<QFileDialog*>(name->window())->reject();
        });
        mdifrmMain::instance().action(QStringLiteral("mnuFileSaveAs"))->trigger();
        QVERIFY(asked);
        QCOMPARE(home.read("Data/my radio file.LDat"), std::string("an earlier file"));
        mdifrmMain::destroyInstance();
        platform::installQtTranslations(3);
    }
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
