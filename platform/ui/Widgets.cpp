#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QListWidget>
#include <QWidget>

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

} // namespace

void showModeless(QWidget& window) {
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
