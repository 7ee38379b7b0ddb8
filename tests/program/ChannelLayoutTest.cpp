// The channel window as the whole program opens it: at the size start-up
// gives the main window, every control of every page lies whole in view and
// shows its whole text, in each language; in a window the user has made
// smaller, a page scrolls to its last control, and a wheel turned over a
// list scrolls the page without changing the list.
#include "app/Shell.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/SettingsControls.h"
#include "model/Model.h"
#include "tests/channels/SettingsShown.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/Screenshot.h"

#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <cstdlib>

using namespace programtest;
using shell::mdifrmMain;

namespace {

std::vector<Setting> inLanguage(int lang) {
    return {{"Setting", "FirRun", "0"}, {"Setting", "Language", std::to_string(lang)}};
}

QScrollArea* scrollAreaOf(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p)) return area;
    return nullptr;
}

bool inView(QWidget* w) {
    QWidget* viewport = scrollAreaOf(w)->viewport();
    return viewport->rect().contains(QRect(w->mapTo(viewport, QPoint(0, 0)), w->size()));
}

// The wheel turned one notch towards the user with the pointer at `at`
// (a point of the page's viewport): it goes to the widget under the pointer.
void wheelDown(QWidget* viewport, QPoint at) {
    QWidget* under = viewport->childAt(at);
    if (!under) under = viewport;
    const QPoint local = under->mapFrom(viewport, at);
    QWheelEvent wheel(local, under->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the mouse (and as Qt Test sends keys): only such a wheel goes
    // on to the widgets around.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(under, &wheel);
    QCoreApplication::processEvents();
}

} // namespace

class ChannelLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlIsSeenWholeAtTheStartSize() {
        for (int lang : {1, 2, 3}) {
            Program program(inLanguage(lang));
            mdifrmMain& main = program.start();
            channels::frmChMem& w = program.channelWindow();
            QString why;
            QVERIFY2(settingswindowtest::textFits(w.sstabSetMode->tabBar(), why),
                     qPrintable(QString("language %1, the tabs: %2").arg(lang).arg(why)));
            for (int page = 0; page < 5; ++page) {
                bringToFront(w.fraSysSet[page]);
                // What the user sees once the page has settled.
                QWidget* frame = w.fraSysSet[page];
                const bool whole =
                    QTest::qWaitFor([frame] { return settingswindowtest::cutOff(frame).isEmpty(); }, 2000);
                const QStringList cut = settingswindowtest::cutOff(frame);
                QVERIFY2(whole, qPrintable(QString("language %1, page %2 in %3 x %4: %5")
                                               .arg(lang)
                                               .arg(page)
                                               .arg(main.width())
                                               .arg(main.height())
                                               .arg(cut.join("; "))));
            }
        }
    }

    void aPageInASmallerWindowScrollsToItsLastControl() {
        Program program(inLanguage(3));
        mdifrmMain& main = program.start();
        channels::frmChMem& w = program.channelWindow();
        channels::SettingsControls& c = w.settings();
        main.resize(640, 480);
        QTest::qWait(50);

        // The wheel over the band list changes no band.
        QComboBox* bands = w.channelPage().cboFrequency;
        bringToFront(bands);
        const int band = bands->currentIndex();
        const std::string file = app::shell().CurFilePath;
        QWidget* channelView = scrollAreaOf(bands)->viewport();
        wheelDown(channelView, bands->mapTo(channelView, bands->rect().center()));
        QCOMPARE(bands->currentIndex(), band);
        QCOMPARE(app::shell().CurFilePath, file);

        // The last box of Function Para2, the full reset code, is out of view.
        QLineEdit* reset = c.txtPc[11];
        bringToFront(reset);
        QTest::qWait(50);
        QScrollArea* area = scrollAreaOf(reset);
        QScrollBar* down = area->verticalScrollBar();
        QScrollBar* across = area->horizontalScrollBar();
        QVERIFY(down->isVisible() && across->isVisible());
        QVERIFY(!inView(reset));

        // The wheel, with the pointer over the alarm type's list, scrolls the
        // page down and leaves every setting as it was.
        const model::Image before = model::state().IicDat;
        QComboBox* alarmType = c.cboPc[33];
        const int alarm = alarmType->currentIndex();
        const QPoint pointer = alarmType->mapTo(area->viewport(), alarmType->rect().center());
        for (int notch = 0; notch < 20 && down->value() < down->maximum(); ++notch)
            wheelDown(area->viewport(), pointer);
        QCOMPARE(down->value(), down->maximum());
        QCOMPARE(alarmType->currentIndex(), alarm);
        QVERIFY(model::state().IicDat == before);

        // Clicks on the scroll bar's groove at its right end scroll across.
        for (int click = 0; click < 20 && across->value() < across->maximum(); ++click)
            QTest::mouseClick(across, Qt::LeftButton, {}, QPoint(across->width() - 20, across->height() / 2));
        QCOMPARE(across->value(), across->maximum());

        QVERIFY(inView(reset));
        QTest::mouseClick(reset, Qt::LeftButton);
        QVERIFY(reset->hasFocus());
        QTest::keyClicks(reset, "123");
        QCOMPARE(reset->text(), QString("123"));
        const std::vector<std::uint8_t> code(model::state().IicDat.begin() + 0xE717,
                                             model::state().IicDat.begin() + 0xE71D);
        QCOMPARE(code, (std::vector<std::uint8_t>{1, 2, 3, 0xFF, 0xFF, 0xFF}));
    }

    // Run under xvfb-run with TAVORIN_SCREENSHOT_DIR set: the five pages at
    // the start size in English and in Simplified Chinese, saved for a look.
    void screenshots() {
        const QString dir = testsupport::askedScreenshotFolder();
        if (dir.isEmpty()) QSKIP("TAVORIN_SCREENSHOT_DIR is not set");
        for (int lang : {3, 1}) {
            Program program(inLanguage(lang));
            mdifrmMain& main = program.start();
            channels::frmChMem& w = program.channelWindow();
            for (int page = 0; page < 5; ++page) {
                bringToFront(w.fraSysSet[page]);
                QTest::qWait(300);
                testsupport::saveScreenshot(main, dir,
                                            QString("start-%1x%2-page%3-lang%4")
                                                .arg(main.width())
                                                .arg(main.height())
                                                .arg(page)
                                                .arg(lang));
            }
        }
    }
};

QTEST_MAIN(ChannelLayoutTest)
#include "ChannelLayoutTest.moc"
