#pragma once

namespace venkar {

// The grid editor that currently shows a table, seen from the table. Rows
// and columns are the table's: 0-based row index, 0-based data column.
class TableView {
public:
    virtual ~TableView() = default;
    // The table's row count changed (or was set anew): adjust the grid's rows,
    // re-fill the current cell and repaint.
    virtual void refreshRows(int rowCount) = 0;
    virtual void redrawRow(int row) = 0;
    virtual void redrawCell(int row, int column) = 0;
    // Store the value of the cell being edited, if the cursor is in the data
    // area; called before a command reads the table (save, calculate,
    // reports, checks, a copy of the model).
    virtual void commitPendingEdit() = 0;
};

} // namespace venkar
