#pragma once

#include "reports/TableHeads.h"

#include <vector>

namespace venkar {

// One printed page of a report: the numbers of the report lines it shows,
// top to bottom. A table that continues from the page before starts with
// its head again, so a line number may appear on several pages.
struct ReportPage {
    std::vector<int> lines;
};

// Cuts the report lines [first, end) into pages of at most `linesPerPage`
// lines (at least 1). On a page that begins inside the rows of a table the
// table's head comes first (when it leaves room for a row); a head that
// would stand at the foot of a page without a row of its table moves to the
// next page. `heads` are in the order of the text and do not overlap.
std::vector<ReportPage> paginateReport(int first, int end, int linesPerPage,
                                       const std::vector<TableHead>& heads);

} // namespace venkar
