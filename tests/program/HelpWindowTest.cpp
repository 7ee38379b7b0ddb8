// The help in the program's own window, from a start as the user makes it:
// F1, the toolbar's Help and Help > Help Topic in each language on a machine
// without a desktop opener, every link of every page followed in the window,
// the way back, and a missing page told in the interface language.
#include "shell/ui/HelpWindow.h"
#include "app/FaceText.h"
#include "platform/Desktop.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/Environment.h"
#include "tests/support/LanguageRows.h"
#include "tests/support/Screenshot.h"

#include <QMenuBar>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>

#include <deque>
#include <filesystem>
#include <map>

using namespace programtest;
using shell::HelpWindow;
using shell::mdifrmMain;

namespace {

namespace fs = std::filesystem;

// Counts what reaches the desktop: the help must not.
struct Desktop : platform::Desktop {
    bool OpenDocument(const std::string& path) override {
        opened.push_back(path);
        return false;
    }
    std::vector<std::string> opened;
    platform::Host<platform::Desktop>::Scoped registered{*this};
};

// A PATH that holds no program at all, xdg-open included, while it lives.
struct NoOpener {
    testsupport::TempHome empty;
    testsupport::ScopedEnv path{"PATH", empty.path()};
};

const char* const kIndexes[] = {"ChsHelp.html", "ChtHelp.html", "EngHelp.html"};
const char* const kFolders[] = {"chs", "cht", "eng"};
// The window's title in each language.
const char* const kTitles[] = {"帮助", "説明", "Help"};

// The help as it ships, laid beside the program.
void layHelp(const testsupport::TempHome& home) {
    const fs::path bin = TAVORIN_BUILD_BIN;
    for (const char* index : kIndexes) fs::copy_file(bin / index, fs::path(home.path()) / index);
    fs::copy_file(bin / "help.css", fs::path(home.path()) / "help.css");
    for (const char* folder : kFolders) fs::copy(bin / folder, fs::path(home.path()) / folder);
}

std::vector<Setting> inLanguage(int lang) {
    return {{"Setting", "FirRun", "0"}, {"Setting", "Language", std::to_string(lang)}};
}

QUrl fileUrl(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

QUrl withoutPart(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment);
}

// The links of the page shown, and the anchors it holds.
QStringList linksOf(const QTextDocument& doc, QStringList* anchors = nullptr) {
    QStringList links;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isAnchor() && !f.anchorHref().isEmpty() && !links.contains(f.anchorHref()))
                links << f.anchorHref();
            if (anchors) *anchors << f.anchorNames();
        }
    return links;
}

// The colour of the page's first heading: the style sheet's, once it is read.
QColor headingColour(const QTextDocument& doc) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 1)
            return b.begin().fragment().charFormat().foreground().color();
    return {};
}

// A click on the link `href` of the page shown, where the user sees it.
void clickLink(HelpWindow& w, const QString& href) {
    QTextDocument* doc = w.txtPage->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != href) continue;
            QTextCursor c(doc);
            c.setPosition(it.fragment().position() + 1);
            w.txtPage->setTextCursor(c);
            w.txtPage->ensureCursorVisible();
            const QPoint at = w.txtPage->cursorRect(c).center();
            QTest::mouseClick(w.txtPage->viewport(), Qt::LeftButton, {}, at);
            return;
        }
    QFAIL(qPrintable("no link " + href));
}

void clickButton(HelpWindow& w, QAction* a) {
    QWidget* b = w.tlbHelp->widgetForAction(a);
    QVERIFY(b && b->isVisible() && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

// Help > Help Topic, chosen with the mouse in the menu bar.
void clickHelpTopic(mdifrmMain& main) {
    QMenuBar* bar = main.menuBar();
    QMenu* help = main.menu(QStringLiteral("mnuHelp"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help->menuAction()).center());
    QTRY_VERIFY(help->isVisible());
    QAction* topic = main.action(QStringLiteral("mnuHelpTopic"));
    QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(topic).center());
    QTRY_VERIFY(!help->isVisible());
}

int helpWindowsShown() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<HelpWindow*>(w) && w->isVisible();
    return n;
}

// The program started as a user starts it. Unlike Program::start, it does
// not insist on seeing the splash: on a busy machine it may be gone already.
mdifrmMain& startProgram() {
    if (!shell::StartProgram()) throw std::runtime_error("the program did not start");
    if (!QTest::qWaitFor([] { return !shell::frmSplash::existing(); }, 10000))
        throw std::runtime_error("the splash stayed");
    mdifrmMain& main = mdifrmMain::instance();
    if (!QTest::qWaitForWindowExposed(&main)) throw std::runtime_error("no main window");
    return main;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void languages_data() { testsupport::languageRows(); }

    // F1, the toolbar button and the menu item open the one help window on
    // the index of the language, inside the screen, with nothing of the
    // desktop: no program on PATH, no call to open a document.
    void helpOpensInTheProgramsOwnWindow_data() { languages_data(); }
    void helpOpensInTheProgramsOwnWindow() {
        QFETCH(int, lang);
        NoOpener noOpener;
        Program program(inLanguage(lang));
        Desktop desktop;
        layHelp(program.home);
        mdifrmMain& main = startProgram();
        const QUrl index = fileUrl(program.home.file(kIndexes[lang - 1]));

        main.activateWindow();
        QTRY_VERIFY(main.isActiveWindow());
        QTest::keyClick(&main, Qt::Key_F1);
        HelpWindow* help = HelpWindow::existing();
        QVERIFY(help);
        sawShown(help);
        QCOMPARE(help->txtPage->source(), index);
        QCOMPARE(help->windowTitle(), QString::fromUtf8(kTitles[lang - 1]));
        QCOMPARE(help->cmdHome->text(), app::face(app::TextKey::HelpContents));
        QVERIFY(!linksOf(*help->txtPage->document()).isEmpty());
        const QRect screen = help->screen()->availableGeometry();
        QVERIFY2(screen.contains(help->frameGeometry()), "the help window lies outside the screen");

        // A second F1 brings the same window back, minimised or not, on the
        // page it shows (that it comes to the front needs a real X server:
        // the screenshots check it).
        clickLink(*help, QStringLiteral("%1/mdifrmMain.html").arg(kFolders[lang - 1]));
        QCOMPARE(withoutPart(help->txtPage->source()).fileName(), QStringLiteral("mdifrmMain.html"));
        help->showMinimized();
        main.activateWindow();
        QTRY_VERIFY(main.isActiveWindow());
        QTest::keyClick(&main, Qt::Key_F1);
        QCOMPARE(HelpWindow::existing(), help);
        QVERIFY(help->isVisible() && !help->isMinimized());
        QCOMPARE(withoutPart(help->txtPage->source()).fileName(), QStringLiteral("mdifrmMain.html"));
        QCOMPARE(helpWindowsShown(), 1);

        // Closed with Escape, the toolbar's Help and the menu item open it
        // again at the index.
        QTest::keyClick(help->txtPage, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        click(main, "Help");
        QCOMPARE(HelpWindow::existing(), help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->txtPage->source(), index);
        QVERIFY(!help->cmdBack->isEnabled());
        help->close();
        clickHelpTopic(main);
        QVERIFY(help->isVisible());
        QCOMPARE(help->txtPage->source(), index);
        QCOMPARE(helpWindowsShown(), 1);

        QVERIFY(desktop.opened.empty());
        QVERIFY2(program.errors.tags.empty(), program.reported().c_str());
        QVERIFY(program.dialogs.asked.empty());

        // The exit closes it with the program.
        program.dialogs.answers.push_back(platform::AnswerYes);
        choose(main, "mnuExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(helpWindowsShown(), 0);
    }

    // Every link of every page, followed in the window from the index of
    // each language, leads to a page of that language that is there, styled
    // by the shared style sheet, at the anchor it names; every page is
    // reached.
    void everyLinkLeadsToAPage() {
        Program program;
        layHelp(program.home);
        startProgram();
        const QString missing = app::face(app::TextKey::HelpPageMissing).section(QStringLiteral("%1"), 1);
        for (int lang = 1; lang <= 3; ++lang) {
            app::shell().LangIndex = static_cast<std::int16_t>(lang);
            const std::string index = program.home.file(kIndexes[lang - 1]);
            HelpWindow& help = HelpWindow::ShowIndex(&shell::mdifrmMain::instance(), index);
            std::map<QUrl, QStringList> anchorsOf;
            std::vector<std::pair<QUrl, QUrl>> links; // from, to
            std::deque<QUrl> toVisit{fileUrl(index)};
            while (!toVisit.empty()) {
                const QUrl page = toVisit.front();
                toVisit.pop_front();
                if (anchorsOf.count(page)) continue;
                help.txtPage->setSource(page);
                QCOMPARE(help.txtPage->source(), page);
                QTextDocument& doc = *help.txtPage->document();
                QVERIFY2(!doc.toPlainText().contains(missing), qPrintable(page.toString()));
                QVERIFY2(!help.txtPage->documentTitle().isEmpty(), qPrintable(page.toString()));
                QCOMPARE(headingColour(doc), QColor(0x13, 0x4a, 0x73));
                QStringList anchors;
                for (const QString& href : linksOf(doc, &anchors)) {
                    const QUrl to = page.resolved(QUrl(href));
                    QVERIFY2(to.isLocalFile(), qPrintable(page.toString() + ": " + href));
                    links.emplace_back(page, to);
                    toVisit.push_back(withoutPart(to));
                }
                anchorsOf[page] = anchors;
            }
            for (const auto& [from, to] : links) {
                const QStringList& there = anchorsOf[withoutPart(to)];
                QVERIFY2(!to.hasFragment() || there.contains(to.fragment()),
                         qPrintable(from.toString() + " -> " + to.toString()));
            }
            // The index and one page per window, all in the language's folder.
            QCOMPARE(anchorsOf.size(), std::size_t(16));
            for (const auto& [page, anchors] : anchorsOf)
                QVERIFY2(page == fileUrl(index) || QFileInfo(page.toLocalFile()).dir().dirName() ==
                                                       QLatin1String(kFolders[lang - 1]),
                         qPrintable(page.toString()));
        }
    }

    // Links with the mouse, and Back, Forward and Contents.
    void theWayBack() {
        Program program(inLanguage(3));
        layHelp(program.home);
        mdifrmMain& main = startProgram();
        click(main, "Help");
        HelpWindow& help = *HelpWindow::existing();
        const QUrl index = help.txtPage->source();
        QVERIFY(!help.cmdBack->isEnabled() && !help.cmdForward->isEnabled());
        clickLink(help, QStringLiteral("eng/mdifrmMain.html"));
        QCOMPARE(help.windowTitle(), QStringLiteral("Help - Main window"));
        clickLink(help, QStringLiteral("frmCommun.html"));
        QCOMPARE(help.windowTitle(), QStringLiteral("Help - Read/write dialog"));
        clickButton(help, help.cmdBack);
        QCOMPARE(help.windowTitle(), QStringLiteral("Help - Main window"));
        clickButton(help, help.cmdForward);
        QCOMPARE(help.windowTitle(), QStringLiteral("Help - Read/write dialog"));
        QVERIFY(!help.cmdForward->isEnabled());
        clickButton(help, help.cmdHome);
        QCOMPARE(help.txtPage->source(), index);
        QCOMPARE(help.windowTitle(), QStringLiteral("Help"));
        clickButton(help, help.cmdBack);
        QCOMPARE(help.windowTitle(), QStringLiteral("Help - Read/write dialog"));
    }

    // No help beside the program, or one page gone: the window says which
    // page is missing, in the interface language, and Back still works.
    void aMissingPageIsTold_data() { languages_data(); }
    void aMissingPageIsTold() {
        QFETCH(int, lang);
        Program program(inLanguage(lang));
        mdifrmMain& main = startProgram();
        click(main, "Help");
        HelpWindow& help = *HelpWindow::existing();
        const std::string index = program.home.file(kIndexes[lang - 1]);
        const QString said = app::face(app::TextKey::HelpPageMissing).arg(QString::fromStdString(index));
        QVERIFY2(help.txtPage->toPlainText().contains(said), qPrintable(help.txtPage->toPlainText()));
        QCOMPARE(help.windowTitle(), QString::fromUtf8(kTitles[lang - 1]));
        help.close();

        layHelp(program.home);
        const fs::path gone = fs::path(program.home.path()) / kFolders[lang - 1] / "frmCommun.html";
        fs::remove(gone);
        click(main, "Help");
        QVERIFY(!help.txtPage->toPlainText().contains(said));
        clickLink(help, QStringLiteral("%1/mdifrmMain.html").arg(kFolders[lang - 1]));
        clickLink(help, QStringLiteral("frmCommun.html"));
        const QString text = help.txtPage->toPlainText();
        QVERIFY2(text.contains(
                     app::face(app::TextKey::HelpPageMissing).arg(QString::fromStdString(gone.string()))),
                 qPrintable(text));
        clickButton(help, help.cmdBack);
        QCOMPARE(withoutPart(help.txtPage->source()).fileName(), QStringLiteral("mdifrmMain.html"));
        QVERIFY2(program.errors.tags.empty(), program.reported().c_str());
    }

    // The help window as the screen shows it, in English and Simplified
    // Chinese (run under xvfb-run: TAVORIN_SCREENSHOTS names the folder).
    void screenshots_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("chs") << 1;
        QTest::newRow("eng") << 3;
    }
    void screenshots() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("screenshots need an X server");
        QFETCH(int, lang);
        Program program(inLanguage(lang));
        layHelp(program.home);
        mdifrmMain& main = startProgram();
        click(main, "Help");
        HelpWindow& help = *HelpWindow::existing();
        testsupport::saveShown(help, QStringLiteral("HelpWindow-index-%1").arg(QTest::currentDataTag()));
        clickLink(help, QStringLiteral("%1/mdifrmMain.html").arg(kFolders[lang - 1]));
        testsupport::saveShown(help, QStringLiteral("HelpWindow-main-%1").arg(QTest::currentDataTag()));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
