#pragma once
// For the channel window's tests: whether every settings control shows the
// pages' logic, an image that holds something in every settings field, and
// what a user would see cut off of a page.
#include "channels/SettingsState.h"
#include "channels/ui/SettingsControls.h"
#include "model/ImageMap.h"
#include "model/Model.h"

#include "platform/ui/Grid.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace settingswindowtest {

using Bytes = std::vector<std::uint8_t>;

// The settings controls that do not show what the pages' logic holds: the
// lists (items, choice, enabling, tip), boxes, key lists, auto-dial
// memories, every data cell of the side grids and the read/write codes.
inline QStringList notShown(const channels::SettingsControls& c) {
    const channels::SettingsPages& s = channels::settingsPages();
    QStringList wrong;
    auto q = [](const std::string& t) { return QString::fromStdString(t); };
    auto combo = [&](const QComboBox* box, const channels::ComboBox& state, const QString& name) {
        if (box->count() != static_cast<int>(state.items.size()) || box->currentIndex() != state.ListIndex ||
            box->isEnabled() != state.Enabled || box->toolTip() != q(state.ToolTip) ||
            (box->count() > 0 && box->itemText(box->count() - 1) != q(state.items.back())))
            wrong << name;
    };
    for (std::size_t i = 0; i < c.cboPc.size(); ++i)
        combo(c.cboPc[i], s.cboPc[i], QString("cboPc(%1)").arg(i));
    for (std::size_t level = 1; level < c.cboVoxCmpDat.size(); ++level)
        combo(c.cboVoxCmpDat[level], s.cboVoxCmpDat[level], QString("cboVoxCmpDat(%1)").arg(level));
    for (std::size_t i = 0; i < c.chkPc.size(); ++i)
        if (c.chkPc[i]->isChecked() != (s.chkPc[i].Value != 0) ||
            c.chkPc[i]->isEnabled() != s.chkPc[i].Enabled)
            wrong << QString("chkPc(%1)").arg(i);
    for (std::size_t i = 0; i < c.txtPc.size(); ++i)
        if (c.txtPc[i]->text() != q(s.txtPc[i].Text)) wrong << QString("txtPc(%1)").arg(i);
    for (std::size_t j = 0; j < c.txtAutoMem.size(); ++j)
        if (c.txtAutoMem[j]->text() != q(s.txtAutoMem[j].Text)) wrong << QString("txtAutoMem(%1)").arg(j);
    for (std::size_t k = 0; k < c.listSkKey.size(); ++k)
        if (c.listSkKey[k]->count() != static_cast<int>(s.listSkKey[k].items.size()) ||
            c.listSkKey[k]->currentRow() != s.listSkKey[k].ListIndex)
            wrong << QString("listSkKey(%1)").arg(k);
    const std::pair<const platform::Grid*, const channels::SideGrid*> grids[] = {
        {c.vsfgGridTwoTone[0], &s.grids.TwoTone},
        {c.vsfgGridRadio, &s.grids.Radio},
        {c.vsfgGridPhoneBook, &s.grids.PhoneBook}};
    for (const auto& [grid, state] : grids)
        for (int r = 1; r <= state->Rows; ++r)
            for (int col = 1; col < state->Cols; ++col)
                if (grid->textMatrix(r, col) != q(state->Text(r, col)))
                    wrong << QString("%1 (%2, %3)").arg(grid->objectName()).arg(r).arg(col);
    if (c.txtRdWrCode->text() != q(s.rdWr.RdWrCodeText)) wrong << "txtRdWrCode";
    if (c.txtNewRdWrCode->text() != q(s.rdWr.NewRdWrCodeText)) wrong << "txtNewRdWrCode";
    return wrong;
}

// An image whose settings hold something in every kind of field: DTMF codes
// in the auto-dial memories, the code boxes and the phone book, names, used
// two-tone entries, FM stations, message lines, codes and the VOX levels.
inline model::Image patterned(model::Image image) {
    const std::uint8_t dtmf[] = {'1', '2', 'A', '*', '#', '9', ' ', 'D', '0'};
    for (model::map::Addr a = 0xE000; a < 0xE2F0; ++a) image[a] = dtmf[(a * 7) % sizeof dtmf];
    for (model::map::Addr a = 0xE2F0; a < 0xE3B8; ++a) image[a] = static_cast<std::uint8_t>(a % 30);
    for (int n = 1; n <= 32; ++n) {
        const model::map::Addr a = 0xE400 + 8 * static_cast<model::map::Addr>(n - 1);
        const int tenths = 10000 + 100 * n;
        const Bytes entry{static_cast<std::uint8_t>(tenths & 0xFF),
                          static_cast<std::uint8_t>(tenths >> 8),
                          5,
                          0x20,
                          0x4E,
                          7,
                          3,
                          0x5A};
        std::copy(entry.begin(), entry.end(), image.begin() + static_cast<std::ptrdiff_t>(a));
    }
    for (model::map::Addr a = 0xE610; a < 0xE650; a += 2) {
        image[a] = static_cast<std::uint8_t>('A' + a % 26);
        image[a + 1] = 0x00;
    }
    for (int n = 1; n <= 25; ++n) {
        int units = (87 + n) * 100000;
        for (model::map::Addr i = 0; i < 4; ++i, units /= 100)
            image[0xE650 + 4 * static_cast<model::map::Addr>(n - 1) + i] =
                static_cast<std::uint8_t>((units % 100 / 10) << 4 | units % 10);
    }
    const Bytes codes{1, 2, 3, 0xFF, 0xFF, 0xFF};
    std::copy(codes.begin(), codes.end(), image.begin() + 0xE6E0);
    for (int level = 1; level <= 10; ++level)
        image[0xE720 + static_cast<model::map::Addr>(level)] = 20 * level;
    const Bytes rdWr{'X', 0x00, 'Y', 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(rdWr.begin(), rdWr.end(), image.begin() + 0xE780);
    return image;
}

// ---- What a user sees cut off ----

inline QString nameOf(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w)) text = l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
    const QString type = w->metaObject()->className();
    return text.isEmpty() ? type : QString("%1 \"%2\"").arg(type, text);
}

inline QString withoutEndSpaces(QString text) {
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

// Whether the text `w` shows fits the room it gives its text, measured in
// its own font; `why` says what does not.
inline bool textFits(QWidget* w, QString& why) {
    const QFontMetrics fm = w->fontMetrics();
    auto tooNarrow = [&](const QString& text, int room) {
        if (text.isEmpty() || fm.horizontalAdvance(text) <= room) return false;
        why = QString("\"%1\" needs %2 px of %3").arg(text).arg(fm.horizontalAdvance(text)).arg(room);
        return true;
    };
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const int room = l->contentsRect().width() - 2 * l->margin() - std::max(l->indent(), 0);
        if (l->wordWrap()) {
            const int needed = l->heightForWidth(l->width());
            if (needed > l->height())
                why = QString("\"%1\" needs %2 px high of %3").arg(l->text()).arg(needed).arg(l->height());
            return needed <= l->height();
        }
        if (!l->text().isEmpty() && fm.height() > l->contentsRect().height()) {
            why = QString("\"%1\" is %2 px high of %3")
                      .arg(l->text())
                      .arg(fm.height())
                      .arg(l->contentsRect().height());
            return false;
        }
        return !tooNarrow(l->text(), room);
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(b)) contents = QStyle::SE_CheckBoxContents;
        if (qobject_cast<QRadioButton*>(b)) contents = QStyle::SE_RadioButtonContents;
        const QRect room = b->style()->subElementRect(contents, &opt, b);
        if (!b->text().isEmpty() && fm.height() > room.height()) {
            why = QString("\"%1\" is %2 px high of %3").arg(b->text()).arg(fm.height()).arg(room.height());
            return false;
        }
        return !tooNarrow(b->text(), room.width());
    }
    // A title stands indented over the frame.
    if (auto* g = qobject_cast<QGroupBox*>(w)) return !tooNarrow(g->title(), g->width() - 12);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(box);
        opt.editable = box->isEditable();
        const QRect room =
            box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i)
            if (tooNarrow(box->itemText(i), room.width())) return false;
        return true;
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame opt;
        opt.initFrom(e);
        // Less the box's own margins on either side.
        const QRect room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
        return !tooNarrow(e->text(), room.width() - 4);
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        // Spaces at an item's end show nothing unless they make the list
        // shorten the text with an ellipsis.
        const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        for (int i = 0; i < list->count(); ++i) {
            const QString text = list->textElideMode() == Qt::ElideNone
                                     ? withoutEndSpaces(list->item(i)->text())
                                     : list->item(i)->text();
            if (tooNarrow(text, list->viewport()->width() - margins)) return false;
        }
        // The last item in view shows whole.
        const int row = list->count() > 0 ? list->sizeHintForRow(0) : 0;
        if (row > 0 && list->viewport()->height() % row != 0 &&
            list->viewport()->height() < row * list->count()) {
            why = QString("shows %1 items").arg(double(list->viewport()->height()) / row, 0, 'f', 2);
            return false;
        }
        return true;
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        if (text->verticalScrollBar()->maximum() > 0 || text->horizontalScrollBar()->maximum() > 0) {
            why = "its lines need a scroll bar";
            return false;
        }
        return true;
    }
    if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->rect().contains(tabs->tabRect(i))) {
                why = QString("tab \"%1\" lies outside the tab bar").arg(tabs->tabText(i));
                return false;
            }
            if (tooNarrow(tabs->tabText(i), tabs->tabRect(i).width() - 8)) return false;
        }
        return true;
    }
    return true;
}

// A side grid shows every column, each as wide as its header.
inline bool gridFits(platform::Grid* grid, QString& why) {
    QTableView* view = grid->view();
    if (view->horizontalScrollBar()->maximum() > 0) {
        why = "its columns do not fit";
        return false;
    }
    const QFontMetrics fm = view->horizontalHeader()->fontMetrics();
    for (int c = grid->fixedCols(); c < grid->cols(); ++c) {
        const QString header = grid->textMatrix(0, c);
        const int width = view->columnWidth(c - grid->fixedCols());
        if (fm.horizontalAdvance(header) + 6 > width) {
            why = QString("header \"%1\" needs %2 px of %3")
                      .arg(header)
                      .arg(fm.horizontalAdvance(header) + 6)
                      .arg(width);
            return false;
        }
    }
    return true;
}

// The controls of `page` (shown) that a user would see cut off: one that
// does not lie whole inside each widget around it, up to the window (the
// page's scrolled viewport, the tab control, the channel window, the main
// window's area for it), one that lies over another, or one whose text does
// not fit it in its own font. The channel grid may scroll sideways; a side
// grid shows all its columns.
inline QStringList cutOff(QWidget* page) {
    QStringList cut;
    QWidget* top = page->window();
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->width() == 0) continue;
        // What lies in a list's or a grid's own scrolled area is theirs.
        bool insideView = false;
        for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
            if (auto* view = qobject_cast<QAbstractItemView*>(p))
                insideView = insideView || view->viewport()->isAncestorOf(w);
        if (insideView) continue;
        for (QWidget* around = w->parentWidget(); around; around = around->parentWidget()) {
            const QRect r(w->mapTo(around, QPoint(0, 0)), w->size());
            if (!around->rect().contains(r)) {
                cut << QString("%1 (%2, %3, %4 x %5) lies outside %6 (%7 x %8)")
                           .arg(nameOf(w))
                           .arg(r.x())
                           .arg(r.y())
                           .arg(r.width())
                           .arg(r.height())
                           .arg(nameOf(around))
                           .arg(around->width())
                           .arg(around->height());
                break;
            }
            if (around == top) break;
        }
        // Controls side by side do not lie over each other.
        for (QWidget* other : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (std::less<const QWidget*>()(w, other) && other->isVisible() &&
                other->geometry().intersects(w->geometry()))
                cut << QString("%1 lies over %2").arg(nameOf(w), nameOf(other));
        QString why;
        if (!textFits(w, why)) cut << QString("%1: %2").arg(nameOf(w), why);
        auto* grid = qobject_cast<platform::Grid*>(w);
        if (grid && grid->objectName() != "vsfgGridCh" && !gridFits(grid, why))
            cut << QString("%1: %2").arg(nameOf(w), why);
    }
    return cut;
}

} // namespace settingswindowtest
