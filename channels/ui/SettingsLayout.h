#pragma once
// How the settings pages lay their controls out: small helpers over Qt's
// layouts, shared by the page files only.
#include <QAbstractTextDocumentLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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

// A list as tall as `rows` whole items, so that none shows cut in half, and
// wide enough for the text of its longest item beside the scroll bar.
// Spaces at an item's end show nothing: they may run past the edge, neither
// shortening the text with an ellipsis nor asking for a scroll bar.
inline void wholeItems(QListWidget* list, int rows) {
    const QFontMetrics metrics = list->fontMetrics();
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        QString text = list->item(i)->text();
        while (text.endsWith(QLatin1Char(' '))) text.chop(1);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    const int textMargins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int frame = 2 * list->frameWidth();
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setMinimumWidth(widest + textMargins + frame + list->verticalScrollBar()->sizeHint().width());
    list->setFixedHeight(rows * list->sizeHintForRow(0) + frame);
}

// A read-only text box just large enough for every line of its text.
inline void fitText(QPlainTextEdit* box) {
    const QFontMetrics metrics = box->fontMetrics();
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * (static_cast<int>(box->document()->documentMargin()) + box->frameWidth());
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The lines as the box lays them out, and a pixel to spare each way: the
    // box counts a line as shown only with room left below it.
    double height = 0;
    for (QTextBlock b = box->document()->firstBlock(); b.isValid(); b = b.next())
        height += box->document()->documentLayout()->blockBoundingRect(b).height();
    box->setFixedSize(widest + margins + box->cursorWidth() + 2,
                      static_cast<int>(std::ceil(height)) + margins + 2);
}

} // namespace channels::layout
