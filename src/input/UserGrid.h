#pragma once

#include "input/GridClipboard.h"
#include "input/UserCell.h"
#include "input/UserHeader.h"
#include "model/TableView.h"

#include <QAbstractScrollArea>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QMenu;

namespace venkar {

class InputContainer;
class InputMessages;
class UndoHistory;

// The input grid: shows one table, one grid row per table row and one grid
// column per field after the row-number column, under up to five header
// rows. It paints its own cells and edits in place: the text of the cell
// being edited, its caret and whether its whole content is selected live in
// the grid; the values live only in the table. Columns are typed by their
// descriptors (TUserInt, TUserList), which the grid owns.
//
// Coordinates: grid rows count the header rows (table row = grid row -
// fixed rows); grid column 0 is the row number (table column = grid column -
// 1).
class TUserGrid : public QAbstractScrollArea, public TableView {
    Q_OBJECT
public:
    static constexpr int maxColumns = 20;
    static constexpr int maxHeaderRows = 5;
    static constexpr int defaultColumnWidth = 64;
    static constexpr int defaultRowHeight = 18;
    static constexpr int minimumRows = 40;

    // `messages` (not owned) must outlive the grid.
    TUserGrid(InputMessages& messages, int columnCount, int fixedRows, QWidget* parent = nullptr);
    ~TUserGrid() override;

    // --- Layout -----------------------------------------------------------
    int columnCount() const { return static_cast<int>(widths_.size()); }
    int fixedRows() const { return fixedRows_; }
    int rowCount() const { return rowCount_; }
    // Takes the descriptor for grid column `column` (1 .. columnCount-1) and
    // applies its ColWidth when > 0.
    TUserCell& RegisterColumn(std::unique_ptr<TUserCell> cell, int column);
    void DestroyColumn(int column);
    TUserCell* descriptor(int column) const;
    // Enters a placed header into every cell it covers, then widens the
    // covered columns when its text does not fit (ChackColWidth).
    void SetHeader(const TUserHeader& header);
    const TUserHeader* header(int row, int column) const;
    int GetColumnWidth() const { return widths_[0]; }
    void SetColumnWidth(int width);
    int columnWidth(int column) const { return widths_[static_cast<std::size_t>(column)]; }
    void setColumnWidth(int column, int width);
    // Sum of all column widths plus one grid line each; and its excess over
    // the client width.
    int GetWidth() const;
    int GetDWidth() const;
    // The form whose width follows the grid's columns (not owned).
    void setParentForm(QWidget* form) { parentForm_ = form; }
    // The narrowest the parent form becomes when it follows a narrow grid.
    int minimumFormWidth = 0;
    void setAlowStrech(bool stretch) { alowStrech_ = stretch; }
    // Mark the current row's number red while the grid has no focus.
    void setSelectRow(bool selectRow) { selectRow_ = selectRow; }
    int helpContext = 0;

    // --- Table ------------------------------------------------------------
    // Detaches the previous table and shows `container` (not owned; may be
    // null), with at least 40 rows.
    void SetContainer(InputContainer* container);
    InputContainer* container() const { return container_; }
    // The undo history the grid's changes go into (not owned; may be null).
    void setHistory(UndoHistory* history);
    GridColumns columns() const;

    // --- Cursor and editing -------------------------------------------------
    int currentRow() const { return curRow_; }
    int currentColumn() const { return curCol_; }
    int currentTableRow() const { return curRow_ - fixedRows_; }
    // Moves the current cell (grid coordinates) and loads it for editing.
    void selectCell(int row, int column);
    const QString& editText() const { return editText_; }
    int caret() const { return caret_; }
    bool isSelected() const { return selected_; }
    bool isModified() const { return modified_; }
    int editRow() const { return editRow_; }
    int editColumn() const { return editCol_; }

    void Fill(int row, int column);
    void Push();
    void Change();
    void NextCell();
    void PreviousCell();
    // Discards the text being edited and shows the stored value again.
    void cancelEdit();

    // --- Block, clipboard, row commands ---------------------------------------
    struct GridCell {
        int row = -1;
        int column = -1;
    };
    void setBlock(GridCell anchor, GridCell end);
    bool isBlockShown() const { return blockShown_; }
    void hideBlock();
    bool isBlock(int row, int column) const;
    // The block in table rows and grid columns; the current cell when none.
    CellBlock block() const;
    QMenu* blockMenu() const { return blockMenu_; }

    // Copies the block (or the current cell) to the clipboard; returns it.
    QString Copy();
    // Pastes text at the current cell; false when it had to stop (message shown).
    bool paste(const QString& text);
    void AddBlock(double x);
    void MultBlock(double x);
    void clearBlockRows();
    void LineInsert(int row);
    void LineDelete(int row);
    void LineMove(int row);
    void LineCopy(int row);
    // Ctrl+Del: the current row becomes undefined and stays.
    void undefineCurrentRow();
    void undo();
    void redo();

    // --- TableView ----------------------------------------------------------
    void refreshRows(int rowCount) override;
    void redrawRow(int row) override;
    void redrawCell(int row, int column) override;
    void commitPendingEdit() override;

signals:
    // Ctrl+PgDown (+1) / Ctrl+PgUp (-1): the form shows the next page.
    void pageStepRequested(int step);

protected:
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Replaces every value of the block's plain cells by `change` of it, as
    // one step of the history.
    void changeBlock(const std::function<CellValue(const TUserCell&, CellValue)>& change);
    bool handleWindowMessage(QEvent* event);
    bool isGridShortcut(const QKeyEvent& event) const;
    bool cellKeyDown(QKeyEvent& event);
    void CellKeyPress(QChar character);
    void typeCharacter(QChar character);
    void moveRow(int step);
    void relayout();
    // Fits the window around the form to the columns and the page tabs.
    void fitFormToColumns();
    void ChackColWidth(const TUserHeader& header);
    void updateScrollRange();
    void ensureCurrentVisible();
    void addGridRow();
    void setRowCount(int rows);
    void beep();

    // Geometry in viewport pixels.
    int columnLeft(int column) const;
    int rowTop(int row) const;
    int headerHeight() const;
    int visibleDataRows() const;
    int firstDataRowShown() const;
    QRect cellRect(int row, int column) const;
    GridCell cellAt(QPoint position) const;
    GridCell clampedToData(GridCell cell) const;
    int CaretFromX(const QString& text, int x, bool centered, int width) const;

    void paintHeaders(QPainter& painter);
    void paintRowNumber(QPainter& painter, int row);
    void PaintCell(QPainter& painter, int row, int column);

    // Undo steps: the edit of one cell, and commands over the whole table.
    void openEditStep();
    void closeEditStep();
    void beginStep();
    void commitStep();

    void showBlockMenu(QPoint globalPosition);
    void showListMenu(TUserCell& cell);
    void listDoubleClick(TUserCell& cell);
    void runBlockCommand(int command);

    InputMessages& messages_;
    InputContainer* container_ = nullptr; // not owned
    UndoHistory* history_ = nullptr;      // not owned
    QWidget* parentForm_ = nullptr;       // not owned
    bool alowStrech_ = false;
    int lastColumnFill_ = 0; // pixels the last column was widened by to fill the form
    bool selectRow_ = false;

    int fixedRows_;
    int rowCount_;
    int rowHeight_ = defaultRowHeight;
    std::vector<int> widths_;
    std::array<std::unique_ptr<TUserCell>, maxColumns> cells_;
    std::vector<TUserHeader> headerList_;
    std::array<std::array<int, maxColumns>, maxHeaderRows> headerIndex_{};

    int curRow_;
    int curCol_ = 1;
    GridCell lastSelected_;
    int editRow_ = -1;
    int editCol_ = -1;
    QString editText_;
    int caret_ = 0;
    bool modified_ = false;
    bool selected_ = false;
    bool editStepOpen_ = false;

    GridCell anchor_;
    GridCell end_;
    bool blockShown_ = false;
    bool mouseHeld_ = false;
    QMenu* blockMenu_;
};

} // namespace venkar
