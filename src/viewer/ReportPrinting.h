#pragma once

#include "reports/TableHeads.h"

#include <QFont>
#include <QStringList>

#include <vector>

class QPrinter;

namespace venkar {

// Prints the report lines [first, end) of `lines` on `printer`, cut into
// pages by paginateReport so that a table continued on a page starts with
// its head; every page carries "Seite N von M" at its foot. `font` is a
// fixed-width font; it is made smaller when the widest line would not fit
// across the page. A page range chosen in the print dialog is kept to (a
// range past the last page prints nothing).
// Returns false when the printer could not be started.
bool printReportLines(QPrinter& printer, const QStringList& lines, int first, int end,
                      const std::vector<TableHead>& heads, QFont font);

} // namespace venkar
