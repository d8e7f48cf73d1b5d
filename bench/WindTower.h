#pragma once

// The wind tower of the benchmarks of loads around the circumference: a
// cooling-tower-like wall (a cylinder of radius 10 and thickness 0.1 in ten
// chained shells, clamped at its foot, a ring beam at its top) of about N
// shell elements under wind, the velocity pressure growing from 0.6 at the
// foot to 1.2 at the top.
#include "BenchModels.h"

#include <cmath>
#include <numbers>

namespace venkar {

// A distribution with the shape of a circular cylinder's — pressure 1 at
// the windward meridian, suction about −1.5 near 75°, a base pressure of
// about −0.6 in the wake — and the ripple of a measured curve, so that the
// series needs harmonics up to n = 19.
inline double windCoefficient(double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    double cp = -0.35 + 0.25 * std::cos(a) + 0.95 * std::cos(2 * a) + 0.35 * std::cos(3 * a) -
                0.25 * std::cos(4 * a) + 0.05 * std::cos(5 * a);
    for (int n = 6; n <= 19; ++n)
        cp += 0.04 * std::cos(n * a);
    return cp;
}

inline void buildWindTower(Model& model, double elements) {
    constexpr int shells = 10;
    addRow(model.materials,
           MatRecord{.youngsModulus = 3e7, .wallThickness = 0.1, .poissonRatio = 0.2});
    const double height = lengthFor(elements) / shells;
    for (int i = 0; i <= shells; ++i)
        addRow(model.nodes, NodeRecord{.r = 10.0, .z = height * i});
    NodeRecord& foot = model.nodes.row(shells);
    foot.supportR = foot.supportZ = foot.supportRot = 1;
    for (int i = 0; i < shells; ++i) {
        addRow(model.shells, ShellRecord{.startNode = i + 1,
                                         .endNode = i + 2,
                                         .material = 1,
                                         .discretisationFactor = factor,
                                         .intervals = 4});
        const double top = 1.2 - 0.6 * i / shells;
        const double bottom = 1.2 - 0.6 * (i + 1) / shells;
        addRow(model.windLoads,
               WindLoadRecord{.shell = i + 1, .pressureStart = top, .pressureEnd = bottom});
    }
    for (int degrees = 0; degrees <= 180; ++degrees)
        addRow(model.windCoefficients,
               WindCoefficientRecord{.angle = static_cast<double>(degrees),
                                     .coefficient = windCoefficient(degrees)});
    addRow(model.rings, RingRecord{.node = 1, .area = 0.2, .inertia = 2e-3, .modulus = 3e7});
    addRow(model.harmonicRings,
           HarmonicRingRecord{
               .ring = 1, .inertiaZ = 2e-3, .torsionConstant = 1e-3, .shearModulus = 1.25e7});
}

} // namespace venkar
