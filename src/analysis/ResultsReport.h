#pragma once

#include <string>

namespace venkar {

class AnalysisModel;
class Model;
struct ReportHead;

// The results report ("Ergebnisse") of the last successful calculation: node
// displacements, displacements inside the shells, hinge displacements,
// extreme section forces, section forces along every shell, support
// reactions and ring-beam forces.
// Precondition: `analysis` holds valid results for `model`.
std::string writeResultsReport(const Model& model, const AnalysisModel& analysis,
                               const ReportHead& head);

} // namespace venkar
