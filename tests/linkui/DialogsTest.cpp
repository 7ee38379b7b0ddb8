// The port dialog and the read/write dialog's own behaviour, on the
// offscreen platform, with pseudo-terminals for the ports that open.
#include "app/FaceText.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "link/Commun.h"
#include "link/LinkState.h"
#include "link/LinkTexts.h"
#include "link/PortChoice.h"
#include "link/ui/LinkWindows.h"
#include "link/ui/frmCommun.h"
#include "link/ui/frmToolCom.h"
#include "platform/IniFile.h"
#include "platform/PseudoTerminal.h"
#include "platform/SerialPort.h"
#include "platform/ui/Twips.h"
#include "tests/linkui/LinkUiSupport.h"
#include "tests/support/Capabilities.h"
#include "tests/support/FreshStart.h"
#include "tests/support/LanguageRows.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include <sys/stat.h>

#include <functional>
#include <memory>

using namespace radiolink;
using radiolink::ui::frmCommun;
using radiolink::ui::frmToolCom;

namespace {

// Runs `act` on the dialog once the modal show below has started.
void whenShown(std::function<void()> act) {
    QTimer::singleShot(0, std::move(act));
}

// The interface language with its texts and the font the shipped settings
// give it.
void useLanguage(int lang) {
    app::ShellState& s = app::shell();
    s.LangIndex = static_cast<std::int16_t>(lang);
    s.FaceFontName = lang == 1 ? "WenQuanYi Micro Hei" : "DejaVu Sans";
    app::InitFaceText(s);
}

// The label's text laid out as the label lays it out.
std::unique_ptr<QTextDocument> laidOut(const QLabel& label) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDocumentMargin(0);
    doc->setDefaultFont(label.font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    doc->setDefaultTextOption(wrap);
    doc->setPlainText(label.text());
    doc->setTextWidth(label.contentsRect().width());
    return doc;
}

// What keeps the label's text from showing whole in its room; empty when
// it fits.
QString unshown(const QLabel& label) {
    const QRect room = label.contentsRect();
    const int needed = label.heightForWidth(label.width());
    if (needed > label.height())
        return QString("%1 px high in %2: %3").arg(needed).arg(label.height()).arg(label.text());
    if (laidOut(label)->idealWidth() > room.width()) return "a word wider than the room: " + label.text();
    return {};
}

// Whether `part` of the label's text stands on one line of it.
bool onOneLine(const QLabel& label, const QString& part) {
    const auto doc = laidOut(label);
    const int at = label.text().indexOf(part);
    if (at < 0) return false;
    const QTextBlock block = doc->findBlock(at);
    const QTextLayout* layout = block.layout();
    const int first = at - block.position(), last = first + static_cast<int>(part.size()) - 1;
    return layout->lineForTextPosition(first).lineNumber() == layout->lineForTextPosition(last).lineNumber();
}

// Every text the read/write dialog's status line shows.
std::vector<std::string> communStatusTexts() {
    using app::text;
    std::vector<std::string> texts = {text(app::kTextCommunicating)};
    for (int n : {kTextComSuccess, kTextComFailed, kTextReadSuccessful, kTextReadFailed, kTextWriteSuccessful,
                  kTextWriteFailed})
        texts.push_back(text(n));
    for (int n : {kTextReading, kTextWriting}) texts.push_back(text(n) + "100 %");
    for (int n : {kTextTryToRead, kTextTryToWrite, kTextTryTimes}) texts.push_back(text(n) + " 25");
    const std::string noFirmware = " - " + text(app::TextKey::NoBuiltInFirmware, "125");
    const std::string usedUp = " - " + text(app::TextKey::SerialListUsedUp);
    for (const std::string& notice : {noFirmware, usedUp, noFirmware + usedUp})
        texts.push_back(text(kTextWriteSuccessful) + notice);
    // A failed road's account, the longest port reason among them.
    auto link = std::make_unique<LinkState>();
    link->ComPortNo = 16;
    link->ComPortWhy[16] = text(app::TextKey::PortNoPermission, "/dev/ttyS3");
    using radiolink::FailWhy;
    for (FailWhy why : {FailWhy::NoAnswer, FailWhy::WrongAnswer, FailWhy::LineClosed, FailWhy::Stopped,
                        FailWhy::PortNotOpened, FailWhy::None})
        for (bool write : {false, true}) {
            link->ComFailWhy = why;
            link->WritePagesSent = write && why != FailWhy::PortNotOpened;
            texts.push_back(DescribeRoadFailure(*link, write).notice);
        }
    const radiolink::UnknownModel unknown(255);
    const app::Caught unknownThrown{&unknown};
    texts.push_back(DescribeRoadFailure(*link, true, &unknownThrown).notice);
    return texts;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::FreshStart> fresh;
    const testsupport::TempHome* home = nullptr;
    std::unique_ptr<platform::PseudoTerminal> pty1, pty2;

    std::string stored(const char* section, const char* key) {
        return platform::IniFile::lookup(app::SettingsFile(), section, key).value_or("<none>");
    }

  private slots:
    void init() {
        fresh = std::make_unique<testsupport::FreshStart>();
        home = &fresh->home;
        pty1 = std::make_unique<platform::PseudoTerminal>();
        pty2 = std::make_unique<platform::PseudoTerminal>();
        linkui::StartProgramLink(*home);
        radiolink::ui::InstallLinkWindows();
    }
    void cleanup() {
        delete frmCommun::existing();
        fresh.reset();
    }

    void cancelGoesBackToThePortInUseWhenShown() {
        // Start-up: the stored port 5 fails, so the dialog was loaded hidden
        // by that probe, and port 1 was chosen.
        linkui::WriteSettings(*home, {{1, pty1->devicePath()}}, "[Config]\nCOM=5\n");
        InitSerialHost(linkState());
        QCOMPARE(int(linkState().ComPortNo), 1);
        int shownWith = 0;
        whenShown([&] {
            frmToolCom* d = frmToolCom::existing();
            QVERIFY(d && d->isVisible());
            shownWith = d->COM[0]->isChecked() ? 1 : 0;
            QVERIFY(!d->COM[4]->isEnabled());
            QVERIFY(d->COM[4]->toolTip().contains("No such device"));
            d->cmdCancel->click();
        });
        QVERIFY(!ui::ShowPortDialog(nullptr));
        QCOMPARE(shownWith, 1);
        QCOMPARE(int(linkState().ComPortNo), 1);
        QCOMPARE(stored("Config", "COM"), std::string("1"));
    }

    // The port in use that would not open: the dialog says why, in the
    // interface language; a port that opens leaves the line empty.
    void thePortDialogTellsWhyThePortInUseWouldNotOpen_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<QString>("lead");
        QTest::addColumn<QString>("why");
        QTest::newRow("chs, no device") << 1 << false << "COM1 无法打开："
                                        << "没有这个设备：";
        QTest::newRow("cht, no device") << 2 << false << "COM1 無法開啟："
                                        << "沒有這個裝置：";
        QTest::newRow("eng, no device") << 3 << false << "COM1 cannot be opened:"
                                        << "No such device: ";
        QTest::newRow("chs, in use") << 1 << true << "COM1 无法打开："
                                     << "正被另一个程序使用";
    }
    void thePortDialogTellsWhyThePortInUseWouldNotOpen() {
        QFETCH(int, lang);
        QFETCH(bool, inUse);
        QFETCH(QString, lead);
        QFETCH(QString, why);
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        app::InitFaceText(app::shell());
        // Another program holds port 1, or it names no device at all.
        platform::SerialPort holder;
        if (inUse) holder.open(pty1->devicePath(), 9600);
        linkui::WriteSettings(
            *home, inUse ? std::map<int, std::string>{{1, pty1->devicePath()}, {2, pty2->devicePath()}}
                         : std::map<int, std::string>{{2, pty2->devicePath()}});
        QString shown;
        whenShown([&] {
            frmToolCom* d = frmToolCom::existing();
            shown = d->lblComWhy->text();
            d->cmdCancel->click();
        });
        ui::ShowPortDialog(nullptr);
        QVERIFY2(shown.startsWith(lead + '\n'), qPrintable(shown));
        QVERIFY2(shown.contains(why), qPrintable(shown));
        QVERIFY2(
            shown.contains(QString::fromStdString(inUse ? pty1->devicePath() : home->file("no-such-tty"))),
            qPrintable(shown));

        // Port 2 opens: nothing to tell.
        linkState().ComPortNo = 2;
        whenShown([&] {
            shown = frmToolCom::existing()->lblComWhy->text();
            frmToolCom::existing()->cmdCancel->click();
        });
        ui::ShowPortDialog(nullptr);
        QVERIFY(shown.isEmpty());
    }

    void eachShowingProbesThePortsAfresh() {
        linkui::WriteSettings(*home, {{1, pty1->devicePath()}});
        ScanComPorts(linkState());
        QCOMPARE(linkState().ComPortState[2], std::int16_t(-1));
        // The cable is plugged in now.
        linkui::WriteSettings(*home, {{1, pty1->devicePath()}, {2, pty2->devicePath()}});
        whenShown([] {
            frmToolCom* d = frmToolCom::existing();
            QVERIFY(d->COM[1]->isEnabled());
            QVERIFY(!d->COM[2]->isEnabled());
            QVERIFY(d->COM[0]->isChecked());
            d->COM[1]->click();
            d->cmdOk->click();
        });
        QVERIFY(ui::ShowPortDialog(nullptr));
        QCOMPARE(int(linkState().ComPortNo), 2);
        QCOMPARE(stored("Config", "COM"), std::string("2"));
        QCOMPARE(linkState().frmMain.cmdPortCaption, std::string("端口 2"));
    }

    void okStoresThePortAlsoWhenUnchangedAndCloseBoxCancels() {
        linkui::WriteSettings(*home, {{1, pty1->devicePath()}, {2, pty2->devicePath()}});
        QString title;
        whenShown([&] {
            frmToolCom* d = frmToolCom::existing();
            title = d->windowTitle();
            QCOMPARE(d->fraToolCom->title(), QStringLiteral("Set"));
            QCOMPARE(d->cmdOk->text(), QStringLiteral("OK"));
            QCOMPARE(d->cmdCancel->text(), QStringLiteral("Cancel"));
            d->cmdOk->click();
        });
        QVERIFY(ui::ShowPortDialog(nullptr));
        QCOMPARE(title, QStringLiteral("Communication Port"));
        QCOMPARE(stored("Config", "COM"), std::string("1"));

        whenShown([] {
            frmToolCom* d = frmToolCom::existing();
            d->COM[1]->click();
            d->close();
        });
        QVERIFY(!ui::ShowPortDialog(nullptr));
        QCOMPARE(int(linkState().ComPortNo), 1);
    }

    // The settings file refuses the choice: the port is in use for this run
    // and the user is told, once, in the interface language, as of every
    // other refused setting.
    void aPortChoiceTheSettingsRefuseIsTold_data() { testsupport::languageRows(); }
    void aPortChoiceTheSettingsRefuseIsTold() {
        QFETCH(int, lang);
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        app::InitFaceText(app::shell());
        testsupport::ScriptedDialogs dialogs;
        linkui::WriteSettings(*home, {{1, pty1->devicePath()}, {2, pty2->devicePath()}}, "[Config]\nCOM=1\n");
        const std::string before = home->read("tavorin.def");
        ::chmod(home->file("tavorin.def").c_str(), 0444);
        for (int port : {2, 1}) {
            whenShown([port] {
                frmToolCom* d = frmToolCom::existing();
                QTest::mouseClick(d->COM[port - 1], Qt::LeftButton);
                QTest::mouseClick(d->cmdOk, Qt::LeftButton);
            });
            QVERIFY(ui::ShowPortDialog(nullptr));
            QCOMPARE(int(linkState().ComPortNo), port);
        }
        QCOMPARE(home->read("tavorin.def"), before);
        QCOMPARE(dialogs.asked.size(), std::size_t(1)); // once a run
        const testsupport::ScriptedDialogs::Asked& told = dialogs.asked[0];
        QVERIFY2(told.text.rfind(app::text(app::TextKey::SettingsRefused, lang) + "\n", 0) == 0,
                 told.text.c_str());
        QVERIFY2(told.text.find(home->file("tavorin.def")) != std::string::npos, told.text.c_str());
        QCOMPARE(told.title, app::text(app::kTextNotice));
        QCOMPARE(told.icon, platform::Icon::Exclamation);
    }

    // Why the port in use would not open, at the dialog's size, in each
    // language: all of it shows, and a command stands whole on its line,
    // to be copied.
    void thePortDialogsReasonFits_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<int>("problem");
        for (int lang : {1, 2, 3})
            for (int problem : {int(platform::PortProblem::NoPermission), int(platform::PortProblem::InUse),
                                int(platform::PortProblem::NoDevice), int(platform::PortProblem::NotSerial)})
                QTest::addRow("lang %d, problem %d", lang, problem) << lang << problem;
    }
    void thePortDialogsReasonFits() {
        QFETCH(int, lang);
        QFETCH(int, problem);
        useLanguage(lang);
        using platform::PortProblem;
        const auto why = static_cast<PortProblem>(problem);
        home->write("locked", "");
        ::chmod(home->file("locked").c_str(), why == PortProblem::NoPermission ? 0 : 0644);
        platform::SerialPort holder;
        if (why == PortProblem::InUse) holder.open(pty1->devicePath(), 9600);
        const std::string device = why == PortProblem::InUse      ? pty1->devicePath()
                                   : why == PortProblem::NoDevice ? home->file("no-such-tty")
                                                                  : home->file("locked");
        linkui::WriteSettings(*home, {{1, device}, {2, pty2->devicePath()}});
        // The superuser, too, meets the refusal a user meets.
        testsupport::WithoutCapabilities user({CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH});
        // Looked at while shown, judged once it has closed.
        QString text, missing;
        bool placed = false, selectable = false, commandWhole = false;
        whenShown([&] {
            frmToolCom* d = frmToolCom::existing();
            const QLabel& reason = *d->lblComWhy;
            text = reason.text();
            missing = unshown(reason);
            placed = reason.geometry().bottom() < d->cmdOk->geometry().top() &&
                     d->cmdOk->geometry().bottom() < d->height();
            selectable = reason.textInteractionFlags() & Qt::TextSelectableByMouse;
            commandWhole = onOneLine(reason, QStringLiteral("sudo usermod -a -G dialout $USER"));
            d->cmdCancel->click();
        });
        ui::ShowPortDialog(nullptr);
        QVERIFY(!text.isEmpty());
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
        QVERIFY(placed);
        QVERIFY(selectable);
        if (why == PortProblem::NoPermission) QVERIFY2(commandWhole, qPrintable(text));
    }

    void everyStatusTextOfTheReadWriteDialogFits_data() { testsupport::languageRows(); }
    void everyStatusTextOfTheReadWriteDialogFits() {
        QFETCH(int, lang);
        useLanguage(lang);
        frmCommun& d = frmCommun::instance();
        for (const std::string& text : communStatusTexts()) {
            d.SetStatus(text);
            const QString missing = unshown(*d.lblComStatus);
            QVERIFY2(missing.isEmpty(), qPrintable(missing));
            // What lies below the text moved down with it, and the dialog grew.
            QVERIFY(d.lblComStatus->geometry().bottom() < d.prgCommunicate->geometry().top());
            QVERIFY(d.cmdWrite->geometry().bottom() < d.fraOne->height());
            QVERIFY(d.fraOne->geometry().bottom() < d.height());
        }
        d.SetStatus(std::string());
        QCOMPARE(d.size(),
                 QSize(platform::twips(5400), platform::twips(2520))); // and is its design size again
    }

    void updateKeyDecidesTheAutoUpdateBox_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("missing") << "" << true << "1";
        QTest::newRow("empty") << "[Soft]\nUpdate=\n" << true << "1";
        QTest::newRow("1") << "[Soft]\nUpdate=1\n" << true << "1";
        QTest::newRow("0") << "[Soft]\nUpdate=0\n" << false << "0";
        QTest::newRow("2") << "[Soft]\nUpdate=2\n" << false << "2";
        QTest::newRow("no number") << "[Soft]\nUpdate=x\n" << false << "x";
    }
    void updateKeyDecidesTheAutoUpdateBox() {
        QFETCH(QString, settings);
        QFETCH(bool, ticked);
        QFETCH(QString, storedAfter);
        linkui::WriteSettings(*home, {}, settings.toStdString());
        linkState().AutoUpdate = -1; // left from an earlier load
        frmCommun& d = frmCommun::instance();
        QCOMPARE(d.chkAutoUpdate->isChecked(), ticked);
        QCOMPARE(linkState().AutoUpdate, std::int16_t(ticked ? -1 : 0));
        QVERIFY(d.chkAutoUpdate->isHidden());
        QCOMPARE(QString::fromStdString(stored("Soft", "Update")),
                 storedAfter == "" ? QStringLiteral("<none>") : storedAfter);
    }

    void doubleClickOnTheFrameShowsAndHidesTheUpdateBox() {
        linkui::WriteSettings(*home, {}, "[Soft]\nUpdate=0\n");
        frmCommun& d = frmCommun::instance();
        QTest::mouseDClick(d.fraOne, Qt::LeftButton);
        QVERIFY(!d.chkAutoUpdate->isHidden());
        d.chkAutoUpdate->click();
        QCOMPARE(linkState().AutoUpdate, std::int16_t(-1));
        QCOMPARE(stored("Soft", "Update"), std::string("1"));
        QTest::mouseDClick(d.fraOne, Qt::LeftButton);
        QVERIFY(d.chkAutoUpdate->isHidden());
        QVERIFY(d.chkAutoUpdate->isChecked());
        d.chkAutoUpdate->setChecked(false);
        QCOMPARE(stored("Soft", "Update"), std::string("0"));
        QCOMPARE(linkState().AutoUpdate, std::int16_t(0));
    }

    // A click on the update box that the settings file refuses is told, as
    // every other refused setting, and the box still decides this run.
    void anUpdateChoiceTheSettingsRefuseIsTold() {
        testsupport::ScriptedDialogs dialogs;
        linkui::WriteSettings(*home, {}, "[Soft]\nUpdate=0\n");
        frmCommun& d = frmCommun::instance();
        ::chmod(home->file("tavorin.def").c_str(), 0444);
        QTest::mouseDClick(d.fraOne, Qt::LeftButton);
        QTest::mouseClick(d.chkAutoUpdate, Qt::LeftButton);
        QCOMPARE(linkState().AutoUpdate, std::int16_t(-1));
        QCOMPARE(stored("Soft", "Update"), std::string("0"));
        QCOMPARE(dialogs.asked.size(), std::size_t(1));
        QVERIFY2(dialogs.asked[0].text.rfind(app::text(app::TextKey::SettingsRefused) + "\n", 0) == 0,
                 dialogs.asked[0].text.c_str());
    }

    void captionsAndTheStopBox_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("stop");
        QTest::newRow("Simplified Chinese") << 1 << "停止通信";
        QTest::newRow("Traditional Chinese") << 2 << "停止通信";
        QTest::newRow("English") << 3 << "Stop Communication";
    }
    void captionsAndTheStopBox() {
        QFETCH(int, lang);
        QFETCH(QString, stop);
        app::shell().LangIndex = static_cast<std::int16_t>(lang);
        app::InitFaceText(app::shell());
        frmCommun& d = frmCommun::instance();
        QCOMPARE(d.windowTitle(), QString::fromStdString(app::text(radiolink::kTextCommunTitle)));
        QCOMPARE(d.fraOne->title(), QString::fromStdString(app::text(radiolink::kTextCommunFrame)));
        QCOMPARE(d.cmdRead->text(), QString::fromStdString(app::text(radiolink::kTextReadButton)));
        QCOMPARE(d.cmdWrite->text(), QString::fromStdString(app::text(radiolink::kTextWriteButton)));
        QCOMPARE(d.chkStopCom->text(), stop);
        QVERIFY(d.lblComStatus->text().isEmpty());
        QVERIFY(d.imgGreen->isHidden());
        QVERIFY(d.chkStopCom->isHidden());
        linkState().ComStop = -1;
        d.chkStopCom->setChecked(true);
        QCOMPARE(linkState().ComStop, std::int16_t(-1));
        d.chkStopCom->setChecked(false);
        QCOMPARE(linkState().ComStop, std::int16_t(0));
    }

    void eachRoadOpensTheDialogForItsDirection() {
        linkui::WriteSettings(*home, {});
        for (bool write : {false, true}) {
            frmCommun& d = frmCommun::instance();
            d.chkStopCom->setChecked(true);
            d.chkAutoUpdate->show();
            d.prgCommunicate->setValue(40);
            bool seen = false;
            whenShown([&] {
                QVERIFY(d.isVisible() && d.isModal());
                QCOMPARE(d.cmdWrite->isHidden(), !write);
                QCOMPARE(d.cmdRead->isHidden(), write);
                QVERIFY(d.chkAutoUpdate->isHidden());
                QCOMPARE(d.prgCommunicate->value(), 0);
                QVERIFY(!d.chkStopCom->isChecked());
                QCOMPARE(linkState().ComStop, std::int16_t(0));
                seen = true;
                d.hide();
            });
            ui::ShowCommunDialog(nullptr, write);
            QVERIFY(seen);
            QCOMPARE(frmCommun::existing(), &d); // hiding keeps it loaded
        }
    }

    void closingIsRefusedWhileARoadRunsAndUnloadsOtherwise() {
        linkui::WriteSettings(*home, {}, "[Soft]\nUpdate=0\n");
        bool refused = false;
        whenShown([&] {
            frmCommun* d = frmCommun::existing();
            linkState().CommunBusy = -1;
            d->close();
            QTest::keyClick(d, Qt::Key_Escape);
            refused = d->isVisible();
            linkState().CommunBusy = 0;
            d->close();
        });
        ui::ShowCommunDialog(nullptr, false);
        QVERIFY(refused);
        QVERIFY(!frmCommun::existing());
        // The next use loads it again, with the key as it stands now.
        linkui::WriteSettings(*home, {}, "[Soft]\nUpdate=1\n");
        QVERIFY(frmCommun::instance().chkAutoUpdate->isChecked());
    }

    void aNewStatusTextMovesTheProgressBar() {
        frmCommun& d = frmCommun::instance();
        linkState().ComPercent = 44;
        QCOMPARE(d.prgCommunicate->value(), 0);
        linkState().frmCommun.lblComStatus = "Reading...44 %";
        linkState().frmCommun.chkStopComVisible = true;
        CommunChanged(linkState());
        QCOMPARE(d.lblComStatus->text(), QStringLiteral("Reading...44 %"));
        QCOMPARE(d.prgCommunicate->value(), 44);
        QVERIFY(!d.chkStopCom->isHidden());
        linkState().ComPercent = 50;
        CommunChanged(linkState()); // the same text: the bar stays
        QCOMPARE(d.prgCommunicate->value(), 44);
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
