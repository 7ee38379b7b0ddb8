#pragma once
// The main window: menus, toolbar, three status panels, the channel window
// as its MDI child, the close procedure, help, the language menu and the
// interface lock. One window for the program, created on first use. It
// answers what its logic (shell::MainWindowHost) and the link
// (radiolink::PortPanelHost) show in it while it exists.
#include "app/ui/Face.h"
#include "link/LinkHosts.h"
#include "shell/MainWindowHost.h"
#include "shell/ui/ShellWindows.h"

#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>
#include <QToolBar>

#include <array>
#include <string>

class QMenu;

namespace shell {

class mdifrmMain : public QMainWindow, public MainWindowHost, public radiolink::PortPanelHost {
    Q_OBJECT
  public:
    explicit mdifrmMain(QWidget* parent = nullptr);
    ~mdifrmMain() override;

    // The program's main window; created hidden on first use.
    static mdifrmMain& instance();
    static mdifrmMain* existing();
    static void destroyInstance(); // tests start each run afresh

    // Start-up after the splash (the 10 ms timer calls it once).
    void SoftInit();
    // Captions of menus, toolbar, title and status panels in the language.
    void SetSoftFace();

    // Menu items and toolbar buttons by name or key.
    QAction* action(const QString& name) const;
    QAction* button(const QString& key) const; // nullptr for a key that is none
    QAction* toolbarEntry(int position) const; // 1-16
    QMenu* menu(const QString& name) const;
    QToolBar* tlbMdiFrmMain = nullptr;
    void tlbMdiFrmMain_ButtonClick(const QString& key);

    // Status panels 1-3: "statusNotice", "statusCom", "statusAddress".
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    void ShowComPanel();  // panel 2: "COM" and the port in use
    void ShowFilePanel(); // panel 3: text 85 and the current file
    // Text 16, followed by " - [caption]" of the maximised channel window, as
    // a maximised child's caption shows in its parent's title.
    void ShowTitle();

    // The channel window, once start-up has loaded it (nullptr before).
    ChannelWindowSlot* channelWindow() const { return chMemWindow_ ? chMem_ : nullptr; }
    // Loads it on first touch; nullptr while no channel editor is registered.
    ChannelWindowSlot* touchChannelWindow();
    QMdiArea* mdiArea = nullptr;

    // File, program and settings commands.
    void NewFile();
    void OpenFile(const std::string& path);
    void SaveFile();
    void SaveAsFile();
    void ReadRoad();
    void WriteRoad();
    void PortRoad();
    void Help();
    void ExitSoft();

    // Language (the three items check the language in use).
    void mnuLangSel_Click(int lang);
    void CheckLanguage(int lang);

    // Interface lock.
    void LockFaceOperate(int locked);
    void tmrChLock_Timer();
    void tmrChLockBlink_Timer();
    QTimer tmrChLock;
    QTimer tmrChLockBlink;

    // The close request of every road out of the program; sets cancel to
    // keep it running.
    void MDIForm_QueryUnload(bool& cancel);

    // shell::MainWindowHost, radiolink::PortPanelHost
    void ShowFilePanel(const std::string& text) override;
    void TakeFocus() override;
    void ComPortShown(int port) override;
    void LinkFailureShown(const std::string& text, const std::string& detail) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void mnuLock_Click(bool wasChecked);
    void unloadWindows();

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> buttons_;
    std::array<QAction*, 17> toolbarEntries_{}; // 1-16
    std::array<QLabel*, 3> panels_{};
    QString linkFailure_; // what panel 1 shows of the last failed read or write
    ChannelWindowSlot* chMem_ = nullptr;
    QPointer<QWidget> chMemWindow_;
    platform::Host<MainWindowHost>::Scoped asMainWindow_{*this};
    platform::Host<radiolink::PortPanelHost>::Scoped asPortPanel_{*this};
};

} // namespace shell
