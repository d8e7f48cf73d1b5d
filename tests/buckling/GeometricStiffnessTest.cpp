// The geometric stiffness of shell elements and rings against rigid
// translations, which turn no part of the shell.
#include "buckling/GeometricStiffness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace venkar {
namespace {

// Over the DOFs (wr, wz, rotation, v) of a node: at n = 0 the axial
// translation wz = 1; at n = 1 the lateral one u_x = cos φ, that is wr = 1
// and v = -1 (v ∝ sin nφ).
std::array<double, 4> translation(int n) {
    return n == 0 ? std::array<double, 4>{0, 1, 0, 0} : std::array<double, 4>{1, 0, 0, -1};
}

// The largest |K·t| against the largest |K|, and the latter.
template <std::size_t order>
std::pair<double, double> residual(const std::array<std::array<double, order>, order>& k,
                                   const std::array<double, order>& t) {
    double force = 0.0;
    double largest = 0.0;
    for (std::size_t i = 0; i < order; ++i) {
        double sum = 0.0;
        for (std::size_t j = 0; j < order; ++j) {
            sum += k[i][j] * t[j];
            largest = std::max(largest, std::fabs(k[i][j]));
        }
        force = std::max(force, std::fabs(sum));
    }
    return {force / largest, largest};
}

TEST(GeometricStiffness, RigidTranslationsMeetNoGeometricStiffness) {
    // The rotations of Sanders' theory vanish for a rigid translation, so
    // K_G·t = 0 in n = 0 and n = 1 whatever the membrane forces: a cone, a
    // cylinder and a plate ring with forces varying along them, and a ring.
    struct Case {
        Vector2 start;
        Vector2 end;
    };
    const PrebucklingForces forces{-3.0, -1.5, 2.0, -0.5};
    for (const Case& c : {Case{{300.0, 0.0}, {280.0, 40.0}}, Case{{100.0, 0.0}, {100.0, 25.0}},
                          Case{{50.0, 10.0}, {80.0, 10.0}}}) {
        const HarmonicSquareSeries series = shellGeometricStiffness(c.start, c.end, forces);
        for (int n : {0, 1}) {
            const std::array<double, 4> node = translation(n);
            HarmonicRow t{};
            std::copy(node.begin(), node.end(), t.begin());
            std::copy(node.begin(), node.end(), t.begin() + 4);
            const auto [force, largest] = residual(series.at({n, HarmonicSet::symmetric}), t);
            EXPECT_GT(largest, 0.0) << c.start.x << " n = " << n;
            EXPECT_LT(force, 1e-12) << c.start.x << " n = " << n;
        }
    }
    const auto [force, largest] =
        residual(ringGeometricStiffness(400.0, -20.0, {1, HarmonicSet::symmetric}), translation(1));
    EXPECT_GT(largest, 0.0);
    EXPECT_LT(force, 1e-12);
}

} // namespace
} // namespace venkar
