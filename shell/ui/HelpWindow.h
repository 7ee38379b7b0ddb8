#pragma once
// The help window: the HTML help pages beside the program shown in Qt's own
// rich-text browser, so that help needs nothing of the desktop. One window
// for the program, owned by the main window; Back, Forward and Contents
// move through the pages, and a page that is missing says so.
#include <QAction>
#include <QRect>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QWidget>

#include <string>

namespace shell {

// A browser that tells a missing or unreadable page in the interface
// language instead of showing an empty page.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows the help at the index page `indexPath`, in front; a window that
    // is already shown on that index keeps its page and comes to the front.
    static HelpWindow& ShowIndex(QWidget* owner, const std::string& indexPath);
    static HelpWindow* existing();

    // The window's place: the size it asks for, cut to leave room for a frame
    // inside `available`, centred on `owner` and moved inside `available`.
    static QRect PlaceInside(QSize wanted, const QRect& owner, const QRect& available);

    void InitFace();

    QToolBar* tlbHelp;
    QAction* cmdBack;
    QAction* cmdForward;
    QAction* cmdHome;
    HelpBrowser* txtPage;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    explicit HelpWindow(QWidget* owner);
    void GoHome(const QUrl& index);
    void ShowTitle(const QUrl& shown);

    QUrl index_;
};

} // namespace shell
