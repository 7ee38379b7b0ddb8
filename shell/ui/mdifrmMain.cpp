#include "shell/ui/mdifrmMain.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "link/LinkState.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"
#include "shell/MainCommands.h"
#include "shell/ShellTexts.h"
#include "shell/Startup.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/MainMenus.h"
#include "shell/ui/ProgramIcon.h"
#include "shell/ui/frmAboutSoft.h"
#include "shell/ui/frmShowErr.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

#include <string>
#include <type_traits>

namespace shell {
namespace {

mdifrmMain* g_instance = nullptr;

// Every window that may be open at the exit, unloaded in this order before
// the main window itself.
const char* const kUnloadOrder[] = {"frmAboutSoft", "frmAdjMode",   "frmAdjMore",   "frmChMem",
                                    "frmCommun",    "frmCustomFre", "frmFlashSoft", "frmInputCode",
                                    "frmMain",      "frmPartFill",  "frmSetVolume", "frmShowErr",
                                    "frmSplash",    "frmToolCom",   "frmVitualKey", "HelpWindow"};

QStyle::StandardPixmap iconOf(const QString& key) {
    static const QHash<QString, QStyle::StandardPixmap> icons = {{"FileNew", QStyle::SP_FileIcon},
                                                                 {"FileOpen", QStyle::SP_DialogOpenButton},
                                                                 {"FileSave", QStyle::SP_DialogSaveButton},
                                                                 {"Read", QStyle::SP_ArrowDown},
                                                                 {"Write", QStyle::SP_ArrowUp},
                                                                 {"Com", QStyle::SP_DriveNetIcon},
                                                                 {"Print", QStyle::SP_FileDialogDetailedView},
                                                                 {"Help", QStyle::SP_DialogHelpButton},
                                                                 {"Exit", QStyle::SP_DialogCloseButton}};
    return icons.value(key, QStyle::SP_CustomBase);
}

} // namespace

mdifrmMain::mdifrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mdifrmMain"));
    setWindowIcon(ProgramIcon());
    mdiArea = new QMdiArea(this);
    setCentralWidget(mdiArea);
    buildMenus();
    buildToolbar();
    buildStatusBar();
    // Design size; start-up gives the final size about the same centre.
    resize(platform::twips(12000), platform::twips(8000));

    tmrChLock.setInterval(30000);
    connect(&tmrChLock, &QTimer::timeout, this, &mdifrmMain::tmrChLock_Timer);
    tmrChLock.start();
    tmrChLockBlink.setInterval(2000);
    connect(&tmrChLockBlink, &QTimer::timeout, this, &mdifrmMain::tmrChLockBlink_Timer);
}

mdifrmMain::~mdifrmMain() {
    // The channel window goes down with us: no title updates into a half-gone window.
    if (chMemWindow_) {
        chMemWindow_->disconnect(this);
        if (QWidget* sub = chMemWindow_->parentWidget()) sub->disconnect(this);
    }
    if (g_instance == this) g_instance = nullptr;
}

mdifrmMain& mdifrmMain::instance() {
    if (!g_instance) g_instance = new mdifrmMain;
    return *g_instance;
}

mdifrmMain* mdifrmMain::existing() {
    return g_instance;
}

void mdifrmMain::destroyInstance() {
    delete g_instance;
}

void mdifrmMain::buildMenus() {
    for (int i = 0; i < kMenuEntryCount; ++i) {
        const MenuEntry& e = kMenuEntries[i];
        const QString name = QString::fromLatin1(e.name);
        QMenu* parent = e.parent ? menus_.value(QString::fromLatin1(e.parent)) : nullptr;
        const bool parentHidden = parent && !parent->menuAction()->isVisible();
        QAction* a;
        if (e.submenu) {
            QMenu* m = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
            m->setObjectName(name);
            menus_.insert(name, m);
            a = m->menuAction();
        } else if (e.text < 0 && !e.caption) {
            a = parent->addSeparator();
        } else {
            a = parent->addAction(QString());
            if (e.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        }
        a->setObjectName(name);
        if (e.caption) a->setText(QString::fromUtf8(e.caption));
        // The items of a hidden menu are hidden with it, so that no shortcut reaches them.
        if (e.hidden || parentHidden) a->setVisible(false);
        actions_.insert(name, a);
    }
    for (const char* item : {"mnuLockFace", "mnuChLock", "mnuLangSel0", "mnuLangSel1", "mnuLangSel2"})
        action(item)->setCheckable(true);

    // Every item's handler runs in the guard, under the item's name.
    auto on = [this](const char* item, auto handler) {
        connect(action(item), &QAction::triggered, this, [item, handler](bool checked) {
            app::Guarded(std::string("mdifrmMain->") + item + "_Click", [&] {
                if constexpr (std::is_invocable_v<decltype(handler), bool>)
                    handler(checked);
                else
                    handler();
            });
        });
    };
    on("mnuFileNew", [this] { NewFile(); });
    on("mnuFileOpen", [this] { OpenFile(std::string()); });
    on("mnuFileSave", [this] { SaveFile(); });
    on("mnuFileSaveAs", [this] { SaveAsFile(); });
    on("mnuExit", [this] { ExitSoft(); });
    on("mnuReadFre", [this] { ReadRoad(); });
    on("mnuWriteFre", [this] { WriteRoad(); });
    on("mnuCommunicate", [this] { PortRoad(); });
    on("mnuHelpTopic", [this] { Help(); });
    on("mnuAboutSoft", [this] {
        frmAboutSoft box(this);
        platform::placeWindow(box, this);
        box.exec();
    });
    on("mnuShowErr", [this] { platform::showModeless(frmShowErr::instance(*this), this); });
    // A checkable item has toggled itself when this runs; the handlers start
    // from the mark it had before.
    on("mnuLockFace", [this](bool now) { mnuLock_Click(!now); });
    on("mnuChLock", [this](bool now) { mnuLock_Click(!now); });
    on("mnuLangSel0", [this] { mnuLangSel_Click(1); });
    on("mnuLangSel1", [this] { mnuLangSel_Click(2); });
    on("mnuLangSel2", [this] { mnuLangSel_Click(3); });
}

void mdifrmMain::buildToolbar() {
    tlbMdiFrmMain = addToolBar(QString());
    tlbMdiFrmMain->setObjectName(QStringLiteral("tlbMdiFrmMain"));
    tlbMdiFrmMain->setMovable(false);
    tlbMdiFrmMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    int next = 0;
    for (int position = 1; position <= 16; ++position) {
        const ToolbarButton* b = next < kToolbarButtonCount && kToolbarButtons[next].position == position
                                     ? &kToolbarButtons[next++]
                                     : nullptr;
        if (!b) {
            toolbarEntries_[position] = tlbMdiFrmMain->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b->key);
        QAction* a = tlbMdiFrmMain->addAction(style()->standardIcon(iconOf(key)), QString());
        a->setObjectName(key);
        a->setData(key);
        buttons_.insert(key, a);
        toolbarEntries_[position] = a;
    }
    connect(tlbMdiFrmMain, &QToolBar::actionTriggered, this,
            [this](QAction* a) { tlbMdiFrmMain_ButtonClick(a->data().toString()); });
}

void mdifrmMain::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbrStatus"));
    bar->setSizeGripEnabled(false);
    const char* keys[] = {"statusNotice", "statusCom", "statusAddress"};
    const int stretch[] = {2, 0, 3};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QString::fromLatin1(keys[i]));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(panels_[i], stretch[i]);
    }
    panels_[1]->setMinimumWidth(platform::twips(1200));
}

QAction* mdifrmMain::action(const QString& name) const {
    return actions_.value(name);
}
QAction* mdifrmMain::button(const QString& key) const {
    return buttons_.value(key);
}
QAction* mdifrmMain::toolbarEntry(int position) const {
    return position >= 1 && position <= 16 ? toolbarEntries_[position] : nullptr;
}
QMenu* mdifrmMain::menu(const QString& name) const {
    return menus_.value(name);
}

QString mdifrmMain::panelText(int panel) const {
    return panels_.at(panel - 1)->text();
}
void mdifrmMain::setPanelText(int panel, const QString& text) {
    panels_.at(panel - 1)->setText(text);
    // The tip tells the failed read or write in full, while its text shows.
    if (panel == 1 && text != linkFailure_) panels_[0]->setToolTip(QString());
}

void mdifrmMain::SetSoftFace() {
    app::Guarded("mdimoduMain->SetSoftFace", [&] {
        for (int i = 0; i < kMenuEntryCount; ++i)
            if (kMenuEntries[i].text >= 0)
                action(QString::fromLatin1(kMenuEntries[i].name))->setText(app::face(kMenuEntries[i].text));
        for (int i = 0; i < kToolbarButtonCount; ++i)
            button(QString::fromLatin1(kToolbarButtons[i].key))->setText(app::face(kToolbarButtons[i].text));
        ShowTitle();
        setPanelText(1, app::face(kTextReady));
        ShowComPanel();
        ShowFilePanel();
    });
}

void mdifrmMain::tlbMdiFrmMain_ButtonClick(const QString& key) {
    app::Guarded("mdifrmMain->tlbmdifrmMain_ButtonClick", [&] {
        if (key == QLatin1String("FileNew"))
            NewFile();
        else if (key == QLatin1String("FileOpen"))
            OpenFile(std::string());
        else if (key == QLatin1String("FileSave"))
            SaveFile();
        else if (key == QLatin1String("Write"))
            WriteRoad();
        else if (key == QLatin1String("Read"))
            ReadRoad();
        else if (key == QLatin1String("Com"))
            PortRoad();
        else if (key == QLatin1String("Help"))
            Help();
        else if (key == QLatin1String("Exit"))
            ExitSoft();
        // "Print" has nothing to do.
    });
}

void mdifrmMain::Help() {
    // Our own window: help works where no desktop can open a page. Its
    // callers, the menu item and the toolbar button, guard it.
    HelpWindow::ShowIndex(this, HelpFilePath(app::shell()));
}

// The exit question and the unload have their own guards.
void mdifrmMain::ExitSoft() {
    close();
}

void mdifrmMain::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    MDIForm_QueryUnload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void mdifrmMain::MDIForm_QueryUnload(bool& cancel) {
    if (!ConfirmExit(app::shell(), LinkBusy(radiolink::linkState()))) {
        cancel = true;
        return;
    }
    app::Guarded("mdifrmMain->MDIForm_QueryUnload", [&] { unloadWindows(); });
}

void mdifrmMain::unloadWindows() {
    for (const char* name : kUnloadOrder) {
        // Listed afresh: closing a window may delete others.
        for (QWidget* w : QApplication::allWidgets()) {
            if (w == this || w->objectName() != QLatin1String(name)) continue;
            if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
                sub->close();
            else if (w->isWindow())
                w->close();
        }
    }
}

} // namespace shell
