#pragma once

#include "model/InputContainer.h"

#include <QString>

#include <vector>

namespace venkar {

class TUserCell;

// The column descriptors of a grid indexed by grid column; column 0 (the row
// number) and columns without a descriptor hold null. Not owned.
using GridColumns = std::vector<const TUserCell*>;

// A rectangle of table cells: table rows and grid columns, inclusive.
struct CellBlock {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 1;
    int lastColumn = 1;
};

// The block as tab- and line-separated text a spreadsheet understands: per
// row the cell texts (empty for an undefined row) each followed by a tab,
// except in the grid's last column, then "\r\n".
QString copyBlockText(const InputContainer& table, const GridColumns& columns,
                      const CellBlock& block);

// The result of a paste: complete, or stopped with a message at the named
// cell (1-based row number and grid column); fields before it stay stored.
struct PasteResult {
    bool complete = true;
    QString message;
    int lastRow = -1; // table row of the last field stored, -1 when none
};

// Stores tab- and line-separated text into the table from (row, column) on:
// a tab moves one column right, CR LF, LF or CR end a line (next row, the
// starting column). Empty fields leave their cells alone; every other field
// first defines its row, then stores the column's value of the field. Stops
// at a column beyond the grid's last column, at a row beyond the table's
// bound, and at a field that is not wholly a value of its column.
PasteResult pasteText(InputContainer& table, const GridColumns& columns, int row, int column,
                      const QString& text);

// The row bound of a paste: the highest row index pasting may reach.
inline constexpr int maxPasteRow = InputContainer::maxFileRowNumber - 1;

} // namespace venkar
