// A start from a settings file without the channel grid's layout, through the
// whole program: no file, an empty one, bytes that are no settings, and a
// file of the user's own. The first start gives the file back what the
// shipped one holds and it lacks, keeps every line it held and says so once,
// in the run's language; the grid shows the shipped layout, and again at the
// next start, which has nothing to say.
#include "app/FaceText.h"
#include "channels/ui/ChannelPage.h"
#include "platform/ui/Grid.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/Twips.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/Environment.h"
#include "tests/support/LanguageRows.h"
#include "tests/support/Screenshot.h"

#include <QMessageBox>

#include <cstdio>
#include <fstream>
#include <sstream>

using namespace programtest;
using shell::mdifrmMain;

namespace {

const char* const kLocales[] = {"zh_CN.UTF-8", "zh_TW.UTF-8", "en_US.UTF-8"};
const std::string kShipped = std::string(TAVORIN_BUILD_BIN) + "/tavorin.def";

// The desktop of a machine where the program starts again.
struct Restarts : platform::Desktop {
    bool RestartProgram() override {
        ++count;
        return true;
    }
    int count = 0;
    platform::Host<platform::Desktop>::Scoped registered{*this};
};

// The lines of a text, each with its own end.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        lines.push_back(text.substr(at, end - at));
        at = end;
    }
    return lines;
}

// Every line of `before` stands in `after`, in order and byte for byte (a
// last line without a line end may have gained one).
bool keptInOrder(const std::string& before, const std::string& after) {
    const std::vector<std::string> kept = linesOf(before), now = linesOf(after);
    std::size_t at = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const bool last = i + 1 == kept.size() && kept[i].back() != '\n';
        while (at < now.size() && now[at] != kept[i] && !(last && now[at] == kept[i] + "\n")) ++at;
        if (at++ == now.size()) return false;
    }
    return true;
}

// How many keys the shipped file's [ChInfo] holds.
int shippedLayoutKeys() {
    std::ostringstream shipped;
    shipped << std::ifstream(kShipped, std::ios::binary).rdbuf();
    int keys = 0;
    bool inLayout = false;
    for (const std::string& line : linesOf(shipped.str())) {
        if (line.rfind("[", 0) == 0) inLayout = line.rfind("[ChInfo]", 0) == 0;
        keys += inLayout && line.find('=') != std::string::npos;
    }
    return keys;
}

// The grid shows the shipped layout of the language: its rows, its columns
// with their widths (to the pixel) and captions.
void showsTheShippedGrid(const Program& program, int lang) {
    const platform::IniSection layout(kShipped, "ChInfo");
    const int base = 1000 + 2000 * (lang - 1);
    auto key = [&](int k) { return QString::fromStdString(layout.read(std::to_string(k), "", 200)); };
    const platform::Grid& grid = *program.channelWindow().channelPage().vsfgGridCh;
    QCOMPARE(grid.rows(), key(base).toInt() + 1);
    QCOMPARE(grid.cols(), key(base + 2).toInt() + 1);
    const QStringList captions = key(base + 3).split('|');
    QCOMPARE(captions.size(), grid.cols());
    for (int c = 0; c < grid.cols(); ++c) {
        QCOMPARE(grid.textMatrix(0, c), captions[c].mid(1));
        QCOMPARE(grid.colWidth(c), int(platform::toTwips(platform::twips(key(base + 100 + c).toInt()))));
    }
}

// The run after the preparing run: the settings file laid before it (no
// file when `before` is nullptr), the preparing run, then the program
// started again, which touches no serial port of this machine.
mdifrmMain& startAfterPreparing(Program& program, const std::string* before) {
    const std::string def = program.home.file("tavorin.def");
    const std::string all = program.home.read("tavorin.def");
    const std::string ports = all.substr(all.find("[Ports]"));
    if (before)
        program.home.write("tavorin.def", *before);
    else
        std::remove(def.c_str());
    {
        Restarts restarts;
        if (shell::StartProgram()) throw std::runtime_error("no preparing run");
        if (restarts.count != 1) throw std::runtime_error("the preparing run did not restart");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program.home.write("tavorin.def", program.home.read("tavorin.def") + ports);
    return program.start();
}

std::string restoredNotice(const std::string& file, const std::string& settingKeys, int lang) {
    return app::text(app::TextKey::SettingsRestored, file, lang) + "\n[Setting] " + settingKeys +
           "\n[ChInfo] " +
           app::text(app::TextKey::SettingsRestoredLayout, std::to_string(shippedLayoutKeys()), lang);
}

} // namespace

class SettingsRestoreTest : public QObject {
    Q_OBJECT

  private slots:
    void aFileWithoutTheGridLayoutIsRestoredOnce_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("lang");
        QTest::newRow("no file, chs") << "no file" << 1;
        QTest::newRow("empty, cht") << "empty" << 2;
        QTest::newRow("bytes that are no settings, eng") << "bytes" << 3;
        QTest::newRow("the user's own, chs") << "own" << 1;
        QTest::newRow("the user's own, cht") << "own" << 2;
        QTest::newRow("the user's own, eng") << "own" << 3;
    }
    void aFileWithoutTheGridLayoutIsRestoredOnce() {
        QFETCH(QString, kind);
        QFETCH(int, lang);
        testsupport::ScopedEnv locale("LC_ALL", kLocales[lang - 1]);
        std::string before, first;
        {
            Program program;
            const std::string def = program.home.file("tavorin.def");
            std::string settingKeys = "Language, EngFont, ChsFont";
            if (kind == "own") {
                // Stored by the user: a normal start in their language, a
                // section of their own, their spelling and line ends.
                const std::string all = program.home.read("tavorin.def");
                before = "[setting]\r\nFirRun=0\r\n  Language = " + std::to_string(lang) +
                         "\r\nChsFont=WenQuanYi Micro Hei\r\n\r\n[MyRadios]\r\n; the "
                         "club's\r\nfavourite=UV-5\r\n" +
                         all.substr(all.find("[Ports]"));
                program.home.write("tavorin.def", before);
                program.start();
                settingKeys = "EngFont";
            } else {
                if (kind == "bytes") before = std::string("\x00\xff[\xfe\r\r=\x01\n\xc3\x28", 11);
                startAfterPreparing(program, kind == "no file" ? nullptr : &before);
            }
            QCOMPARE(app::shell().LangIndex, std::int16_t(lang));
            showsTheShippedGrid(program, lang);
            if (QTest::currentTestFailed()) return;
            QCOMPARE(program.dialogs.asked.size(), std::size_t(1));
            const auto& told = program.dialogs.asked[0];
            QCOMPARE(told.text, restoredNotice(def, settingKeys, lang));
            QCOMPARE(told.title, app::text(app::kTextNotice));
            QCOMPARE(told.icon, platform::Icon::Information);
            first = program.home.read("tavorin.def");
            QVERIFY(keptInOrder(before, first));
            QCOMPARE(platform::IniFile::lookup(def, "Setting", "FirRun"), std::optional<std::string>("0"));
            QVERIFY2(program.errors.tags.empty(), program.reported().c_str());
        }
        // The next start finds the file whole: the same grid, nothing told,
        // nothing changed.
        Program program;
        program.home.write("tavorin.def", first);
        program.start();
        showsTheShippedGrid(program, lang);
        QVERIFY(program.dialogs.asked.empty());
        QCOMPARE(program.home.read("tavorin.def"), first);
    }

    // The notice and the grid after a start with no settings file, as the
    // screen shows them (run under xvfb-run: TAVORIN_SCREENSHOTS names the
    // folder).
    void screenshots_data() { testsupport::languageRows({1, 3}); }
    void screenshots() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("screenshots need an X server");
        QFETCH(int, lang);
        testsupport::ScopedEnv locale("LC_ALL", kLocales[lang - 1]);
        Program program;
        platform::QtDialogs qt;
        platform::Host<platform::Dialogs>::Scoped real(qt);
        const QString tag = QTest::currentDataTag();
        bool told = false;
        QTimer watch;
        watch.setInterval(50);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            watch.stop();
            told = true;
            testsupport::saveShown(*box, "settings-restored-notice-" + tag);
            box->accept();
        });
        watch.start();
        mdifrmMain& main = startAfterPreparing(program, nullptr);
        QVERIFY(told);
        showsTheShippedGrid(program, lang);
        testsupport::saveShown(main, "settings-restored-grid-" + tag);
    }
};

QTEST_MAIN(SettingsRestoreTest)
#include "SettingsRestoreTest.moc"
