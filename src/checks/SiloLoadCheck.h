#pragma once

#include "checks/InputFault.h"

#include <optional>

namespace venkar {

class Model;

// Plausibility of the silo, hopper and patch load rows, each table in
// ascending row order, silo rows first (a hopper and a patch take their
// solid from a checked wall).
//
// - Silolast: numbers finite; "von" <= "bis", every shell defined; the
//   shells one chain of straight vertical shells with one radius; the top
//   shell reaching below the surface; γ > 0, 0 < K < 1, μ > 0; state 1 or
//   2; C_h, C_w >= 1 for discharge; for a silo that is not slender
//   0 < φ_r < 90° and the heap's contact above z₀.
// - Trichterlast: numbers finite; "von" <= "bis", every shell defined; a
//   chain of straight shells on one cone that narrows downwards, starting
//   at the bottom of a silo load's wall; μ_h > 0, 0 <= b < 1, C_b >= 1; for
//   a steep hopper under discharge the hopper's wall friction angle below
//   φ_i < 90°.
// - Teilflächenlast: numbers finite; the silo load row defined; z_p, C_op
//   >= 0, 0 <= e_f <= r; the band of height s around the centre wholly on
//   the filled wall, between the surface (or the wall's top) and the
//   transition.
std::optional<InputFault> checkSiloLoads(const Model& model);

} // namespace venkar
