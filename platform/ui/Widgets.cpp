#include "platform/ui/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QListWidget>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace platform {
namespace {

QStringList texts(const std::vector<std::string>& items) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) out << QString::fromStdString(item);
    return out;
}

// Whether a list of count items, item i reading text(i), shows these items.
template <class Text> bool shows(int count, Text text, const QStringList& items) {
    if (count != items.size()) return false;
    for (int i = 0; i < count; ++i)
        if (text(i) != items[i]) return false;
    return true;
}

// How far a window opened from another lies down and right of it: about a
// title bar, so that the opener's title stays in sight.
constexpr int kCascade = 32;

const QWidget* openerOf(const QWidget& window, const QWidget* opener) {
    if (!opener) opener = QApplication::activeWindow();
    if (opener) opener = opener->window();
    if (!opener || opener == &window || !opener->isVisible()) return nullptr;
    return opener;
}

// What the window manager adds around the window: known once the window is
// shown, before that taken from the opener or another shown window, which
// have the same kind of frame; without any, a title bar and thin borders.
QSize frameExtra(const QWidget& window, const QWidget* opener) {
    auto extra = [](const QWidget& w) { return w.frameGeometry().size() - w.geometry().size(); };
    if (window.isVisible()) return extra(window);
    if (opener) return extra(*opener);
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != &window && w->isVisible() && w->isWindow()) return extra(*w);
    constexpr int border = 4;
    return {2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
}

// The top-left corner of a frame of this size moved inside the area, as far
// as the frame fits.
QPoint inside(QPoint corner, QSize frame, const QRect& area) {
    corner.setX(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
    corner.setY(std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    return corner;
}

} // namespace

void placeWindow(QWidget& window, const QWidget* opener) {
    opener = openerOf(window, opener);
    QScreen* screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window.ensurePolished();
    if (QLayout* layout = window.layout()) layout->activate();
    // The size it was given, else the size its contents ask for (Qt's own
    // first size would be at most two thirds of the screen).
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();

    // Room for the frame, and beside an opener room to lie offset from it.
    const QSize extra = frameExtra(window, opener);
    QSize room = area.size() - extra;
    if (opener) room -= QSize(kCascade, kCascade);
    const QSize least = window.minimumSize().expandedTo(window.minimumSizeHint());
    const QSize size = wanted.boundedTo(room).expandedTo(least);
    const QSize frame = size + extra;

    QPoint corner = area.center() - QPoint(frame.width() / 2, frame.height() / 2);
    if (opener) {
        const QRect from = opener->frameGeometry();
        const bool dialog = window.windowType() == Qt::Dialog;
        corner = dialog ? from.center() - QPoint(frame.width() / 2, frame.height() / 2)
                        : from.topLeft() + QPoint(kCascade, kCascade);
    }
    corner = inside(corner, frame, area);
    // Not exactly over another window (two opened from the same one, or one
    // pushed back onto its opener by the screen's edge): on down the cascade,
    // or back up it where the edge stops it.
    auto taken = [&window](QPoint p) {
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w != &window && w->isVisible() && w->frameGeometry().topLeft() == p) return true;
        return false;
    };
    QPoint step(kCascade, kCascade);
    for (int tries = 0; tries < 32 && taken(corner); ++tries) {
        const QPoint next = inside(corner + step, frame, area);
        if (next == corner) step = -step;
        corner = next;
    }
    window.resize(size);
    window.move(corner);
}

void keepOnScreen(QWidget& window) {
    QScreen* screen = window.screen();
    if (!screen) return;
    const QRect frame = window.frameGeometry();
    const QPoint corner = inside(frame.topLeft(), frame.size(), screen->availableGeometry());
    if (corner != frame.topLeft()) window.move(corner);
}

void showModeless(QWidget& window, const QWidget* opener) {
    if (!window.isVisible()) placeWindow(window, opener);
    window.show();
    window.raise();
    window.activateWindow();
}

void showItems(QComboBox* list, const QStringList& items) {
    if (shows(
            list->count(), [list](int i) { return list->itemText(i); }, items))
        return;
    list->clear();
    list->addItems(items);
}

void showItems(QComboBox* list, const std::vector<std::string>& items) {
    showItems(list, texts(items));
}

void showItems(QListWidget* list, const QStringList& items) {
    if (shows(
            list->count(), [list](int i) { return list->item(i)->text(); }, items))
        return;
    list->clear();
    list->addItems(items);
}

void showItems(QListWidget* list, const std::vector<std::string>& items) {
    showItems(list, texts(items));
}

} // namespace platform
