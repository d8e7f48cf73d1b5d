#pragma once

#include "buckling/HarmonicSquareSeries.h"
#include "harmonic/HarmonicElement.h"
#include "harmonic/HarmonicRing.h"

namespace venkar {

// The membrane forces of the prebuckling state along one shell element, per
// unit length, linear from its start to its end (the values at the element
// ends of the linear calculation). Tension positive.
struct PrebucklingForces {
    double meridionalStart = 0.0; // N-Theta, along the meridian
    double meridionalEnd = 0.0;
    double hoopStart = 0.0; // N-Phi, around the circumference
    double hoopEnd = 0.0;
};

// The geometric stiffness of the frustum from `start` to `end`, 8 x 8 over
// its global DOFs, for every harmonic as a polynomial in n.
//
// Sanders' moderate-rotation theory adds to the linear membrane strains the
// squares of the rotations:
//   ε_s = e_s + ½φ_s² + ½ω²,   ε_φ = e_φ + ½φ_φ² + ½ω²,   γ = e_sφ + φ_s·φ_φ
// (φ_s, φ_φ, ω as in ShellRotationRows). The prebuckling forces N_s, N_φ
// (an axisymmetric state has no shear force N_sφ) work on these quadratic
// parts: the second variation of the energy gains
//   ½·∫∫ [N_s·(φ_s² + ω²) + N_φ·(φ_φ² + ω²)] r dφ ds,
// bending and membrane parts of the prebuckling state's rotations being
// neglected as usual in a linear bifurcation analysis. Around the
// circumference φ_s carries cos nφ (factor A) and φ_φ, ω carry sin nφ
// (factor B), so
//   K_G = ∫ [A·N_s·φ_s·φ_sᵀ + B·N_φ·φ_φ·φ_φᵀ + B·(N_s + N_φ)·ω·ωᵀ] r ds,
// by the element's four-point meridian rule. At n = 0 only the first term
// acts: the axisymmetric bifurcation of the meridian. φ_φ and ω are linear
// in n, so the B terms run to n².
HarmonicSquareSeries shellGeometricStiffness(Vector2 start, Vector2 end,
                                             const PrebucklingForces& forces);

// The geometric stiffness of a ring beam of radius R under the hoop force N
// (a force, tension positive) in harmonic h (symmetric set), 4 x 4 over
// (wr, wz, rotation, v).
//
// A compressed ring is a column bent into a circle: its axial force works on
// the squares of the centre line's two rotations, the in-plane one
// θ = (v - wr,φ)/R and the out-of-plane one wz,φ/R, as a straight column's
// force works on its slopes:
//   ½·N·∫ (θ² + (wz,φ/R)²)·R dφ.
// Both amplitudes carry sin nφ in the symmetric set:
//   θ = (n·wr + v)/R,   wz,φ/R = -n·wz/R,
// so K_G = B·R·N·(θ·θᵀ + o·oᵀ). With the ring's in-plane bending stiffness
// E·Iz this gives the classical in-plane buckling of a ring under a
// direction-fixed radial load, N_cr = -n²·E·Iz/R² for inextensional modes
// (wr + n·v = 0). At n = 0 a ring has no geometric stiffness.
RingSquare ringGeometricStiffness(double radius, double hoopForce, Harmonic h);

} // namespace venkar
