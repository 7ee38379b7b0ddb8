#pragma once
// The whole program as main() puts it together, started as a user first
// starts it, and what a user does in it: clicks on buttons and tabs that can
// be seen, menu items of shown menus, toolbar buttons, list entries chosen in
// the open list, access codes typed into the access-code dialog, and modal
// windows answered once they are up.
#include "align/AlignState.h"
#include "align/ui/AlignWindows.h"
#include "align/ui/frmInputCode.h"
#include "app/Shell.h"
#include "channels/ChMem.h"
#include "channels/ui/frmChMem.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "flashtool/ui/frmPartFill.h"
#include "link/ui/LinkWindows.h"
#include "model/Model.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "shell/ui/MainMenus.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/linkui/LinkUiSupport.h"
#include "tests/support/ErrorLog.h"
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

struct Setting {
    const char* section;
    const char* key;
    std::string value;
};

// The shipped files as installed (FirRun 1), the production folders in a
// home of its own, every serial port leading to no device unless `settings`
// says otherwise, and the window libraries registered as main() does.
// Hears the splash being shown.
struct SplashWatch : QObject {
    bool shown = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && dynamic_cast<shell::frmSplash*>(o)) shown = true;
        return false;
    }
};

struct Program {
    testsupport::TempHome home;
    std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    testsupport::ScriptedDialogs dialogs;
    testsupport::ErrorLog errors;

    explicit Program(const std::vector<Setting>& settings = {}) {
        ::setenv("HOME", home.path().c_str(), 1);
        ::setenv("TAVORIN_QUIET", "1", 1);
        for (const char* f : {"tavorin.def", "zezirev.def", "DefRadioSet.def"}) home.copyShipped(f);
        const std::string def = home.file("tavorin.def");
        for (int n = 1; n <= 16; ++n)
            platform::IniFile::write(def, "Ports", std::to_string(n), home.file("no-port"));
        for (const Setting& s : settings) platform::IniFile::write(def, s.section, s.key, s.value);
        linkui::ResetProgramLink(home);
        model::ResetModel();
        channels::ResetChMem();
        align::ResetAlign();
        flashtool::flashSoft().Unload();
        platform::setEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
        channels::InstallChannelWindow();
        radiolink::ui::InstallLinkWindows();
        align::ui::InstallAlignWindows();
        flashtool::ui::InstallFlashTools();
    }
    ~Program() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != shell::mdifrmMain::existing()) w->close();
        shell::mdifrmMain::destroyInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::setEventPump(nullptr);
        ::setenv("HOME", previousHome.c_str(), 1);
    }

    // Starts the program; the splash shows, then the main window. On a busy
    // machine the splash's timer may have closed it before StartProgram
    // returns, so its showing is watched, not looked for afterwards.
    shell::mdifrmMain& start() {
        SplashWatch watch;
        qApp->installEventFilter(&watch);
        const bool started = shell::StartProgram();
        qApp->removeEventFilter(&watch);
        if (!started) throw std::runtime_error("the program did not start");
        if (!watch.shown) throw std::runtime_error("no splash");
        if (!QTest::qWaitFor([] { return !shell::frmSplash::existing(); }, 10000))
            throw std::runtime_error("the splash stayed");
        shell::mdifrmMain& main = shell::mdifrmMain::instance();
        if (!QTest::qWaitForWindowExposed(&main)) throw std::runtime_error("no main window");
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
// types `code` into it as a user does; the dialog closes itself a second
// after the last key.
inline void pressWithCode(QAbstractButton* button, const std::string& code) {
    QTimer::singleShot(0, [code] {
        align::ui::frmInputCode* d = align::ui::frmInputCode::existing();
        QVERIFY(d);
        sawShown(d);
        QTest::keyClicks(d->txtInputCode, QString::fromStdString(code));
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

} // namespace programtest
