#pragma once

#include "checks/InputFault.h"

#include <optional>

namespace venkar {

class Model;

// Plausibility check of the load case against the system: the node loads,
// shell loads, point loads, constraint displacements, water, snow and
// temperature loads in this order, each table in ascending row order, all
// tests of a row before the next row. Every row's numbers are tested first
// (not nan or inf). Returns the first fault, none when all is well; the
// self-weight switch is not examined. Changes nothing but the shells'
// geometry caches.
//
// - Knotenlast: node defined; node used by a defined shell or ring beam.
// - Flächenlast, Wasserlast, Schneelast, Temperatur: "von" <= "bis"; every
//   shell of the range defined (the first missing one is named).
// - Ringlast: shell defined; 0 <= x-position <= 1.
// - Zwgv: node defined; node used by a defined shell; r + dispR >= 0.
// - then the loads around the circumference (checkHarmonicLoads)
// - and last the silo and hopper loads (checkSiloLoads).
std::optional<InputFault> checkLoad(const Model& model);

} // namespace venkar
