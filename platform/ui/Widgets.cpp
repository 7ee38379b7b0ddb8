#include "platform/ui/Widgets.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
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

QString itemText(const QComboBox* list, int i) {
    return list->itemText(i);
}
QString itemText(const QListWidget* list, int i) {
    return list->item(i)->text();
}

// Refilled only when its items differ: a refill loses the choice.
template <class List> void replaceItems(List* list, const QStringList& items) {
    bool same = list->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = itemText(list, i) == items[i];
    if (same) return;
    list->clear();
    list->addItems(items);
}

void showTip(QWidget* widget, const std::string& tip) {
    const QString shown = QString::fromStdString(tip);
    if (widget->toolTip() != shown) widget->setToolTip(shown);
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
    const QRect area = screen->availableGeometry();
    const QSize extra = frameExtra(window, nullptr);
    const QSize least = window.minimumSize().expandedTo(window.minimumSizeHint());
    const QSize size = window.size().boundedTo(area.size() - extra).expandedTo(least);
    if (size != window.size()) window.resize(size);
    const QPoint corner = inside(window.frameGeometry().topLeft(), size + extra, area);
    if (corner != window.frameGeometry().topLeft()) window.move(corner);
}

void showModeless(QWidget& window, const QWidget* opener) {
    if (!window.isVisible()) placeWindow(window, opener);
    window.show();
    window.raise();
    window.activateWindow();
}

void showItems(QComboBox* list, const QStringList& items) {
    replaceItems(list, items);
}

void showItems(QComboBox* list, const std::vector<std::string>& items) {
    replaceItems(list, texts(items));
}

void showItems(QListWidget* list, const QStringList& items) {
    replaceItems(list, items);
}

void showItems(QListWidget* list, const std::vector<std::string>& items) {
    replaceItems(list, texts(items));
}

void show(QCheckBox* box, const CheckBox& state) {
    const QSignalBlocker quiet(box);
    box->setChecked(state.Value == 1);
    box->setEnabled(state.Enabled);
    box->setVisible(state.Visible);
}

void show(QCheckBox* box, int value) {
    const QSignalBlocker quiet(box);
    box->setChecked(value == 1);
}

void show(QRadioButton* option, const OptionButton& state) {
    const QSignalBlocker quiet(option);
    option->setChecked(state.Value);
    option->setEnabled(state.Enabled);
}

void show(QButtonGroup* group, int id) {
    // Not exclusive for a moment, so that no button at all may be chosen.
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        const QSignalBlocker quiet(button);
        button->setChecked(group->id(button) == id);
    }
    group->setExclusive(exclusive);
}

void show(QPushButton* button, const Button& state) {
    button->setEnabled(state.Enabled);
    // A font set changes how the button's font follows its window's.
    if (button->font().bold() == state.FontBold) return;
    QFont font = button->font();
    font.setBold(state.FontBold);
    button->setFont(font);
}

void show(QComboBox* list, const ComboBox& state) {
    show(list, state.items, state.ListIndex);
    list->setEnabled(state.Enabled);
    showTip(list, state.ToolTip);
}

void show(QComboBox* list, const std::vector<std::string>& items, int listIndex) {
    const QSignalBlocker quiet(list);
    showItems(list, items);
    list->setCurrentIndex(listIndex);
}

void show(QComboBox* list, int listIndex) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(listIndex);
}

void show(QListWidget* list, const ListBox& state) {
    const QSignalBlocker quiet(list);
    showItems(list, state.items);
    list->setCurrentRow(state.ListIndex);
}

void show(QLineEdit* box, const TextBox& state, bool caretFromState) {
    const QSignalBlocker quiet(box);
    const QString text = QString::fromStdString(state.Text);
    if (box->text() != text) {
        box->setText(text);
        caretFromState = true;
    }
    if (caretFromState) box->setCursorPosition(state.SelStart);
    showTip(box, state.ToolTip);
}

void show(QLineEdit* box, const std::string& text) {
    const QSignalBlocker quiet(box);
    const QString shown = QString::fromStdString(text);
    if (box->text() != shown) box->setText(shown);
}

void show(QLabel* label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (label->text() != shown) label->setText(shown);
}

void show(QAbstractSlider* slider, int value) {
    const QSignalBlocker quiet(slider);
    slider->setValue(value);
}

void show(QTabWidget* tabs, int index) {
    const QSignalBlocker quiet(tabs);
    tabs->setCurrentIndex(index);
}

void show(QTimer& timer, const Timer& state) {
    if (!state.Enabled || state.Interval <= 0) {
        timer.stop();
    } else if (!timer.isActive() || timer.interval() != state.Interval) {
        timer.start(state.Interval);
    }
}

} // namespace platform
