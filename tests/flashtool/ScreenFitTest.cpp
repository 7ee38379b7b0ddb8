// The factory windows on a screen of the size the test runs with (ctest runs
// it on a 1024 x 768 and a 1600 x 1000 offscreen screen), opened as a user
// opens them: the alignment window from the main window, the others from its
// coded buttons, the part fill from the memory tool window. Each opens inside
// the screen's available area, offset from the window it was opened from and
// from the others, and the memory tool window keeps its status line, and the
// texts shown there, in sight.
#include "align/AccessCodes.h"
#include "align/AlignState.h"
#include "align/ui/AlignWindows.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmAdjMore.h"
#include "align/ui/frmInputCode.h"
#include "align/ui/frmVitualKey.h"
#include "app/FaceText.h"
#include "channels/AlignmentAccessHost.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/IntelHex.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "flashtool/ui/frmPartFill.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "tests/flashtool/HexLines.h"
#include "tests/flashtool/WindowFixture.h"
#include "tests/support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace align::ui;
using flashtool::ui::frmFlashSoft;
using flashtool::ui::frmMain;
using flashtool::ui::frmPartFill;

namespace {

QRect area() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Once the access-code dialog asks, types the button's code into it and
// lets its closing timer fire.
void answerCode(align::CodeButton code) {
    const QString typed = QString::fromStdString(align::CodeOf(code));
    QTimer::singleShot(0, [typed] {
        frmInputCode* d = frmInputCode::existing();
        QVERIFY(d && d->isVisible());
        QTest::keyClicks(d->txtInputCode, typed);
        d->tmrAutoExit_Timer();
    });
}

void clickCoded(QPushButton* button, align::CodeButton code) {
    answerCode(code);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool onScreen(const QWidget& w) {
    return area().contains(w.frameGeometry());
}

// The label lies whole inside its window and the window inside the screen.
bool inSight(const QLabel* label) {
    const QWidget* w = label->window();
    const QRect onWindow(label->mapTo(w, QPoint(0, 0)), label->size());
    return label->isVisible() && w->rect().contains(onWindow) && !label->visibleRegion().isEmpty() &&
           onScreen(*w);
}

// The label's text is shown whole: it fits the label's width, or wraps
// within its height.
bool shownWhole(const QLabel* label) {
    const QRect room = label->contentsRect();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed =
        label->fontMetrics().boundingRect(room, flags | int(label->alignment()), label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// Under xvfb-run with TAVORIN_SCREENSHOT_DIR set: the window in front, as
// the screen shows it, and the whole screen around it.
void shoot(QWidget& w, const QString& name) {
    const QString dir = testsupport::askedScreenshotFolder();
    if (dir.isEmpty() || QGuiApplication::platformName() != QStringLiteral("xcb")) return;
    w.raise();
    QTest::qWait(300);
    testsupport::saveScreenshot(w, dir, name);
    QVERIFY(w.screen()->grabWindow(0).save(dir + "/" + name + "-screen.png"));
}

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
    std::unique_ptr<flashtest::ProgramFlashTools> program;
    std::unique_ptr<QWidget> mainWindow;

  private slots:
    void initTestCase() {
        const QByteArray expected = qgetenv("TAVORIN_TEST_SCREEN");
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        qInfo("screen %dx%d, available %dx%d", screen.width(), screen.height(), area().width(),
              area().height());
        if (!expected.isEmpty())
            QCOMPARE(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()),
                     QString::fromLatin1(expected));
    }

    void init() {
        program = std::make_unique<flashtest::ProgramFlashTools>();
        flashtest::ScribbleImage();
        InstallAlignWindows();
        // The main window at its design size in the middle of the screen, as
        // the program shows it.
        mainWindow = std::make_unique<QWidget>(nullptr, Qt::Window);
        mainWindow->resize(881, 639);
        mainWindow->move(area().center() - QPoint(440, 320));
        mainWindow->show();
        mainWindow->activateWindow();
        // On X without a window manager no window becomes active.
        if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
            QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
    }

    void cleanup() {
        flashtest::CloseFlashWindows();
        for (QWidget* w :
             {static_cast<QWidget*>(frmVitualKey::existing()), static_cast<QWidget*>(frmAdjMore::existing()),
              static_cast<QWidget*>(frmAdjMode::existing())})
            delete w;
        mainWindow.reset();
        program.reset();
    }

    void everyFactoryWindowOpensInsideTheScreenOffsetFromItsOpener() {
        // The channel page's fifth button, with its code.
        answerCode(align::CodeButton::cmdPc4);
        platform::host<channels::AlignmentAccessHost>().OpenAlignmentWindow();
        frmAdjMode* mode = frmAdjMode::existing();
        QVERIFY(mode && QTest::qWaitForWindowExposed(mode));
        QVERIFY(onScreen(*mode));
        QVERIFY(mode->pos() != mainWindow->pos());
        // Expanded with its foot on the screen's, it moves up to stay inside.
        mode->move(mode->x(), area().bottom() + 1 - mode->frameGeometry().height());
        QTest::mouseClick(mode->cmdAdjPwr, Qt::LeftButton);
        QVERIFY(mode->HeightTwips() >= frmAdjMode::kToggleTwips);
        QVERIFY(onScreen(*mode));

        using B = align::CodeButton;
        clickCoded(mode->cmdAdjDevSql, B::cmdAdjDevSql);
        clickCoded(mode->cmdKey, B::cmdKey);
        clickCoded(mode->cmdFlash, B::cmdFlash);
        clickCoded(mode->cmdSoft, B::cmdSoft);
        frmMain* tool = frmMain::existing();
        QVERIFY(tool);
        QTest::mouseClick(tool->cmdPartFill, Qt::LeftButton);
        const std::pair<QWidget*, QWidget*> openedFrom[] = {
            {mode, mainWindow.get()},         {frmAdjMore::existing(), mode},
            {frmVitualKey::existing(), mode}, {tool, mode},
            {frmFlashSoft::existing(), mode}, {frmPartFill::existing(), tool},
        };
        std::vector<QPoint> corners;
        for (auto [window, opener] : openedFrom) {
            QVERIFY(window && QTest::qWaitForWindowExposed(window));
            const QString name = window->objectName();
            qInfo("%s at %d,%d %dx%d", qPrintable(name), window->frameGeometry().x(),
                  window->frameGeometry().y(), window->frameGeometry().width(),
                  window->frameGeometry().height());
            QVERIFY2(onScreen(*window), qPrintable(name));
            QVERIFY2(window->pos() != opener->pos(), qPrintable(name));
            // Not exactly on top of any other window either.
            QVERIFY2(std::find(corners.begin(), corners.end(), window->pos()) == corners.end(),
                     qPrintable(name));
            corners.push_back(window->pos());
            shoot(*window, name);
        }
        // The panels its codes show: it grows to them and stays inside.
        frmAdjMore* more = frmAdjMore::existing();
        const int before = more->height();
        clickCoded(more->cmdSqlPara, B::cmdSqlPara);
        clickCoded(more->cmdRespDevSql, B::cmdRespDevSql);
        QVERIFY(more->fraSqlPara->isVisible() && more->fraRxRespDev->isVisible());
        QVERIFY(more->height() > before);
        QVERIFY(onScreen(*more));
        shoot(*more, QStringLiteral("frmAdjMore-panels"));

        // The memory tool window's status line in sight on every tab.
        for (int tab = 0; tab < tool->sstabCtl->count(); ++tab) {
            QTabBar* tabs = tool->sstabCtl->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
            QCOMPARE(tool->sstabCtl->currentIndex(), tab);
            QVERIFY2(inSight(tool->lblComStatus), qPrintable(QString::number(tab)));
            QVERIFY(inSight(tool->lblFileName));
        }
    }

    // Every text the memory tool window's status line shows, whole, in the
    // window as it opens on this screen: the link's in each language and
    // the tool's own, the longest of each kind.
    void theMemoryToolsStatusShowsEveryTextWhole() {
        auto* tool = qobject_cast<frmMain*>(flashtool::ui::ShowToolWindow(mainWindow.get()));
        QVERIFY(tool && QTest::qWaitForWindowExposed(tool));
        using namespace flashtool;
        std::vector<std::string> said = {
            texts::HexLoaded,
            texts::BadInterval,
            texts::RamListsEmpty,
            texts::CellTooBig,
            texts::CellNotEditable,
            HexError{4001, std::string(texts::UnknownType) + "FF"}.text(),
            HexError{4001, texts::UpperNotZero}.text(),
            HexError{0, texts::FileTooLarge}.text(),
            HexError{0, texts::NoEndRecord}.text(),
        };
        for (int entry : {76, 77, 78, 125, 126, 165, 166, 168, 169, 173, 174, 177})
            for (const app::FaceTextRow& row : app::FaceTextRows())
                if (row.entry == entry)
                    for (const char* text : row.text) said.push_back(std::string(text) + " 100 %");
        for (const std::string& text : said) {
            radiolink::linkState().frmMain.lblComStatus = text;
            tool->ShowState();
            QVERIFY2(inSight(tool->lblComStatus) && shownWhole(tool->lblComStatus), text.c_str());
        }

        // A file that cannot be read, named with its path, through the file button.
        const std::string missing = program->home.path() + "/生产文件/测试模式/这个文件不存在-0123456789.hex";
        program->dialogs.files.push_back(missing);
        QTest::mouseClick(tool->cmdReadDat, Qt::LeftButton);
        QVERIFY(tool->lblComStatus->text().contains(QString::fromStdString(missing)));
        QVERIFY2(inSight(tool->lblComStatus) && shownWhole(tool->lblComStatus),
                 qPrintable(tool->lblComStatus->text()));
        shoot(*tool, QStringLiteral("frmMain-status"));
        // A file loaded from a folder of a long name: the name wraps in its
        // own line instead of widening the window.
        const QSize before = tool->size();
        const std::string folder = "生产文件/测试模式/" + std::string(120, 'x');
        QVERIFY(QDir().mkpath(QString::fromStdString(program->home.file(folder))));
        program->home.write(folder + "/一个很长的文件名-0123456789.hex", ":0100000055AA\r\n:00000001FF\r\n");
        program->dialogs.files.push_back(program->home.file(folder + "/一个很长的文件名-0123456789.hex"));
        QTest::mouseClick(tool->cmdReadDat, Qt::LeftButton);
        QVERIFY2(tool->lblFileName->text().contains(QString::fromStdString(folder)),
                 qPrintable(tool->lblComStatus->text()));
        QTest::qWait(0);
        QCOMPARE(tool->size(), before);
        QVERIFY(inSight(tool->lblFileName) && shownWhole(tool->lblFileName));
    }
};

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
