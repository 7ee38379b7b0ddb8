#pragma once
// The table model behind platform::Grid. Its cell operations count rows and
// columns as the grid does, fixed header row and column included; to the
// view it hands the data cells, and the fixed ones as header sections.
//
// A grid holds every cell itself, or reads its data cells from a source and
// keeps only what is laid over them (texts set or typed, colours, tips): a
// row of such a grid takes memory only while something lies over it.
#include "platform/ui/GridSource.h"

#include <QAbstractTableModel>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class GridModel : public QAbstractTableModel {
  public:
    struct Cell {
        QString text;
        QColor fore, back;
        QString tip;
        Qt::Alignment alignment; // fixed cells; none: the header's own
        bool hasText = false;    // over a source: the text stands for the source's
        bool bare() const { return !hasText && !fore.isValid() && !back.isValid() && tip.isEmpty(); }
    };

    explicit GridModel(QObject* parent = nullptr);
    ~GridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shape. With a source the data cells are the source's: a shape that
    // differs from it fails.
    int rows() const { return dataRows() + fixedRows_; }
    int cols() const { return dataCols() + fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixed(int rows, int cols); // keeps the held grid's totals
    void setShape(int rows, int cols);
    void insertRow(int row);

    void setSource(std::unique_ptr<GridSource> source);
    GridSource* source() const { return source_.get(); }
    // Rows first..last show the source anew; texts laid over them go.
    void refreshRows(int first, int last);
    bool refreshing() const { return refreshing_; }

    // Cells; the caller has checked that they lie in the grid.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    QColor foreColor(int row, int col) const; // invalid: none set
    QColor backColor(int row, int col) const;
    QString toolTip(int row, int col) const;
    Qt::Alignment alignment(int row, int col) const;
    void setForeColor(int row1, int col1, int row2, int col2, const QColor& color);
    void setBackColor(int row1, int col1, int row2, int col2, const QColor& color);
    void setToolTip(int row, int col, const QString& tip);
    void setAlignment(int row, int col, Qt::Alignment alignment);

  private:
    int dataRows() const;
    int dataCols() const;
    // The cell at grid (row, col); nullptr for a source cell with nothing
    // laid over its row.
    const Cell* find(int row, int col) const;
    Cell& at(int row, int col);
    // Calls `change` on each cell of the range; over a source, rows with
    // nothing laid over them are taken up only when `create`.
    void forRange(int row1, int col1, int row2, int col2, bool create,
                  const std::function<void(Cell&)>& change);
    void release(std::vector<Cell>& line) const;
    void changed(int row1, int col1, int row2, int col2);

    int fixedRows_ = 1, fixedCols_ = 1;
    int rows_ = 0, cols_ = 0; // data cells of a held grid
    Cell corner_;
    std::vector<Cell> colHeads_, rowHeads_;
    // By data row. Over a source a row is empty until something is laid
    // over one of its cells.
    std::vector<std::vector<Cell>> cells_;
    std::unique_ptr<GridSource> source_;
    bool refreshing_ = false;
};

} // namespace platform
