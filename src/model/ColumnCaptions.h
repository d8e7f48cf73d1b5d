#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace venkar {

class InputContainer;

// One header cell above a data column: its text and the header rows it
// covers (0-based, inclusive). A cell spanning several columns is repeated
// in each of them; neighbouring columns with the same text and rows share it.
struct HeaderCell {
    const char* text;
    int firstRow;
    int lastRow;
};

// The captions of the grid that shows one table in an input window.
struct TableCaptions {
    const char* keyword;          // the table's section keyword ("NODES")
    const char* pageCaption;      // the tab of its page ("Knoten")
    const char* rowNumberCaption; // the header of the row-number column ("Nr.")
    int headerRows;               // 1 to 3
    // Per data column in grid order (the row-number column excluded), the
    // header cells above it from the top row down.
    std::vector<std::vector<HeaderCell>> columns;
};

// Every table: the system tables, then the load tables, in window order.
const std::vector<TableCaptions>& allTableCaptions();

// The captions of the table with this section keyword; none for another text.
const TableCaptions* tableCaptions(std::string_view keyword);
const TableCaptions* tableCaptions(const InputContainer& table);

// The header texts above data column `column` (0-based, grid order) joined by
// a blank: "Auflager r", "Mat.". Empty for a column the table does not have.
std::string joinedCaption(const TableCaptions& captions, int column);
std::string joinedCaption(const InputContainer& table, int column);

} // namespace venkar
