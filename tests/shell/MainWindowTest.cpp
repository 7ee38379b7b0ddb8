// The main window's menus, toolbar, status panels, exit, help, language
// switch, lock and About box, on the offscreen platform.
#include "app/DataFile.h"
#include "app/FaceText.h"
#include "app/Reasons.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/ui/FaceFont.h"
#include "link/Engine.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "platform/Desktop.h"
#include "platform/IniFile.h"
#include "platform/ui/QtDialogs.h"
#include "shell/ShellTexts.h"
#include "shell/SoftInit.h"
#include "shell/Startup.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/frmAboutSoft.h"
#include "shell/ui/frmShowErr.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/shell/FileDialogTyping.h"
#include "tests/shell/LanguageDialogs.h"
#include "tests/support/ChannelStandIn.h"
#include "tests/support/FreshStart.h"
#include "tests/support/LanguageRows.h"
#include "tests/support/TempHome.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <sys/stat.h>

using namespace app;
using namespace shell;
using platform::AnswerNo;
using platform::AnswerYes;
using testsupport::ChannelStandIn;

namespace {

// Captions the main window takes from the text table: control, entry.
const std::pair<const char*, int> kMenuCaptions[] = {
    {"mnuFile", 20},        {"mnuFileNew", 21},     {"mnuFileOpen", 22},     {"mnuFileSave", 23},
    {"mnuFileSaveAs", 24},  {"mnuPrintFile", 43},   {"mnuExit", 25},         {"mnuProgram", 26},
    {"mnuReadFre", 27},     {"mnuWriteFre", 28},    {"mnuReadWriteFre", 48}, {"mnuAddFre", 44},
    {"mnuTestMode", 40},    {"mnuTestFre", 41},     {"mnuBatchTestVal", 42}, {"mnuOption", 29},
    {"mnuModel", 39},       {"mnuFunc", 30},        {"mnuDtmf", 45},         {"mnuKeySet", 46},
    {"mnuMcuVer", 49},      {"mnuChLock", 47},      {"mnuSet", 31},          {"mnuLockFace", 58},
    {"mnuCommunicate", 32}, {"mnuLangSetting", 33}, {"mnuLangSel0", 34},     {"mnuLangSel1", 57},
    {"mnuLangSel2", 35},    {"mnuHelp", 36},        {"mnuHelpTopic", 37},    {"mnuAboutSoft", 38}};

// Toolbar position, key, caption entry.
struct Button {
    int position;
    const char* key;
    int text;
};
const Button kButtons[] = {{2, "FileNew", 0}, {4, "FileOpen", 1}, {5, "FileSave", 2},
                           {7, "Read", 3},    {8, "Write", 4},    {10, "Com", 5},
                           {12, "Print", 8},  {14, "Help", 6},    {16, "Exit", 7}};

// Counts the commits of a pending tone edit.
struct CountingChannel : ChannelStandIn {
    int commits = 0;
    void cboGridChCtdcs_LostFocus() override { ++commits; }
};

// A channel window whose grid holds an edit not yet in the table: channel 1
// typed as 435.12500 MHz, which only the commit puts into the table.
struct PendingEditChannel : ChannelStandIn {
    int commits = 0;
    void cboGridChCtdcs_LostFocus() override {
        ++commits;
        model::ModelState& m = model::state();
        m.ChInfo[1][0] = 1;
        m.ChInfo[1][1] = m.ChInfo[1][2] = 43512500;
    }
};
struct PendingEditChannels : shell::ChannelWindowHost {
    shell::ChannelWindowSlot* MakeChannelWindow() override { return ch = new PendingEditChannel; }
    PendingEditChannel* ch = nullptr;
};
// Channel 1's receive frequency as the image holds it: 435.12500 MHz is 00 25 51 43.
const std::uint8_t kTypedChannel[4] = {0x00, 0x25, 0x51, 0x43};

// A user's way to a menu item: a click on the menu bar's menu, on each
// submenu in turn, then on the item.
void clickMenuItem(mdifrmMain& w, const QStringList& menus, const QString& item) {
    QMenu* open = w.menu(menus.first());
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {},
                      w.menuBar()->actionGeometry(open->menuAction()).center());
    QVERIFY(QTest::qWaitFor([open] { return open->isVisible(); }));
    for (int i = 1; i < menus.size(); ++i) {
        QMenu* sub = w.menu(menus[i]);
        QTest::mouseClick(open, Qt::LeftButton, {}, open->actionGeometry(sub->menuAction()).center());
        QVERIFY(QTest::qWaitFor([sub] { return sub->isVisible(); }));
        open = sub;
    }
    QTest::mouseClick(open, Qt::LeftButton, {}, open->actionGeometry(w.action(item)).center());
}

// What a real message box showed.
struct Shown {
    QString text;
    QStringList buttons;
};

// Answers every message box that comes up while it lives, with the button
// `choose` picks, and remembers what each showed.
struct BoxAnswerer {
    explicit BoxAnswerer(std::function<QMessageBox::StandardButton(const QMessageBox&)> choose)
        : choose_(std::move(choose)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    std::vector<Shown> seen;

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == last_) return;
        last_ = box;
        Shown s{box->text(), {}};
        for (QAbstractButton* b : box->buttons()) s.buttons << b->text();
        seen.push_back(s);
        QAbstractButton* b = box->button(choose_(*box));
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    std::function<QMessageBox::StandardButton(const QMessageBox&)> choose_;
    QPointer<QMessageBox> last_;
    QTimer timer_;
};

QStringList visibleItems(QMenu* m) {
    QStringList out;
    for (QAction* a : m->actions())
        if (a->isVisible()) out << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return out;
}

// The page the help window shows, when it is shown.
QString helpShown() {
    HelpWindow* help = HelpWindow::existing();
    return help && help->isVisible() ? help->txtPage->source().toLocalFile() : QString();
}

} // namespace

// The desktop: documents opened and restarts, the restart failing on request.
struct Desktop : platform::Desktop {
    bool OpenDocument(const std::string& path) override {
        opened << QString::fromStdString(path);
        return true;
    }
    bool RestartProgram() override {
        ++restarts;
        return restartWorks;
    }
    QStringList opened;
    int restarts = 0;
    bool restartWorks = true;
    platform::Host<platform::Desktop>::Scoped registered{*this};
};

// The read/write dialog of the main window's roads.
struct Roads : shell::LinkWindowsHost {
    void ShowCommunDialog(QWidget* owner, bool write) override { commun(owner, write); }
    std::function<void(QWidget*, bool)> commun;
    platform::Host<shell::LinkWindowsHost>::Scoped registered{*this};
};

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::FreshStart> fresh;
    const testsupport::TempHome* home = nullptr;
    std::unique_ptr<shelltest::LanguageDialogs> dialogs;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<testsupport::StandInChannelWindows> channelWindows;
    std::unique_ptr<mdifrmMain> w;

    void language(int lang) {
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        InitFaceText();
        w->CheckLanguage(lang);
        w->SetSoftFace();
    }
    std::string stored(const char* section, const char* key) {
        return platform::IniFile::lookup(SettingsFile(), section, key).value_or("<none>");
    }
    ChannelStandIn& channel() { return dynamic_cast<ChannelStandIn&>(*w->touchChannelWindow()); }
    // The window as the program opens it, its channel window holding the
    // default image and an edit not yet committed.
    PendingEditChannel& openWithPendingEdit(PendingEditChannels& channels) {
        {
            platform::Host<shell::ChannelWindowHost>::Scoped registered(channels);
            w->touchChannelWindow();
        }
        home->copyShipped("zezirev.def");
        platform::makeFolder(home->file("Data"));
        channels.ch->InitChMem();
        w->resize(881, 639); // 13215 x 9590 twips, as start-up sizes it
        w->show();
        return *channels.ch;
    }

  private slots:
    void init() {
        platform::installQtTranslations(3);
        fresh = std::make_unique<testsupport::FreshStart>();
        home = &fresh->home;
        dialogs = std::make_unique<shelltest::LanguageDialogs>();
        channelWindows = std::make_unique<testsupport::StandInChannelWindows>();
        app::shell().SettingsFile = home->file("tavorin.def");
        app::shell().CurFilePath = home->file("Data/Untitled.LDat");
        desktop = std::make_unique<Desktop>();
        w = std::make_unique<mdifrmMain>();
        language(3);
    }
    void cleanup() {
        w.reset();
        desktop.reset();
        channelWindows.reset();
        dialogs.reset();
        fresh.reset();
    }

    void captionsComeFromTheTextTable_data() { testsupport::languageRows(); }
    void captionsComeFromTheTextTable() {
        QFETCH(int, lang);
        language(lang);
        for (const auto& [name, entry] : kMenuCaptions) {
            QVERIFY2(!face(entry).isEmpty(), name);
            QCOMPARE(w->action(QString::fromLatin1(name))->text(), face(entry));
        }
        for (const Button& b : kButtons) {
            QAction* a = w->toolbarEntry(b.position);
            QCOMPARE(a, w->button(QString::fromLatin1(b.key)));
            QVERIFY(!face(b.text).isEmpty());
            QCOMPARE(a->text(), face(b.text));
        }
        QCOMPARE(w->windowTitle(), face(16));
        QCOMPARE(w->panelText(1), face(94));
        QCOMPARE(w->panelText(2), QStringLiteral("COM1"));
        QCOMPARE(w->panelText(3), face(85) + QString::fromStdString(app::shell().CurFilePath));
        QCOMPARE(w->action("mnuLangSel2")->text(),
                 lang == 3 ? QStringLiteral("&English") : QStringLiteral("English(&E)"));
    }

    void onlyTheDesignedItemsCanBeReached() {
        QStringList bar;
        for (QAction* a : w->menuBar()->actions())
            if (a->isVisible()) bar << a->objectName();
        QCOMPARE(bar, (QStringList{"mnuFile", "mnuProgram", "mnuSet", "mnuHelp"}));
        QCOMPARE(visibleItems(w->menu("mnuFile")),
                 (QStringList{"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "-", "mnuExit"}));
        QCOMPARE(visibleItems(w->menu("mnuProgram")), (QStringList{"mnuReadFre", "mnuWriteFre"}));
        QCOMPARE(visibleItems(w->menu("mnuSet")),
                 (QStringList{"mnuCommunicate", "-", "mnuLockFace", "-", "mnuLangSetting"}));
        QCOMPARE(visibleItems(w->menu("mnuLangSetting")),
                 (QStringList{"mnuLangSel0", "mnuLangSel2", "mnuLangSel1"}));
        QCOMPARE(visibleItems(w->menu("mnuHelp")), (QStringList{"mnuHelpTopic", "-", "mnuAboutSoft"}));
        QCOMPARE(w->action("mnuHelpTopic")->shortcut(), QKeySequence("F1"));
        QCOMPARE(w->action("mnuFileNew")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(w->action("mnuReadFre")->shortcut(), QKeySequence("Ctrl+R"));
        QCOMPARE(w->action("mnuChLock")->shortcut(), QKeySequence("Ctrl+L"));

        // The shortcuts of hidden items do nothing.
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        QSignalSpy newFile(w->action("mnuFileNew"), &QAction::triggered);
        QTest::keyClick(w.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(newFile.count(), 1); // a visible item's shortcut works
        QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(!w->action("mnuChLock")->isChecked());
        QCOMPARE(app::shell().FaceLockState, std::string("ShowNo"));
        home->copyShipped("EngHelp.html");
        QTest::keyClick(w.get(), Qt::Key_F1); // the help item's key works
        QCOMPARE(helpShown(), QString::fromStdString(home->file("EngHelp.html")));
    }

    void toolbarDispatchesOnTheKey() {
        for (int position = 1; position <= 16; ++position) {
            QAction* a = w->toolbarEntry(position);
            QVERIFY(a);
            bool isButton = false;
            for (const Button& b : kButtons) isButton |= b.position == position;
            QCOMPARE(a->isSeparator(), !isButton);
        }
        home->write("EngHelp.html", "help");
        w->tlbMdiFrmMain_ButtonClick("Print");
        w->tlbMdiFrmMain_ButtonClick("help"); // keys are matched with their case
        w->tlbMdiFrmMain_ButtonClick("");
        QVERIFY(!HelpWindow::existing());
        QVERIFY(dialogs->asked.empty());
        w->button("Help")->trigger();
        QCOMPARE(helpShown(), QString::fromStdString(home->file("EngHelp.html")));
        w->show();
        w->button("Exit")->trigger(); // answered No
        QCOMPARE(dialogs->asked.size(), std::size_t(1));
        QVERIFY(w->isVisible());
    }

    void exitAsksAndNoKeepsEverything() {
        w->show();
        frmShowErr::instance(*w).show();
        dialogs->answers = {AnswerNo};
        w->action("mnuExit")->trigger();
        QCOMPARE(dialogs->asked.size(), std::size_t(1));
        QCOMPARE(dialogs->asked[0].text, app::text(kTextExitQuestion));
        QCOMPARE(dialogs->asked[0].title, app::text(kTextNotice));
        QCOMPARE(dialogs->asked[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(dialogs->asked[0].icon, platform::Icon::Question);
        QVERIFY(w->isVisible());
        QVERIFY(frmShowErr::instance(*w).isVisible());
        QCOMPARE(app::shell().AppClosing, std::int16_t(0));
        QCOMPARE(app::shell().ExitAnswer, std::int16_t(AnswerNo));
    }

    void exitYesUnloadsEveryWindow() {
        w->show();
        w->touchChannelWindow();
        frmShowErr::instance(*w).show();
        dialogs->answers = {AnswerYes};
        QVERIFY(w->close());
        QCOMPARE(app::shell().AppClosing, std::int16_t(1));
        QVERIFY(!w->isVisible());
        QVERIFY(!frmShowErr::instance(*w).isVisible());
    }

    void noCloseAndNoLanguageSwitchWhileTheLinkRuns() {
        w->show();
        radiolink::linkState().ComBusy = -1;
        app::shell().NoExitAsk = -1; // not even the close after a language change
        QVERIFY(!w->close());
        w->action("mnuLangSel0")->trigger();
        radiolink::linkState().ComBusy = 0;
        QVERIFY(w->isVisible());
        QCOMPARE(app::shell().AppClosing, std::int16_t(0));
        QCOMPARE(desktop->restarts, 0);
        QCOMPARE(app::shell().LangIndex, std::int16_t(3));
        QVERIFY(w->action("mnuLangSel2")->isChecked());
        QVERIFY(!w->action("mnuLangSel0")->isChecked());
        QCOMPARE(stored("Setting", "Language"), std::string("<none>"));
        QCOMPARE(dialogs->asked.size(), std::size_t(2));
        for (const auto& asked : dialogs->asked) {
            QCOMPARE(asked.text, std::string("Communicating,wait a minute"));
            QCOMPARE(asked.buttons, platform::Buttons::Ok);
        }
        QVERIFY(w->close()); // once the link is done
    }

    void noCloseWhileAConnectWaitsOnThePortDialog() {
        w->show();
        app::shell().NoExitAsk = -1;
        {
            radiolink::LinkSession held(radiolink::linkState()); // ComBusy stays 0
            QVERIFY(!w->close());
        }
        QVERIFY(w->isVisible());
        QVERIFY(w->close());
    }

    void exitWithoutQuestionAfterALanguageChange() {
        w->show();
        app::shell().NoExitAsk = -1;
        QVERIFY(w->close());
        QVERIFY(dialogs->asked.empty());
        QCOMPARE(app::shell().AppClosing, std::int16_t(1));
    }

    void commandsCommitAPendingToneEditOnlyBeforeTheyEncode() {
        struct Counting : shell::ChannelWindowHost {
            shell::ChannelWindowSlot* MakeChannelWindow() override { return ch = new CountingChannel; }
            CountingChannel* ch = nullptr;
        } counting;
        {
            platform::Host<shell::ChannelWindowHost>::Scoped registered(counting);
            w->touchChannelWindow();
        }
        CountingChannel* ch = counting.ch;
        std::vector<std::pair<int, int>> roads; // (read = 0 / write = 1) as the dialog saw them
        Roads dialog;
        dialog.commun = [&](QWidget* owner, bool write) {
            QCOMPARE(owner, w.get());
            QCOMPARE(radiolink::linkState().ComStop, std::int16_t(0));
            roads.push_back({write, ch->commits});
            radiolink::linkState().ComStop = -1;
        };
        struct Step {
            const char* item;
            int commits;      // after the command
            const char* text; // the question it asks, or nullptr
        } steps[] = {{"mnuFileNew", 0, "All data will be cleared,continue?"},
                     {"mnuFileOpen", 0, nullptr},
                     {"mnuReadFre", 0, nullptr},
                     {"mnuFileSave", 1, "TempData has changed,Do you want to save it now?"},
                     {"mnuFileSaveAs", 2, nullptr},
                     {"mnuWriteFre", 3, nullptr}};
        for (const Step& step : steps) {
            dialogs->asked.clear();
            w->action(step.item)->trigger();
            QCOMPARE(ch->commits, step.commits);
            QCOMPARE(dialogs->asked.size(), std::size_t(step.text ? 1 : 0));
            if (step.text) QCOMPARE(dialogs->asked[0].text, std::string(step.text));
        }
        // Open and Save As asked for a file, Save As for a .LDat one.
        QCOMPARE(dialogs->fileRequests.size(), std::size_t(2));
        QCOMPARE(dialogs->fileRequests[1].defaultExt, std::string("LDat"));
        QCOMPARE(roads, (std::vector<std::pair<int, int>>{{0, 0}, {1, 3}}));
        w->button("Write")->trigger();
        w->button("FileSave")->trigger();
        QCOMPARE(ch->commits, 5);
    }

    void statusPanelsJoinWithoutBlank() {
        app::shell().CurFilePath = "/x/Data/a.LDat";
        w->ShowFilePanel();
        QCOMPARE(w->panelText(3), QStringLiteral("File Name:/x/Data/a.LDat"));
        w->PortRoad(); // no port dialog yet: the panel is written all the same
        QCOMPARE(w->panelText(2), QStringLiteral("COM1"));
    }

    void helpOpensTheFileOfTheLanguage_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("file");
        QTest::newRow("1") << 1 << "ChsHelp.html";
        QTest::newRow("2") << 2 << "ChtHelp.html";
        QTest::newRow("3") << 3 << "EngHelp.html";
        QTest::newRow("0") << 0 << "EngHelp.html";
        QTest::newRow("7") << 7 << "EngHelp.html";
    }
    // From the Help menu and the toolbar, the shipped index of the language
    // in the program's own help window, never through the desktop.
    void helpOpensTheFileOfTheLanguage() {
        QFETCH(int, lang);
        QFETCH(QString, file);
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        const QString index = QString::fromStdString(home->file(file.toStdString()));
        w->Help(); // no file beside the program: the window says so
        QCOMPARE(helpShown(), index);
        QVERIFY(HelpWindow::existing()->txtPage->toPlainText().contains(index));
        HelpWindow::existing()->close();
        home->copyShipped(file.toStdString());
        w->action("mnuHelpTopic")->trigger();
        QCOMPARE(helpShown(), index);
        QVERIFY(!HelpWindow::existing()->txtPage->toPlainText().contains(index));
        HelpWindow::existing()->close();
        w->button("Help")->trigger();
        QCOMPARE(helpShown(), index);
        QVERIFY(app::shell().LangIndex >= 1 && app::shell().LangIndex <= 3);
        QVERIFY(desktop->opened.isEmpty());
        QVERIFY(dialogs->asked.empty());
    }

    void lockOnAndOff() {
        ChannelStandIn& ch = channel();
        w->action("mnuLockFace")->trigger();
        QVERIFY(w->action("mnuLockFace")->isChecked());
        QVERIFY(w->action("mnuChLock")->isChecked());
        QCOMPARE(app::shell().FaceLockState, std::string("ShowLock"));
        QCOMPARE(w->panelText(1), face(116));
        QVERIFY(w->tmrChLockBlink.isActive());
        QCOMPARE(ch.selectionColor, ch.ChGridBackColor());
        QVERIFY(!ch.framesEnabled);
        QCOMPARE(stored("Setting", "ChannelLock"), std::string("ShowLock"));

        w->action("mnuLockFace")->trigger();
        QVERIFY(!w->action("mnuLockFace")->isChecked());
        QVERIFY(!w->action("mnuChLock")->isChecked());
        QCOMPARE(app::shell().FaceLockState, std::string("ShowNo"));
        QCOMPARE(w->panelText(1), face(94));
        QVERIFY(!w->tmrChLockBlink.isActive());
        QCOMPARE(ch.selectionColor, ch.ChGridSelColor());
        QVERIFY(ch.framesEnabled);
        QCOMPARE(stored("Setting", "ChannelLock"), std::string("ShowNo"));
        QVERIFY(dialogs->asked.empty());
    }

    void lockNoticeBlinksAroundOtherTexts() {
        // While the lock is off neither timer writes the panel.
        w->setPanelText(1, face(94));
        w->tmrChLock_Timer();
        w->tmrChLockBlink_Timer();
        QCOMPARE(w->panelText(1), face(94));

        w->action("mnuLockFace")->trigger(); // BlinkCount stays at its phase 0
        QCOMPARE(app::shell().BlinkCount, std::int16_t(0));
        w->tmrChLockBlink_Timer();
        QCOMPARE(w->panelText(1), face(116));
        w->tmrChLockBlink_Timer();
        QCOMPARE(w->panelText(1), face(94));
        w->setPanelText(1, QStringLiteral("Reading..."));
        w->tmrChLockBlink_Timer();
        QCOMPARE(w->panelText(1), QStringLiteral("Reading..."));
        w->setPanelText(1, QString());
        w->tmrChLockBlink_Timer();
        QCOMPARE(w->panelText(1), face(94));
        // The 30 s tick brings the notice back when the panel reads "Ready".
        w->tmrChLockBlink.stop();
        w->tmrChLock_Timer();
        QCOMPARE(w->panelText(1), face(116));
        QVERIFY(w->tmrChLockBlink.isActive());
        QVERIFY(w->tmrChLock.isActive());
        QCOMPARE(w->tmrChLock.interval(), 30000);
        QCOMPARE(w->tmrChLockBlink.interval(), 2000);
    }

    void lockThatCannotBeStoredIsToldOnce() {
        home->write("tavorin.def", "[Setting]\nChannelLock=ShowNo\n");
        ::chmod(SettingsFile().c_str(), 0444);
        w->action("mnuLockFace")->trigger();
        w->action("mnuLockFace")->trigger();
        w->action("mnuLockFace")->trigger();
        QCOMPARE(dialogs->asked.size(), std::size_t(1));
        QCOMPARE(dialogs->asked[0].icon, platform::Icon::Exclamation);
        QCOMPARE(app::shell().FaceLockState, std::string("ShowLock")); // the running program keeps it
        QCOMPARE(stored("Setting", "ChannelLock"), std::string("ShowNo"));
    }

    void choosingTheLanguageInUseDoesNothing() {
        language(3);
        w->action("mnuLangSel2")->trigger();
        QVERIFY(w->action("mnuLangSel2")->isChecked());
        QVERIFY(!w->action("mnuLangSel0")->isChecked());
        QVERIFY(dialogs->asked.empty());
        QCOMPARE(desktop->restarts, 0);
        QCOMPARE(stored("Setting", "Language"), std::string("<none>"));
    }

    void languageSwitchStoresRestartsAndCloses_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("to");
        QTest::newRow("English to Simplified") << 3 << "mnuLangSel0" << 1;
        QTest::newRow("English to Traditional") << 3 << "mnuLangSel1" << 2;
        QTest::newRow("Simplified to English") << 1 << "mnuLangSel2" << 3;
    }
    void languageSwitchStoresRestartsAndCloses() {
        QFETCH(int, from);
        QFETCH(QString, item);
        QFETCH(int, to);
        language(from);
        w->show();
        w->action(item)->trigger(); // the Save question answered No
        QCOMPARE(stored("Setting", "Language"), std::to_string(to));
        QCOMPARE(dialogs->asked.size(), std::size_t(2)); // no exit question
        QCOMPARE(dialogs->asked[0].text, app::text(kTextSaveQuestion));
        QCOMPARE(dialogs->asked[0].title, app::text(kTextNotice));
        QCOMPARE(dialogs->asked[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(dialogs->asked[0].icon, platform::Icon::Question);
        QCOMPARE(dialogs->asked[1].text,
                 std::string("Language has changed, you need to restart the software."));
        QCOMPARE(dialogs->asked[1].title, std::string("Message"));
        QCOMPARE(dialogs->asked[1].buttons, platform::Buttons::Ok);
        QCOMPARE(dialogs->asked[1].icon, platform::Icon::Question);
        // The question speaks the running language, the notice English.
        QCOMPARE(dialogs->buttonLanguages, (std::vector<int>{0, 3}));
        QCOMPARE(desktop->restarts, 1);
        QCOMPARE(app::shell().LangIndex, std::int16_t(to));
        QCOMPARE(app::shell().NoExitAsk, std::int16_t(-1));
        QVERIFY(!w->isVisible());
        QCOMPARE(w->windowTitle(), face(16)); // the running table keeps its language
    }

    void failedRestartKeepsTheProgramOpen() {
        desktop->restartWorks = false;
        w->show();
        w->action("mnuLangSel0")->trigger();
        QCOMPARE(desktop->restarts, 1);
        QCOMPARE(dialogs->asked.size(), std::size_t(3)); // the Save question, the notice, the failure
        // The failure speaks the new language, title and button alike.
        QCOMPARE(dialogs->asked[2].text, app::text(TextKey::RestartFailed, 1));
        QCOMPARE(dialogs->asked[2].title, std::string("提示"));
        QCOMPARE(dialogs->buttonLanguages[2], 1);
        QVERIFY(w->isVisible());
        QCOMPARE(app::shell().NoExitAsk, std::int16_t(0));
        QCOMPARE(stored("Setting", "Language"), std::string("1")); // taken at the next start
        QVERIFY(w->action("mnuLangSel0")->isChecked());
    }

    // A refusal noted in English at start-up is told again after a switch
    // to Traditional Chinese: worded then, the whole notice in the new language.
    void languageThatCannotBeStoredSwitchesNothing() {
        home->write("tavorin.def", "[Setting]\nLanguage=3\n");
        ::chmod(SettingsFile().c_str(), 0444);
        ResetAutoUpdate(app::shell()); // start-up's write, refused
        TellRefusedSettingsOnce(app::shell());
        QCOMPARE(dialogs->asked.size(), std::size_t(1));
        const std::string readOnly = home->file("tavorin.def");
        QCOMPARE(dialogs->asked[0].text,
                 text(TextKey::SettingsRefused, 3) + "\nThe file is read-only: " + readOnly);
        QCOMPARE(dialogs->asked[0].title, std::string("Notice"));
        QCOMPARE(dialogs->buttonLanguages[0], 3);

        w->show();
        w->action("mnuLangSel1")->trigger(); // the Save question answered No
        QCOMPARE(desktop->restarts, 0);
        QCOMPARE(dialogs->asked.size(), std::size_t(3));
        QCOMPARE(dialogs->asked[2].icon, platform::Icon::Exclamation);
        QCOMPARE(dialogs->asked[2].text, text(TextKey::SettingsRefused, 2) + "\n檔案為唯讀：" + readOnly);
        QCOMPARE(dialogs->asked[2].title, std::string("提示"));
        QCOMPARE(dialogs->buttonLanguages[2], 2);
        QCOMPARE(app::shell().LangIndex, std::int16_t(3));
        QVERIFY(w->action("mnuLangSel2")->isChecked());
        QVERIFY(!w->action("mnuLangSel1")->isChecked());
        QVERIFY(w->isVisible());
    }

    // Before anything is stored the user may save what the window holds:
    // No goes on, Yes saves first (the pending edit committed), and a save
    // that is cancelled or fails ends the switch with nothing changed.
    void languageSwitchOffersToSaveFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("chosen"); // the Save dialog's answer; empty: cancelled
        QTest::addColumn<bool>("switches");
        QTest::newRow("No") << int(AnswerNo) << "" << true;
        QTest::newRow("Yes, saved") << int(AnswerYes) << "Data/before switch.LDat" << true;
        QTest::newRow("Yes, Save As cancelled") << int(AnswerYes) << "" << false;
        QTest::newRow("Yes, the save fails") << int(AnswerYes) << "no such folder/x.LDat" << false;
    }
    void languageSwitchOffersToSaveFirst() {
        QFETCH(int, answer);
        QFETCH(QString, chosen);
        QFETCH(bool, switches);
        PendingEditChannels channels;
        PendingEditChannel& ch = openWithPendingEdit(channels);
        const model::Image image = model::state().IicDat;
        const std::string file = chosen.isEmpty() ? std::string() : home->file(chosen.toStdString());
        const std::string current = app::shell().CurFilePath;
        dialogs->answers = {answer};
        if (!file.empty()) dialogs->files.push_back(file);

        w->action("mnuLangSel0")->trigger();
        QCOMPARE(ch.commits, 1);
        QCOMPARE(dialogs->asked[0].text, app::text(kTextSaveQuestion));
        QCOMPARE(dialogs->asked[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(dialogs->fileRequests.size(), std::size_t(answer == AnswerYes ? 1 : 0));
        const bool saved = switches && answer == AnswerYes;
        if (saved) {
            // The file holds the edit the commit put into the table.
            model::Image carried{};
            app::ReadDataFile(file, carried);
            QVERIFY(std::equal(std::begin(kTypedChannel), std::end(kTypedChannel), carried.begin() + 0xC800));
            QCOMPARE(app::shell().CurFilePath, file);
        }
        if (switches) {
            QCOMPARE(stored("Setting", "Language"), std::string("1"));
            QCOMPARE(desktop->restarts, 1);
            QVERIFY(!w->isVisible());
            QCOMPARE(dialogs->asked.back().text,
                     std::string("Language has changed, you need to restart the software."));
            return;
        }
        // Nothing stored, no restart; the image, the current file, the window as they were.
        QCOMPARE(stored("Setting", "Language"), std::string("<none>"));
        QCOMPARE(desktop->restarts, 0);
        QCOMPARE(app::shell().NoExitAsk, std::int16_t(0));
        QCOMPARE(app::shell().LangIndex, std::int16_t(3));
        QVERIFY(w->isVisible());
        QVERIFY(w->action("mnuLangSel2")->isChecked());
        QVERIFY(!w->action("mnuLangSel0")->isChecked());
        QVERIFY(model::state().IicDat == image);
        QCOMPARE(app::shell().CurFilePath, current);
        QCOMPARE(w->panelText(3), face(85) + QString::fromStdString(current));
        QCOMPARE(w->windowTitle().left(face(16).size()), face(16));
        if (file.empty()) {
            QCOMPARE(dialogs->asked.size(), std::size_t(1)); // the question only
        } else {
            QCOMPARE(dialogs->asked.size(), std::size_t(2));
            QCOMPARE(dialogs->asked[1].icon, platform::Icon::Critical);
            QVERIFY(dialogs->asked[1].text.rfind(app::text(kTextWriteFailed), 0) == 0);
            QVERIFY(!platform::fileExists(file));
        }
        // Once saved, the same switch goes through.
        dialogs->answers = {AnswerNo};
        w->action("mnuLangSel0")->trigger();
        QCOMPARE(desktop->restarts, 1);
    }

    // The notice is English in every language, and so is its button: Qt's
    // own texts speak the running language, the Save question with them.
    void languageNoticeButtonSpeaksTheNoticesLanguage_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("questionButtons");
        QTest::newRow("Simplified Chinese to English") << 1 << QStringList{"mnuSet", "mnuLangSetting"}
                                                       << "mnuLangSel2" << QStringList{"是(&Y)", "否(&N)"};
        QTest::newRow("Traditional Chinese to Simplified")
            << 2 << QStringList{"mnuSet", "mnuLangSetting"} << "mnuLangSel0"
            << QStringList{"是(&Y)", "否(&N)"};
        QTest::newRow("English to Traditional Chinese")
            << 3 << QStringList{"mnuSet", "mnuLangSetting"} << "mnuLangSel1" << QStringList{"&Yes", "&No"};
    }
    void languageNoticeButtonSpeaksTheNoticesLanguage() {
        QFETCH(int, from);
        QFETCH(QStringList, menus);
        QFETCH(QString, item);
        QFETCH(QStringList, questionButtons);
        platform::QtDialogs qt;
        platform::Host<platform::Dialogs>::Scoped real(qt);
        platform::installQtTranslations(from);
        language(from);
        w->resize(881, 639);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        BoxAnswerer answerer([](const QMessageBox& box) {
            return box.button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
        });
        clickMenuItem(*w, menus, item);
        QVERIFY(QTest::qWaitFor([&] { return !w->isVisible(); }));
        QCOMPARE(answerer.seen.size(), std::size_t(2));
        QCOMPARE(answerer.seen[0].text, face(82));
        QCOMPARE(answerer.seen[0].buttons, questionButtons);
        QCOMPARE(answerer.seen[1].text,
                 QStringLiteral("Language has changed, you need to restart the software."));
        QCOMPARE(answerer.seen[1].buttons, QStringList{"OK"});
        QCOMPARE(desktop->restarts, 1);
    }

    // Save As asks before it replaces a file, also when the name was typed
    // without its extension; No goes back to the dialog.
    void saveAsAsksBeforeReplacing_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("English, no extension") << 3 << "my radio file" << QStringList{"&Yes", "&No"};
        QTest::newRow("English, whole name") << 3 << "my radio file.LDat" << QStringList{"&Yes", "&No"};
        QTest::newRow("Traditional Chinese, no extension")
            << 2 << "my radio file" << QStringList{"是(&Y)", "否(&N)"};
        QTest::newRow("Simplified Chinese, no extension")
            << 1 << "my radio file" << QStringList{"是(&Y)", "否(&N)"};
    }
    void saveAsAsksBeforeReplacing() {
        QFETCH(int, lang);
        QFETCH(QString, typed);
        QFETCH(QStringList, buttons);
        platform::QtDialogs qt;
        platform::Host<platform::Dialogs>::Scoped real(qt);
        platform::installQtTranslations(lang);
        language(lang);
        PendingEditChannels channels;
        openWithPendingEdit(channels);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        home->write("Data/my radio file.LDat", "the user's earlier file");
        const std::string path = home->file("Data/my radio file.LDat");

        int answers = 0; // No first, then Yes
        BoxAnswerer answerer(
            [&answers](const QMessageBox&) { return answers++ == 0 ? QMessageBox::No : QMessageBox::Yes; });
        bool stillOpenAfterNo = false;
        QTimer::singleShot(0, [&] {
            QLineEdit* name = shelltest::typeFileName(typed);
            QVERIFY(name);
            QTest::keyClick(name, Qt::Key_Return); // asked, answered No
            stillOpenAfterNo = name->window()->isVisible() &&
                               home->read("Data/my radio file.LDat") == "the user's earlier file";
            QTest::keyClick(name, Qt::Key_Return); // asked again, answered Yes
        });
        clickMenuItem(*w, {"mnuFile"}, "mnuFileSaveAs");
        QVERIFY(stillOpenAfterNo);
        QCOMPARE(answerer.seen.size(), std::size_t(2)); // once per Return, never twice for one
        for (const Shown& s : answerer.seen) {
            QVERIFY2(s.text.contains("my radio file.LDat"), qPrintable(s.text));
            QCOMPARE(s.buttons, buttons);
        }
        if (lang != 3)
            QVERIFY2(!answerer.seen[0].text.contains("already exists"), qPrintable(answerer.seen[0].text));
        // Replaced by the data file, which carries the image.
        QCOMPARE(app::shell().CurFilePath, path);
        model::Image carried{};
        app::ReadDataFile(path, carried);
        QVERIFY(std::equal(std::begin(kTypedChannel), std::end(kTypedChannel), carried.begin() + 0xC800));
        QVERIFY(!platform::fileExists(home->file("Data/my radio file")));
    }

    void faceFontHasTheGlyphsOfTheLanguage() {
        QCOMPARE(ResolveFaceFont("dejavu sans", 3), QStringLiteral("DejaVu Sans"));
        for (auto [name, lang] : {std::pair{"宋体", 1}, {"DejaVu Sans", 2}, {"Times New Roman", 2}}) {
            const QString family = ResolveFaceFont(QString::fromUtf8(name), lang);
            const auto script =
                lang == 1 ? QFontDatabase::SimplifiedChinese : QFontDatabase::TraditionalChinese;
            QVERIFY2(QFontDatabase::writingSystems(family).contains(script), qPrintable(family));
        }
    }

    void aboutBoxSpeaksTheLanguage_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("version");
        QTest::newRow("1") << 1 << "关于"
                           << "确定"
                           << "版本 1.0";
        QTest::newRow("2") << 2 << "關於"
                           << "確定"
                           << "版本 1.0";
        QTest::newRow("3") << 3 << "About"
                           << "OK"
                           << "Version 1.0";
        QTest::newRow("0") << 0 << "About"
                           << "OK"
                           << "Version 1.0";
        QTest::newRow("4") << 4 << "About"
                           << "OK"
                           << "Version 1.0";
    }
    void aboutBoxSpeaksTheLanguage() {
        QFETCH(int, lang);
        QFETCH(QString, caption);
        QFETCH(QString, ok);
        QFETCH(QString, version);
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        app::shell().FaceFontName = "WenQuanYi Micro Hei";
        frmAboutSoft box;
        QCOMPARE(box.windowTitle(), caption);
        QCOMPARE(box.cmdOk->text(), ok);
        QCOMPARE(box.lblVersion->text(), version);
        QVERIFY(!box.lblRelease->text().isEmpty());
        QVERIFY(!box.lblRights->text().isEmpty());
        QCOMPARE(box.cmdOk->font().family(), QStringLiteral("WenQuanYi Micro Hei"));
        QCOMPARE(box.lblRights->font().pointSizeF(), 9.0);
        QCOMPARE(box.lblVersion->font().pointSizeF(), 9.75);
        QVERIFY(app::shell().LangIndex >= 1 && app::shell().LangIndex <= 3);
        QCOMPARE(box.size(), QSize(355, 131));
    }

    void aboutBoxIsModalAndClosesWithOk() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QPointer<QWidget> seen;
        bool blocked = false;
        QTimer::singleShot(0, this, [&] {
            seen = QApplication::activeModalWidget();
            blocked = !w->isEnabled() || QApplication::activeModalWidget() != w.get();
            if (auto* box = qobject_cast<frmAboutSoft*>(seen.data())) {
                QVERIFY(box->cmdOk->hasFocus() || box->focusWidget() == box->cmdOk);
                QTest::mouseClick(box->cmdOk, Qt::LeftButton);
            }
        });
        w->action("mnuAboutSoft")->trigger();
        QVERIFY(seen.isNull()); // unloaded by OK
        QVERIFY(blocked);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
