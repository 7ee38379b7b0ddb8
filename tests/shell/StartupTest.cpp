// The start-up from the splash to the sized main window, on the offscreen
// platform: which windows open and what the settings file holds after.
#include "app/DataFile.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "charcode/HanZi.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/PseudoTerminal.h"
#include "platform/ui/QtDialogs.h"
#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/shell/LanguageDialogs.h"
#include "tests/support/ChannelStandIn.h"
#include "tests/support/Environment.h"
#include "tests/support/FreshStart.h"
#include "tests/support/TempHome.h"

#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <QDir>

#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace app;
using namespace shell;

namespace {

// The desktop's restart of the program, counted; it fails on request.
struct Restarts : platform::Desktop {
    bool RestartProgram() override {
        ++count;
        return works;
    }
    int count = 0;
    bool works = true;
    platform::Host<platform::Desktop>::Scoped registered{*this};
};

// The splash as it is shown.
struct SplashShown : QObject {
    int shows = 0;
    QString title;
    Qt::WindowFlags flags;
    int interval = 0;
    QSize picture;
    QImage image;
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* splash = dynamic_cast<frmSplash*>(o);
        if (e->type() == QEvent::Show && splash) {
            ++shows;
            title = splash->windowTitle();
            flags = splash->windowFlags();
            interval = splash->tmrSoftInit.interval();
            picture = splash->imgSplash->pixmap().size();
            image = splash->imgSplash->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        }
        return false;
    }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::FreshStart> fresh;
    const testsupport::TempHome* home = nullptr;
    std::unique_ptr<shelltest::LanguageDialogs> dialogs;
    std::unique_ptr<Restarts> restarts;
    std::unique_ptr<testsupport::StandInChannelWindows> channelWindows;
    // The locale a test gives the start; unset unless it does.
    std::unique_ptr<testsupport::ScopedEnv> lcAll;

    std::string stored(const char* section, const char* key) {
        return platform::IniFile::lookup(home->file("tavorin.def"), section, key).value_or("<none>");
    }
    // Runs the program's start as main() does; true when it opened windows.
    bool start() {
        const bool started = StartProgram();
        if (!QTest::qWaitFor([] { return !frmSplash::existing(); }, 5000)) qWarning("the splash stayed");
        return started;
    }
    // The settings, with every serial port mapped to no device (or to the
    // devices given), so that no test touches the machine's own ports, and a
    // grid layout, so that the start has nothing to restore.
    void settings(const QString& content, const std::map<int, std::string>& devices = {}) {
        if (content == QLatin1String("<none>")) return;
        home->write("tavorin.def", content.toStdString() + ports(devices) + "[ChInfo]\n5000=16\n");
    }
    std::string ports(const std::map<int, std::string>& devices = {}) {
        std::string section = "\n[Ports]\n";
        for (int n = 1; n <= 16; ++n)
            section +=
                std::to_string(n) + "=" + (devices.count(n) ? devices.at(n) : home->file("no-port")) + "\n";
        return section;
    }

  private slots:
    void init() {
        fresh = std::make_unique<testsupport::FreshStart>();
        home = &fresh->home;
        dialogs = std::make_unique<shelltest::LanguageDialogs>();
        restarts = std::make_unique<Restarts>();
        channelWindows = std::make_unique<testsupport::StandInChannelWindows>();
        lcAll = std::make_unique<testsupport::ScopedEnv>("LC_ALL");
        home->copyShipped("zezirev.def");
    }
    void cleanup() {
        mdifrmMain::destroyInstance();
        delete frmSplash::existing();
        channelWindows.reset();
        restarts.reset();
        dialogs.reset();
        fresh.reset();
        lcAll.reset();
    }

    void firstStartAndLanguage_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("firRun");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("langIndex");
        const QString f1 = "[Setting]\nFirRun=%1\n";
        QTest::newRow("no settings file") << "<none>"
                                          << "zh_CN.UTF-8" << false << "1"
                                          << "<none>" << 0;
        QTest::newRow("FirRun missing") << "[Setting]\nLanguage=1\n"
                                        << "zh_CN" << false << "1"
                                        << "1" << 0;
        QTest::newRow("FirRun 2") << f1.arg(2) << "zh_CN" << false << "1"
                                  << "<none>" << 0;
        QTest::newRow("FirRun 1, locale 2052") << f1.arg(1) << "zh_CN.UTF-8" << true << "0"
                                               << "1" << 1;
        QTest::newRow("FirRun 1, locale 1028") << f1.arg(1) << "zh_TW.UTF-8" << true << "0"
                                               << "2" << 2;
        QTest::newRow("FirRun 1, locale 1033") << f1.arg(1) << "en_US.UTF-8" << true << "0"
                                               << "3" << 3;
        QTest::newRow("FirRun 1, locale 1041") << f1.arg(1) << "ja_JP.UTF-8" << true << "0"
                                               << "3" << 3;
        QTest::newRow("FirRun 1, locale 3076") << f1.arg(1) << "zh_HK.UTF-8" << true << "0"
                                               << "3" << 3;
        QTest::newRow("FirRun 1, locale 4100") << f1.arg(1) << "zh_SG.UTF-8" << true << "0"
                                               << "3" << 3;
        QTest::newRow("FirRun 5 counts as 1") << f1.arg(5) << "zh_CN" << true << "0"
                                              << "1" << 1;
        QTest::newRow("FirRun -1 counts as 1") << f1.arg(-1) << "zh_TW" << true << "0"
                                               << "2" << 2;
        QTest::newRow("FirRun 100 reads as 10") << f1.arg(100) << "zh_TW" << true << "0"
                                                << "2" << 2;
        QTest::newRow("FirRun no number") << f1.arg("x") << "zh_TW" << true << "0"
                                          << "2" << 2;
        const QString f0 = "[Setting]\nFirRun=0\nLanguage=%1\n";
        QTest::newRow("Language 1") << f0.arg(1) << "en_US" << true << "0"
                                    << "1" << 1;
        QTest::newRow("Language 2") << f0.arg(2) << "zh_CN" << true << "0"
                                    << "2" << 2;
        QTest::newRow("Language 3, locale not consulted") << f0.arg(3) << "zh_CN" << true << "0"
                                                          << "3" << 3;
        QTest::newRow("Language 4") << f0.arg(4) << "zh_CN" << true << "0"
                                    << "4" << 3;
        QTest::newRow("Language 0") << f0.arg(0) << "zh_CN" << true << "0"
                                    << "0" << 3;
        QTest::newRow("Language -1") << f0.arg(-1) << "zh_CN" << true << "0"
                                     << "-1" << 3;
        QTest::newRow("Language empty") << f0.arg("") << "zh_CN" << true << "0"
                                        << "" << 3;
        QTest::newRow("Language 2.5 rounds half to even") << f0.arg("2.5") << "zh_CN" << true << "0"
                                                          << "2.5" << 2;
        QTest::newRow("Language 0.6 rounds") << f0.arg("0.6") << "zh_CN" << true << "0"
                                             << "0.6" << 1;
        QTest::newRow("Language no number") << f0.arg("en") << "zh_CN" << true << "0"
                                            << "en" << 3;
        QTest::newRow("Language missing") << "[Setting]\nFirRun=0\n"
                                          << "zh_CN" << true << "0"
                                          << "<none>" << 2;
    }
    void firstStartAndLanguage() {
        QFETCH(QString, content);
        QFETCH(QString, locale);
        QFETCH(bool, opens);
        QFETCH(QString, firRun);
        QFETCH(QString, language);
        QFETCH(int, langIndex);
        settings(content);
        testsupport::setEnv("LC_ALL", locale.toStdString());

        QCOMPARE(start(), opens);
        QCOMPARE(QString::fromStdString(stored("Setting", "FirRun")), firRun);
        QCOMPARE(QString::fromStdString(stored("Setting", "Language")), language);
        QVERIFY(!frmSplash::existing());
        QVERIFY(dialogs->asked.empty());
        mdifrmMain* main = mdifrmMain::existing();
        QCOMPARE(restarts->count, opens ? 0 : 1);
        if (!opens) {
            // Nothing was loaded: no window, no other key written.
            QVERIFY(!main);
            QCOMPARE(stored("Soft", "Update"), std::string("<none>"));
            return;
        }
        QVERIFY(main && main->isVisible());
        QCOMPARE(app::shell().LangIndex, std::int16_t(langIndex));
        QCOMPARE(main->windowTitle(), QString::fromStdString(app::text(kTextTitle)));
        QVERIFY(main->action(QStringLiteral("mnuLangSel0"))->isChecked() == (langIndex == 1));
        QVERIFY(main->action(QStringLiteral("mnuLangSel1"))->isChecked() == (langIndex == 2));
        QVERIFY(main->action(QStringLiteral("mnuLangSel2"))->isChecked() == (langIndex == 3));
        QCOMPARE(stored("Soft", "Update"), std::string("0"));
        QCOMPARE(main->size(), QSize(881, 639));
        QVERIFY(main->channelWindow() && main->channelWindow()->window()->isVisible());
    }

    void secondAndThirdRunsAfterInstallation() {
        testsupport::setEnv("LC_ALL", "zh_TW.UTF-8");
        QVERIFY(!start());
        QCOMPARE(stored("Setting", "FirRun"), std::string("1"));
        QCOMPARE(restarts->count, 1);
        QVERIFY(start());
        QCOMPARE(stored("Setting", "Language"), std::string("2"));
        mdifrmMain::destroyInstance();
        ResetShell();
        testsupport::setEnv("LC_ALL", "en_US.UTF-8"); // the third run never looks at the locale
        QVERIFY(start());
        QCOMPARE(app::shell().LangIndex, std::int16_t(2));
        QCOMPARE(stored("Setting", "Language"), std::string("2"));
        QCOMPARE(restarts->count, 1);
    }

    // With no settings to speak of, the preparing run stores its state and
    // starts the program again, whose run is the first real start; when the
    // program cannot be started again, this run is.
    void preparingRunStartsTheProgramAgain_data() {
        QTest::addColumn<QByteArray>("content"); // "<none>": no file
        QTest::addColumn<bool>("restartWorks");
        const QByteArray garbage("\x00\xff\xfe\x01[Sett\x00ing\r\rFirRun\x7f=\x00\n\xc3", 24);
        QTest::newRow("no settings file") << QByteArray("<none>") << true;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("unreadable bytes") << garbage << true;
        QTest::newRow("no restart: this run goes on") << QByteArray() << false;
    }
    void preparingRunStartsTheProgramAgain() {
        QFETCH(QByteArray, content);
        QFETCH(bool, restartWorks);
        testsupport::setEnv("LC_ALL", "zh_CN.UTF-8");
        if (content != "<none>") home->write("tavorin.def", content.toStdString());
        restarts->works = restartWorks;
        const bool started = StartProgram();
        QCOMPARE(restarts->count, 1);
        QCOMPARE(stored("Setting", "FirRun"), std::string(restartWorks ? "1" : "0"));
        // What the file held stays as it was, the state added to it.
        if (content != "<none>") QVERIFY(home->read("tavorin.def").rfind(content.toStdString(), 0) == 0);
        QVERIFY(dialogs->asked.empty());
        // The run that opens the window touches no serial port of this machine.
        home->write("tavorin.def", home->read("tavorin.def") + ports());
        if (restartWorks) {
            QVERIFY(!started);
            QVERIFY(!mdifrmMain::existing());
            // The new run.
            ResetShell();
            QVERIFY(start());
        } else {
            QVERIFY(started);
            QVERIFY(QTest::qWaitFor([] { return !frmSplash::existing(); }, 5000));
        }
        QCOMPARE(restarts->count, 1); // no second restart
        QVERIFY(mdifrmMain::existing() && mdifrmMain::existing()->isVisible());
        QCOMPARE(stored("Setting", "FirRun"), std::string("0"));
        QCOMPARE(stored("Setting", "Language"), std::string("1"));
        QCOMPARE(app::shell().LangIndex, std::int16_t(1));
    }

    // A state that cannot be stored would make every run a preparing run:
    // the user is told why in the locale's language, and nothing restarts.
    void preparingRunThatCannotStoreItsStateEnds_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only file") << "file";
        QTest::newRow("read-only folder") << "folder";
        QTest::newRow("a folder in its place") << "in its place";
    }
    void preparingRunThatCannotStoreItsStateEnds() {
        QFETCH(QString, how);
        testsupport::setEnv("LC_ALL", "zh_TW.UTF-8");
        const std::string file = home->file("tavorin.def");
        std::string reason;
        if (how == "file") {
            home->write("tavorin.def", "[Setting]\nLanguage=1\n");
            ::chmod(file.c_str(), 0444);
            reason = "檔案為唯讀：" + file;
        } else if (how == "folder") {
            ::chmod(home->path().c_str(), 0555);
            reason = "資料夾為唯讀：" + home->path();
        } else {
            ::mkdir(file.c_str(), 0755);
            reason = "這是資料夾，不是檔案：" + file;
        }
        for (int run = 1; run <= 2; ++run) {
            QVERIFY(!start());
            QVERIFY(!mdifrmMain::existing());
            QCOMPARE(restarts->count, 0);
            QCOMPARE(dialogs->asked.size(), std::size_t(run));
            const auto& told = dialogs->asked.back();
            QCOMPARE(told.text, text(TextKey::StartFailed, 2) + "\n" + reason);
            QCOMPARE(told.title, text(TextKey::StartFailedTitle, 2));
            QCOMPARE(told.icon, platform::Icon::Critical);
            QCOMPARE(told.buttons, platform::Buttons::Ok);
            QCOMPARE(dialogs->buttonLanguages.back(), 2);
        }
        if (how == "file") QCOMPARE(home->read("tavorin.def"), std::string("[Setting]\nLanguage=1\n"));
        ::chmod(home->path().c_str(), 0755);
    }

    // Neither the first real start's keys nor the grid layout the file lacks
    // can be stored: one notice, the refusal.
    void unwritableSettingsStartNormallyAndSaySoOnce() {
        testsupport::setEnv("LC_ALL", "zh_TW.UTF-8");
        home->write("tavorin.def", "[Setting]\nFirRun=1\nEngFont=DejaVu Sans\n" + ports());
        const std::string before = home->read("tavorin.def");
        ::chmod(home->file("tavorin.def").c_str(), 0444);
        QVERIFY(start());
        QVERIFY(mdifrmMain::existing()->isVisible());
        QCOMPARE(app::shell().LangIndex, std::int16_t(2)); // the locale's, though it could not be stored
        QCOMPARE(dialogs->asked.size(), std::size_t(1));
        QCOMPARE(dialogs->asked[0].icon, platform::Icon::Exclamation);
        QCOMPARE(dialogs->asked[0].title, app::text(kTextNotice));
        QCOMPARE(dialogs->asked[0].text,
                 text(TextKey::SettingsRefused, 2) + "\n檔案為唯讀：" + home->file("tavorin.def"));
        QCOMPARE(home->read("tavorin.def"), before);
        QCOMPARE(restarts->count, 0);
    }

    // A settings write killed before its rename leaves its temporary file;
    // the next start removes it, also when it can write no setting (which
    // would remove it too).
    void strayOfAKilledSettingsWriteIsRemoved() {
        settings("[Setting]\nFirRun=0\nLanguage=3\n");
        const pid_t writer = ::fork();
        if (writer == 0) {
            const rlimit noCore{0, 0}, small{64, 64};
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::setrlimit(RLIMIT_FSIZE, &small); // killed halfway through its temporary
            platform::writeFileAtomic(home->file("tavorin.def"), std::string(4096, 'x'));
            ::_exit(0);
        }
        ::waitpid(writer, nullptr, 0);
        ::chmod(home->file("tavorin.def").c_str(), 0444);
        auto strays = [this] {
            return QDir(QString::fromStdString(home->path()))
                .entryList({".tavorin-*"}, QDir::Files | QDir::Hidden);
        };
        QCOMPARE(strays().size(), 1);
        QVERIFY(start());
        QCOMPARE(strays(), QStringList());
    }

    void portOfTheRun_data() {
        QTest::addColumn<int>("settingCom");
        QTest::addColumn<int>("configCom");
        QTest::addColumn<int>("ptyPort"); // the one port that opens
        QTest::addColumn<int>("used");
        QTest::newRow("[Config] COM opens") << 3 << 1 << 1 << 1;
        QTest::newRow("[Config] COM fails: the first that opens") << 3 << 1 << 5 << 5;
        QTest::newRow("[Config] COM no number") << 2 << 0 << 7 << 7;
        QTest::newRow("none opens: the stored port stays") << 3 << 4 << 0 << 4;
    }
    void portOfTheRun() {
        QFETCH(int, settingCom);
        QFETCH(int, configCom);
        QFETCH(int, ptyPort);
        QFETCH(int, used);
        platform::PseudoTerminal pty;
        const QString config = configCom ? QString::number(configCom) : QStringLiteral("x");
        settings(QString("[Setting]\nFirRun=0\nLanguage=3\nCOM=%1\n[Config]\nCOM=%2\n")
                     .arg(settingCom)
                     .arg(config),
                 {{ptyPort, pty.devicePath()}});
        QVERIFY(start());
        const radiolink::LinkState& link = radiolink::linkState();
        QCOMPARE(int(link.ComPortNo), used);
        QCOMPARE(link.ComPortState[settingCom], std::int16_t(settingCom == ptyPort ? 1 : -1)); // probed
        QCOMPARE(link.ComBpsIndex, std::int16_t(6));
        QCOMPARE(link.ComBpsText, std::string("9600"));
        QCOMPARE(mdifrmMain::instance().panelText(2), QStringLiteral("COM%1").arg(used));
        QCOMPARE(stored("Config", "COM"),
                 ptyPort && ptyPort != configCom ? std::to_string(ptyPort) : config.toStdString());
    }

    void programWideTablesAreBuilt_data() {
        QTest::addColumn<QString>("volumeMode");
        QTest::addColumn<int>("expected");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("no number") << "x" << 0;
    }
    void programWideTablesAreBuilt() {
        QFETCH(QString, volumeMode);
        QFETCH(int, expected);
        model::state().NewRdWrCode.fill(0x12);
        settings("[Setting]\nFirRun=0\nLanguage=1\nVolumeMode=" + volumeMode + "\n[Soft]\nUpdate=1\n");
        QVERIFY(start());
        const model::ModelState& m = model::state();
        QCOMPARE(m.VolumeMode, std::int16_t(expected));
        for (std::uint8_t b : m.NewRdWrCode) QCOMPARE(b, std::uint8_t(0xFF));
        QCOMPARE(m.ValidCharTbl[10], std::string("A"));
        QVERIFY(m.VolumeTbl[10] != 0);
        QCOMPARE(charcode::HanZiEntry(charcode::HanZiTbl(), 21901), std::string("\u9FA5"));
        QCOMPARE(stored("Soft", "Update"), std::string("0"));
        QCOMPARE(app::shell().EndItemMark, std::string("*EndOfThisItem*"));
        QCOMPARE(app::shell().Band1Color, std::string("16711680"));
        QCOMPARE(app::shell().OtherBandColor, std::string("16576"));
    }

    void emptyCellColourIsAColourNumber_data() {
        QTest::addColumn<QString>("content"); // the DefColor line
        QTest::addColumn<QString>("colour");
        QTest::newRow("white") << "DefColor=16777215\n"
                               << "16777215";
        QTest::newRow("missing") << ""
                                 << "0";
        QTest::newRow("empty") << "DefColor=\n"
                               << "0";
        QTest::newRow("no number") << "DefColor=white\n"
                                   << "0";
        QTest::newRow("fraction") << "DefColor=1.5\n"
                                  << "0";
    }
    void emptyCellColourIsAColourNumber() {
        QFETCH(QString, content);
        QFETCH(QString, colour);
        settings("[Setting]\nFirRun=0\nLanguage=3\n" + content);
        QVERIFY(start());
        QCOMPARE(QString::fromStdString(app::shell().EmptyCellColor), colour);
    }

    void namesOfTheDefaultImageSurviveTheFirstSave() {
        // A default image whose channel 1 is 435.12500 MHz named "ABC".
        model::Image image{};
        app::ReadDataFile(home->file("zezirev.def"), image);
        const std::uint8_t record[16] = {0x00, 0x25, 0x51, 0x43, 0x00, 0x25, 0x51, 0x43,
                                         0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00};
        std::copy(std::begin(record), std::end(record), image.begin() + 0xC800);
        const std::uint8_t name[8] = {10, 11, 12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        std::copy(std::begin(name), std::end(name), image.begin() + 0xD800);
        app::WriteDataFile(home->file("zezirev.def"), image);

        settings("[Setting]\nFirRun=0\nLanguage=3\n");
        QVERIFY(start());
        const model::ModelState& m = model::state();
        QCOMPARE(m.ChInfo[1][1], 43512500);
        for (int k = 0; k < 6; ++k) QCOMPARE(m.ChNameDat[1][k], name[k]);

        QVERIFY(shell::SaveDatFile(home->file("saved.LDat")));
        model::Image saved{};
        app::ReadDataFile(home->file("saved.LDat"), saved);
        QVERIFY(std::equal(std::begin(name), std::begin(name) + 6, saved.begin() + 0xD800));
        QVERIFY(std::equal(std::begin(record), std::begin(record) + 8, saved.begin() + 0xC800));
    }

    void mainWindowKeepsItsCentre() {
        settings("[Setting]\nFirRun=0\nLanguage=3\n");
        QVERIFY(StartProgram());
        mdifrmMain& main = mdifrmMain::instance();
        QRect design;
        QVERIFY(QTest::qWaitFor([&] {
            if (main.isVisible() && design.isNull()) design = main.geometry();
            return !frmSplash::existing();
        }));
        QVERIFY(!design.isNull());
        const QRect final = main.geometry();
        QCOMPARE(final.size(), QSize(881, 639));
        QVERIFY(qAbs(final.center().x() - design.center().x()) <= 1);
        QVERIFY(qAbs(final.center().y() - design.center().y()) <= 1);
    }

    // On a screen smaller than the start size the window takes what the
    // screen leaves room for, inside it (run on such a screen as well).
    void mainWindowOpensInsideTheScreen() {
        settings("[Setting]\nFirRun=0\nLanguage=3\n");
        QVERIFY(start());
        mdifrmMain& main = mdifrmMain::instance();
        const QRect area = main.screen()->availableGeometry();
        QVERIFY2(area.contains(main.frameGeometry()), qPrintable(QString("%1,%2 %3 x %4 on %5 x %6")
                                                                     .arg(main.frameGeometry().x())
                                                                     .arg(main.frameGeometry().y())
                                                                     .arg(main.frameGeometry().width())
                                                                     .arg(main.frameGeometry().height())
                                                                     .arg(area.width())
                                                                     .arg(area.height())));
        const QSize frame = main.frameGeometry().size() - main.size();
        QCOMPARE(main.size(), QSize(881, 639).boundedTo(area.size() - frame));
    }

    void lockIsRestored_data() {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<bool>("locked");
        QTest::newRow("ShowLock") << "ShowLock" << true;
        QTest::newRow("ShowNo") << "ShowNo" << false;
        QTest::newRow("NoMenu") << "NoMenu" << false;
        QTest::newRow("other case") << "showlock" << false;
        QTest::newRow("missing") << "" << false;
    }
    void lockIsRestored() {
        QFETCH(QString, lock);
        QFETCH(bool, locked);
        QString content = "[Setting]\nFirRun=0\nLanguage=3\n";
        if (!lock.isEmpty()) content += "ChannelLock=" + lock + "\n";
        settings(content);
        QVERIFY(start());
        mdifrmMain& main = mdifrmMain::instance();
        QCOMPARE(main.action(QStringLiteral("mnuChLock"))->isChecked(), locked);
        QCOMPARE(main.action(QStringLiteral("mnuLockFace"))->isChecked(), locked);
        QCOMPARE(app::shell().FaceLockState, std::string(locked ? "ShowLock" : "ShowNo"));
        QCOMPARE(main.panelText(1), QString::fromStdString(app::text(locked ? kTextLocked : kTextReady)));
        auto* ch = dynamic_cast<testsupport::ChannelStandIn*>(main.channelWindow());
        QVERIFY(ch);
        QCOMPARE(ch->framesEnabled, !locked);
        // The stored value is rewritten only by the next menu click.
        QCOMPARE(stored("Setting", "ChannelLock"),
                 lock.isEmpty() ? std::string("<none>") : lock.toStdString());
    }

    void splashShowsThePictureOfTheLanguage_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("picture");   // a real picture
        QTest::addColumn<QString>("noPicture"); // a file that is none
        QTest::addColumn<QSize>("shown");
        const QSize file(40, 20), builtIn(294, 112);
        QTest::newRow("1") << 1 << "Solmera_CHS_3.jpg"
                           << "Solmera_ENG_3.jpg" << file;
        QTest::newRow("2") << 2 << "Solmera_ENG_3.jpg"
                           << "Solmera_CHS_3.jpg" << file;
        QTest::newRow("3") << 3 << "Solmera_ENG_3.jpg"
                           << "Solmera_CHS_3.jpg" << file;
        QTest::newRow("1, no picture") << 1 << "Solmera_ENG_3.jpg"
                                       << "Solmera_CHS_3.jpg" << builtIn;
        QTest::newRow("3, missing") << 3 << "Solmera_CHS_3.jpg"
                                    << "other.jpg" << builtIn;
    }
    void splashShowsThePictureOfTheLanguage() {
        QFETCH(int, lang);
        QFETCH(QString, picture);
        QFETCH(QString, noPicture);
        QFETCH(QSize, shown);
        settings(QString("[Setting]\nFirRun=0\nLanguage=%1\n").arg(lang));
        home->write(noPicture.toStdString(), "no picture");
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(QString::fromStdString(home->file(picture.toStdString())), "JPG"));
        // Showing the splash runs pending events, and on a busy machine its
        // timer may fire in there and close it: it is looked at as it shows.
        SplashShown seen;
        qApp->installEventFilter(&seen);
        const bool started = StartProgram();
        qApp->removeEventFilter(&seen);
        QVERIFY(started);
        QCOMPARE(seen.shows, 1);
        QCOMPARE(seen.title, QStringLiteral("Splash"));
        QVERIFY(seen.flags & Qt::WindowStaysOnTopHint);
        QCOMPARE(seen.interval, 10);
        QCOMPARE(seen.picture, shown);
        QVERIFY(QTest::qWaitFor([] { return !frmSplash::existing(); }));
        QVERIFY(mdifrmMain::instance().isVisible());
    }

    // The pictures the build draws are the ones the splash shows; Qt's own
    // buttons follow the language chosen at start-up.
    void splashShowsOurPictureAndQtSpeaksTheLanguage_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("yes");
        QTest::newRow("1") << 1 << "Solmera_CHS_3.jpg"
                           << "是(&Y)";
        QTest::newRow("2") << 2 << "Solmera_ENG_3.jpg"
                           << "是(&Y)";
        QTest::newRow("3") << 3 << "Solmera_ENG_3.jpg"
                           << "&Yes";
    }
    void splashShowsOurPictureAndQtSpeaksTheLanguage() {
        QFETCH(int, lang);
        QFETCH(QString, picture);
        QFETCH(QString, yes);
        settings(QString("[Setting]\nFirRun=0\nLanguage=%1\n").arg(lang));
        for (const char* name : {"Solmera_CHS_3.jpg", "Solmera_ENG_3.jpg"}) home->copyShipped(name);
        SplashShown seen;
        qApp->installEventFilter(&seen);
        const bool started = StartProgram();
        qApp->removeEventFilter(&seen);
        QVERIFY(started);
        QCOMPARE(seen.shows, 1);
        const QImage expected(QString::fromStdString(home->file(picture.toStdString())));
        QCOMPARE(expected.size(), QSize(294, 112));
        QCOMPARE(seen.image, expected.convertToFormat(QImage::Format_RGB32));
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
        QVERIFY(QTest::qWaitFor([] { return !frmSplash::existing(); }));
        platform::installQtTranslations(3);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
