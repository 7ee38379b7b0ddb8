#pragma once
// The grid control of the windows: cell texts by row and column with one
// fixed header row and one fixed header column, per-column drop-down lists,
// cell colours, an edit mode for the whole grid and the notifications around
// an edit. Rows and columns are counted with the fixed ones, so row 0 is the
// header row and column 0 the header column when the grid has them.
//
// Only the user's actions raise the notifications; setting a text or a
// colour from code raises none. Moving the current cell, by the user or by
// code, raises positionChanged, and so does scrolling.
//
// A grid holds its cell texts, or reads its data cells from a GridSource
// (setSource). Over a source, what code sets or the user types into a data
// cell, its colours and its tip are laid over the source's cell; a text laid
// over a cell shows until refreshRows covers its row. So an after-edit
// handler reads the typed text with textMatrix, stores what it accepts into
// the source's data and calls refreshRows for the row: the cell then shows
// the data, whether the text was taken or refused.
#include "platform/GridEditMode.h"
#include "platform/ui/GridSource.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QModelIndex;
class QTableView;

namespace platform {

class GridTable;
class GridModel;

class Grid : public QWidget {
    Q_OBJECT
  public:
    using EditMode = platform::EditMode;
    enum class DataType { Text, Decimal };

    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    // Shape.
    void setRows(int rows);
    int rows() const;
    void setCols(int cols);
    int cols() const;
    void setFixedRows(int n); // 0 or 1
    int fixedRows() const;
    void setFixedCols(int n); // 0 or 1
    int fixedCols() const;
    // Header texts of row 0 separated by "|", each optionally led by an
    // alignment mark: "<" left, "^" centre, ">" right. Sets the column count.
    void setFormatString(const QString& format);
    // Adds a row at position (rows() for the end) whose cells take the
    // tab-separated texts from column 0 on. A grid over a source has the
    // source's rows: changing them fails.
    void addItem(const QString& texts, int position);
    void setColWidth(int col, int twips);
    int colWidth(int col) const; // twips
    void setRowHeight(int row, int twips);
    void setColAlignment(int col, Qt::Alignment alignment);
    // A decimal column shows its numeric texts through its format: "#" an
    // optional digit, "0" a required one, "." the decimal point ("###.#####",
    // "#0.00000"). The stored text stays as it was set.
    void setColDataType(int col, DataType type);
    void setColFormat(int col, const QString& format);
    QString displayText(int row, int col) const;

    // Cells. A cell outside the grid fails (throws platform::Failure).
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    void setCellForeColor(int row, int col, const QColor& color);
    // Text colour of the cells row1..row2 x col1..col2; an invalid colour
    // gives them back the grid's (or the source's) own.
    void setCellForeColor(int row1, int col1, int row2, int col2, const QColor& color);
    QColor cellForeColor(int row, int col) const;
    // Background of the cells row1..row2 x col1..col2; an invalid colour
    // gives them back the grid's (or the source's) own background.
    void setCellBackColor(int row1, int col1, int row2, int col2, const QColor& color);
    QColor cellBackColor(int row, int col) const;
    void setCellToolTip(int row, int col, const QString& tip);

    // Data cells from a source, which the grid keeps; the grid's data rows
    // and columns become the source's, its fixed texts stay where they still
    // have a place. nullptr: the grid holds its cells again, all empty.
    void setSource(std::unique_ptr<GridSource> source);
    GridSource* source() const;
    // The source's data of rows first..last changed: those rows show it
    // anew, and texts laid over them go. Only they are repainted. An open
    // editor in them keeps what the user typed.
    void refreshRows(int first, int last);

    // The current cell. Code may make a fixed cell current to address it;
    // the grid's own cursor then stays where it was.
    int row() const;
    int col() const;
    void setCurrentCell(int row, int col);
    void showCell(int row, int col); // scrolls the cell into view
    QString currentText() const { return textMatrix(row(), col()); }
    // Where a cell lies in container() coordinates (empty for fixed cells).
    QRect cellRect(int row, int col) const;
    // The widget that holds the cells; controls laid over cells go in it.
    QWidget* container() const;

    // Colours and font of the whole grid.
    QColor backColor() const;
    void setBackColor(const QColor& color);
    void setAlternateBackColor(const QColor& color);
    QColor selectionColor() const;
    void setSelectionColor(const QColor& color);
    void setTextSize(double points);

    // Editing.
    void setEditMode(EditMode mode) { editMode_ = mode; }
    // Starts an edit of the current cell whatever the edit mode.
    void editCell();
    bool isEditing() const;
    QWidget* editor() const; // the open in-place editor, or nullptr
    // The items offered when a cell of the column is edited, separated by
    // "|"; a leading "|" lets the user type a text of his own. Empty: plain
    // text editing.
    void setColComboList(int col, const QString& list);
    // Position of the item chosen in the last drop-down edit, -1 for none.
    int comboIndex() const { return comboIndex_; }

    // The cell under the mouse at the last mouse event, -1 outside the cells.
    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }

    QTableView* view() const; // for tests and for laying out

  signals:
    void beforeEdit(int row, int col, bool& cancel);
    void afterEdit(int row, int col);
    void click();
    void doubleClick();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void mouseMove();
    void positionChanged(int oldRow, int oldCol, int newRow, int newCol);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class GridTable;
    friend class GridDelegate;
    struct Column {
        DataType type = DataType::Text;
        QString format;
        QString comboList;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    void checkCell(int row, int col) const;
    bool isFixed(int row, int col) const { return row < fixedRows() || col < fixedCols(); }
    bool isCorner(int row, int col) const { return row < fixedRows() && col < fixedCols(); }
    QModelIndex dataIndex(int row, int col) const; // of a data cell
    void applyHeaders();
    void updateCorner(int row, int col);
    void cursorMoved(int row, int col);
    void setMouseCell(int row, int col);
    QString formatted(int col, const QString& text) const;

    GridModel* model_;
    GridTable* table_;
    EditMode editMode_ = EditMode::None;
    std::vector<Column> columns_;
    int cursorRow_ = 0, cursorCol_ = 0;
    int mouseRow_ = -1, mouseCol_ = -1;
    int comboIndex_ = -1;
    bool dying_ = false;
};

} // namespace platform
