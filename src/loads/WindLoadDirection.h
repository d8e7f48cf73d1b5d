#pragma once

namespace venkar {

// The factor (+1 or -1) that turns the wind pressure q·c_p on a straight
// shell element from (startR, startZ) to (endR, endZ) into a load along the
// element's normal n = (-sin ψ, cos ψ) — the "Querrichtung" of today's
// surface loads, t = (cos ψ, sin ψ) pointing from start to end, z down.
//
// The wind acts on the element's outside, the face whose normal points away
// from the axis (n_r > 0); a positive c_p presses that face inwards, so the
// load is -q·c_p along the outside normal. A wall is pressed towards the
// axis and a dome inwards and down whatever the order of its nodes. An
// element exactly perpendicular to the axis (a flat plate) has no face
// away from the axis; its outside is its upper face (normal towards -z),
// which a positive c_p presses down (+z).
//
// Precondition: the two points differ.
double windNormalLoadFactor(double startR, double startZ, double endR, double endZ);

} // namespace venkar
