#include "platform/ui/GridView.h"

#include "platform/ui/GridModel.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <vector>

namespace platform {

QSize GridHeader::sizeHint() const {
    if (orientation() == Qt::Vertical && minimumWidth() == maximumWidth())
        return {minimumWidth(), defaultSectionSize()};
    if (orientation() == Qt::Horizontal && minimumHeight() == maximumHeight())
        return {defaultSectionSize(), minimumHeight()};
    return QHeaderView::sizeHint();
}

GridTable::GridTable(Grid* grid) : QTableView(grid), grid_(grid) {
    setHorizontalHeader(new GridHeader(Qt::Horizontal, this));
    setVerticalHeader(new GridHeader(Qt::Vertical, this));
    setEditTriggers(AnyKeyPressed | EditKeyPressed);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    viewport()->setMouseTracking(true);
}

bool GridTable::editFromCode(const QModelIndex& index) {
    fromCode_ = true;
    bool started = edit(index, AllEditTriggers, nullptr);
    fromCode_ = false;
    return started;
}

void GridTable::revertEditor(QWidget* editor) {
    QTableView::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

bool GridTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid()) return false;
    if (state() == EditingState) return QTableView::edit(index, trigger, event);
    bool keyTrigger = trigger == AnyKeyPressed || trigger == EditKeyPressed;
    if (!fromCode_ && !keyTrigger) return false;
    const int row = index.row() + grid_->fixedRows();
    const int col = index.column() + grid_->fixedCols();
    bool cancel = false;
    emit grid_->beforeEdit(row, col, cancel);
    if (cancel) return false;
    if (!fromCode_ && grid_->editMode_ == Grid::EditMode::None) return false;
    editRow_ = row;
    editCol_ = col;
    return QTableView::edit(index, fromCode_ ? AllEditTriggers : trigger, event);
}

void GridTable::commitData(QWidget* editor) {
    QTableView::commitData(editor);
    committed_ = true;
}

void GridTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const int row = editRow_, col = editCol_;
    const bool committed = committed_;
    committed_ = false;
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    const bool previous = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, next || previous ? QAbstractItemDelegate::NoHint : hint);
    if (committed) emit grid_->afterEdit(row, col);
    // Tab leaves the edit and moves on without starting another one.
    if (next || previous) {
        int target = grid_->col() + (next ? 1 : -1);
        if (target >= grid_->fixedCols() && target < grid_->cols())
            grid_->setCurrentCell(grid_->row(), target);
    }
}

void GridTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        grid_->cursorMoved(current.row() + grid_->fixedRows(), current.column() + grid_->fixedCols());
}

void GridTable::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    emit grid_->positionChanged(grid_->cursorRow_, grid_->cursorCol_, grid_->cursorRow_, grid_->cursorCol_);
}

void GridTable::keyPressEvent(QKeyEvent* event) {
    emit grid_->keyDown(event->key(), event->modifiers());
    QTableView::keyPressEvent(event);
}

void GridTable::mousePressEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    pressCell_ = {grid_->mouseRow_, grid_->mouseCol_};
    currentAtPress_ = {grid_->cursorRow_, grid_->cursorCol_};
    QTableView::mousePressEvent(event);
}

void GridTable::mouseReleaseEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    QTableView::mouseReleaseEvent(event);
    const bool same = pressCell_ == std::pair{grid_->mouseRow_, grid_->mouseCol_};
    pressCell_ = {-2, -2};
    if (event->button() != Qt::LeftButton || !same) return;
    inClick_ = true;
    emit grid_->click();
    // A click on the cell that was already current starts an edit.
    const bool onCurrent = currentAtPress_ == std::pair{grid_->mouseRow_, grid_->mouseCol_} &&
                           grid_->mouseRow_ >= grid_->fixedRows() && grid_->mouseCol_ >= grid_->fixedCols();
    if (onCurrent && !editing() && grid_->editMode_ == Grid::EditMode::KeyboardMouse) grid_->editCell();
    inClick_ = false;
}

void GridTable::mouseDoubleClickEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    pressCell_ = {-2, -2};
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit grid_->doubleClick();
}

void GridTable::mouseMoveEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    emit grid_->mouseMove();
    QTableView::mouseMoveEvent(event);
}

void GridTable::trackMouse(const QPoint& at) {
    QModelIndex index = indexAt(at);
    if (index.isValid())
        grid_->setMouseCell(index.row() + grid_->fixedRows(), index.column() + grid_->fixedCols());
    else
        grid_->setMouseCell(-1, -1);
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const int col = index.column() + grid_->fixedCols();
    option->displayAlignment = grid_->columns_[static_cast<std::size_t>(col)].alignment;
    option->text = grid_->formatted(col, option->text);
}

namespace {

// Laid-out cell texts, shared by every grid of one font: the grids show the
// same few texts over and over (hex bytes, frequencies, option names), so a
// grid shown for the first time finds most of its texts laid out already.
const QStaticText* laidOut(const QString& text, const QFont& font) {
    static std::vector<std::pair<QFont, QHash<QString, QStaticText>>> byFont;
    auto found =
        std::find_if(byFont.begin(), byFont.end(), [&font](const auto& f) { return f.first == font; });
    if (found == byFont.end()) {
        if (byFont.size() >= 8) byFont.clear();
        found = byFont.insert(byFont.end(), {font, {}});
    }
    QHash<QString, QStaticText>& texts = found->second;
    if (texts.size() > 8192) texts.clear();
    auto it = texts.find(text);
    if (it == texts.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        it = texts.insert(text, laid);
    }
    return &it.value();
}

// A cell with nothing but a background and a text: what the style would
// draw for it, without its layout of check box, icon and text.
bool plainCell(const QStyleOptionViewItem& opt) {
    return !(opt.state & (QStyle::State_Selected | QStyle::State_HasFocus)) &&
           !(opt.features & (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration));
}

// The drop-down list of a cell. Keys typed into it (a character, an arrow)
// move to the item they name and leave the edit open: Return, Tab or a
// click elsewhere ends it with that item, as a choice from the open list
// does at once. Qt reports a typed move as a choice, which would end the
// edit on the first key of "98.1" with the item "90.0".
class CellList : public QComboBox {
  public:
    using QComboBox::QComboBox;
    bool typing() const { return typing_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        typing_ = true;
        QComboBox::keyPressEvent(event);
        typing_ = false;
    }

  private:
    bool typing_ = false;
};

} // namespace

// The style paints the cell without its text; the text comes from laid out
// texts kept for reuse, since a grid shows few distinct ones and laying text
// out is most of a cell's painting.
void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect box = opt.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText* text = opt.text.isEmpty() ? nullptr : laidOut(opt.text, opt.font);
    if (text && text->size().width() > box.width()) // too wide: the style elides it
        return QStyledItemDelegate::paint(painter, option, index);
    opt.text.clear();
    const bool plain = plainCell(opt);
    if (!plain)
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    else if (opt.backgroundBrush.style() != Qt::NoBrush)
        painter->fillRect(opt.rect, opt.backgroundBrush);
    if (!text) return;
    QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) group = QPalette::Inactive;
    painter->save();
    painter->setClipRect(opt.rect);
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                : QPalette::Text));
    const QRect at = QStyle::alignedRect(opt.direction, opt.displayAlignment, text->size().toSize(), box);
    painter->drawStaticText(at.topLeft(), *text);
    painter->restore();
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    const Grid::Column& column =
        grid_->columns_[static_cast<std::size_t>(index.column() + grid_->fixedCols())];
    QWidget* editor;
    if (!column.comboList.isEmpty()) {
        auto* combo = new CellList(parent);
        QString list = column.comboList;
        combo->setEditable(list.startsWith('|'));
        if (list.startsWith('|')) list.remove(0, 1);
        combo->addItems(list.split('|'));
        // Choosing an item ends the edit at once.
        connect(combo, &QComboBox::activated, combo, [this, combo] {
            if (combo->typing()) return;
            emit const_cast<GridDelegate*>(this)->commitData(combo);
            emit const_cast<GridDelegate*>(this)->closeEditor(combo);
        });
        editor = combo;
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        line->setAlignment(column.alignment);
        editor = line;
    }
    table_->editor_ = editor;
    table_->editorFromClick_ = table_->inClick_;
    table_->editorReleased_ = false;
    editor->installEventFilter(grid_);
    for (QWidget* child : editor->findChildren<QWidget*>()) child->installEventFilter(grid_);
    return editor;
}

// A refresh of the rows under an open editor leaves the user's typing alone.
void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (grid_->model_->refreshing()) return;
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        int at = combo->findText(text, Qt::MatchExactly);
        combo->setCurrentIndex(at);
        if (at < 0 && combo->isEditable()) combo->setEditText(text);
        // What the user types replaces the text shown, as in a line.
        if (combo->isEditable()) combo->lineEdit()->selectAll();
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
        line->selectAll();
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString text = combo->currentText();
        grid_->comboIndex_ = combo->findText(text, Qt::MatchExactly);
        model->setData(index, text, Qt::EditRole);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, line->text(), Qt::EditRole);
    }
}

} // namespace platform
