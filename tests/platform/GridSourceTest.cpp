// Grids that read their cells from a byte array: the 65,536-byte flash image
// shown without a text per cell, refreshed by rows, edited through the grid's
// edit notifications, with colours and tips laid over the bytes.
#include "platform/ui/GridSource.h"
#include "platform/Failure.h"
#include "platform/ui/Grid.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <array>
#include <cstdint>
#include <memory>

using platform::ByteGridSource;
using platform::Grid;

namespace {

constexpr int FlashSize = 0x10000;

// The flash grid as the memory tool lays it out.
struct FlashGrid {
    std::array<std::uint8_t, FlashSize> image{};
    Grid grid;
    FlashGrid() {
        for (int i = 0; i < FlashSize; ++i)
            image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7);
        grid.setFormatString("Addr|0|1|2|3|4|5|6|7|8|9|A|B|C|D|E|F");
        grid.setSource(std::make_unique<ByteGridSource>(image));
        grid.resize(700, 400);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
    }
    static int row(int address) { return address / 16 + 1; }
    static int col(int address) { return address % 16 + 1; }
    QString shown(int address) const { return grid.textMatrix(row(address), col(address)); }
    QString painted(int address) const {
        const QAbstractItemModel* model = grid.view()->model();
        return model->index(row(address) - 1, col(address) - 1).data().toString();
    }
    std::uint8_t& byte(int address) { return image[static_cast<std::size_t>(address)]; }
};

// Stores what the after-edit handler accepts, as the memory tool does: one
// byte in hexadecimal; anything else is refused and the cell shows its byte.
struct ByteEditor {
    FlashGrid& f;
    std::vector<std::pair<int, int>> edits;
    explicit ByteEditor(FlashGrid& flash) : f(flash) {
        QObject::connect(&f.grid, &Grid::afterEdit, &f.grid, [this](int row, int col) {
            edits.emplace_back(row, col);
            bool ok = false;
            const uint value = f.grid.textMatrix(row, col).toUInt(&ok, 16);
            if (ok && value <= 0xFF) f.byte((row - 1) * 16 + col - 1) = static_cast<std::uint8_t>(value);
            f.grid.refreshRows(row, row);
        });
    }
    void type(const QString& keys) {
        f.grid.view()->setFocus();
        QTest::keyClicks(f.grid.view(), keys.left(1));
        QVERIFY(f.grid.isEditing());
        QTest::keyClicks(f.grid.editor(), keys.mid(1));
        QTest::keyClick(f.grid.editor(), Qt::Key_Return);
        QTRY_VERIFY(!f.grid.isEditing());
    }
};

// Colours by column group and a tip per byte.
class MarkedBytes : public ByteGridSource {
  public:
    using ByteGridSource::ByteGridSource;
    QColor foreColor(int, int col) const override { return col < 8 ? QColor(255, 0, 0) : QColor(0, 0, 255); }
    QString toolTip(int row, int col) const override { return QString("byte %1").arg(byteIndex(row, col)); }
};

} // namespace

class GridSourceTest : public QObject {
    Q_OBJECT
  private slots:
    void flashGridShowsTheImage() {
        FlashGrid f;
        f.byte(0x0000) = 0x00;
        f.byte(0x0001) = 0x0A;
        f.byte(0x1234) = 0xa5;
        f.byte(0xFFFF) = 0xFF;
        QCOMPARE(f.grid.rows(), 4097);
        QCOMPARE(f.grid.cols(), 17);
        for (auto [address, text] :
             {std::pair{0x0000, "00"}, {0x0001, "0A"}, {0x1234, "A5"}, {0xFFFF, "FF"}}) {
            QCOMPARE(f.shown(address), QString(text));
            QCOMPARE(f.painted(address), QString(text));
        }
        QCOMPARE(f.grid.textMatrix(0, 0), QString("Addr"));
        QCOMPARE(f.grid.textMatrix(0, 16), QString("F"));
        QCOMPARE(f.grid.textMatrix(1, 0), QString("0000"));
        QCOMPARE(f.grid.textMatrix(4096, 0), QString("FFF0"));
        QCOMPARE(f.grid.view()->model()->headerData(4095, Qt::Vertical).toString(), QString("FFF0"));
        QVERIFY_THROWS_EXCEPTION(platform::Failure, f.grid.textMatrix(4097, 1));
        // The last cell can be reached and drawn.
        f.grid.setCurrentCell(4096, 16);
        f.grid.showCell(4096, 16);
        QVERIFY(f.grid.view()->viewport()->rect().contains(f.grid.cellRect(4096, 16)));
    }

    void ramGridsShapeAndLabels_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastLabel");
        QTest::newRow("internal RAM") << 256 << 17 << "F0";
        QTest::newRow("external RAM") << 2816 << 177 << "AF0";
        QTest::newRow("a part row") << 20 << 3 << "10";
    }
    void ramGridsShapeAndLabels() {
        QFETCH(int, size);
        QFETCH(int, rows);
        QFETCH(QString, lastLabel);
        std::vector<std::uint8_t> ram(static_cast<std::size_t>(size), 0x3C);
        Grid grid;
        grid.setSource(std::make_unique<ByteGridSource>(ram));
        QCOMPARE(grid.rows(), rows);
        QCOMPARE(grid.cols(), 17);
        QCOMPARE(grid.textMatrix(rows - 1, 0), lastLabel);
        const int last = size - 1;
        QCOMPARE(grid.textMatrix(last / 16 + 1, last % 16 + 1), QString("3C"));
        if (size % 16) QCOMPARE(grid.textMatrix(rows - 1, 16), QString()); // past the end
    }

    // A range refresh repaints those rows alone and drops the texts laid
    // over them, so the cells show the bytes as they now stand.
    void rangeRefreshShowsTheChange() {
        FlashGrid f;
        QSignalSpy repainted(f.grid.view()->model(), &QAbstractItemModel::dataChanged);
        f.grid.setTextMatrix(FlashGrid::row(0x25), FlashGrid::col(0x25), "zz");
        QCOMPARE(f.painted(0x25), QString("zz"));
        repainted.clear();
        f.byte(0x25) = 0x5A;
        f.byte(0x26) = 0x01;
        f.grid.refreshRows(3, 3);
        QCOMPARE(f.shown(0x25), QString("5A"));
        QCOMPARE(f.painted(0x26), QString("01"));
        QCOMPARE(repainted.count(), 1);
        const auto from = repainted.last().at(0).value<QModelIndex>();
        const auto to = repainted.last().at(1).value<QModelIndex>();
        QCOMPARE(std::pair(from.row(), from.column()), std::pair(2, 0));
        QCOMPARE(std::pair(to.row(), to.column()), std::pair(2, 15));

        // The whole image at once, with a range reaching past the grid.
        for (std::uint8_t& b : f.image) b = 0xC3;
        f.grid.refreshRows(0, 100000);
        QCOMPARE(repainted.count(), 2);
        QCOMPARE(repainted.last().at(1).value<QModelIndex>().row(), 4095);
        QCOMPARE(f.shown(0x25), QString("C3"));
        QCOMPARE(f.shown(0xFFFF), QString("C3"));
    }

    void editReachesTheAfterEditHandler() {
        FlashGrid f;
        ByteEditor editor(f);
        std::vector<std::pair<int, int>> before;
        connect(&f.grid, &Grid::beforeEdit, [&](int row, int col, bool&) { before.emplace_back(row, col); });
        f.grid.setEditMode(Grid::EditMode::Keyboard);
        f.grid.setCurrentCell(4096, 16);
        f.grid.showCell(4096, 16);
        f.byte(0xFFFF) = 0x11;
        editor.type("a5");
        QCOMPARE(before, (std::vector<std::pair<int, int>>{{4096, 16}}));
        QCOMPARE(editor.edits, (std::vector<std::pair<int, int>>{{4096, 16}}));
        QCOMPARE(f.byte(0xFFFF), 0xA5);
        QCOMPARE(f.shown(0xFFFF), QString("A5"));
        editor.type("5");
        QCOMPARE(f.byte(0xFFFF), 0x05);
        QCOMPARE(f.painted(0xFFFF), QString("05"));
        // Refused: the byte stays and the cell shows it again.
        editor.type("1FF");
        QCOMPARE(editor.edits.size(), 3u);
        QCOMPARE(f.byte(0xFFFF), 0x05);
        QCOMPARE(f.shown(0xFFFF), QString("05"));

        // A cancelled edit opens nothing.
        auto refuse = connect(&f.grid, &Grid::beforeEdit, [](int, int, bool& cancel) { cancel = true; });
        QTest::keyClick(f.grid.view(), Qt::Key_7);
        QVERIFY(!f.grid.isEditing());
        disconnect(refuse);
        QCOMPARE(f.byte(0xFFFF), 0x05);
    }

    // The image changes under an open editor (a radio read, the change
    // scan): the user's typing stays and is what the edit delivers.
    void refreshKeepsTheTypingOfAnOpenEditor() {
        FlashGrid f;
        ByteEditor editor(f);
        f.grid.setCurrentCell(2, 2);
        f.grid.editCell();
        auto* line = qobject_cast<QLineEdit*>(f.grid.editor());
        QVERIFY(line);
        QCOMPARE(line->text(), f.shown(0x11));
        line->setText("7");
        f.byte(0x11) = 0x99;
        f.grid.refreshRows(1, 4096);
        QCOMPARE(line->text(), QString("7"));
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(!f.grid.isEditing());
        QCOMPARE(f.byte(0x11), 0x07);
    }

    void coloursAndTipsOverTheSource() {
        std::array<std::uint8_t, FlashSize> image{};
        Grid grid;
        grid.setSource(std::make_unique<MarkedBytes>(image));
        const QAbstractItemModel* model = grid.view()->model();
        QCOMPARE(grid.cellForeColor(1, 1), QColor(255, 0, 0));
        QCOMPARE(grid.cellForeColor(1, 9), QColor(0, 0, 255));
        QCOMPARE(model->index(3, 4).data(Qt::ToolTipRole).toString(), QString("byte 52"));
        // Laid over, then given back to the source.
        grid.setCellForeColor(4096, 16, Qt::black);
        grid.setCellToolTip(4096, 16, "mine");
        QCOMPARE(grid.cellForeColor(4096, 16), QColor(Qt::black));
        QCOMPARE(model->index(4095, 15).data(Qt::ToolTipRole).toString(), QString("mine"));
        grid.setCellToolTip(4096, 16, "");
        QCOMPARE(model->index(4095, 15).data(Qt::ToolTipRole).toString(), QString("byte 65535"));
        // A range over the whole image, and a reset of it.
        grid.setCellForeColor(1, 1, 4096, 16, QColor(245, 115, 10));
        QCOMPARE(grid.cellForeColor(2048, 7), QColor(245, 115, 10));
        grid.refreshRows(1, 4096); // colours stay through a refresh
        QCOMPARE(grid.cellForeColor(2048, 7), QColor(245, 115, 10));
        grid.setCellForeColor(1, 1, 4096, 16, QColor());
        QCOMPARE(grid.cellForeColor(2048, 7), QColor(255, 0, 0));
        QCOMPARE(grid.cellForeColor(4096, 16), QColor(0, 0, 255));
        grid.setCellBackColor(10, 0, 12, 16, QColor(109, 213, 251));
        QCOMPARE(grid.cellBackColor(11, 5), QColor(109, 213, 251));
        QCOMPARE(grid.cellBackColor(11, 0), QColor(109, 213, 251));
        grid.setCellBackColor(10, 0, 12, 16, QColor());
        QCOMPARE(grid.cellBackColor(11, 5), grid.backColor());
        // The fixed column takes colours as in a grid that holds its cells.
        grid.setCellForeColor(1, 0, 4096, 0, Qt::blue);
        QCOMPARE(grid.cellForeColor(300, 0), QColor(Qt::blue));
    }

    // The source fixes the data rows and columns; without it the grid holds
    // its cells again.
    void shapeFollowsTheSource() {
        std::array<std::uint8_t, 256> ram{};
        Grid grid;
        grid.setFormatString("Addr|0|1|2|3|4|5|6|7|8|9|A|B|C|D|E|F");
        grid.setColWidth(5, 600);
        grid.setSource(std::make_unique<ByteGridSource>(ram));
        QCOMPARE(grid.colWidth(5), 600);
        grid.setCols(17); // the same shape is no change
        QVERIFY_THROWS_EXCEPTION(platform::Failure, grid.setRows(5));
        QVERIFY_THROWS_EXCEPTION(platform::Failure, grid.setCols(4));
        QVERIFY_THROWS_EXCEPTION(platform::Failure, grid.addItem("x", 1));
        QCOMPARE(grid.rows(), 17);
        grid.setSource(nullptr);
        QCOMPARE(grid.rows(), 17);
        QCOMPARE(grid.textMatrix(0, 3), QString("2"));
        QCOMPARE(grid.textMatrix(16, 16), QString());
        grid.addItem("x\ty", 17);
        QCOMPARE(grid.textMatrix(17, 1), QString("y"));
    }
};

QTEST_MAIN(GridSourceTest)
#include "GridSourceTest.moc"
