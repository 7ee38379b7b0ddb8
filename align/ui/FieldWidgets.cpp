#include "align/ui/FieldWidgets.h"

#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>

#include <stdexcept>
#include <string>

namespace align::ui {
namespace {

int scrollMaximum(const FieldRow& r) {
    return (1 << r.pieces[0].width) - 1;
}

} // namespace

FieldWidgets::FieldWidgets(Window window, QWidget* parent, Changed changed) : QObject(parent) {
    for (const FieldRow& r : FieldTable()) {
        if (WindowOf(r.control) != window || r.kind == Kind::GridRow) continue;
        for (int i = r.first; i < r.first + r.count; ++i) {
            Element e{r.control, i};
            const QString name = QStringLiteral("%1_%2").arg(QString::fromLatin1(r.name)).arg(i);
            switch (r.kind) {
            case Kind::List: {
                auto* list = new QComboBox(parent);
                connect(list, &QComboBox::activated, this,
                        [changed, c = r.control, i](int position) { changed(c, i, position); });
                e.widget = list;
                break;
            }
            case Kind::Box: {
                auto* box = new QCheckBox(parent);
                connect(box, &QCheckBox::clicked, this,
                        [changed, c = r.control, i](bool ticked) { changed(c, i, ticked ? 1 : 0); });
                e.widget = box;
                break;
            }
            case Kind::Scroll: {
                auto* bar = new QScrollBar(Qt::Horizontal, parent);
                bar->setRange(0, scrollMaximum(r));
                connect(bar, &QScrollBar::valueChanged, this,
                        [changed, c = r.control, i](int value) { changed(c, i, value); });
                e.widget = bar;
                e.text = new QLineEdit(parent);
                e.text->setObjectName(QStringLiteral("txt") + name.mid(3));
                break;
            }
            case Kind::GridRow:
                break;
            }
            e.widget->setObjectName(name);
            elements_.push_back(e);
        }
    }
}

FieldWidgets::Element* FieldWidgets::find(Control control, int index) const {
    for (const Element& e : elements_)
        if (e.control == control && e.index == index) return const_cast<Element*>(&e);
    throw std::out_of_range(std::string("no control ") + NameOf(control) + "(" + std::to_string(index) + ")");
}

QComboBox* FieldWidgets::list(Control control, int index) const {
    return qobject_cast<QComboBox*>(find(control, index)->widget);
}

QCheckBox* FieldWidgets::box(Control control, int index) const {
    return qobject_cast<QCheckBox*>(find(control, index)->widget);
}

QScrollBar* FieldWidgets::scroll(Control control, int index) const {
    return qobject_cast<QScrollBar*>(find(control, index)->widget);
}

QLineEdit* FieldWidgets::scrollText(Control control, int index) const {
    return find(control, index)->text;
}

void FieldWidgets::fill(Element& e, const FieldControl& c) {
    if (e.listCount == c.ListCount && e.firstNumber == c.FirstNumber && e.texts == c.Texts.data()) return;
    QStringList entries;
    for (int k = 0; k < c.ListCount; ++k) entries << QString::fromStdString(c.EntryText(k));
    auto* list = static_cast<QComboBox*>(e.widget);
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(entries);
    e.listCount = c.ListCount;
    e.firstNumber = c.FirstNumber;
    e.texts = c.Texts.data();
}

void FieldWidgets::show(const FieldControls& state) {
    for (Element& e : elements_) {
        const FieldControl& c = state.at(e.control, e.index);
        e.widget->setEnabled(c.Enabled);
        if (auto* list = qobject_cast<QComboBox*>(e.widget)) {
            fill(e, c);
            platform::show(list, c.Value < list->count() ? c.Value : -1);
        } else if (auto* box = qobject_cast<QCheckBox*>(e.widget)) {
            platform::show(box, c.Value);
        } else if (auto* bar = qobject_cast<QScrollBar*>(e.widget)) {
            platform::show(bar, c.Value);
            platform::show(e.text, c.Text);
        }
    }
}

} // namespace align::ui
