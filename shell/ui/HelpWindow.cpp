#include "shell/ui/HelpWindow.h"

#include "app/ErrorReporter.h"
#include "app/ui/Face.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"
#include "shell/ShellTexts.h"
#include "shell/ui/ProgramIcon.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {
namespace {

QPointer<HelpWindow> g_window;

QString missingPage(const QUrl& name) {
    const QString path = name.isLocalFile() ? name.toLocalFile() : name.toString();
    return QStringLiteral("<html><body><h1>%1</h1><p>%2</p></body></html>")
        .arg(app::face(kTextHelpButton).toHtmlEscaped(),
             app::face(app::TextKey::HelpPageMissing).arg(path).toHtmlEscaped());
}

} // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QVariant page = QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::HtmlResource && page.toByteArray().isEmpty())
        app::Guarded("HelpWindow->loadResource", [&] { page = missingPage(name); });
    return page;
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowIcon(ProgramIcon());
    tlbHelp = new QToolBar(this);
    tlbHelp->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdBack = tlbHelp->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString());
    cmdForward = tlbHelp->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString());
    cmdHome = tlbHelp->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QString());
    txtPage = new HelpBrowser(this);
    txtPage->setOpenLinks(true);
    txtPage->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tlbHelp);
    layout->addWidget(txtPage);

    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    connect(cmdBack, &QAction::triggered, txtPage, &QTextBrowser::backward);
    connect(cmdForward, &QAction::triggered, txtPage, &QTextBrowser::forward);
    connect(cmdHome, &QAction::triggered, this, [this] { txtPage->setSource(index_); });
    connect(txtPage, &QTextBrowser::backwardAvailable, cmdBack, &QAction::setEnabled);
    connect(txtPage, &QTextBrowser::forwardAvailable, cmdForward, &QAction::setEnabled);
    // The history moves on after this signal: the page is the one it names.
    connect(txtPage, &QTextBrowser::sourceChanged, this, &HelpWindow::ShowTitle);
    InitFace();
}

HelpWindow& HelpWindow::ShowIndex(QWidget* owner, const std::string& indexPath) {
    const QUrl index = QUrl::fromLocalFile(QFileInfo(QString::fromStdString(indexPath)).absoluteFilePath());
    const bool fresh = !g_window;
    if (fresh) g_window = new HelpWindow(owner);
    HelpWindow& w = *g_window;
    w.InitFace();
    if (!w.isVisible() || w.index_ != index) w.GoHome(index);
    if (fresh) {
        // A window the screen cannot hold whole is one the user cannot read.
        QScreen* screen = owner ? owner->screen() : w.screen();
        const QRect ownerRect = owner ? owner->frameGeometry() : screen->availableGeometry();
        const QRect r = PlaceInside(QSize(platform::twips(11000), platform::twips(9000)), ownerRect,
                                    screen->availableGeometry());
        w.resize(r.size());
        w.move(r.topLeft()); // the frame's corner, title bar included
    }
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    platform::showModeless(w);
    return w;
}

HelpWindow* HelpWindow::existing() {
    return g_window;
}

QRect HelpWindow::PlaceInside(QSize wanted, const QRect& owner, const QRect& available) {
    // Room for the frame the desktop adds around it.
    QRect r(QPoint(0, 0), wanted.boundedTo(available.size() * 0.9));
    r.moveCenter(owner.center());
    r.moveLeft(std::clamp(r.left(), available.left(), available.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), available.top(), available.bottom() - r.height() + 1));
    return r;
}

// Escape closes the window, as it closes the program's dialogs.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::InitFace() {
    cmdBack->setText(app::face(app::TextKey::HelpBack));
    cmdForward->setText(app::face(app::TextKey::HelpForward));
    cmdHome->setText(app::face(app::TextKey::HelpContents));
    ShowTitle(txtPage->source());
}

void HelpWindow::GoHome(const QUrl& index) {
    index_ = index;
    // The same page again is read again: it may have come back since.
    if (txtPage->source() == index)
        txtPage->reload();
    else
        txtPage->setSource(index);
    txtPage->clearHistory();
    ShowTitle(index);
}

void HelpWindow::ShowTitle(const QUrl& shown) {
    app::Guarded("HelpWindow->ShowTitle", [&] {
        const QString help = app::face(kTextHelpButton);
        const QString page = txtPage->documentTitle();
        const bool index = shown.adjusted(QUrl::RemoveFragment) == index_;
        setWindowTitle(index || page.isEmpty() ? help : help + QStringLiteral(" - ") + page);
    });
}

} // namespace shell
