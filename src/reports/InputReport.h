#pragma once

#include "reports/TableHeads.h"

#include <string>

namespace venkar {

class Model;
struct ReportHead;

// The input report ("Eingabeprotokoll"): the head, then every non-empty
// system table and every non-empty load table as a small table with
// headings, defined rows only, in ascending row order.
std::string writeInputReport(const Model& model, const ReportHead& head);
// The same report with the heads of its tables.
ReportText composeInputReport(const Model& model, const ReportHead& head);

} // namespace venkar
