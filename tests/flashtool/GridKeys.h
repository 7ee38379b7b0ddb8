#pragma once
// The memory grids as a user meets them: the text and colour a cell is
// painted with, and keys typed into a cell.
#include "flashtool/GridText.h"
#include "flashtool/ui/MemoryGrid.h"

#include <QBrush>
#include <QTableView>
#include <QtTest>

namespace flashtest {

// What the grid's model hands the view for the cell of an address.
inline QVariant painted(const flashtool::ui::MemoryGrid& g, std::uint32_t address,
                        int role = Qt::DisplayRole) {
    const flashtool::Cell c = flashtool::CellOf(address);
    return g.view()->model()->index(c.row - 1, c.col - 1).data(role);
}

inline QColor paintedColour(const flashtool::ui::MemoryGrid& g, std::uint32_t address) {
    return painted(g, address, Qt::ForegroundRole).value<QBrush>().color();
}

// Types keys into a cell as a user does: the first key opens the editor.
inline void typeIntoCell(flashtool::ui::MemoryGrid& g, std::uint32_t address, const QString& keys) {
    g.GoTo(flashtool::CellOf(address));
    g.view()->setFocus();
    QTest::keyClicks(g.view(), keys.left(1));
    QVERIFY(g.isEditing());
    QTest::keyClicks(g.editor(), keys.mid(1));
    QTest::keyClick(g.editor(), Qt::Key_Return);
    QTRY_VERIFY(!g.isEditing());
}

} // namespace flashtest
