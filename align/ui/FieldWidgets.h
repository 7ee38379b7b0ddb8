#pragma once
// The widgets of one factory window's map controls (align/AlignMap.h): a
// list for every list element, a box for every box, a scroll bar with its
// text box for every scroll-bar element. The window lays them out and
// captions them; FieldWidgets shows what the window's state holds and tells
// the window of each change the user makes.
#include "align/AlignState.h"

#include <QObject>

#include <functional>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace align::ui {

class FieldWidgets : public QObject {
    Q_OBJECT
  public:
    // The user chose an entry (also the one already chosen), clicked a box
    // or moved a scroll bar: value is the list position, 1/0, the bar's value.
    using Changed = std::function<void(Control control, int index, int value)>;

    FieldWidgets(Window window, QWidget* parent, Changed changed);

    QComboBox* list(Control control, int index) const;
    QCheckBox* box(Control control, int index) const;
    QScrollBar* scroll(Control control, int index) const;
    QLineEdit* scrollText(Control control, int index) const; // the bar's text box

    // Shows the state: entries, choices, ticks, values and texts, enabled or
    // not. Raises no change.
    void show(const FieldControls& state);

  private:
    struct Element {
        Control control;
        int index;
        QWidget* widget = nullptr; // the list, box or scroll bar
        QLineEdit* text = nullptr; // a scroll bar's text box
        // The entries a list holds now.
        int listCount = -1;
        int firstNumber = 0;
        const char* const* texts = nullptr;
    };
    Element* find(Control control, int index) const;
    void fill(Element& e, const FieldControl& c);

    std::vector<Element> elements_;
};

} // namespace align::ui
