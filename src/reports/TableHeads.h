#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace venkar {

// Where one table of a text report lies, in line numbers counted from 0:
// lines [first, body) are its head (title, column headings, rules), lines
// [body, end) its rows. A viewer prints the head again at the top of every
// page the rows continue on.
struct TableHead {
    int first = 0;
    int body = 0;
    int end = 0;
    bool operator==(const TableHead&) const = default;
};

// A report's text with the heads of its tables beside it. The heads never
// change the text: an editor shows the text alone.
struct ReportText {
    std::string text;
    std::vector<TableHead> tableHeads; // in the order of the text
};

// Notes the heads while a report is written into `out`: beginHead() just
// before a head's first line, beginBody() after its last, endTable() after
// the table's last row. A line not yet ended counts as begun, so that a
// table whose lines start with their line end ("\n 1 ...") is measured as
// it reads.
class TableHeadRecorder {
public:
    TableHeadRecorder(const std::string& out, std::vector<TableHead>& heads)
        : out_(out), heads_(heads) {}

    void beginHead();
    void beginBody();
    void endTable();

private:
    // The number of the first line not yet begun in `out`; scans only what
    // was written since the last call.
    int nextLine();

    const std::string& out_;
    std::vector<TableHead>& heads_;
    TableHead open_;
    std::size_t scanned_ = 0;
    int lineEnds_ = 0;
};

// The side file of a report: one line "first body end" per table.
std::string formatTableHeads(const std::vector<TableHead>& heads);
// Reads a side file; lines that are not three ascending non-negative
// numbers are skipped, so that a damaged file only loses its heads.
std::vector<TableHead> parseTableHeads(std::string_view text);

} // namespace venkar
