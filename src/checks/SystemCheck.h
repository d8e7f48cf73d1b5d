#pragma once

#include "checks/InputFault.h"

#include <optional>

namespace venkar {

class Model;

// Plausibility check of the system: the defined shells (with the nodes and
// materials they use), then the hinges, then the ring beams, each table in
// ascending row order and the tests of a row in a fixed order. Returns the
// first fault, none when the system can be calculated. Changes nothing but
// the shells' geometry caches.
//
// Per shell ("Schalen" unless said otherwise):
//   radius a number (col 5); start node defined (col 1), end node defined
//   (col 2); the coordinates of both nodes numbers ("Knoten"); start and end
//   not at one place (col 2); material defined (col 3); the material's values
//   numbers ("Materialien"); no meridian point at r < 0 (col 1); not both
//   nodes on the axis (col 1); E-Modul > 0, Wanddicke > 0, 0 <= nu <= 0.5,
//   specific weight, bedding and thermal expansion >= 0 ("Materialien",
//   cols 1-6, on the material's row); the radius 0 or at least half the
//   chord (col 5); the Diskretisierungsfaktor a number >= 0 (col 6); at most
//   maxShellIntervals "Intervalle" (col 7).
// Per hinge ("Gelenke"): the x-position a number (col 2); its shell defined
// (col 1); the x-position within [0, 1] (col 2); then no two hinges of one shell at the same
// x-position (on the first of them, col 2). Per ring beam ("Ringträger"): A, Iy, E-Modul numbers
// (cols 2-4); its node defined (col 1); that node's coordinates numbers ("Knoten"); the node not on
// the axis (col 1); A, Iy and E-Modul > 0 (cols 2, 3, 4).
std::optional<InputFault> checkSystem(const Model& model);

// The most output intervals a shell may have in the reports.
inline constexpr int maxShellIntervals = 10000;

} // namespace venkar
