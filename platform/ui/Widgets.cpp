#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QWidget>

namespace platform {

void showModeless(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void showItems(QComboBox* list, const QStringList& items) {
    bool same = list->count() == items.size();
    for (int i = 0; same && i < list->count(); ++i) same = list->itemText(i) == items[i];
    if (same) return;
    list->clear();
    list->addItems(items);
}

void showItems(QComboBox* list, const std::vector<std::string>& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts << QString::fromStdString(item);
    showItems(list, texts);
}

} // namespace platform
