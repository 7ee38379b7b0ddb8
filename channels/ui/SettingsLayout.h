#pragma once
// How the settings pages lay their controls out: small helpers over Qt's
// layouts, shared by the page files only.
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace channels::layout {

// Rows close together, so a page fits the window.
inline void tight(QLayout* l) {
    l->setContentsMargins(6, 2, 6, 4);
    l->setSpacing(3);
}

inline QGridLayout* grid(QWidget* frame) {
    auto* g = new QGridLayout(frame);
    tight(g);
    g->setHorizontalSpacing(8);
    return g;
}

// A label and its control side by side in the columns pair*2 and pair*2+1.
inline void pair(QGridLayout* g, int row, int pair, QWidget* label, QWidget* control) {
    if (label) g->addWidget(label, row, 2 * pair);
    g->addWidget(control, row, 2 * pair + 1);
}

} // namespace channels::layout
