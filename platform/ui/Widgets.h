#pragma once
// What every window does alike with Qt's widgets.
#include <QStringList>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QWidget;

namespace platform {

// Where a window opens: inside the available area of its screen, frame
// included, made smaller when it would not fit (not below its minimum size).
// A window that another one opens lies offset from that one, so that neither
// hides the other: a dialog centred over it, any other window a title bar
// down and right of it. Without an opener the active window counts; without
// either the window opens in the middle of the primary screen.
void placeWindow(QWidget& window, const QWidget* opener = nullptr);

// Moves a shown window that grew past its screen's available area back
// inside it, as far as it fits.
void keepOnScreen(QWidget& window);

// Shows a modeless window in front of the others and gives it the focus; a
// window that was not shown opens where placeWindow puts it.
void showModeless(QWidget& window, const QWidget* opener = nullptr);

// Gives a list these items, refilling it only when they differ from the
// items it shows (a refill loses the choice and the open list).
void showItems(QComboBox* list, const QStringList& items);
void showItems(QComboBox* list, const std::vector<std::string>& items);
void showItems(QListWidget* list, const QStringList& items);
void showItems(QListWidget* list, const std::vector<std::string>& items);

} // namespace platform
