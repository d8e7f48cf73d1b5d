#pragma once

#include "generator/ShapeRows.h"

namespace venkar {

// The meridian of an ellipsoidal head, semi-axis a across (the rim at
// (a, 0)) and b high (the crown at (0, -b), above the rim), as a chain of
// circular arcs whose nodes lie on the ellipse
//
//     r = a cos t,  z = -b sin t,  0 <= t <= pi/2,
//
// and whose curvature 1/R differs by at most `tolerance` (relative) from the
// ellipse's curvature at every point of the ellipse between the arc's two
// nodes. The first arc has its centre in the rim's plane (a vertical tangent
// at the rim), the last one on the axis (a horizontal tangent at the crown);
// each arc between opens by the angle the ellipse's tangent turns between its
// nodes, so that neighbouring arcs meet with nearly the same tangent. From
// the rim on, every arc reaches as far as the tolerance lets it. Needs
// a > b > 0.
ShapeRows ellipseArcChain(double a, double b, double tolerance);

// Curvature of the ellipse above at the parameter t:
// kappa = a b / (a^2 sin^2 t + b^2 cos^2 t)^(3/2), largest at the rim.
double ellipseCurvature(double a, double b, double t);

// The relative curvature difference every arc of a generated head keeps.
inline constexpr double ellipseCurvatureTolerance = 0.05;

} // namespace venkar
