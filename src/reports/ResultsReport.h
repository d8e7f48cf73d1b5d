#pragma once

#include "reports/TableHeads.h"

#include <string>

namespace venkar {

class Results;
struct ReportHead;

// The results report ("Ergebnisse") of the last successful calculation: node
// displacements, displacements inside the shells, hinge displacements,
// extreme section forces, section forces along every shell, support
// reactions and ring-beam forces.
std::string writeResultsReport(const Results& results, const ReportHead& head);
// The same report with the heads of its tables (every block but the
// report's head).
ReportText composeResultsReport(const Results& results, const ReportHead& head);

} // namespace venkar
