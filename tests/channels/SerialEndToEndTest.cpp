// A production line's serial numbers as the program gives them: a list of
// three numbers imported on the settings page, Auto ticked, then four radios
// written one after the other through the read/write dialog, against the
// simulated radio over a pseudo-terminal. Each radio's message line 1 is read
// back from the radio itself.
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmChMem.h"
#include "link/LinkState.h"
#include "link/ui/LinkWindows.h"
#include "link/ui/frmCommun.h"
#include "model/Model.h"

#include "app/Shell.h"
#include "charcode/HanZi.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/linkui/LinkUiSupport.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using radiolink::ui::frmCommun;
using Bytes = std::vector<std::uint8_t>;

class SerialEndToEndTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::TempHome> home;
    std::unique_ptr<testsupport::ScriptedDialogs> dialogs;
    std::unique_ptr<testsupport::VirtualClock> clock;
    std::unique_ptr<radiosim::Radio> radio;

    static channels::frmChMem& channelWindow() {
        auto* w = dynamic_cast<channels::frmChMem*>(shell::mdifrmMain::instance().channelWindow());
        if (!w) throw std::runtime_error("no channel window");
        return *w;
    }
    // Writes the radio from the main window's menu; gives what the dialog
    // said when the write had ended.
    QString write() {
        QString said;
        QTimer::singleShot(0, [&said] {
            frmCommun* d = frmCommun::existing();
            QVERIFY(d && d->isVisible());
            d->cmdWrite->click();
            said = d->lblComStatus->text();
            d->close(); // a notice need not be waited out
        });
        shell::mdifrmMain::instance().action(QStringLiteral("mnuWriteFre"))->trigger();
        return said;
    }
    // Message line 1 as the radio holds it.
    std::string radioLine1() const {
        const Bytes line = radio->flash(0xE610, 32);
        return charcode::HanZiToText(charcode::HanZiTbl(), line, 16);
    }

  private slots:
    void init() {
        home = std::make_unique<testsupport::TempHome>();
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
        platform::IniFile::write(def, "Setting", "Language", "3");
        for (int n = 1; n <= 16; ++n)
            platform::IniFile::write(def, "Ports", std::to_string(n),
                                     n == 1 ? radio->devicePath() : home->file("no-port"));
        platform::IniFile::write(def, "Setting", "COM", "1");
        linkui::ResetProgramLink(*home);
        platform::setEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
        channels::InstallChannelWindow();
        radiolink::ui::InstallLinkWindows();
        model::ResetModel();
        QVERIFY(shell::StartProgram());
        QVERIFY(QTest::qWaitFor([] { return !shell::frmSplash::existing(); }, 10000));
    }
    void cleanup() {
        shell::mdifrmMain::destroyInstance();
        delete shell::frmSplash::existing();
        platform::setEventPump(nullptr);
        clock.reset();
        radio.reset();
        dialogs.reset();
        home.reset();
    }

    void threeNumbersThroughFourWrites() {
        channels::SettingsControls& c = channelWindow().settings();
        home->write("numbers.ini", "[SerialNo]\n1=SN-A0001\n2=SN-A0002\n3=SN-A0003\n");
        dialogs->files.push_back(home->file("numbers.ini"));
        c.cmdImportSeq->click();
        QCOMPARE(c.cboImportSeq->count(), 3);
        c.chkAutoNextSn->click();
        QVERIFY(c.chkAutoNextSn->isChecked());

        std::vector<std::string> radios;
        std::vector<QString> said;
        for (int n = 0; n < 4; ++n) {
            said.push_back(write());
            QCOMPARE(radiolink::linkState().ComFail, std::int16_t(0));
            radios.push_back(radioLine1());
        }
        QCOMPARE(radios, (std::vector<std::string>{"SN-A0001", "SN-A0002", "SN-A0003", ""}));
        // The write that used the last number says so, once.
        QCOMPARE(said[0], QString());
        QCOMPARE(said[1], QString());
        QCOMPARE(said[2],
                 QStringLiteral("Write Successful - Serial number list used up: the next radio gets no "
                                "serial number. Import a new list."));
        QCOMPARE(said[3], QString());
        // Nothing of the list reached the fourth radio: the line is blank.
        QCOMPARE(radio->flash(0xE610, 32), Bytes(32, 0x00));
        QVERIFY(!c.chkAutoNextSn->isChecked());
        QCOMPARE(c.txtPc[2]->text(), QString());
    }
};

QTEST_MAIN(SerialEndToEndTest)
#include "SerialEndToEndTest.moc"
