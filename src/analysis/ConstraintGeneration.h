#pragma once

#include <vector>

namespace venkar {

class AnalysisModel;
class Model;
struct HingeRecord;

// The constraint equations of supports, hinges, the symmetry axis, ring-beam
// connections and prescribed displacements, appended to the analysis
// model's constraint list. Analysis node indices must be valid.

// For each node row, bit k (k = 0 r, 1 z, 2 rotation) set when a constraint
// displacement of the load case prescribes a nonzero value for it.
std::vector<unsigned char> prescribedComponents(const Model& model);

// Supports of node row `nodeRow` on its analysis node. A support fixes the
// displacement along the direction at the inclination α from the r axis (r
// support) and at α + 90° (z support); a direction with a nonzero prescribed
// displacement is left to that instead.
void addSupportConstraints(const Model& model, AnalysisModel& analysis, int nodeRow, int node,
                           unsigned char prescribed);

// A hinge on shell row `shellIndex` between the node `before` and the node
// `after`, both at the hinge's position: sets their hinge sides and partners
// and ties every force the hinge does not release (equal tangential
// displacement for N, normal displacement for Q, rotation for M).
void addHingeConstraints(const Model& model, AnalysisModel& analysis, int shellIndex,
                         const HingeRecord& hinge, int before, int after);

// wr = 0 and rotation = 0 for every node with r exactly 0.
void addAxisConstraints(AnalysisModel& analysis);

// The connection of ring-beam row `ringRow` to its node: a ring hinged in r
// or in rotation sits on a twin node tied to the node in the fixed
// directions (wz always). Returns the node that carries the ring element,
// -1 when the ring's node has no analysis node.
int addRingConnection(const Model& model, AnalysisModel& analysis, int ringRow);

// u(node, k) = v for every nonzero component of every constraint
// displacement, in list order. Records whose node has no analysis node are
// skipped.
void addPrescribedDisplacements(const Model& model, AnalysisModel& analysis);

} // namespace venkar
