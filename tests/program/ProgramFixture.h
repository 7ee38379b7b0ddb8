#pragma once
// The whole program as main() puts it together (program::AssembleProgram),
// started as a user starts it, and what a user does in it: clicks on buttons
// and tabs that can be seen, menu items of shown menus, toolbar buttons, list
// entries chosen in the open list, access codes typed into the access-code
// dialog, and modal windows answered once they are up.
#include "align/AccessCodes.h"
#include "align/AlignState.h"
#include "align/ui/AlignWindows.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmInputCode.h"
#include "app/DataFile.h"
#include "app/Shell.h"
#include "channels/ChMem.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/frmChMem.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "flashtool/ui/frmPartFill.h"
#include "link/ui/LinkWindows.h"
#include "main/ProgramAssembly.h"
#include "model/Model.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/IniFile.h"
#include "shell/ui/MainMenus.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"
#include "tests/support/QuickClicks.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include <cstdlib>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace programtest {

// A key of the settings file, written before the start.
struct Setting {
    std::string section;
    std::string key;
    std::string value;
};

// Hears the splash being shown.
struct SplashWatch : QObject {
    bool shown = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && dynamic_cast<shell::frmSplash*>(o)) shown = true;
        return false;
    }
};

// The desktop in a test: it opens no document and starts no program (both
// say false, as with no desktop at all), and remembers what it was asked.
struct RecordingDesktop : platform::Desktop {
    bool OpenDocument(const std::string& path) override {
        opened.push_back(path);
        return false;
    }
    bool RestartProgram() override {
        ++restarts;
        return false;
    }
    std::vector<std::string> opened;
    int restarts = 0;

  private:
    platform::Host<platform::Desktop>::Scoped registered_{*this};
};

// The program put together as main() puts it together, on the fresh start
// before it and under the doubles after it.
struct Assembled {
    Assembled() { program::AssembleProgram(); }
};

// A fresh start (the program folder is also the user's home, so the
// production folders lie in it), the program put together as main() does,
// then the dialogs, the error reporter's host and the desktop taken over by
// doubles; the shipped files as installed (FirRun 1), every serial port
// leading to no device unless `settings` says otherwise, and the default
// image as `image` leaves it. A clock or a double of the test's own comes
// after it: the fresh start takes back what came before.
struct Program : testsupport::FreshStart, Assembled {
    testsupport::ScriptedDialogs dialogs;
    testsupport::ErrorLog errors;
    RecordingDesktop desktop;

    explicit Program(const std::vector<Setting>& settings = {},
                     const std::function<void(model::Image&)>& image = {}) {
        testsupport::useQuickDoubleClicks();
        for (const char* f : {"tavorin.def", "zezirev.def", "DefRadioSet.def"}) home.copyShipped(f);
        const std::string def = home.file("tavorin.def");
        for (int n = 1; n <= 16; ++n)
            platform::IniFile::write(def, "Ports", std::to_string(n), home.file("no-port"));
        for (const Setting& s : settings) platform::IniFile::write(def, s.section, s.key, s.value);
        if (image) {
            model::Image defaults{};
            app::ReadDataFile(home.file("zezirev.def"), defaults);
            image(defaults);
            app::WriteDataFile(home.file("zezirev.def"), defaults);
        }
    }
    ~Program() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != shell::mdifrmMain::existing()) w->close();
        shell::mdifrmMain::destroyInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Starts the program; the splash shows, then the main window. On a busy
    // machine the splash's timer may have closed it before StartProgram
    // returns, so its showing is watched, not looked for afterwards. The
    // waits are bounds a busy machine may need, not pauses.
    shell::mdifrmMain& start() {
        SplashWatch watch;
        qApp->installEventFilter(&watch);
        const bool started = shell::StartProgram();
        qApp->removeEventFilter(&watch);
        if (!started) throw std::runtime_error("the program did not start");
        if (!watch.shown) throw std::runtime_error("no splash");
        if (!QTest::qWaitFor([] { return !shell::frmSplash::existing(); }, 30000))
            throw std::runtime_error("the splash stayed");
        shell::mdifrmMain& main = shell::mdifrmMain::instance();
        if (!QTest::qWaitForWindowExposed(&main, 30000)) throw std::runtime_error("no main window");
        return main;
    }

    channels::frmChMem& channelWindow() const {
        auto* w = dynamic_cast<channels::frmChMem*>(shell::mdifrmMain::instance().channelWindow());
        if (!w) throw std::runtime_error("no channel window");
        return *w;
    }

    // Every failure reported so far, one text.
    std::string reported() const {
        std::string all;
        for (const std::string& tag : errors.tags) all += tag + " ";
        return all;
    }
};

// The settings of a program whose first start is done, in language `lang`.
inline std::vector<Setting> startedBefore(int lang, std::vector<Setting> more = {}) {
    more.insert(more.begin(), {{"Setting", "FirRun", "0"}, {"Setting", "Language", std::to_string(lang)}});
    return more;
}

// The program started again after its first start, in language `lang`, at
// once: its main window shown, the channel window in it.
struct StartedProgram : Program {
    explicit StartedProgram(int lang, const std::function<void(model::Image&)>& image = {},
                            const std::vector<Setting>& settings = {})
        : Program(startedBefore(lang, settings), image), main(&start()), chMem(&channelWindow()) {}

    shell::mdifrmMain* main;
    channels::frmChMem* chMem;
};

// The form names of the windows the user saw shown.
inline std::set<std::string> g_shown;

inline void sawShown(QWidget* w) {
    QVERIFY(w);
    QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    g_shown.insert(w->objectName().toStdString());
}

// Brings the page holding `w` to the front in every tab control around it,
// outermost first, as a user clicks the tabs.
inline void bringToFront(QWidget* w) {
    std::vector<QTabWidget*> outward;
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p)) outward.push_back(tabs);
    for (auto it = outward.rbegin(); it != outward.rend(); ++it) {
        QTabWidget* tabs = *it;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i) != w && !tabs->widget(i)->isAncestorOf(w)) continue;
            QVERIFY(tabs->tabBar()->isVisible());
            if (tabs->currentIndex() != i)
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
            QCOMPARE(tabs->currentIndex(), i);
        }
    }
}

// A click on a button or box the user can see.
inline void press(QAbstractButton* button) {
    bringToFront(button);
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(button->objectName() + button->text()));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs `open`, which shows a modal window; once it is up, checks that it is
// a T, runs `inside` and leaves it with `close`, as the user does.
template <class T>
void modal(const std::function<void()>& open, const std::function<void(T&)>& close,
           const std::function<void(T&)>& inside = {}) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (w && w->isVisible()) {
            shown = true;
            sawShown(w);
            if (inside) inside(*w);
            close(*w);
        }
        // Whatever went wrong, the test goes on.
        if (QWidget* left = QApplication::activeModalWidget()) left->close();
    });
    open();
    QVERIFY2(shown, T::staticMetaObject.className());
}

// Clicks a button that asks for an access code and, once the dialog is up,
// types `code` into it as a user does; the dialog would close itself a
// second after the last key, and its timer is let fire at once (the
// alignment window's tests wait out the real second).
inline void pressWithCode(QAbstractButton* button, const std::string& code) {
    QTimer::singleShot(0, [code] {
        align::ui::frmInputCode* d = align::ui::frmInputCode::existing();
        QVERIFY(d);
        sawShown(d);
        QTest::keyClicks(d->txtInputCode, QString::fromStdString(code));
        QVERIFY(d->tmrAutoExit.isActive());
        QCOMPARE(d->tmrAutoExit.interval(), 1000);
        d->tmrAutoExit_Timer();
    });
    press(button);
    QCOMPARE(align::ui::frmInputCode::existing(), nullptr);
}

// Chooses a menu item that stands in shown menus.
inline void choose(shell::mdifrmMain& m, const char* item) {
    QAction* a = m.action(QString::fromLatin1(item));
    QVERIFY2(a && a->isVisible() && a->isEnabled(), item);
    auto parentOf = [](const std::string& name) -> const char* {
        for (int i = 0; i < shell::kMenuEntryCount; ++i)
            if (name == shell::kMenuEntries[i].name) return shell::kMenuEntries[i].parent;
        return nullptr;
    };
    for (const char* menu = parentOf(item); menu; menu = parentOf(menu))
        QVERIFY2(m.menu(QString::fromLatin1(menu))->menuAction()->isVisible(), menu);
    a->trigger();
}

// A click on a toolbar button.
inline void click(shell::mdifrmMain& m, const char* key) {
    QAction* a = m.button(QString::fromLatin1(key));
    QVERIFY2(a && a->isVisible(), key);
    QWidget* b = m.tlbMdiFrmMain->widgetForAction(a);
    QVERIFY2(b && b->isVisible(), key);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Chooses a list's entry with the keyboard in its open list.
inline void chooseEntry(QComboBox* list, int index) {
    bringToFront(list);
    QVERIFY(list->isVisible() && list->isEnabled());
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

inline void chooseEntry(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    chooseEntry(list, index);
    QCOMPARE(list->currentText(), text);
}

// Replaces a box's text by typing.
inline void retype(QLineEdit* box, const QString& text) {
    bringToFront(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Closes a window with its close box; it is gone or hidden afterwards.
template <class W> void closeWindow(W* w) {
    QVERIFY(w);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!W::existing() || !W::existing()->isVisible());
}

// The alignment window, opened with its code from the channel page's small
// fifth button.
inline align::ui::frmAdjMode* openAlignmentWindow(const Program& program) {
    pressWithCode(program.channelWindow().channelPage().cmdPc[4], align::codes::kAlignment);
    return align::ui::frmAdjMode::existing();
}

// The memory tool window, opened with its code from the alignment window.
inline flashtool::ui::frmMain* openMemoryToolWindow(align::ui::frmAdjMode& adjMode) {
    pressWithCode(adjMode.cmdFlash, std::string(align::codes::kAlignment) + align::codes::kFlashWord);
    return flashtool::ui::frmMain::existing();
}

// The part fill, opened from the memory tool window, its range and byte
// typed in.
inline flashtool::ui::frmPartFill* openPartFill(flashtool::ui::frmMain& tool, const QString& start,
                                                const QString& end, const QString& data) {
    press(tool.cmdPartFill);
    flashtool::ui::frmPartFill* fill = flashtool::ui::frmPartFill::existing();
    if (!fill) return nullptr;
    retype(fill->txtStartAddr, start);
    retype(fill->txtEndAddr, end);
    retype(fill->txtFillData, data);
    return fill;
}

} // namespace programtest
