#pragma once
// The table view and the item delegate behind platform::Grid; only the grid
// uses them.
#include "platform/ui/Grid.h"

#include <QHeaderView>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

#include <utility>

namespace platform {

// A header whose breadth the grid fixed answers its size without measuring
// its sections, which for a grid of thousands of rows costs more than
// painting them.
class GridHeader : public QHeaderView {
  public:
    using QHeaderView::QHeaderView;
    QSize sizeHint() const override;
};

// The table behind the grid: it turns Qt's edit triggers into the grid's
// edit mode and notifications.
class GridTable : public QTableView {
  public:
    explicit GridTable(Grid* grid);

    bool editFromCode(const QModelIndex& index);
    void revertEditor(QWidget* editor);
    bool editing() const { return state() == EditingState; }

    QPointer<QWidget> editor_;
    bool editorFromClick_ = false;
    bool editorReleased_ = false; // a button went up over the editor since it opened
    bool inClick_ = false;

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyboardSearch(const QString&) override {} // typing edits, it never jumps to a cell
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void trackMouse(const QPoint& at);

    Grid* grid_;
    bool fromCode_ = false;
    bool committed_ = false;
    int editRow_ = -1, editCol_ = -1;
    std::pair<int, int> pressCell_{-2, -2};
    std::pair<int, int> currentAtPress_{-2, -2};
};

// Shows the column's alignment and display format, and edits with a line or
// with the column's drop-down list.
class GridDelegate : public QStyledItemDelegate {
  public:
    GridDelegate(Grid* grid, GridTable* table) : QStyledItemDelegate(table), grid_(grid), table_(table) {}

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  private:
    Grid* grid_;
    GridTable* table_;
};

} // namespace platform
