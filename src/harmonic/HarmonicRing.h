#pragma once

#include "harmonic/HarmonicElement.h"

#include <array>

namespace venkar {

struct RingRecord;
struct HarmonicRingSection;

// The ring beam of today's analysis (centroid on its node, radius R) under a
// harmonic: a thin curved beam whose centre line moves by (wr, v, wz) and
// whose cross-section turns by χ = -β about e_φ (β the shell's rotation
// DOF). Its four DOFs are the node's wr, wz, rotation, v.
//
// Strains of the symmetric set (amplitudes; the antisymmetric set flips v):
//   extension                 ε   = (n·v + wr)/R            ∝ cos nφ
//   in-plane bending          κ_z = (n·v + n²·wr)/R²        ∝ cos nφ
//   out-of-plane bending      κ_r = (β - n²·wz/R)/R         ∝ cos nφ
//   torsion                   κ_t = (n·β - n·wz/R)/R        ∝ sin nφ
// (the rotations of a Kirchhoff rod: in-plane θ = (v - wr,φ)/R, out of plane
// wz,φ/R, twist χ; curvatures their derivatives along the ring). The
// energy ½·R·∫ (E·A·ε² + E·Iz·κ_z² + E·Iy·κ_r² + G·It·κ_t²) dφ; at n = 0 it
// is today's RingElement: 2π·E·A/R on wr, 2π·E·Iy/R on the rotation.
struct HarmonicRingStrains {
    std::array<double, 4> extension{};
    std::array<double, 4> inPlane{};
    std::array<double, 4> outOfPlane{};
    std::array<double, 4> torsion{};
};
HarmonicRingStrains harmonicRingStrains(double radius, Harmonic harmonic);

using RingSquare = std::array<std::array<double, 4>, 4>;
// `section` may be null at n = 0, where only A and Iy act.
RingSquare harmonicRingStiffness(double radius, const RingRecord& ring,
                                 const HarmonicRingSection* section, Harmonic harmonic);

// The ring's section forces (amplitudes) for the node values d (wr, wz,
// rotation, v): hoop force N = E·A·ε, in-plane moment Mz = E·Iz·κ_z,
// out-of-plane moment My = E·Iy·κ_r (today's M at n = 0) and torque
// T = G·It·κ_t (its sign follows the set as v's does).
struct HarmonicRingForces {
    double hoopForce = 0.0;
    double inPlaneMoment = 0.0;
    double outOfPlaneMoment = 0.0;
    double torque = 0.0;
};
HarmonicRingForces harmonicRingForces(double radius, const RingRecord& ring,
                                      const HarmonicRingSection* section, Harmonic harmonic,
                                      const std::array<double, 4>& d);

} // namespace venkar
