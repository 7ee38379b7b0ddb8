// The whole program from a fresh start, put together as main() puts it: a
// user reaches every window through the menus, the toolbar, the channel
// window's pages and buttons and the access-code dialog, sees each shown and
// closes it again. Nothing is opened by code.
#include "align/AccessCodes.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmAdjMore.h"
#include "align/ui/frmVitualKey.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmCustomFre.h"
#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"
#include "shell/ui/frmAboutSoft.h"
#include "tests/program/ProgramFixture.h"

#include <QGroupBox>
#include <QPushButton>

#include <filesystem>

using namespace programtest;
using shell::mdifrmMain;

class ProgramWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void aUserReachesEveryWindowThroughMenusAndButtons() {
        using namespace align::ui;
        using align::codes::kAlignment;
        Program program;
        g_shown.clear();
        mdifrmMain& main = program.start();
        sawShown(&main);

        // The channel window and its five pages.
        channels::frmChMem* chMem = &program.channelWindow();
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
        flashtool::ui::frmMain* tool = openMemoryToolWindow(*adjMode);
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
        QVERIFY2(program.errors.tags.empty(), program.reported().c_str());
        QVERIFY(program.dialogs.asked.empty());

        const std::set<std::string> every{"mdifrmMain",   "frmChMem",     "frmCustomFre", "frmCommun",
                                          "frmToolCom",   "frmAboutSoft", "frmInputCode", "frmAdjMode",
                                          "frmVitualKey", "frmAdjMore",   "frmMain",      "frmPartFill",
                                          "frmFlashSoft"};
        QCOMPARE(g_shown, every);
        // Each window a user reaches has its help page in every language.
        const std::filesystem::path bin = TAVORIN_BUILD_BIN;
        for (const std::string& window : g_shown)
            for (const char* lang : {"chs", "cht", "eng"})
                QVERIFY2(std::filesystem::is_regular_file(bin / lang / (window + ".html")),
                         (std::string(lang) + "/" + window).c_str());
    }

    // Exit closes every window still open, the factory windows too, so
    // that the program really ends.
    void exitClosesEveryWindowLeftOpen() {
        using namespace align::ui;
        Program program;
        mdifrmMain& main = program.start();
        pressWithCode(program.channelWindow().channelPage().cmdPc[4], align::codes::kAlignment);
        frmAdjMode* adjMode = frmAdjMode::existing();
        QVERIFY(adjMode);
        const std::string alignment = align::codes::kAlignment;
        pressWithCode(adjMode->cmdKey, alignment + align::codes::kKeypadWord);
        pressWithCode(adjMode->cmdAdjDevSql, alignment);
        pressWithCode(adjMode->cmdSoft, alignment + align::codes::kSoftWord);
        pressWithCode(adjMode->cmdFlash, alignment + align::codes::kFlashWord);
        press(flashtool::ui::frmMain::existing()->cmdPartFill);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 adjMode, frmVitualKey::existing(), frmAdjMore::existing(),
                 flashtool::ui::frmMain::existing(), flashtool::ui::frmPartFill::existing(),
                 flashtool::ui::frmFlashSoft::existing()})
            QVERIFY(w && w->isVisible());

        program.dialogs.answers.push_back(platform::AnswerYes);
        choose(main, "mnuExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    // Two windows of the design have no road a user can take: the volume
    // dialog's button lies on the never-shown holder, and the notice window's
    // item on a hidden menu. They stay unreached.
    void theVolumeDialogAndTheNoticeWindowHaveNoRoad() {
        Program program;
        mdifrmMain& main = program.start();
        channels::frmChMem* chMem = &program.channelWindow();
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
