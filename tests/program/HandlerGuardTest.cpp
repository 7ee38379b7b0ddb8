// No failure inside a handler ends the program. For each window a call
// inside one of its handlers fails (a host that throws, a setting that is no
// number, a refused settings write told through a failing message box), the
// user's click or key reaches the handler, the failure is reported under the
// handler's tag, and the window answers the next click as before. And a
// window that shows its state after a handler shows it after a successful
// click too, without its logic's help.
#include "align/AccessCodes.h"
#include "align/VitualKey.h"
#include "align/ui/FieldWidgets.h"
#include "align/ui/FlashToolsHost.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmAdjMore.h"
#include "align/ui/frmVitualKey.h"
#include "app/ImageViews.h"
#include "channels/AlignmentAccessHost.h"
#include "channels/SettingsState.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmCustomFre.h"
#include "channels/ui/frmSetVolume.h"
#include "flashtool/FlashTexts.h"
#include "link/LinkHosts.h"
#include "link/LinkState.h"
#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"
#include "model/Bands.h"
#include "platform/ui/Grid.h"
#include "shell/MainWindowHost.h"
#include "shell/ui/ShellWindows.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <stdexcept>

using namespace programtest;
using align::ui::frmAdjMode;
namespace codes = align::codes;

namespace {

// What a failing call throws: a fault of the program, no worded reason.
[[noreturn]] void fail() {
    throw std::logic_error("a call inside the handler failed");
}

// The failure was reported under the handler's tag.
bool reportedAs(const Program& program, const std::string& tag) {
    if (program.errors.has(tag)) return true;
    qWarning("no report %s among: %s", tag.c_str(), program.reported().c_str());
    return false;
}

// Message boxes and file dialogs that fail.
struct FailingDialogs : platform::Dialogs {
    int message(const std::string&, const std::string&, platform::Buttons, platform::Icon) override {
        fail();
    }
    std::optional<std::string> openFile(const platform::FileRequest&) override { fail(); }
    std::optional<std::string> saveFile(const platform::FileRequest&) override { fail(); }
};

// Types a value into a data cell of a side grid as a user does: the cell
// made current with a click, the keys typed open it, Return ends the edit.
void typeInto(platform::Grid& g, int row, const QString& keys) {
    // Not the second click of a double click.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    bringToFront(&g);
    g.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(g.window()));
    g.showCell(row, 1);
    QTest::mouseClick(g.container(), Qt::LeftButton, {}, g.cellRect(row, 1).center());
    if (g.isEditing()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    for (const QChar k : keys) QTest::keyClick(QApplication::focusWidget(), k.toLatin1());
    QVERIFY(g.isEditing());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!g.isEditing());
}

// The program with the factory tools on and a simulated radio on its port,
// the link's waits on the virtual clock.
struct WithRadio {
    radiosim::Radio radio{radiosim::Radio::Driven{}};
    Program program{{{"Ports", "1", radio.devicePath()},
                     {"Config", "COM", "1"},
                     {"Setting", "COM", "1"},
                     {"Config", "Tm", "1"}}};
    testsupport::VirtualClock clock;
    WithRadio() { clock.attach(radio); }
};

} // namespace

class HandlerGuardTest : public QObject {
    Q_OBJECT

  private slots:
    void theMainWindowsMenusAndToolbarKeepRunning() {
        Program program;
        shell::mdifrmMain& main = program.start();
        {
            struct : shell::LinkWindowsHost {
                void ShowCommunDialog(QWidget*, bool) override { fail(); }
                void ShowPortDialog(QWidget*) override { fail(); }
            } failing;
            platform::Host<shell::LinkWindowsHost>::Scoped registered(failing);
            choose(main, "mnuCommunicate");
            QVERIFY(reportedAs(program, "mdifrmMain->mnuCommunicate_Click"));
            click(main, "Read");
            QVERIFY(reportedAs(program, "mdifrmMain->tlbmdifrmMain_ButtonClick"));
        }
        // The same menu item opens the port dialog again.
        modal<radiolink::ui::frmToolCom>([&] { choose(main, "mnuCommunicate"); },
                                         [](radiolink::ui::frmToolCom& d) { press(d.cmdCancel); });
        QVERIFY(main.isVisible());
    }

    void theChannelPageAndASettingsPageKeepRunning() {
        Program program;
        program.start();
        channels::frmChMem& ch = program.channelWindow();
        channels::ChannelPage& page = ch.channelPage();
        {
            struct : channels::AlignmentAccessHost {
                void OpenAlignmentWindow() override { fail(); }
            } failing;
            platform::Host<channels::AlignmentAccessHost>::Scoped registered(failing);
            press(page.cmdPc[4]);
            QVERIFY(reportedAs(program, "frmChMem->cmdPc_Click"));
        }
        // The band list above the button still takes a band.
        const int other = page.FrequencyListIndex() == 0 ? 1 : 0;
        chooseEntry(page.cboFrequency, other);
        QCOMPARE(page.FrequencyListIndex(), other);

        // A settings page: a station typed into the radio grid shows again, which fails.
        channels::SettingsControls& c = ch.settings();
        platform::Grid& stations = *c.vsfgGridRadio;
        {
            struct : channels::SettingsPagesHost {
                void Changed(channels::Ctl, int) override { fail(); }
            } failing;
            platform::Host<channels::SettingsPagesHost>::Scoped registered(failing);
            typeInto(stations, 1, QStringLiteral("98.1"));
            QVERIFY(reportedAs(program, "frmChMem->vsfgGridRadio_AfterEdit"));
        }
        typeInto(stations, 2, QStringLiteral("101.7"));
        QCOMPARE(stations.textMatrix(2, 1), QStringLiteral("101.7"));
        QCOMPARE(model::IicDat()[0xE656], 0x17);
    }

    void theCustomBandDialogClosesAfterAFailedOk() {
        Program program;
        program.start();
        channels::ChannelPage& page = program.channelWindow().channelPage();
        const int held = page.FrequencyListIndex();
        const auto open = [&] { chooseEntry(page.cboFrequency, model::CustomPresetIndex); };
        {
            // A limit that is no number is refused in a message box, which fails.
            FailingDialogs failing;
            platform::Host<platform::Dialogs>::Scoped registered(failing);
            modal<channels::frmCustomFre>(
                open,
                [](channels::frmCustomFre& d) {
                    if (d.isVisible()) press(d.cmdCancel);
                },
                [](channels::frmCustomFre& d) {
                    retype(d.txtFreMin, QStringLiteral("abc"));
                    press(d.cmdOk);
                    QVERIFY(!d.isVisible());
                });
        }
        QVERIFY(reportedAs(program, "frmCustomFre->cmdOk_Click"));
        QCOMPARE(page.FrequencyListIndex(), held);
        // The dialog opens again and takes its band.
        modal<channels::frmCustomFre>(
            open, [](channels::frmCustomFre& d) { press(d.cmdOk); },
            [](channels::frmCustomFre& d) {
                retype(d.txtFreMin, QStringLiteral("410"));
                retype(d.txtFreMax, QStringLiteral("460"));
            });
        QCOMPARE(page.FrequencyListIndex(), model::CustomPresetIndex);
        QCOMPARE(program.channelWindow().FreBandText(2), std::string("410.00000"));
    }

    // The dialog's button lies on the never-shown holder: no user reaches it,
    // so it is clicked as the settings logic would.
    void theVolumeDialogKeepsRunning() {
        Program program;
        program.start();
        program.home.write("plain", "");
        channels::SettingsControls& c = program.channelWindow().settings();
        modal<channels::frmSetVolume>([&] { c.cmdPc[3]->click(); },
                                      [](channels::frmSetVolume& d) { press(d.cmdOk); },
                                      [&](channels::frmSetVolume& d) {
                                          // The mode is stored in a settings file that cannot
                                          // be written, and the message telling so fails.
                                          std::string& settings = app::shell().SettingsFile;
                                          const std::string kept = settings;
                                          settings = program.home.file("plain/tavorin.def");
                                          {
                                              FailingDialogs failing;
                                              platform::Host<platform::Dialogs>::Scoped registered(failing);
                                              press(d.chkVolMode);
                                          }
                                          settings = kept;
                                          QVERIFY(reportedAs(program, "frmSetVolume->chkVolMode_Click"));
                                          // The default levels replace a level just chosen.
                                          QComboBox* level = d.cboVolumeDat[1];
                                          const int other = level->count() - 1;
                                          chooseEntry(level, other);
                                          press(d.cmdDefault);
                                          QVERIFY(d.chkVolumeIic->isChecked());
                                          const int defaults = d.state().cboVolumeDat[1].ListIndex;
                                          QVERIFY(defaults != other);
                                          QCOMPARE(level->currentIndex(), defaults);
                                      });
    }

    void theReadWriteDialogLoadsDespiteASettingThatIsNoNumber() {
        Program program;
        shell::mdifrmMain& main = program.start();
        const std::string settings = program.home.file("tavorin.def");
        platform::IniFile::write(settings, "Soft", "Update", "x");
        modal<radiolink::ui::frmCommun>([&] { click(main, "Read"); },
                                        [](radiolink::ui::frmCommun& d) { d.close(); },
                                        [&](radiolink::ui::frmCommun& d) {
                                            QVERIFY(reportedAs(program, "frmCommun->Form_Load"));
                                            QTest::mouseDClick(d.fraOne, Qt::LeftButton);
                                            press(d.chkAutoUpdate);
                                            QVERIFY(d.chkAutoUpdate->isChecked());
                                        });
        QCOMPARE(platform::IniFile::read(settings, "Soft", "Update", "", 5), std::string("1"));
    }

    void thePortDialogStaysOpenAfterAFailedOk() {
        Program program;
        shell::mdifrmMain& main = program.start();
        modal<radiolink::ui::frmToolCom>(
            [&] { click(main, "Com"); }, [](radiolink::ui::frmToolCom& d) { press(d.cmdCancel); },
            [&](radiolink::ui::frmToolCom& d) {
                // The port chosen shows on the tool window's button.
                struct : radiolink::ToolWindowHost {
                    void ToolWindowChanged() override { fail(); }
                } failing;
                {
                    platform::Host<radiolink::ToolWindowHost>::Scoped registered(failing);
                    press(d.cmdOk);
                }
                QVERIFY(reportedAs(program, "frmToolCom->cmdOk_Click"));
                QVERIFY(d.isVisible());
                QVERIFY(!d.chosen);
            });
        QCOMPARE(radiolink::ui::frmToolCom::existing(), nullptr);
    }

    // The factory windows, each opened once in one started program: a handler
    // of each fails and the window answers its next click, and a successful
    // click shows its new state by the window itself, also where its logic
    // tells a view, which is kept silent for it.
    void theFactoryWindowsKeepRunningAndShowWhatASuccessfulClickLeft() {
        WithRadio withRadio;
        Program& program = withRadio.program;
        program.start();
        frmAdjMode* adjMode = openAlignmentWindow(program);
        QVERIFY(adjMode);
        for (auto window : {&HandlerGuardTest::alignmentWindow, &HandlerGuardTest::registerWindow,
                            &HandlerGuardTest::keypad, &HandlerGuardTest::memoryToolWindowAndPartFill,
                            &HandlerGuardTest::firmwareWindow}) {
            (this->*window)(program, *adjMode);
            if (QTest::currentTestFailed()) return;
        }
    }

  private:
    void alignmentWindow(Program& program, frmAdjMode& adjMode) {
        {
            FailingDialogs failing;
            platform::Host<platform::Dialogs>::Scoped registered(failing);
            press(adjMode.cmdReadDat);
            QVERIFY(reportedAs(program, "frmAdjMode->cmdReadDat_Click"));
        }
        const int height = adjMode.HeightTwips();
        press(adjMode.cmdAdjPwr);
        QVERIFY(adjMode.HeightTwips() != height);
        {
            // Its refresh timer: the memory tool window's change scan fails, tick after tick.
            struct : align::ui::FlashToolsHost {
                void RefreshGridFlash() override { fail(); }
            } failing;
            platform::Host<align::ui::FlashToolsHost>::Scoped registered(failing);
            press(adjMode.chkAutoShowFlash);
            const std::vector<std::string>& tags = program.errors.tags;
            QTRY_VERIFY_WITH_TIMEOUT(
                std::count(tags.begin(), tags.end(), "frmAdjMode->tmrAutoShowFlash_Timer") >= 2, 5000);
            press(adjMode.chkAutoShowFlash);
        }
        QVERIFY(!adjMode.chkAutoShowFlash->isChecked());

        // The read option enables the read button.
        QVERIFY(!adjMode.cmdRead->isEnabled());
        press(adjMode.optRwSort[2]);
        QVERIFY(adjMode.cmdRead->isEnabled());
        QVERIFY(!adjMode.cmdWrite->isEnabled());
    }

    void registerWindow(Program& program, frmAdjMode& adjMode) {
        // A battery value shows in the flash grid, which fails.
        pressWithCode(adjMode.cmdAdjDevSql, codes::kAlignment);
        align::ui::frmAdjMore* adjMore = align::ui::frmAdjMore::existing();
        QVERIFY(adjMore);
        QComboBox* battery = adjMore->list(align::Control::cboBatVoltPara, 0);
        {
            struct : app::FlashGridHost {
                void RefreshFlashRange(int, int) override { fail(); }
            } failing;
            platform::Host<app::FlashGridHost>::Scoped registered(failing);
            chooseEntry(battery, 5);
            QVERIFY(reportedAs(program, "frmAdjMore->FieldChanged"));
        }
        chooseEntry(battery, 7);
        QCOMPARE(model::IicDat()[0xE907], 7);

        // A click on a deviation bar's arrow (at its right end) shows the new
        // value in the box beside it.
        QScrollBar* bar = adjMore->fields->scroll(align::Control::hscWideDev134174, 0);
        QLineEdit* value = adjMore->fields->scrollText(align::Control::hscWideDev134174, 0);
        const int before = bar->value();
        QVERIFY(before < bar->maximum());
        bringToFront(bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, bar->height() / 2));
        QCOMPARE(bar->value(), before + 1);
        QCOMPARE(value->text(), QString::number(before + 1));
    }

    void keypad(Program& program, frmAdjMode& adjMode) {
        // Showing the keypad busy fails before anything is sent.
        pressWithCode(adjMode.cmdKey, std::string(codes::kAlignment) + codes::kKeypadWord);
        align::ui::frmVitualKey* keypad = align::ui::frmVitualKey::existing();
        QVERIFY(keypad);
        {
            struct : align::AlignWindowsHost {
                void VitualKeyChanged() override { fail(); }
            } failing;
            platform::Host<align::AlignWindowsHost>::Scoped registered(failing);
            press(keypad->cmdKeyPf[0]);
            QVERIFY(reportedAs(program, "frmVitualKey->cmdKeyPf_Click"));
        }
        QVERIFY(keypad->isEnabled());
        press(keypad->chkKeyPf[0]);
        QCOMPARE(align::state().frmVitualKey->chkKeyPf[0].Value, std::int16_t(1));

        // A key sent: the logic shows the keypad busy, the keypad shows itself
        // ready again.
        struct BusyOnly : align::AlignWindowsHost {
            align::AlignWindowsHost& windows = platform::host<align::AlignWindowsHost>();
            QWidget* keypad = nullptr;
            bool sawBusy = false;
            void VitualKeyChanged() override {
                if (align::VitualKey(align::state()).Enabled) return;
                windows.VitualKeyChanged();
                sawBusy = sawBusy || !keypad->isEnabled();
            }
        } busyOnly;
        busyOnly.keypad = keypad;
        {
            platform::Host<align::AlignWindowsHost>::Scoped registered(busyOnly);
            press(keypad->cmdKeyMa[1]);
        }
        QVERIFY(busyOnly.sawBusy);
        QVERIFY(keypad->isEnabled());
    }

    // The link's run helper passes the failure on after its end: the read
    // ends as a failed one, the button comes back, and the next read works.
    void memoryToolWindowAndPartFill(Program& program, frmAdjMode& adjMode) {
        flashtool::ui::frmMain* tool = openMemoryToolWindow(adjMode);
        QVERIFY(tool);
        press(tool->chkSoftShowGrid);
        press(tool->chkFlashPage[58]);
        radiolink::LinkState& link = radiolink::linkState();
        {
            // The first page read shows in the grid, which fails with no exception at all.
            struct : app::FlashGridHost {
                int left = 1;
                void RefreshFlashRange(int, int) override {
                    if (left-- > 0) throw 58;
                }
            } failing;
            platform::Host<app::FlashGridHost>::Scoped registered(failing);
            press(tool->cmdReadFlash);
            QVERIFY(reportedAs(program, "frmMain->cmdReadFlash_Click"));
        }
        QCOMPARE(link.ComFail, std::int16_t(-1));
        QCOMPARE(link.ComBusy, std::int16_t(0));
        QVERIFY(!link.comCommun.PortOpen());
        press(tool->cmdReadFlash);
        QCOMPARE(link.ComFail, std::int16_t(0));

        // "Select all" ticks every page box.
        {
            flashtool::ToolWindowView silent;
            platform::Host<flashtool::ToolWindowView>::Scoped registered(silent);
            QVERIFY(!tool->chkFlashPage[0]->isChecked());
            press(tool->cmdFlashPageAll);
        }
        QVERIFY(std::all_of(std::begin(tool->chkFlashPage), std::end(tool->chkFlashPage),
                            [](const QCheckBox* b) { return b->isChecked(); }));
        QCOMPARE(tool->cmdFlashPageAll->text(), QString::fromUtf8(flashtool::texts::SelectNone));

        // The part fill: the alignment window's display of the filled bytes fails.
        flashtool::ui::frmPartFill* fill = openPartFill(*tool, "F801", "F801", "2A");
        QVERIFY(fill);
        {
            struct : app::AlignmentDisplayHost {
                void AdjParaShow() override { fail(); }
            } failing;
            platform::Host<app::AlignmentDisplayHost>::Scoped registered(failing);
            press(fill->cmdFillData);
            QVERIFY(reportedAs(program, "frmPartFill->cmdFillData_Click"));
        }
        QCOMPARE(model::IicDat()[0xF801], 0x2A);
        retype(fill->txtFillData, QStringLiteral("3B"));
        press(fill->cmdFillData);
        QCOMPARE(model::IicDat()[0xF801], 0x3B);
        QVERIFY(fill->isVisible());

        // The internal RAM as target brings the range inside it.
        press(fill->optGridFlashRam[1]);
        QCOMPARE(fill->txtStartAddr->text(), QStringLiteral("30"));
        QCOMPARE(fill->txtEndAddr->text(), QStringLiteral("FF"));
    }

    void firmwareWindow(Program& program, frmAdjMode& adjMode) {
        pressWithCode(adjMode.cmdSoft, std::string(codes::kAlignment) + codes::kSoftWord);
        flashtool::ui::frmFlashSoft* soft = flashtool::ui::frmFlashSoft::existing();
        QVERIFY(soft);
        constexpr int kModel = 101; // a model with a built-in version
        QVERIFY(!soft->cboModelSelect->itemText(kModel).isEmpty());
        {
            struct : flashtool::FlashSoftView {
                void Changed() override { fail(); }
            } failing;
            platform::Host<flashtool::FlashSoftView>::Scoped registered(failing);
            chooseEntry(soft->cboModelSelect, kModel);
            QVERIFY(reportedAs(program, "frmFlashSoft->cboModelSelect_Click"));
        }
        chooseEntry(soft->cboModelSelect, kModel);
        QVERIFY(soft->cboSoftVer->count() > 0);
        QCOMPARE(soft->cboModelSelect->currentIndex(), kModel);

        // The boot check tells its outcome on its button.
        {
            flashtool::FlashSoftView silent;
            platform::Host<flashtool::FlashSoftView>::Scoped registered(silent);
            press(soft->cmdChkLeadSoftVer);
        }
        const QString outcome = QString::fromStdString(flashtool::flashSoft().cmdChkLeadSoftVerCaption);
        QVERIFY(outcome != QString::fromUtf8(flashtool::texts::BootCheckCaption));
        QCOMPARE(soft->cmdChkLeadSoftVer->text(), outcome);
    }
};

QTEST_MAIN(HandlerGuardTest)
#include "HandlerGuardTest.moc"
