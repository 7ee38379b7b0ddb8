// The program as a user runs it, on the offscreen platform, through the
// real serial layer on a pseudo-terminal against the simulated radio: start,
// Read, edit, Write, the firmware update, failures and the stop box. The
// link's waits run on a virtual clock that drives the radio; the windows'
// own timers keep real time.
#include "align/AlignState.h"
#include "align/VitualKey.h"
#include "app/Shell.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmChMem.h"
#include "charcode/HanZi.h"
#include "flashtool/ToolState.h"
#include "flashtool/ToolWindowLogic.h"
#include "link/Commun.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/ui/LinkWindows.h"
#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"
#include "model/ChTable.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/linkui/LinkUiSupport.h"
#include "tests/support/FreshStart.h"
#include "tests/support/LanguageRows.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <set>

using namespace radiolink;
using radiolink::ui::frmCommun;
using radiosim::Fault;
using Bytes = std::vector<std::uint8_t>;

namespace {

namespace map = model::map;

const std::vector<int> kFrequencySet{50, 51, 52, 53, 54, 55, 56, 57, 59};

bool inFrequencySet(int page) {
    return std::find(kFrequencySet.begin(), kFrequencySet.end(), page) != kFrequencySet.end();
}

Bytes randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 g(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<std::uint8_t>(g());
    return b;
}

Bytes pageOf(const Bytes& flash, int p) {
    return Bytes(flash.begin() + p * 1024, flash.begin() + (p + 1) * 1024);
}

Bytes pageOf(const model::Image& image, int p) {
    return Bytes(image.begin() + p * 1024, image.begin() + (p + 1) * 1024);
}

// A firmware window whose one version fills the program area with a pattern.
struct PatternFirmware : FirmwareWindow {
    bool LoadNewestVersion(int model) override {
        ++loads;
        if (!hasImage) return false;
        model::Image& image = model::IicDat();
        std::fill(image.begin(), image.begin() + 0xC800, 0xA5);
        for (map::Addr a = 0x1C00; a < 0xC800; ++a) image[a] = static_cast<std::uint8_t>(a * 7 + model);
        std::fill(image.begin() + 0xC800, image.begin() + 0xE700, 0x11);
        return true;
    }
    bool WriteSelectedVersion() override { return selectedBox; }
    int loads = 0;
    bool hasImage = true;
    bool selectedBox = false;
};

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::FreshStart> fresh;
    const testsupport::TempHome* home = nullptr;
    std::unique_ptr<testsupport::ScriptedDialogs> dialogs;
    std::unique_ptr<testsupport::VirtualClock> clock;
    std::unique_ptr<radiosim::Radio> radio;
    PatternFirmware firmwareWindow;
    // The link's dialogs as the program registers them, and what the
    // read/write dialog showed at each status change.
    struct Watched : radiolink::ui::LinkWindows {
        explicit Watched(EndToEndTest& test) : test(test) {}
        void CommunChanged() override {
            LinkWindows::CommunChanged();
            if (frmCommun* d = frmCommun::existing())
                if (test.shown.empty() || test.shown.back().first != d->lblComStatus->text())
                    test.shown.push_back({d->lblComStatus->text(), d->prgCommunicate->value()});
        }
        EndToEndTest& test;
    } watched{*this};
    std::optional<platform::Host<LinkDialogsHost>::Scoped> watching;
    // What the dialog showed at each status change: text and progress bar.
    std::vector<std::pair<QString, int>> shown;

    void start() {
        QVERIFY(shell::StartProgram());
        QVERIFY(QTest::qWaitFor([] { return !shell::frmSplash::existing(); }, 10000));
        QVERIFY(shell::mdifrmMain::existing() && shell::mdifrmMain::existing()->isVisible());
    }
    // Chooses the menu item; `act` runs once the dialog is up. Returns when
    // the main window's modal show has ended.
    void road(const char* item, std::function<void(frmCommun&)> act) {
        QTimer::singleShot(0, [act] {
            frmCommun* d = frmCommun::existing();
            QVERIFY(d && d->isVisible());
            act(*d);
        });
        shell::mdifrmMain::instance().action(QString::fromLatin1(item))->trigger();
    }
    static channels::frmChMem& channelWindow() {
        auto* w = dynamic_cast<channels::frmChMem*>(shell::mdifrmMain::instance().channelWindow());
        if (!w) throw std::runtime_error("no channel window");
        return *w;
    }
    static QString cell(int row, int col) {
        return channelWindow().channelPage().vsfgGridCh->displayText(row, col);
    }
    static void press(frmCommun& d) { (d.cmdRead->isHidden() ? d.cmdWrite : d.cmdRead)->click(); }
    // Status panel 1 of the main window, with its tip.
    static QLabel& noticePanel() {
        return *shell::mdifrmMain::instance().findChild<QLabel*>(QStringLiteral("statusNotice"));
    }
    // A road whose end is read before its notice is waited out: what the
    // dialog said, then the dialog closed.
    QString roadSaying(const char* item) {
        QString said;
        road(item, [&](frmCommun& d) {
            press(d);
            said = d.lblComStatus->text();
            d.close();
        });
        return said;
    }
    // A radio whose data pages are the default image with channels 1 and 3
    // and one setting of its own; every other page random.
    Bytes prepareRadio() {
        auto side = std::make_unique<model::ModelState>(model::state());
        auto channel = [&](int ch, std::int32_t rx, std::int32_t tx) {
            side->ChInfo[ch][0] = 1;
            side->ChInfo[ch][1] = rx;
            side->ChInfo[ch][2] = tx;
            side->ChCtdcs[ch] = {"67.0", "D023N"};
        };
        channel(1, 43012500, 43512500);
        channel(3, 46200000, model::NoFre);
        model::ChInfoToIicDat(*side);
        side->IicDat[0xEC20] ^= 0x01;
        Bytes flash = randomBytes(65536, 11);
        std::copy(side->IicDat.begin() + 0xC800, side->IicDat.begin() + 0x10000, flash.begin() + 0xC800);
        radio->setFlash(0, flash);
        return flash;
    }

  private slots:
    void init() {
        fresh = std::make_unique<testsupport::FreshStart>();
        home = &fresh->home;
        dialogs = std::make_unique<testsupport::ScriptedDialogs>();
        clock = std::make_unique<testsupport::VirtualClock>();
        radio = std::make_unique<radiosim::Radio>(radiosim::Radio::Driven{});
        clock->attach(*radio);
        radio->setIdentity({0x10, 0x2C, 0x14, 0x68, 0x65}, 101);
        radio->setExtRam(0xF1, Bytes{0x00});
        home->copyShipped("zezirev.def");
        home->copyShipped("tavorin.def");
        const std::string def = home->file("tavorin.def");
        platform::IniFile::write(def, "Setting", "FirRun", "0");
        platform::IniFile::write(def, "Config", "COM", "1");
        platform::IniFile::write(def, "Setting", "COM", "1");
        for (int n = 1; n <= 16; ++n)
            platform::IniFile::write(def, "Ports", std::to_string(n),
                                     n == 1 ? radio->devicePath() : home->file("no-port"));
        linkui::StartProgramLink(*home);
        // As the program's start installs it: the link's waits run events.
        platform::setEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
        channels::InstallChannelWindow();
        radiolink::ui::InstallLinkWindows();
        firmwareWindow = PatternFirmware{};
        shown.clear();
        watching.emplace(watched);
        start();
    }
    void cleanup() {
        shell::mdifrmMain::destroyInstance();
        delete shell::frmSplash::existing();
        watching.reset();
        clock.reset();
        radio.reset();
        dialogs.reset();
        fresh.reset();
    }

    void readShowsTheRadioAndWriteSendsExactlyTheEdit() {
        QCOMPARE(shell::mdifrmMain::instance().panelText(2), QStringLiteral("COM1"));
        const Bytes flash = prepareRadio();
        const model::Image before = model::IicDat();
        road("mnuReadFre", press);
        QVERIFY(!frmCommun::existing()->isVisible());
        const model::ModelState& m = model::state();
        QCOMPARE(linkState().ComFail, std::int16_t(0));
        // The grid shows the radio's channels.
        QCOMPARE(cell(1, 1), QStringLiteral("430.125"));
        QCOMPARE(cell(1, 2), QStringLiteral("435.125"));
        QCOMPARE(cell(1, 4), QStringLiteral("D023N"));
        QCOMPARE(cell(2, 1), QString());
        QCOMPARE(cell(3, 1), QStringLiteral("462"));
        QCOMPARE(m.ChInfo[3][2], model::NoFre);
        for (int p = 0; p < 64; ++p)
            QCOMPARE(pageOf(m.IicDat, p), inFrequencySet(p) ? pageOf(flash, p) : pageOf(before, p));
        // The status texts and the bar followed the transfer.
        int last = 0;
        for (const auto& [text, bar] : shown) {
            if (!text.startsWith("Reading...")) continue;
            QCOMPARE(text, QStringLiteral("Reading...%1 %").arg(bar));
            QVERIFY(bar >= last);
            last = bar;
        }
        QCOMPARE(last, 100);
        QCOMPARE(shown.back().first, QStringLiteral("Communication success"));
        // Cleared as the dialog hid, with the bar at the last percentage.
        QVERIFY(frmCommun::existing()->lblComStatus->text().isEmpty());
        QCOMPARE(frmCommun::existing()->prgCommunicate->value(), 100);

        // Edit channel 2 in the grid, write it back.
        channelWindow().channelPage().vsfgGridCh->setTextMatrix(2, 1, QStringLiteral("440.00000"));
        channelWindow().channelPage().vsfgGridCh_AfterEdit(2, 1);
        QCOMPARE(model::state().ChInfo[2][1], 44000000);
        shown.clear();
        road("mnuWriteFre", press);
        QCOMPARE(linkState().ComFail, std::int16_t(0));
        QVERIFY(std::any_of(shown.begin(), shown.end(),
                            [](const auto& e) { return e.first == "Write Successful" && e.second == 100; }));
        const Bytes after = radio->flash(0, 65536);
        const std::set<map::Addr> fixed = {0xEC58, 0xEC99, 0xEC08, 0xEC09, 0xEC0A, 0xECA0};
        for (map::Addr a = 0; a < 0x10000; ++a) {
            if (after[a] == flash[a]) continue;
            const bool channel2 = (a >= map::ChRecordAddr(2) && a < map::ChRecordAddr(3)) ||
                                  (a >= map::ChNameAddr(2) && a < map::ChNameAddr(3));
            if (!channel2 && !fixed.count(a)) QFAIL(qPrintable(QString("byte %1 changed").arg(a, 4, 16)));
        }
        QCOMPARE(after[map::ChRecordAddr(2) + 3], std::uint8_t(0x44)); // 440.00000 MHz
        QCOMPARE(after[0xEC58], std::uint8_t(0x0A));
        QCOMPARE(after[0xECA0], std::uint8_t(flash[0xECA0] & 0xFD));
        // Page 58 carries the write marks in the image only.
        QCOMPARE(model::IicDat()[0xE951], std::uint8_t(0x8F));
        QCOMPARE(pageOf(after, 58), pageOf(flash, 58));
    }

    void aWriteWithAutomaticUpdateBringsOlderFirmwareUpToDate() {
        FirmwareState& fw = firmware();
        fw.SoftModelTbl[101][2] = "10";
        fw.SoftSpecialTbl[101][2] = "102C146865";
        const platform::Host<FirmwareWindow>::Scoped registered(firmwareWindow);
        radio->setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101);
        const model::Image before = model::IicDat();
        road("mnuWriteFre", [](frmCommun& d) {
            QTest::mouseDClick(d.fraOne, Qt::LeftButton);
            d.chkAutoUpdate->click();
            QVERIFY(d.chkAutoUpdate->isChecked());
            press(d);
        });
        QCOMPARE(linkState().ComFail, std::int16_t(0));
        QCOMPARE(firmwareWindow.loads, 1);
        const Bytes after = radio->flash(0, 65536);
        for (int p = 7; p <= 49; ++p) QCOMPARE(pageOf(after, p), pageOf(model::IicDat(), p));
        QCOMPARE(after[0x1C01], std::uint8_t(0x1C01 * 7 + 101));
        // The user's channels went out, not the firmware's.
        for (int p : kFrequencySet) QCOMPARE(pageOf(after, p), pageOf(model::IicDat(), p));
        QCOMPARE(after[0xC800 + 1000], before[0xC800 + 1000]);
    }

    void anUpdateWithoutBuiltInFirmwareWritesTheChannelsAndSaysSo() {
        firmwareWindow.selectedBox = true;
        firmwareWindow.hasImage = false;
        const platform::Host<FirmwareWindow>::Scoped registered(firmwareWindow);
        const Bytes flash = radio->flash(0, 65536);
        QString notice;
        bool stillShown = false;
        road("mnuWriteFre", [&](frmCommun& d) {
            QTest::mouseDClick(d.fraOne, Qt::LeftButton);
            d.chkAutoUpdate->setChecked(true);
            press(d);
            notice = d.lblComStatus->text();
            stillShown = d.isVisible();
            d.close(); // the notice need not be waited out
        });
        QVERIFY(stillShown);
        QCOMPARE(notice, QStringLiteral(
                             "Write Successful - No built-in firmware for model 101, firmware not updated"));
        QCOMPARE(firmwareWindow.loads, 1);
        const Bytes after = radio->flash(0, 65536);
        for (int p = 0; p < 64; ++p)
            if (!inFrequencySet(p)) QCOMPARE(pageOf(after, p), pageOf(flash, p));
    }

    void aWriteStoppedByAnUnknownModelSaysWriteFail() {
        radio->setIdentity({0x10, 0x2C, 0x14, 0x68, 0x65}, 99);
        const Bytes flash = radio->flash(0, 65536);
        QString text;
        road("mnuWriteFre", [&](frmCommun& d) {
            QTest::mouseDClick(d.fraOne, Qt::LeftButton);
            d.chkAutoUpdate->setChecked(true);
            press(d);
            text = d.lblComStatus->text();
            d.close();
        });
        // Nothing was written: no word of a radio holding part of it.
        QCOMPARE(text, QStringLiteral("Write Fail: unknown model 99"));
        QCOMPARE(noticePanel().text(), QStringLiteral("Write Fail: unknown model 99"));
        QCOMPARE(linkState().ComFail, std::int16_t(-1));
        QCOMPARE(linkState().CommunBusy, std::int16_t(0));
        QCOMPARE(radio->countOf(0x39) + radio->countOf(0x33), 0);
        QVERIFY(radio->flash(0, 65536) == flash);
    }

    void aReadThatFailsLeavesImageAndGridAsTheyWere() {
        prepareRadio();
        radio->injectFault(Fault::WrongSum, 0x3A, 0, -1, 52); // page 3 of 9
        channelWindow().channelPage().vsfgGridCh->setTextMatrix(1, 1, QStringLiteral("431"));
        channelWindow().channelPage().vsfgGridCh_AfterEdit(1, 1);
        const model::Image edited = model::IicDat();
        QCOMPARE(cell(1, 1), QStringLiteral("431"));
        QElapsedTimer clock;
        qint64 hiddenAfter = 0;
        QString text;
        road("mnuReadFre", [&](frmCommun& d) {
            press(d);
            clock.start();
            text = d.lblComStatus->text();
            QVERIFY(d.isVisible());
            QVERIFY(d.cmdRead->isEnabled()); // usable again while the text stays
            QVERIFY(d.imgGreen->isHidden());
            QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 10000);
            hiddenAfter = clock.elapsed();
        });
        QCOMPARE(text, QStringLiteral("Read Failed: wrong answer"));
        QVERIFY2(hiddenAfter >= frmCommun::NoticeMs - 100, qPrintable(QString::number(hiddenAfter)));
        QCOMPARE(noticePanel().text(), text); // still there to read
        QCOMPARE(linkState().ComFail, std::int16_t(-1));
        QVERIFY(model::IicDat() == edited);
        QCOMPARE(cell(1, 1), QStringLiteral("431"));
        QCOMPARE(model::state().ChInfo[1][1], 43100000);
        QCOMPARE(radio->countOf(0x38), 0); // no closing exchange
    }

    void theStopBoxEndsAReadWithinAPage() {
        prepareRadio();
        radio->setPacing(9600); // a page takes about a second
        const model::Image before = model::IicDat();
        int pagesWhenStopped = -1;
        // Looks at every pass of the events the link's waits let run.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            frmCommun* d = frmCommun::existing();
            if (pagesWhenStopped < 0 && radio->countOf(0x3A) >= 2 && !d->chkStopCom->isChecked()) {
                pagesWhenStopped = radio->countOf(0x3A);
                d->chkStopCom->setChecked(true);
            }
        });
        poll.start(0);
        std::int64_t took = 0;
        road("mnuReadFre", [&](frmCommun& d) {
            const std::int64_t start = clock->nowMs();
            press(d);
            took = clock->nowMs() - start;
            d.close();
        });
        QVERIFY2(pagesWhenStopped >= 2, qPrintable(QString("%1 %2 %3")
                                                       .arg(pagesWhenStopped)
                                                       .arg(radio->countOf(0x3A))
                                                       .arg(shown.size() ? shown.back().first : "")));
        QCOMPARE(radio->countOf(0x3A), pagesWhenStopped);
        QCOMPARE(linkState().ComFail, std::int16_t(-1));
        QVERIFY(model::IicDat() == before);
        QVERIFY2(took < 9 * 1000, qPrintable(QString::number(took)));
    }

    // A read stopped through the dialog's stop box: the stop ends with it,
    // so the memory tool window's write and a key of the keypad, which
    // never clear it, reach the radio afterwards.
    void aStopEndsWithTheRoadItStopped() {
        prepareRadio();
        radio->injectFault(Fault::Silence, 0x3A, 0, -1, 52); // the radio stops answering at a page
        bool ticked = false;
        QTimer poll; // looks at every pass of the events the link's waits let run
        connect(&poll, &QTimer::timeout, [&] {
            frmCommun* d = frmCommun::existing();
            if (!ticked && d->chkStopCom->isVisible()) {
                QTest::mouseClick(d->chkStopCom, Qt::LeftButton);
                ticked = d->chkStopCom->isChecked();
            }
        });
        poll.start(0);
        road("mnuReadFre", [](frmCommun& d) {
            press(d);
            QVERIFY(!d.chkStopCom->isChecked());
            d.close();
        });
        poll.stop();
        QVERIFY(ticked);
        QCOMPARE(linkState().ComFail, std::int16_t(-1));
        QCOMPARE(linkState().ComStop, std::int16_t(0));
        radio->clearFaults();

        const int pagesBefore = radio->countOf(0x39);
        flashtool::cmdWriteFlash_Click(flashtool::tool());
        QCOMPARE(linkState().ComFail, std::int16_t(0));
        QCOMPARE(radio->countOf(0x39), pagesBefore + int(kFrequencySet.size()));
        const int controlsBefore = radio->countOf(0x38);
        QVERIFY(align::cmdKeyMa_Click(align::state(), linkState(), 5));
        QCOMPARE(linkState().ComFail, std::int16_t(0));
        QVERIFY(radio->countOf(0x38) > controlsBefore);
    }

    // A production line's serial numbers: a list of three imported on the
    // settings page, Auto ticked, then four radios written one after another.
    void threeSerialNumbersThroughFourWrites() {
        channels::SettingsControls& c = channelWindow().settings();
        home->write("numbers.ini", "[SerialNo]\n1=SN-A0001\n2=SN-A0002\n3=SN-A0003\n");
        dialogs->files.push_back(home->file("numbers.ini"));
        c.cmdImportSeq->click();
        QCOMPARE(c.cboImportSeq->count(), 3);
        c.chkAutoNextSn->click();
        QVERIFY(c.chkAutoNextSn->isChecked());
        std::vector<std::string> radios; // message line 1 as each radio holds it
        std::vector<QString> said;       // what the dialog said when each write had ended
        for (int n = 0; n < 4; ++n) {
            road("mnuWriteFre", [&](frmCommun& d) {
                press(d);
                said.push_back(d.lblComStatus->text());
                d.close(); // a notice need not be waited out
            });
            QCOMPARE(linkState().ComFail, std::int16_t(0));
            radios.push_back(charcode::HanZiToText(charcode::HanZiTbl(), radio->flash(0xE610, 32), 16));
        }
        QCOMPARE(radios, (std::vector<std::string>{"SN-A0001", "SN-A0002", "SN-A0003", ""}));
        // The write that used the last number says so, once.
        QCOMPARE(said,
                 (std::vector<QString>{{},
                                       {},
                                       "Write Successful - Serial number list used up: the next radio gets "
                                       "no serial number. Import a new list.",
                                       {}}));
        // Nothing of the list reached the fourth radio: its line is blank.
        QCOMPARE(radio->flash(0xE610, 32), Bytes(32, 0x00));
        QVERIFY(!c.chkAutoNextSn->isChecked());
        QCOMPARE(c.txtPc[2]->text(), QString());
    }

    void aRadioThatDoesNotAnswer() {
        radio->injectFault(Fault::Silence);
        const model::Image before = model::IicDat();
        QString text, panel;
        road("mnuReadFre", [&](frmCommun& d) {
            press(d);
            text = d.lblComStatus->text();
            panel = noticePanel().text();
            QVERIFY(!linkState().comCommun.PortOpen());
            QVERIFY(d.cmdRead->isEnabled());
            QCOMPARE(linkState().CommunBusy, std::int16_t(0));
            // The radio is switched on: the next press reads it.
            radio->clearFaults();
            press(d);
        });
        QCOMPARE(text, QStringLiteral("Read Failed: no answer"));
        QCOMPARE(panel, text);
        QCOMPARE(linkState().ComFail, std::int16_t(0));
        QVERIFY(!frmCommun::existing()->isVisible());
        QVERIFY(model::IicDat() != before);
        // The good read took the failure's account away.
        QCOMPARE(noticePanel().text(), QStringLiteral("Ready"));
        QVERIFY(noticePanel().toolTip().isEmpty());
    }

    // The cable pulled during a write: the radio holds part of the new data,
    // and the user reads so, in the dialog and, after it has closed, in the
    // main window's status panel with the whole account as its tip. Writing
    // again completes the radio and clears the account.
    void aLineThatHangsUpDuringAWriteLeavesTheWarning() {
        prepareRadio();
        radio->injectFault(Fault::HangUp, 0x39, 2); // at the third page
        const QString said = roadSaying("mnuWriteFre");
        const QString account = QStringLiteral("Write Fail: line closed\nThe radio may now hold part of the "
                                               "new data: writing again completes it.");
        QCOMPARE(said, account);
        QCOMPARE(noticePanel().text(), QStringLiteral("Write Fail: line closed - write again to complete"));
        QCOMPARE(noticePanel().toolTip(), account);
        QCOMPARE(linkState().ComFail, std::int16_t(-1));

        radio->clearFaults();
        radio->replug();
        platform::IniFile::write(home->file("tavorin.def"), "Ports", "1", radio->devicePath());
        QCOMPARE(roadSaying("mnuWriteFre"), QString()); // a plain good write says nothing more
        QCOMPARE(linkState().ComFail, std::int16_t(0));
        for (int p : kFrequencySet) QCOMPARE(pageOf(radio->flash(0, 65536), p), pageOf(model::IicDat(), p));
        QCOMPARE(noticePanel().text(), QStringLiteral("Ready"));
        QVERIFY(noticePanel().toolTip().isEmpty());
    }

    // Every account a failed road leaves in status panel 1 shows whole at
    // the main window's size, in each language, and the window keeps its
    // size.
    void theStatusPanelHoldsEveryAccount_data() { testsupport::languageRows(); }
    void theStatusPanelHoldsEveryAccount() {
        QFETCH(int, lang);
        shell::mdifrmMain& main = shell::mdifrmMain::instance();
        const QSize size = main.size();
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        app::InitFaceText(app::shell());
        main.SetSoftFace();
        auto link = std::make_unique<LinkState>();
        link->ComPortNo = 16;
        std::vector<RoadFailure> accounts;
        for (FailWhy why : {FailWhy::NoAnswer, FailWhy::WrongAnswer, FailWhy::LineClosed, FailWhy::Stopped,
                            FailWhy::PortNotOpened})
            for (bool write : {false, true}) {
                link->ComFailWhy = why;
                link->WritePagesSent = write && why != FailWhy::PortNotOpened;
                accounts.push_back(DescribeRoadFailure(*link, write));
            }
        const UnknownModel unknown(255);
        const app::Caught unknownThrown{&unknown};
        accounts.push_back(DescribeRoadFailure(*link, true, &unknownThrown));
        for (const RoadFailure& f : accounts) {
            main.LinkFailureShown(f.panel, f.notice);
            QCoreApplication::processEvents(); // the status bar lays its panels out again
            const QLabel& panel = noticePanel();
            QCOMPARE(panel.text(), QString::fromStdString(f.panel));
            const int needed = panel.fontMetrics().horizontalAdvance(panel.text());
            QVERIFY2(needed <= panel.contentsRect().width(), qPrintable(QString("%1 px in %2: %3")
                                                                            .arg(needed)
                                                                            .arg(panel.contentsRect().width())
                                                                            .arg(panel.text())));
            QCOMPARE(main.size(), size);
        }
    }

    // A write whose radio never answered wrote nothing: it says why, and no
    // more. The port missing: the reason is the port's own.
    void aWriteThatSentNothingSaysOnlyWhy() {
        radio->injectFault(Fault::Silence);
        QCOMPARE(roadSaying("mnuWriteFre"), QStringLiteral("Write Fail: no answer"));
        QCOMPARE(noticePanel().text(), QStringLiteral("Write Fail: no answer"));

        platform::IniFile::write(home->file("tavorin.def"), "Ports", "1", home->file("no-port"));
        QTimer cancel; // the port dialog the failed open shows: the user cancels it
        connect(&cancel, &QTimer::timeout, [] {
            if (radiolink::ui::frmToolCom* d = radiolink::ui::frmToolCom::existing(); d && d->isVisible())
                d->cmdCancel->click();
        });
        cancel.start(0);
        const QString said = roadSaying("mnuReadFre");
        QVERIFY2(said.startsWith(QStringLiteral("Read Failed: COM1 cannot be opened: No such device: ")),
                 qPrintable(said));
        QCOMPARE(noticePanel().text(), QStringLiteral("Read Failed: COM1 cannot be opened"));
        QCOMPARE(noticePanel().toolTip(), said);
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
