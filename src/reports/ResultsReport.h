#pragma once

#include "reports/TableHeads.h"

#include <string>
#include <vector>

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
// A load case with loads around the circumference reports its meridian at
// the angle of `results`, then the sections around the circumference.
ReportText composeResultsReport(const Results& results, const ReportHead& head);
// The meridians of such a load case at several angles, each headed by its
// angle, then the sections around the circumference once.
ReportText composeResultsReport(const std::vector<const Results*>& meridians,
                                const ReportHead& head);

} // namespace venkar
