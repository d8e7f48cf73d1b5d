#pragma once

#include "buckling/HarmonicSquareSeries.h"
#include "harmonic/HarmonicElement.h"

namespace venkar {

// The load stiffness of a pressure that follows the wall, on the frustum
// from `start` to `end`, 8 x 8 over its global DOFs, for every harmonic as
// a polynomial in n (e and φ_φ are linear in n). p is the pressure along the element normal n =
// (-sin ψ, cos ψ) per unit area, linear from `pressureStart` to `pressureEnd` (the normal
// components of surface loads and water; loads that keep their direction,
// self weight and snow, have none).
//
// A pressure p acts on the deformed surface along its deformed normal:
// the force on an element is p·n'·dA'. To first order in the displacement
// u (Nanson's formula on the surface)
//   n'·dA' = [n + e·n + φ_s·t + φ_φ·e_φ]·dA
// with the surface dilatation e = ε_s + ε_φ and the rotations φ_s = -w,s,
// φ_φ = -(w,φ + sin ψ·v)/r: the surface stretches under the pressure and
// its normal tilts. The change of the load is a linear function of u, its
// virtual work
//   δW = ∫∫ p·[δw·e(u) + δu·φ_s(u) + δv·φ_φ(u)] dA,
// and the load stiffness K_p = -∂F/∂u its negative. Integrated by parts
// along the meridian and around the circumference δW is symmetric in δu and
// u up to terms at the ends of the loaded surface (a closed surface under a
// uniform pressure has a potential, an open one in general not). The
// bifurcation analysis takes the symmetric part,
//   K_p = -½·(P + Pᵀ),   P = ∫ p·[A·w·eᵀ + A·u·φ_sᵀ + B·v·φ_φᵀ] r ds,
// with the circumferential factors A (cos nφ) and B (sin nφ), by the
// element's four-point meridian rule.
//
// For a long cylinder under external pressure this lowers the ring
// buckling pressure of harmonic n from n²·D/a³ (a pressure keeping its
// direction) to (n² - 1)·D/a³.
HarmonicSquareSeries pressureStiffness(Vector2 start, Vector2 end, double pressureStart,
                                       double pressureEnd);

} // namespace venkar
