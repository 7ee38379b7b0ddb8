#pragma once
// What every window does alike with Qt's widgets.
#include <QStringList>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QWidget;

namespace platform {

// Shows a modeless window in front of the others and gives it the focus.
void showModeless(QWidget& window);

// Gives a list these items, refilling it only when they differ from the
// items it shows (a refill loses the choice and the open list).
void showItems(QComboBox* list, const QStringList& items);
void showItems(QComboBox* list, const std::vector<std::string>& items);
void showItems(QListWidget* list, const QStringList& items);
void showItems(QListWidget* list, const std::vector<std::string>& items);

} // namespace platform
