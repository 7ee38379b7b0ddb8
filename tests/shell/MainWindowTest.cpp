// The main window's menus, toolbar, status panels, exit, help, language
// switch, lock and About box, on the offscreen platform.
#include "app/FaceText.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/ui/FaceFont.h"
#include "link/Engine.h"
#include "link/LinkState.h"
#include "platform/Desktop.h"
#include "platform/IniFile.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/frmAboutSoft.h"
#include "shell/ui/frmShowErr.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/support/ChannelStandIn.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

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

    std::unique_ptr<testsupport::TempHome> home;
    std::unique_ptr<testsupport::ScriptedDialogs> dialogs;
    std::unique_ptr<Desktop> desktop;
    testsupport::StandInChannelWindows channelWindows;
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

  private slots:
    void init() {
        home = std::make_unique<testsupport::TempHome>();
        dialogs = std::make_unique<testsupport::ScriptedDialogs>();
        ResetShell();
        app::shell().SettingsFile = home->file("tavorin.def");
        app::shell().CurFilePath = home->file("Data/Untitled.LDat");
        desktop = std::make_unique<Desktop>();
        w = std::make_unique<mdifrmMain>();
        language(3);
    }
    void cleanup() {
        w.reset();
        desktop.reset();
        dialogs.reset();
        home.reset();
    }

    void captionsComeFromTheTextTable_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("Simplified Chinese") << 1;
        QTest::newRow("Traditional Chinese") << 2;
        QTest::newRow("English") << 3;
    }
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
        frmShowErr::instance().show();
        dialogs->answers = {AnswerNo};
        w->action("mnuExit")->trigger();
        QCOMPARE(dialogs->asked.size(), std::size_t(1));
        QCOMPARE(dialogs->asked[0].text, app::shell().FaceText[73]);
        QCOMPARE(dialogs->asked[0].title, app::shell().FaceText[70]);
        QCOMPARE(dialogs->asked[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(dialogs->asked[0].icon, platform::Icon::Question);
        QVERIFY(w->isVisible());
        QVERIFY(frmShowErr::instance().isVisible());
        QCOMPARE(app::shell().AppClosing, std::int16_t(0));
        QCOMPARE(app::shell().ExitAnswer, std::int16_t(AnswerNo));
    }

    void exitYesUnloadsEveryWindow() {
        w->show();
        w->touchChannelWindow();
        frmShowErr::instance().show();
        dialogs->answers = {AnswerYes};
        QVERIFY(w->close());
        QCOMPARE(app::shell().AppClosing, std::int16_t(1));
        QVERIFY(!w->isVisible());
        QVERIFY(!frmShowErr::instance().isVisible());
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
        w->mnuLockFace_Click();
        QVERIFY(w->action("mnuLockFace")->isChecked());
        QVERIFY(w->action("mnuChLock")->isChecked());
        QCOMPARE(app::shell().FaceLockState, std::string("ShowLock"));
        QCOMPARE(w->panelText(1), face(116));
        QVERIFY(w->tmrChLockBlink.isActive());
        QCOMPARE(ch.selectionColor, ch.ChGridBackColor());
        QVERIFY(!ch.framesEnabled);
        QCOMPARE(stored("Setting", "ChannelLock"), std::string("ShowLock"));

        w->mnuLockFace_Click();
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

        w->mnuLockFace_Click(); // BlinkCount stays at its phase 0
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
        w->mnuLockFace_Click();
        w->mnuLockFace_Click();
        w->mnuLockFace_Click();
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
        w->action(item)->trigger();
        QCOMPARE(stored("Setting", "Language"), std::to_string(to));
        QCOMPARE(dialogs->asked.size(), std::size_t(1)); // the notice only, no exit question
        QCOMPARE(dialogs->asked[0].text,
                 std::string("Language has changed, you need to restart the software."));
        QCOMPARE(dialogs->asked[0].title, std::string("Message"));
        QCOMPARE(dialogs->asked[0].buttons, platform::Buttons::Ok);
        QCOMPARE(dialogs->asked[0].icon, platform::Icon::Question);
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
        QCOMPARE(dialogs->asked.size(), std::size_t(2));
        QVERIFY(w->isVisible());
        QCOMPARE(app::shell().NoExitAsk, std::int16_t(0));
        QCOMPARE(stored("Setting", "Language"), std::string("1")); // taken at the next start
        QVERIFY(w->action("mnuLangSel0")->isChecked());
    }

    void languageThatCannotBeStoredSwitchesNothing() {
        home->write("tavorin.def", "[Setting]\nLanguage=3\n");
        ::chmod(SettingsFile().c_str(), 0444);
        w->show();
        w->action("mnuLangSel1")->trigger();
        QCOMPARE(desktop->restarts, 0);
        QCOMPARE(dialogs->asked.size(), std::size_t(1));
        QCOMPARE(dialogs->asked[0].icon, platform::Icon::Exclamation);
        QCOMPARE(app::shell().LangIndex, std::int16_t(3));
        QVERIFY(w->action("mnuLangSel2")->isChecked());
        QVERIFY(!w->action("mnuLangSel1")->isChecked());
        QVERIFY(w->isVisible());
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
