#include "platform/ui/GridModel.h"

#include "platform/Failure.h"

#include <QBrush>

#include <algorithm>

namespace platform {

namespace {

QVariant brush(const QColor& color) {
    return color.isValid() ? QVariant(QBrush(color)) : QVariant();
}

} // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}
GridModel::~GridModel() = default;

int GridModel::dataRows() const {
    return source_ ? source_->rows() : rows_;
}
int GridModel::dataCols() const {
    return source_ ? source_->cols() : cols_;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dataRows();
}
int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dataCols();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + fixedRows_, col = index.column() + fixedCols_;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(row, col);
    case Qt::ForegroundRole:
        return brush(foreColor(row, col));
    case Qt::BackgroundRole:
        return brush(backColor(row, col));
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row, col);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    setText(index.row() + fixedRows_, index.column() + fixedCols_, value.toString());
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool across = orientation == Qt::Horizontal;
    const std::vector<Cell>& heads = across ? colHeads_ : rowHeads_;
    if (section < 0 || section >= static_cast<int>(heads.size())) return {};
    const Cell& cell = heads[static_cast<std::size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (across ? fixedRows_ == 0 : fixedCols_ == 0) return cell.text;
        return across ? text(0, section + fixedCols_) : text(section + fixedRows_, 0);
    case Qt::ForegroundRole:
        return brush(cell.fore);
    case Qt::BackgroundRole:
        return brush(cell.back);
    case Qt::TextAlignmentRole:
        return cell.alignment ? QVariant(static_cast<int>(cell.alignment)) : QVariant();
    case Qt::ToolTipRole:
        return cell.tip.isEmpty() ? QVariant() : QVariant(cell.tip);
    default:
        return {};
    }
}

void GridModel::setFixed(int rows, int cols) {
    const int totalRows = this->rows(), totalCols = this->cols();
    fixedRows_ = rows;
    fixedCols_ = cols;
    if (!source_) setShape(totalRows, totalCols);
}

void GridModel::setShape(int rows, int cols) {
    const int newRows = std::max(0, rows - fixedRows_), newCols = std::max(0, cols - fixedCols_);
    if (source_) {
        if (newRows != dataRows() || newCols != dataCols())
            throw Failure("The grid shows its source's " + std::to_string(dataRows()) + " rows and " +
                          std::to_string(dataCols()) + " columns and cannot change its shape");
        return;
    }
    const auto resizeRows = [this](std::size_t n) {
        cells_.resize(n, std::vector<Cell>(static_cast<std::size_t>(cols_)));
        rowHeads_.resize(n);
        rows_ = static_cast<int>(n);
    };
    const auto resizeCols = [this](std::size_t n) {
        for (std::vector<Cell>& line : cells_) line.resize(n);
        colHeads_.resize(n);
        cols_ = static_cast<int>(n);
    };
    if (newCols > cols_) {
        beginInsertColumns({}, cols_, newCols - 1);
        resizeCols(static_cast<std::size_t>(newCols));
        endInsertColumns();
    } else if (newCols < cols_) {
        beginRemoveColumns({}, newCols, cols_ - 1);
        resizeCols(static_cast<std::size_t>(newCols));
        endRemoveColumns();
    }
    if (newRows > rows_) {
        beginInsertRows({}, rows_, newRows - 1);
        resizeRows(static_cast<std::size_t>(newRows));
        endInsertRows();
    } else if (newRows < rows_) {
        beginRemoveRows({}, newRows, rows_ - 1);
        resizeRows(static_cast<std::size_t>(newRows));
        endRemoveRows();
    }
}

void GridModel::insertRow(int row) {
    if (source_) throw Failure("The grid shows its source's rows; none can be added");
    const int at = std::clamp(row - fixedRows_, 0, rows_);
    beginInsertRows({}, at, at);
    cells_.insert(cells_.begin() + at, std::vector<Cell>(static_cast<std::size_t>(cols_)));
    rowHeads_.insert(rowHeads_.begin() + at, Cell());
    ++rows_;
    endInsertRows();
}

// The fixed texts stay where the new shape still has their place.
void GridModel::setSource(std::unique_ptr<GridSource> source) {
    beginResetModel();
    const int oldRows = dataRows(), oldCols = dataCols();
    source_ = std::move(source);
    rows_ = source_ ? 0 : oldRows;
    cols_ = source_ ? 0 : oldCols;
    cells_.assign(static_cast<std::size_t>(dataRows()), std::vector<Cell>(static_cast<std::size_t>(cols_)));
    rowHeads_.resize(static_cast<std::size_t>(dataRows()));
    colHeads_.resize(static_cast<std::size_t>(dataCols()));
    endResetModel();
}

void GridModel::refreshRows(int first, int last) {
    const int a = std::max(first, fixedRows_) - fixedRows_;
    const int b = std::min(last, rows() - 1) - fixedRows_;
    if (a > b || dataCols() == 0) return;
    if (source_)
        forRange(a + fixedRows_, fixedCols_, b + fixedRows_, cols() - 1, false, [](Cell& cell) {
            cell.hasText = false;
            cell.text.clear();
        });
    refreshing_ = true;
    emit dataChanged(index(a, 0), index(b, dataCols() - 1));
    refreshing_ = false;
}

const GridModel::Cell* GridModel::find(int row, int col) const {
    if (row < fixedRows_ && col < fixedCols_) return &corner_;
    if (row < fixedRows_) return &colHeads_[static_cast<std::size_t>(col - fixedCols_)];
    if (col < fixedCols_) return &rowHeads_[static_cast<std::size_t>(row - fixedRows_)];
    const std::vector<Cell>& line = cells_[static_cast<std::size_t>(row - fixedRows_)];
    return line.empty() ? nullptr : &line[static_cast<std::size_t>(col - fixedCols_)];
}

GridModel::Cell& GridModel::at(int row, int col) {
    if (row >= fixedRows_ && col >= fixedCols_) {
        std::vector<Cell>& line = cells_[static_cast<std::size_t>(row - fixedRows_)];
        if (line.empty()) line.resize(static_cast<std::size_t>(dataCols()));
    }
    return const_cast<Cell&>(*find(row, col));
}

// Over a source, a row with nothing laid over it gives its memory back.
void GridModel::release(std::vector<Cell>& line) const {
    if (!source_ || line.empty()) return;
    for (const Cell& cell : line)
        if (!cell.bare()) return;
    std::vector<Cell>().swap(line);
}

void GridModel::forRange(int row1, int col1, int row2, int col2, bool create,
                         const std::function<void(Cell&)>& change) {
    // The fixed cells: the header row across the range, the header column down it.
    for (int r = row1; r <= std::min(row2, fixedRows_ - 1); ++r)
        for (int c = col1; c <= col2; ++c) change(at(r, c));
    for (int r = std::max(row1, fixedRows_); r <= row2; ++r)
        for (int c = col1; c <= std::min(col2, fixedCols_ - 1); ++c) change(at(r, c));
    const int c1 = std::max(col1, fixedCols_) - fixedCols_, c2 = col2 - fixedCols_;
    if (c1 > c2) return;
    for (int r = std::max(row1, fixedRows_) - fixedRows_; r <= row2 - fixedRows_; ++r) {
        std::vector<Cell>& line = cells_[static_cast<std::size_t>(r)];
        if (line.empty()) {
            if (!create) continue;
            line.resize(static_cast<std::size_t>(dataCols()));
        }
        for (int c = c1; c <= c2; ++c) change(line[static_cast<std::size_t>(c)]);
        release(line);
    }
}

// The corner is no section of the view: the grid repaints it itself.
void GridModel::changed(int row1, int col1, int row2, int col2) {
    if (row1 < fixedRows_ && col2 >= fixedCols_)
        emit headerDataChanged(Qt::Horizontal, std::max(col1, fixedCols_) - fixedCols_, col2 - fixedCols_);
    if (col1 < fixedCols_ && row2 >= fixedRows_)
        emit headerDataChanged(Qt::Vertical, std::max(row1, fixedRows_) - fixedRows_, row2 - fixedRows_);
    if (row2 >= fixedRows_ && col2 >= fixedCols_)
        emit dataChanged(
            index(std::max(row1, fixedRows_) - fixedRows_, std::max(col1, fixedCols_) - fixedCols_),
            index(row2 - fixedRows_, col2 - fixedCols_));
}

QString GridModel::text(int row, int col) const {
    const Cell* cell = find(row, col);
    if (!source_ || (cell && cell->hasText) || row < fixedRows_) return cell ? cell->text : QString();
    if (col < fixedCols_) return source_->rowLabel(row - fixedRows_);
    return source_->text(row - fixedRows_, col - fixedCols_);
}

void GridModel::setText(int row, int col, const QString& text) {
    forRange(row, col, row, col, true, [&text](Cell& cell) {
        cell.text = text;
        cell.hasText = true;
    });
    changed(row, col, row, col);
}

QColor GridModel::foreColor(int row, int col) const {
    const Cell* cell = find(row, col);
    if (cell && cell->fore.isValid()) return cell->fore;
    if (source_ && row >= fixedRows_ && col >= fixedCols_)
        return source_->foreColor(row - fixedRows_, col - fixedCols_);
    return {};
}

QColor GridModel::backColor(int row, int col) const {
    const Cell* cell = find(row, col);
    if (cell && cell->back.isValid()) return cell->back;
    if (source_ && row >= fixedRows_ && col >= fixedCols_)
        return source_->backColor(row - fixedRows_, col - fixedCols_);
    return {};
}

QString GridModel::toolTip(int row, int col) const {
    const Cell* cell = find(row, col);
    if (cell && !cell->tip.isEmpty()) return cell->tip;
    if (source_ && row >= fixedRows_ && col >= fixedCols_)
        return source_->toolTip(row - fixedRows_, col - fixedCols_);
    return {};
}

Qt::Alignment GridModel::alignment(int row, int col) const {
    const Cell* cell = find(row, col);
    return cell ? cell->alignment : Qt::Alignment();
}

void GridModel::setForeColor(int row1, int col1, int row2, int col2, const QColor& color) {
    forRange(row1, col1, row2, col2, color.isValid(), [&color](Cell& cell) { cell.fore = color; });
    changed(row1, col1, row2, col2);
}

void GridModel::setBackColor(int row1, int col1, int row2, int col2, const QColor& color) {
    forRange(row1, col1, row2, col2, color.isValid(), [&color](Cell& cell) { cell.back = color; });
    changed(row1, col1, row2, col2);
}

void GridModel::setToolTip(int row, int col, const QString& tip) {
    forRange(row, col, row, col, !tip.isEmpty(), [&tip](Cell& cell) { cell.tip = tip; });
    changed(row, col, row, col);
}

void GridModel::setAlignment(int row, int col, Qt::Alignment alignment) {
    forRange(row, col, row, col, true, [alignment](Cell& cell) { cell.alignment = alignment; });
    changed(row, col, row, col);
}

} // namespace platform
