// The whole program from a fresh start, put together as main() puts it: a
// user reaches every window through the menus, the toolbar, the channel
// window's pages and buttons and the access-code dialog, sees each shown and
// closes it again. Nothing is opened by code.
#include "align/AccessCodes.h"
#include "align/ui/AlignWindows.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmAdjMore.h"
#include "align/ui/frmInputCode.h"
#include "align/ui/frmVitualKey.h"
#include "app/Shell.h"
#include "channels/ChMem.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmChMem.h"
#include "channels/ui/frmCustomFre.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "flashtool/ui/frmPartFill.h"
#include "link/ui/LinkWindows.h"
#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"
#include "model/Model.h"
#include "platform/IniFile.h"
#include "shell/ui/MainMenus.h"
#include "shell/ui/frmAboutSoft.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace {

using shell::mdifrmMain;

// The program as a user first starts it: the shipped files as installed
// (FirRun 1), the production folders in a home of its own, every serial port
// leading to no device, and the window libraries registered as main() does.
struct Program {
    testsupport::TempHome home;
    std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    testsupport::ScriptedDialogs dialogs;
    testsupport::ErrorLog errors;

    Program() {
        ::setenv("HOME", home.path().c_str(), 1);
        app::ResetShell();
        model::ResetModel();
        channels::ResetChMem();
        align::ResetAlign();
        for (const char* f : {"tavorin.def", "zezirev.def", "DefRadioSet.def"}) home.copyShipped(f);
        for (int n = 1; n <= 16; ++n)
            platform::IniFile::write(home.file("tavorin.def"), "Ports", std::to_string(n),
                                     home.file("no-port"));
        channels::InstallChannelWindow();
        radiolink::ui::InstallLinkWindows();
        align::ui::InstallAlignWindows();
        flashtool::ui::InstallFlashTools();
    }
    ~Program() {
        mdifrmMain::destroyInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ::setenv("HOME", previousHome.c_str(), 1);
    }

    mdifrmMain& start() {
        const bool started = shell::StartProgram();
        if (!started) throw std::runtime_error("the program did not start");
        shell::frmSplash* splash = shell::frmSplash::existing();
        if (!splash || !splash->isVisible()) throw std::runtime_error("no splash");
        if (!QTest::qWaitFor([] { return !shell::frmSplash::existing(); }, 10000))
            throw std::runtime_error("the splash stayed");
        return mdifrmMain::instance();
    }
};

// The windows the tour saw shown, by form name.
std::set<std::string> g_seen;

void sawShown(QWidget* w) {
    QVERIFY(w);
    QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    g_seen.insert(w->objectName().toStdString());
}

// Brings the page holding `w` to the front in every tab control around it,
// outermost first, as a user clicks the tabs.
void bringToFront(QWidget* w) {
    std::vector<QTabWidget*> outward;
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p)) outward.push_back(tabs);
    for (auto it = outward.rbegin(); it != outward.rend(); ++it) {
        QTabWidget* tabs = *it;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i) != w && !tabs->widget(i)->isAncestorOf(w)) continue;
            QVERIFY(tabs->tabBar()->isVisible());
            if (tabs->currentIndex() != i)
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
            QCOMPARE(tabs->currentIndex(), i);
        }
    }
}

// A click on a button the user can see.
void press(QAbstractButton* button) {
    bringToFront(button);
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(button->objectName() + button->text()));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs `open`, which shows a modal window; once it is up, checks that it is
// a T, runs `inside` and leaves it with `close`, as the user does.
template <class T>
void modal(const std::function<void()>& open, const std::function<void(T&)>& close,
           const std::function<void(T&)>& inside = {}) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (w && w->isVisible()) {
            shown = true;
            sawShown(w);
            if (inside) inside(*w);
            close(*w);
        }
        // Whatever went wrong, the test goes on.
        if (QWidget* left = QApplication::activeModalWidget()) left->close();
    });
    open();
    QVERIFY2(shown, T::staticMetaObject.className());
}

// Once the access-code dialog asks, checks it and types `code` into it as a
// user does; the dialog then closes itself a second after the last key.
void answerCode(const std::string& code) {
    QTimer::singleShot(0, [code] {
        align::ui::frmInputCode* d = align::ui::frmInputCode::existing();
        QVERIFY(d);
        sawShown(d);
        QTest::keyClicks(d->txtInputCode, QString::fromStdString(code));
    });
}

void pressWithCode(QAbstractButton* button, const std::string& code) {
    answerCode(code);
    press(button);
    QCOMPARE(align::ui::frmInputCode::existing(), nullptr);
}

// Chooses a menu item that stands in shown menus, as the user does.
void choose(mdifrmMain& m, const char* item) {
    QAction* a = m.action(QString::fromLatin1(item));
    QVERIFY2(a && a->isVisible() && a->isEnabled(), item);
    for (int i = 0; i < shell::kMenuEntryCount; ++i) {
        const shell::MenuEntry& e = shell::kMenuEntries[i];
        if (std::string(e.name) != item) continue;
        for (const char* parent = e.parent; parent;) {
            QVERIFY2(m.menu(QString::fromLatin1(parent))->menuAction()->isVisible(), parent);
            const char* up = nullptr;
            for (int j = 0; j < shell::kMenuEntryCount; ++j)
                if (std::string(shell::kMenuEntries[j].name) == parent) up = shell::kMenuEntries[j].parent;
            parent = up;
        }
    }
    a->trigger();
}

// A click on a toolbar button.
void click(mdifrmMain& m, const char* key) {
    QAction* a = m.button(QString::fromLatin1(key));
    QVERIFY2(a && a->isVisible(), key);
    QWidget* b = m.tlbMdiFrmMain->widgetForAction(a);
    QVERIFY2(b && b->isVisible(), key);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Chooses a list's entry with the keyboard in its open list.
void chooseEntry(QComboBox* list, int index) {
    bringToFront(list);
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

template <class W> void closeWindow(W* w) {
    QVERIFY(w);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!W::existing() || !W::existing()->isVisible());
}

} // namespace

class ProgramWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void aUserReachesEveryWindowThroughMenusAndButtons() {
        using namespace align::ui;
        using align::codes::kAlignment;
        Program program;
        g_seen.clear();
        mdifrmMain& main = program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        sawShown(&main);

        // The channel window and its five pages.
        auto* chMem = dynamic_cast<channels::frmChMem*>(main.channelWindow());
        QVERIFY(chMem);
        sawShown(chMem);
        for (int page = 4; page >= 0; --page) {
            bringToFront(chMem->fraSysSet[page]);
            QVERIFY(chMem->fraSysSet[page]->isVisible());
        }

        // The custom band dialog: the band list's last entry.
        channels::ChannelPage& channelPage = chMem->channelPage();
        QComboBox* bands = channelPage.cboFrequency;
        const int band = bands->currentIndex();
        modal<channels::frmCustomFre>([&] { chooseEntry(bands, bands->count() - 1); },
                                      [](channels::frmCustomFre& d) { press(d.cmdCancel); });
        QCOMPARE(bands->currentIndex(), band);

        // The read/write dialog, both ways, and the port dialog from the menu
        // and the toolbar.
        auto escape = [](radiolink::ui::frmCommun& d) { QTest::keyClick(&d, Qt::Key_Escape); };
        modal<radiolink::ui::frmCommun>([&] { choose(main, "mnuReadFre"); }, escape,
                                        [](radiolink::ui::frmCommun& d) { QVERIFY(d.cmdRead->isVisible()); });
        modal<radiolink::ui::frmCommun>(
            [&] { click(main, "Write"); }, escape,
            [](radiolink::ui::frmCommun& d) { QVERIFY(d.cmdWrite->isVisible()); });
        auto cancelPort = [](radiolink::ui::frmToolCom& d) { press(d.cmdCancel); };
        modal<radiolink::ui::frmToolCom>([&] { choose(main, "mnuCommunicate"); }, cancelPort);
        modal<radiolink::ui::frmToolCom>([&] { click(main, "Com"); }, cancelPort);
        modal<shell::frmAboutSoft>([&] { choose(main, "mnuAboutSoft"); },
                                   [](shell::frmAboutSoft& d) { press(d.cmdOk); });

        // The alignment window: the channel page's fifth button and its code.
        pressWithCode(channelPage.cmdPc[4], kAlignment);
        frmAdjMode* adjMode = frmAdjMode::existing();
        sawShown(adjMode);
        modal<radiolink::ui::frmToolCom>([&] { press(adjMode->cmdPort); }, cancelPort);

        pressWithCode(adjMode->cmdKey, std::string(kAlignment) + "key");
        sawShown(frmVitualKey::existing());
        closeWindow(frmVitualKey::existing());

        // The register window, its three tabs and its coded panels.
        pressWithCode(adjMode->cmdAdjDevSql, kAlignment);
        frmAdjMore* adjMore = frmAdjMore::existing();
        sawShown(adjMore);
        for (int tab = 0; tab < adjMore->sstabAdjMore->count(); ++tab) {
            bringToFront(adjMore->sstabAdjMore->widget(tab));
            QVERIFY(adjMore->sstabAdjMore->widget(tab)->isVisible());
        }
        pressWithCode(adjMore->cmdSqlPara, align::codes::kSqlPara);
        pressWithCode(adjMore->cmdRespDevSql, align::codes::kRespDevSql);
        pressWithCode(adjMore->cmdMenuAdjust, std::string(kAlignment) + align::codes::kMenuWord);
        for (QGroupBox* panel : {adjMore->fraSqlPara, adjMore->fraRxRespDev, adjMore->fraReg34H,
                                 adjMore->fraReg65H, adjMore->fraAdjMenu}) {
            bringToFront(panel);
            QVERIFY2(panel->isVisible(), qPrintable(panel->objectName()));
        }
        closeWindow(adjMore);

        // The memory tool window, its part fill and its port dialog.
        pressWithCode(adjMode->cmdFlash, std::string(kAlignment) + align::codes::kFlashWord);
        flashtool::ui::frmMain* tool = flashtool::ui::frmMain::existing();
        sawShown(tool);
        modal<radiolink::ui::frmToolCom>([&] { press(tool->cmdPort); }, cancelPort);
        press(tool->cmdPartFill);
        sawShown(flashtool::ui::frmPartFill::existing());
        closeWindow(flashtool::ui::frmPartFill::existing());
        closeWindow(tool);

        // The firmware window.
        pressWithCode(adjMode->cmdSoft, std::string(kAlignment) + align::codes::kSoftWord);
        sawShown(flashtool::ui::frmFlashSoft::existing());
        closeWindow(flashtool::ui::frmFlashSoft::existing());

        closeWindow(adjMode);
        QVERIFY(main.isVisible());
        std::string reported;
        for (const std::string& tag : program.errors.tags) reported += tag + " ";
        QVERIFY2(reported.empty(), reported.c_str());
        QVERIFY(program.dialogs.asked.empty());

        const std::set<std::string> every{"mdifrmMain",   "frmChMem",     "frmCustomFre", "frmCommun",
                                          "frmToolCom",   "frmAboutSoft", "frmInputCode", "frmAdjMode",
                                          "frmVitualKey", "frmAdjMore",   "frmMain",      "frmPartFill",
                                          "frmFlashSoft"};
        QCOMPARE(g_seen, every);
        // Each window a user reaches has its help page in every language.
        const std::filesystem::path bin = TAVORIN_BUILD_BIN;
        for (const std::string& window : g_seen)
            for (const char* lang : {"chs", "cht", "eng"})
                QVERIFY2(std::filesystem::is_regular_file(bin / lang / (window + ".html")),
                         (std::string(lang) + "/" + window).c_str());
    }

    // Two windows of the design have no road a user can take: the volume
    // dialog's button lies on the never-shown holder, and the notice window's
    // item on a hidden menu. They stay unreached.
    void theVolumeDialogAndTheNoticeWindowHaveNoRoad() {
        Program program;
        mdifrmMain& main = program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto* chMem = dynamic_cast<channels::frmChMem*>(main.channelWindow());
        QVERIFY(chMem);
        QPushButton* volume = chMem->settings().cmdPc[3];
        QVERIFY(volume);
        for (int page = 0; page < chMem->sstabSetMode->count(); ++page) {
            QTest::mouseClick(chMem->sstabSetMode->tabBar(), Qt::LeftButton, {},
                              chMem->sstabSetMode->tabBar()->tabRect(page).center());
            QVERIFY(!volume->isVisible());
        }
        QVERIFY(!main.menu(QStringLiteral("mnuView"))->menuAction()->isVisible());
        QVERIFY(!main.action(QStringLiteral("mnuShowErr"))->isVisible());
    }
};

QTEST_MAIN(ProgramWindowsTest)
#include "ProgramWindowsTest.moc"
