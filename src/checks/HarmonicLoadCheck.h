#pragma once

#include "checks/InputFault.h"

#include <optional>

namespace venkar {

class Model;
class NodeUse;

// Plausibility of the system tables that only loads around the
// circumference use, after the other system checks:
// - Umfangsauflager: node defined and used by a shell; held 0 or 1; one row
//   per node.
// - Ringquerschnitt: ring defined; Iz > 0, It >= 0, G > 0; one row per ring.
std::optional<InputFault> checkHarmonicSystem(const Model& model);

// Plausibility of the loads around the circumference, after the other load
// checks, each table in ascending row order:
// - Windlast: shell defined; a table of pressure coefficients exists.
// - Druckbeiwerte: angles ascending, from 0° to 180°.
// - Umfangslast: shell defined; 0 <= n <= 400.
// - Umfangs-Knotenlast: node defined and used; 0 <= n <= 400.
// - Einzellast am Umfang: node defined and used, not on the axis;
//   0 <= width <= 360.
// - A load with harmonics n >= 1 on a system with ring beams: every ring
//   beam has its row in "Ringquerschnitt" (the fault names the ring beam).
std::optional<InputFault> checkHarmonicLoads(const Model& model, const NodeUse& use);

} // namespace venkar
