#include "platform/ui/Grid.h"

#include "platform/Failure.h"
#include "platform/Numbers.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/Twips.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include <cmath>

namespace platform {

Grid::Grid(QWidget* parent) : QWidget(parent), model_(new GridModel(this)), table_(new GridTable(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setFocusProxy(table_);
    table_->setModel(model_);
    table_->setItemDelegate(new GridDelegate(this, table_));
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
        header->setHighlightSections(false);
        header->viewport()->installEventFilter(this);
        header->viewport()->setMouseTracking(true);
    }
    table_->setCornerButtonEnabled(false);
    if (auto* corner = table_->findChild<QAbstractButton*>()) corner->installEventFilter(this);
    setRows(1);
    setCols(1);
}

// The table goes first, while the grid it reports to still exists; nothing
// hears about its last moves.
Grid::~Grid() {
    blockSignals(true);
    dying_ = true;
    delete table_;
}

QTableView* Grid::view() const {
    return table_;
}
QWidget* Grid::container() const {
    return table_->viewport();
}

void Grid::setRows(int rows) {
    model_->setShape(rows, cols());
    applyHeaders();
}

int Grid::rows() const {
    return model_->rows();
}

void Grid::setCols(int cols) {
    model_->setShape(rows(), std::max(cols, fixedCols()));
    applyHeaders();
}

int Grid::cols() const {
    return model_->cols();
}

int Grid::fixedRows() const {
    return model_->fixedRows();
}
int Grid::fixedCols() const {
    return model_->fixedCols();
}

void Grid::setFixedRows(int n) {
    model_->setFixed(std::clamp(n, 0, 1), fixedCols());
    applyHeaders();
}

void Grid::setFixedCols(int n) {
    model_->setFixed(fixedRows(), std::clamp(n, 0, 1));
    applyHeaders();
}

void Grid::applyHeaders() {
    table_->horizontalHeader()->setVisible(fixedRows() == 1);
    table_->verticalHeader()->setVisible(fixedCols() == 1);
    columns_.resize(static_cast<std::size_t>(cols()));
    cursorRow_ = std::min(cursorRow_, rows() - 1);
    cursorCol_ = std::min(cursorCol_, cols() - 1);
}

void Grid::setSource(std::unique_ptr<GridSource> source) {
    // A new model shape resets the header sections; the widths set stay.
    QHeaderView* header = table_->horizontalHeader();
    std::vector<int> widths;
    for (int c = 0; c < header->count(); ++c) widths.push_back(header->sectionSize(c));
    const int rowHeight = table_->verticalHeader()->defaultSectionSize();
    model_->setSource(std::move(source));
    for (int c = 0; c < header->count() && c < static_cast<int>(widths.size()); ++c)
        header->resizeSection(c, widths[static_cast<std::size_t>(c)]);
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    applyHeaders();
}

GridSource* Grid::source() const {
    return model_->source();
}

void Grid::refreshRows(int first, int last) {
    model_->refreshRows(first, last);
}

void Grid::setFormatString(const QString& format) {
    const QStringList cells = format.split('|');
    setCols(static_cast<int>(cells.size()));
    for (int c = 0; c < cells.size(); ++c) {
        QString text = cells[c];
        Qt::Alignment horizontal = Qt::AlignLeft;
        if (!text.isEmpty() && QStringLiteral("<^>").contains(text[0])) {
            horizontal = text[0] == '<' ? Qt::AlignLeft : text[0] == '^' ? Qt::AlignHCenter : Qt::AlignRight;
            text.remove(0, 1);
            setColAlignment(c, horizontal | Qt::AlignVCenter);
        }
        if (fixedRows() == 1) {
            setTextMatrix(0, c, text);
            if (!isCorner(0, c)) model_->setAlignment(0, c, horizontal | Qt::AlignVCenter);
        }
    }
}

void Grid::addItem(const QString& texts, int position) {
    model_->insertRow(std::clamp(position, fixedRows(), rows()));
    applyHeaders();
    position = std::clamp(position, fixedRows(), rows() - 1);
    const QStringList cells = texts.split('\t');
    for (int c = 0; c < cells.size() && c < cols(); ++c) setTextMatrix(position, c, cells[c]);
}

void Grid::setColWidth(int col, int twipsWidth) {
    checkCell(0, col);
    const int px = std::max(0, twips(twipsWidth));
    if (col < fixedCols())
        table_->verticalHeader()->setFixedWidth(px);
    else
        table_->horizontalHeader()->resizeSection(col - fixedCols(), px);
}

int Grid::colWidth(int col) const {
    checkCell(0, col);
    if (col < fixedCols()) return static_cast<int>(toTwips(table_->verticalHeader()->width()));
    return static_cast<int>(toTwips(table_->horizontalHeader()->sectionSize(col - fixedCols())));
}

void Grid::setRowHeight(int row, int twipsHeight) {
    checkCell(row, 0);
    const int px = std::max(1, twips(twipsHeight));
    if (row < fixedRows())
        table_->horizontalHeader()->setFixedHeight(px);
    else
        table_->verticalHeader()->resizeSection(row - fixedRows(), px);
}

void Grid::setColAlignment(int col, Qt::Alignment alignment) {
    checkCell(0, col);
    columns_[static_cast<std::size_t>(col)].alignment = alignment;
    if (col < fixedCols()) table_->verticalHeader()->setDefaultAlignment(alignment);
    table_->viewport()->update();
}

void Grid::setColDataType(int col, DataType type) {
    checkCell(0, col);
    columns_[static_cast<std::size_t>(col)].type = type;
    table_->viewport()->update();
}

void Grid::setColFormat(int col, const QString& format) {
    checkCell(0, col);
    columns_[static_cast<std::size_t>(col)].format = format;
    table_->viewport()->update();
}

QString Grid::displayText(int row, int col) const {
    const QString text = textMatrix(row, col);
    return isFixed(row, col) ? text : formatted(col, text);
}

// "#" digits appear only when needed, "0" digits always; a point without
// digits after it is left out.
QString Grid::formatted(int col, const QString& text) const {
    const Column& column = columns_[static_cast<std::size_t>(col)];
    if (column.type != DataType::Decimal || column.format.isEmpty()) return text;
    std::optional<double> value = parseNumber(text.toStdString());
    if (!value) return text;
    const int dot = static_cast<int>(column.format.indexOf('.'));
    const QString integerPattern = dot < 0 ? column.format : column.format.left(dot);
    const QString fractionPattern = dot < 0 ? QString() : column.format.mid(dot + 1);
    const int minInteger = static_cast<int>(integerPattern.count('0'));
    const int maxFraction = static_cast<int>(fractionPattern.size());
    const int minFraction = static_cast<int>(fractionPattern.lastIndexOf('0') + 1);
    QString digits = QString::number(std::fabs(*value), 'f', maxFraction);
    QString integer = digits.section('.', 0, 0);
    QString fraction = digits.section('.', 1);
    while (fraction.size() > minFraction && fraction.endsWith('0')) fraction.chop(1);
    if (integer == "0" && minInteger == 0) integer.clear();
    while (integer.size() < minInteger) integer.prepend('0');
    const bool negative =
        *value < 0 && (integer.count('0') != integer.size() || fraction.count('0') != fraction.size());
    return (negative ? "-" : "") + integer + (fraction.isEmpty() ? QString() : "." + fraction);
}

void Grid::checkCell(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        throw Failure("The grid has no cell at row " + std::to_string(row) + ", column " +
                      std::to_string(col));
}

QModelIndex Grid::dataIndex(int row, int col) const {
    return model_->index(row - fixedRows(), col - fixedCols());
}

// The corner is no header section: it is painted here.
void Grid::updateCorner(int row, int col) {
    if (!isCorner(row, col)) return;
    if (auto* corner = table_->findChild<QAbstractButton*>()) corner->update();
}

QString Grid::textMatrix(int row, int col) const {
    checkCell(row, col);
    return model_->text(row, col);
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
    checkCell(row, col);
    model_->setText(row, col, text);
    updateCorner(row, col);
}

void Grid::setCellForeColor(int row, int col, const QColor& color) {
    setCellForeColor(row, col, row, col, color);
}

void Grid::setCellForeColor(int row1, int col1, int row2, int col2, const QColor& color) {
    checkCell(row1, col1);
    checkCell(row2, col2);
    model_->setForeColor(std::min(row1, row2), std::min(col1, col2), std::max(row1, row2),
                         std::max(col1, col2), color);
    updateCorner(std::min(row1, row2), std::min(col1, col2));
}

QColor Grid::cellForeColor(int row, int col) const {
    checkCell(row, col);
    const QColor color = model_->foreColor(row, col);
    if (color.isValid() || isCorner(row, col)) return color;
    return table_->palette().color(QPalette::Text);
}

void Grid::setCellBackColor(int row1, int col1, int row2, int col2, const QColor& color) {
    checkCell(row1, col1);
    checkCell(row2, col2);
    model_->setBackColor(std::min(row1, row2), std::min(col1, col2), std::max(row1, row2),
                         std::max(col1, col2), color);
    updateCorner(std::min(row1, row2), std::min(col1, col2));
}

QColor Grid::cellBackColor(int row, int col) const {
    checkCell(row, col);
    const QColor color = model_->backColor(row, col);
    return color.isValid() ? color : backColor();
}

void Grid::setCellToolTip(int row, int col, const QString& tip) {
    checkCell(row, col);
    if (!isCorner(row, col)) model_->setToolTip(row, col, tip);
}

int Grid::row() const {
    return cursorRow_;
}
int Grid::col() const {
    return cursorCol_;
}

void Grid::setCurrentCell(int row, int col) {
    checkCell(row, col);
    if (!isFixed(row, col)) table_->setCurrentIndex(dataIndex(row, col));
    cursorMoved(row, col);
}

void Grid::cursorMoved(int row, int col) {
    if (row == cursorRow_ && col == cursorCol_) return;
    const int oldRow = cursorRow_, oldCol = cursorCol_;
    cursorRow_ = row;
    cursorCol_ = col;
    emit positionChanged(oldRow, oldCol, row, col);
}

void Grid::showCell(int row, int col) {
    checkCell(row, col);
    const QModelIndex index = dataIndex(std::max(row, fixedRows()), std::max(col, fixedCols()));
    if (index.isValid()) table_->scrollTo(index);
}

QRect Grid::cellRect(int row, int col) const {
    checkCell(row, col);
    if (isFixed(row, col)) return {};
    return table_->visualRect(dataIndex(row, col));
}

QColor Grid::backColor() const {
    return table_->palette().color(QPalette::Active, QPalette::Base);
}

void Grid::setBackColor(const QColor& color) {
    QPalette p = table_->palette();
    p.setColor(QPalette::Base, color);
    table_->setPalette(p);
}

void Grid::setAlternateBackColor(const QColor& color) {
    QPalette p = table_->palette();
    p.setColor(QPalette::AlternateBase, color);
    table_->setPalette(p);
    table_->setAlternatingRowColors(true);
}

QColor Grid::selectionColor() const {
    return table_->palette().color(QPalette::Active, QPalette::Highlight);
}

void Grid::setSelectionColor(const QColor& color) {
    QPalette p = table_->palette();
    p.setColor(QPalette::Active, QPalette::Highlight, color);
    p.setColor(QPalette::Inactive, QPalette::Highlight, color);
    table_->setPalette(p);
}

void Grid::setTextSize(double points) {
    QFont f = table_->font();
    f.setPointSizeF(points);
    table_->setFont(f);
}

void Grid::editCell() {
    if (isFixed(cursorRow_, cursorCol_) || table_->editing()) return;
    table_->editFromCode(dataIndex(cursorRow_, cursorCol_));
}

bool Grid::isEditing() const {
    return table_->editing();
}
QWidget* Grid::editor() const {
    return table_->editing() ? table_->editor_.data() : nullptr;
}

void Grid::setColComboList(int col, const QString& list) {
    checkCell(0, col);
    columns_[static_cast<std::size_t>(col)].comboList = list;
}

void Grid::setMouseCell(int row, int col) {
    mouseRow_ = row;
    mouseCol_ = col;
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (dying_) return false;
    const QEvent::Type type = event->type();
    // The in-place editor: the second click of a double click whose first
    // click opened it belongs to the grid, and the edit is dropped. That
    // first click went up over the grid, before the editor was there; a
    // double click on the editor itself has a release over it first. No
    // clock is asked, which a busy machine's late events would outrun.
    if (table_->editor_ &&
        (watched == table_->editor_ || table_->editor_->isAncestorOf(qobject_cast<QWidget*>(watched)))) {
        if (type == QEvent::MouseButtonRelease) table_->editorReleased_ = true;
        if (type == QEvent::MouseButtonDblClick && table_->editorFromClick_ && !table_->editorReleased_) {
            table_->editorFromClick_ = false;
            table_->revertEditor(table_->editor_);
            emit doubleClick();
            return true;
        }
        return false;
    }
    // The headers are the fixed row and column, the corner their crossing.
    auto* header = qobject_cast<QHeaderView*>(watched->parent());
    const bool corner = qobject_cast<QAbstractButton*>(watched) != nullptr;
    if (!header && !corner) return QWidget::eventFilter(watched, event);
    if (corner && type == QEvent::Paint && isCorner(0, 0)) {
        auto* w = static_cast<QWidget*>(watched);
        QStyleOptionHeader option;
        option.initFrom(w);
        // The corner takes no clicks, yet it is a header cell like the others.
        option.state |= QStyle::State_Enabled;
        option.palette = table_->horizontalHeader()->palette();
        option.rect = w->rect();
        option.text = model_->text(0, 0);
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        const QColor fore = model_->foreColor(0, 0), back = model_->backColor(0, 0);
        if (fore.isValid()) option.palette.setColor(QPalette::ButtonText, fore);
        if (back.isValid()) option.palette.setColor(QPalette::Button, back);
        QPainter painter(w);
        w->style()->drawControl(QStyle::CE_Header, &option, &painter, w);
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (corner) {
        setMouseCell(0, 0);
    } else if (header->orientation() == Qt::Horizontal) {
        int section = header->logicalIndexAt(mouse->position().toPoint());
        setMouseCell(0, section < 0 ? -1 : section + fixedCols());
    } else {
        int section = header->logicalIndexAt(mouse->position().toPoint());
        setMouseCell(section < 0 ? -1 : section + fixedRows(), 0);
    }
    if (type == QEvent::MouseMove) emit mouseMove();
    if (mouse->button() == Qt::LeftButton) {
        if (type == QEvent::MouseButtonRelease) emit click();
        if (type == QEvent::MouseButtonDblClick) emit doubleClick();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace platform
