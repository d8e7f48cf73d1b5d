#include "loads/SiloPatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

constexpr double pi = std::numbers::pi;

// The patch factor of both states on both sides of the slenderness limits,
// and never negative.
TEST(SiloPatch, TheFactorOfEachStateAndSlenderness) {
    struct Case {
        SiloState state;
        double slenderness, solidFactor, relativeEccentricity, expected;
    };
    const Case cases[] = {
        // 0.21·1·(1 + 2·0.25)·(1 - e^(-1.5·6.25))
        {SiloState::filling, 7.25, 1.0, 0.5, 0.3149732823},
        // 0.42·0.8·(1 + 2·0.0625)·(1 - e^(-9.375))
        {SiloState::discharge, 7.25, 0.8, 0.25, 0.3779679387},
        // above 1.2 the exponential form, at and below it the linear one
        {SiloState::discharge, 1.3, 1.0, 0.3, 0.1795914881},
        {SiloState::discharge, 1.1, 1.0, 0.3, 0.272 * 0.4},
        {SiloState::filling, 1.5, 0.5, 0.0, 0.0554015120},
        // squat: no filling patch; a negative linear discharge factor is 0
        {SiloState::filling, 0.8, 1.0, 0.5, 0.0},
        {SiloState::discharge, 0.5, 1.0, 0.1, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(patchFactor(c.state, c.slenderness, c.solidFactor, c.relativeEccentricity),
                    c.expected, 1e-9)
            << c.slenderness;
}

// The band: s = π·d_c/16 around z_p below the surface (by default the
// smaller of z₀ and h_c/2), with the wall pressure of the state at its
// centre times the factor, and π/2·s·d_c·p as its horizontal resultant.
TEST(SiloPatch, TheBandItsPressureAndItsResultant) {
    // γ = 10, K = 0.5, μ = 0.4, r = 2: z₀ = 5, γ·K·z₀ = 25; surface at z = 1.
    struct Case {
        double transition;
        SiloState state;
        double depth;
        double centre, pressure;
    };
    const Case cases[] = {
        // h_c = 29: z₀ < h_c/2; 0.31497·25·(1 - e^-1)
        {30.0, SiloState::filling, 0.0, 6.0, 4.9775271799},
        // h_c = 8: h_c/2 < z₀; C_pf = 0.21·1.5·(1 - e^-1.5), p_h = 25·(1 - e^-0.8)
        {9.0, SiloState::filling, 0.0, 5.0, 3.3689227907},
        // given depth, discharge: 0.62995·1.15·25·(1 - e^-2)
        {30.0, SiloState::discharge, 10.0, 11.0, 15.6599113237},
    };
    for (const Case& c : cases) {
        SiloWall wall;
        wall.unitWeight = 10.0;
        wall.pressureRatio = 0.5;
        wall.wallFriction = 0.4;
        wall.surfaceDepth = 1.0;
        wall.radius = 2.0;
        wall.transitionDepth = c.transition;
        wall.state = c.state;
        wall.dischargeHoop = 1.15;
        wall.dischargeFriction = 1.1;
        const SiloPatch patch = siloPatch(wall, c.depth, 1.0, 1.0);
        EXPECT_DOUBLE_EQ(patch.centre, c.centre);
        EXPECT_DOUBLE_EQ(patch.height, pi / 4.0);
        EXPECT_DOUBLE_EQ(patch.top(), c.centre - pi / 8.0);
        EXPECT_NEAR(patch.pressure, c.pressure, 1e-9);
        EXPECT_NEAR(patch.resultant(), pi * 2.0 * (pi / 4.0) * c.pressure, 1e-9);
    }
}

} // namespace
} // namespace venkar
