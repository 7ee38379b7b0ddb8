// The main window's commands: files, the roads into the read/write and port
// dialogs, and the channel window it hosts.
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "link/LinkState.h"
#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"
#include "shell/ui/mdifrmMain.h"

#include <QMdiSubWindow>

namespace shell {

void mdifrmMain::ShowComPanel() {
    setPanelText(2, app::face(app::TextKey::ComPanel) + QString::number(radiolink::linkState().ComPortNo));
}

void mdifrmMain::ComPortShown(int) {
    ShowComPanel();
}

void mdifrmMain::LinkFailureShown(const std::string& text, const std::string& detail) {
    if (text.empty()) {
        // A good read or write: the failure before it is over; another
        // status text in its place stays.
        if (!linkFailure_.isEmpty() && panelText(1) == linkFailure_)
            setPanelText(1, app::face(app::shell().FaceLockState == "ShowLock" ? kTextLocked : kTextReady));
        linkFailure_.clear();
        panels_[0]->setToolTip(QString());
        return;
    }
    linkFailure_ = QString::fromStdString(text);
    setPanelText(1, linkFailure_);
    panels_[0]->setToolTip(QString::fromStdString(detail));
}

void mdifrmMain::ShowFilePanel(const std::string& text) {
    setPanelText(3, QString::fromStdString(text));
}

void mdifrmMain::TakeFocus() {
    activateWindow();
    setFocus();
}

ChannelWindowSlot* mdifrmMain::touchChannelWindow() {
    if (!channelWindow()) {
        chMem_ = platform::host<ChannelWindowHost>().MakeChannelWindow();
        if (!chMem_) return nullptr;
        chMemWindow_ = chMem_->window();
        QMdiSubWindow* sub = mdiArea->addSubWindow(chMemWindow_);
        sub->setWindowFlags(Qt::FramelessWindowHint);
        sub->showMaximized();
        // The frameless child draws no caption; its band shows in our title.
        connect(chMemWindow_, &QWidget::windowTitleChanged, this, &mdifrmMain::ShowTitle);
        connect(sub, &QMdiSubWindow::windowStateChanged, this, &mdifrmMain::ShowTitle);
        ShowTitle();
    }
    return chMem_;
}

void mdifrmMain::ShowTitle() {
    // Also the answer to the channel window's title and state changes.
    app::Guarded("mdifrmMain->ShowTitle", [&] {
        const QString caption = chMemWindow_ ? chMemWindow_->windowTitle() : QString();
        setWindowTitle(caption.isEmpty() ? app::face(kTextTitle)
                                         : app::face(kTextTitle) + QStringLiteral(" - [") + caption + ']');
    });
}

void mdifrmMain::ShowFilePanel() {
    setPanelText(3, QString::fromStdString(FilePanelText()));
}

void mdifrmMain::NewFile() {
    shell::NewFile();
}

void mdifrmMain::OpenFile(const std::string& path) {
    shell::OpenFile(path);
}

void mdifrmMain::SaveFile() {
    if (auto* ch = channelWindow()) ch->cboGridChCtdcs_LostFocus();
    shell::SaveFile();
}

void mdifrmMain::SaveAsFile() {
    if (auto* ch = channelWindow()) ch->cboGridChCtdcs_LostFocus();
    shell::SaveAsFile();
}

void mdifrmMain::ReadRoad() {
    radiolink::linkState().ComStop = 0;
    platform::host<LinkWindowsHost>().ShowCommunDialog(this, false);
}

void mdifrmMain::WriteRoad() {
    if (auto* ch = channelWindow()) ch->cboGridChCtdcs_LostFocus();
    radiolink::linkState().ComStop = 0;
    platform::host<LinkWindowsHost>().ShowCommunDialog(this, true);
}

void mdifrmMain::PortRoad() {
    platform::host<LinkWindowsHost>().ShowPortDialog(this);
    ShowComPanel();
}

} // namespace shell
