#pragma once
// What every window does alike with Qt's widgets.
#include "platform/Controls.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QAbstractSlider;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QWidget;

namespace platform {

// Where a window opens: inside the available area of its screen, frame
// included, made smaller when it would not fit (not below its minimum size).
// A window that another one opens lies offset from that one, so that neither
// hides the other: a dialog centred over it, any other window a title bar
// down and right of it. Without an opener the active window counts; without
// either the window opens in the middle of the primary screen.
void placeWindow(QWidget& window, const QWidget* opener = nullptr);

// Brings a window that grew past its screen's available area back inside
// it: no larger than the area leaves room for (nor than its least size),
// and moved in.
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

// A window's state shown in its widgets: each control of platform/Controls.h
// in the widget that shows it. The widget's signals are blocked while it is
// set, so a state shown raises none of its change signals (the logic has
// already run what its handlers would), and only what differs is set.
void show(QCheckBox* box, const CheckBox& state); // ticked at Value 1, enabled, visible
void show(QCheckBox* box, int value);             // ticked at 1
void show(QRadioButton* option, const OptionButton& state);
// The option buttons of a group: the one of this id chosen, none for an id
// no button has.
void show(QButtonGroup* group, int id);
void show(QPushButton* button, const Button& state); // enabled, the caption bold
// The items (refilled only when one differs), the choice, enabled, the tip.
void show(QComboBox* list, const ComboBox& state);
void show(QComboBox* list, const std::vector<std::string>& items, int listIndex);
void show(QComboBox* list, int listIndex);
void show(QListWidget* list, const ListBox& state);
// The text when it differs from the shown one, with the caret at SelStart;
// the caret also when caretFromState (a typed text the logic corrected);
// the tip.
void show(QLineEdit* box, const TextBox& state, bool caretFromState = false);
// The text only when it differs: the user may be typing in the box.
void show(QLineEdit* box, const std::string& text);
void show(QLabel* label, const std::string& text);
void show(QAbstractSlider* slider, int value);
void show(QTabWidget* tabs, int index);
// Runs as the state says: stopped while disabled or at interval 0 (a timer
// of interval 0 never fires), started when its interval changes; a running
// timer keeps its phase.
void show(QTimer& timer, const Timer& state);

} // namespace platform
