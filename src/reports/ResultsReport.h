#pragma once

#include <string>

namespace venkar {

class Results;
struct ReportHead;

// The results report ("Ergebnisse") of the last successful calculation: node
// displacements, displacements inside the shells, hinge displacements,
// extreme section forces, section forces along every shell, support
// reactions and ring-beam forces.
std::string writeResultsReport(const Results& results, const ReportHead& head);

} // namespace venkar
