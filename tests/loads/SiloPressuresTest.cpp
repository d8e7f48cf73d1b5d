#include "loads/SiloPressures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

double degrees(double d) {
    return d * std::numbers::pi / 180.0;
}

// γ = 10, K = 0.5, μ = 0.4, r = 2: z₀ = 5, γ·K·z₀ = 25; surface at z = 1,
// transition at z = 30 (h_c/d_c = 7.25, slender).
SiloWall slenderWall() {
    SiloWall wall;
    wall.unitWeight = 10.0;
    wall.pressureRatio = 0.5;
    wall.wallFriction = 0.4;
    wall.surfaceDepth = 1.0;
    wall.radius = 2.0;
    wall.transitionDepth = 30.0;
    wall.dischargeHoop = 1.15;
    wall.dischargeFriction = 1.1;
    return wall;
}

TEST(SiloPressures, JanssenPressuresAtChosenDepths) {
    // p_h = 25·(1 - e^(-ζ/5)), p_w = 0.4·p_h, p_v = p_h/0.5, ζ = z - 1.
    struct Case {
        double z;
        SiloState state;
        double ph, pw, pv;
    };
    const Case cases[] = {
        {6.0, SiloState::filling, 15.80301397, 6.32120559, 31.60602794},
        {11.0, SiloState::filling, 21.61661792, 8.64664717, 43.23323584},
        {6.0, SiloState::discharge, 18.17346607, 6.95332615, 31.60602794},
        {1.0, SiloState::filling, 0.0, 0.0, 0.0},
        {-3.0, SiloState::discharge, 0.0, 0.0, 0.0}, // above the surface
    };
    for (const Case& c : cases) {
        SiloWall wall = slenderWall();
        wall.state = c.state;
        const WallPressure p = wallPressure(wall, c.z);
        EXPECT_NEAR(p.horizontal, c.ph, 1e-7) << c.z;
        EXPECT_NEAR(p.friction, c.pw, 1e-7) << c.z;
        EXPECT_NEAR(p.vertical, c.pv, 1e-7) << c.z;
    }
    EXPECT_DOUBLE_EQ(janssenDepth(2.0, 0.5, 0.4), 5.0);
    // Far down the pressure tends to γ·K·z₀.
    EXPECT_NEAR(wallPressure(slenderWall(), 29.0).horizontal, 25.0 * (1.0 - std::exp(-5.6)), 1e-9);
}

TEST(SiloPressures, SlendernessByHeightOverDiameter) {
    EXPECT_EQ(siloSlenderness(20.0, 10.0), SiloSlenderness::slender);
    EXPECT_EQ(siloSlenderness(19.9, 10.0), SiloSlenderness::intermediate);
    EXPECT_EQ(siloSlenderness(10.1, 10.0), SiloSlenderness::intermediate);
    EXPECT_EQ(siloSlenderness(10.0, 10.0), SiloSlenderness::squat);
}

// r = 6, K = 0.5, μ = 0.4, φ_r = 30°: z₀ = 15, h₀ = 2·tan 30°; surface at
// z = 0, transition at z = 10 (squat). Values from the standard's form
// z_V = h₀ - (z₀ - h₀ - (z + z₀ - 2h₀)^(n+1)/(z₀ - h₀)^n)/(n + 1).
TEST(SiloPressures, SquatSiloBelowTheHeap) {
    SiloWall wall = slenderWall();
    wall.radius = 6.0;
    wall.surfaceDepth = 0.0;
    wall.transitionDepth = 10.0;
    wall.reposeAngle = degrees(30.0);
    ASSERT_EQ(wall.slenderness(), SiloSlenderness::squat);
    struct Case {
        double z, ph, pw, pv;
    };
    const Case cases[] = {{3.0, 12.48987323, 4.99594929, 28.38487191},
                          {5.0, 22.50810441, 9.00324177, 43.65292870}};
    for (const Case& c : cases) {
        const WallPressure p = wallPressure(wall, c.z);
        EXPECT_NEAR(p.horizontal, c.ph, 1e-7) << c.z;
        EXPECT_NEAR(p.friction, c.pw, 1e-7) << c.z;
        EXPECT_NEAR(p.vertical, c.pv, 1e-7) << c.z;
    }
    // No wall pressure above the highest contact of the heap.
    const double h0 = heapDepth(6.0, degrees(30.0));
    EXPECT_NEAR(h0, 2.0 * std::tan(degrees(30.0)), 1e-12);
    EXPECT_EQ(wallPressure(wall, 0.9 * h0).horizontal, 0.0);
    EXPECT_NEAR(wallPressure(wall, 1.0001 * h0).horizontal, 0.0, 1e-3);
}

// Both theories hold the slice in vertical equilibrium: the vertical stress
// grows by the weight less the wall friction, A·dp_v/dz = γ·A - U·p_w.
TEST(SiloPressures, WallPressuresKeepTheSliceInEquilibrium) {
    SiloWall squat = slenderWall();
    squat.radius = 6.0;
    squat.surfaceDepth = 0.0;
    squat.transitionDepth = 10.0;
    squat.reposeAngle = degrees(30.0);
    for (const SiloWall& wall : {slenderWall(), squat})
        for (double z : {3.0, 7.0, 9.5}) {
            const double h = 1e-5;
            const double slope =
                (wallPressure(wall, z + h).vertical - wallPressure(wall, z - h).vertical) /
                (2.0 * h);
            const double friction = wallPressure(wall, z).friction;
            EXPECT_NEAR(slope, wall.unitWeight - 2.0 * friction / wall.radius, 1e-6) << z;
        }
}

TEST(SiloPressures, HopperParametersForEachKindAndState) {
    // K = 0.5 throughout, b = 0.2, φ_i = 35°.
    struct Case {
        double beta, mu;
        SiloState state;
        bool steep;
        double friction, factor, exponent;
    };
    const Case cases[] = {
        {30.0, 0.3, SiloState::filling, true, 0.3, 0.93161226, 0.83138439},
        {30.0, 0.3, SiloState::discharge, true, 0.3, 1.19517944, 1.63242580},
        {50.0, 0.4, SiloState::filling, false, 0.20977491, 0.97006484, 0.28163528},
        {50.0, 0.4, SiloState::discharge, false, 0.20977491, 0.97006484, 0.28163528},
    };
    for (const Case& c : cases) {
        Hopper hopper;
        hopper.halfAngle = degrees(c.beta);
        hopper.height = 4.0;
        hopper.hopperFriction = c.mu;
        hopper.factorB = 0.2;
        hopper.bottomMagnifier = 1.3;
        hopper.internalFriction = degrees(35.0);
        const HopperLoadParameters p = hopperLoadParameters(hopper, 0.5, c.state, 20.0);
        EXPECT_EQ(p.steep, c.steep) << c.beta;
        EXPECT_NEAR(p.friction, c.friction, 1e-8) << c.beta;
        EXPECT_NEAR(p.pressureFactor, c.factor, 1e-8) << c.beta;
        EXPECT_NEAR(p.exponent, c.exponent, 1e-8) << c.beta;
        EXPECT_DOUBLE_EQ(p.transitionStress, 26.0);
    }
    // The steepness test at its limit tan β = (1 - K)/(2·μ_h).
    const double limit = std::atan(0.5 / 0.6);
    EXPECT_TRUE(steepHopper(limit - 1e-9, 0.5, 0.3));
    EXPECT_FALSE(steepHopper(limit + 1e-9, 0.5, 0.3));
}

TEST(SiloPressures, HopperStressFromTheTransitionToTheApex) {
    HopperLoadParameters p;
    p.friction = 0.3;
    p.pressureFactor = 0.93161226239;
    p.exponent = 0.83138438763;
    p.transitionStress = 30.0;
    struct Case {
        double x, pv;
    };
    // γ = 10, h_h = 4.
    for (const Case& c :
         {Case{1.0, 25.09213430}, Case{2.0, 31.56525877}, Case{4.0, 30.0}, Case{0.0, 0.0}}) {
        const HopperPressure h = hopperPressure(p, 10.0, 4.0, c.x);
        EXPECT_NEAR(h.vertical, c.pv, 1e-7) << c.x;
        EXPECT_NEAR(h.normal, p.pressureFactor * c.pv, 1e-7) << c.x;
        EXPECT_NEAR(h.friction, 0.3 * p.pressureFactor * c.pv, 1e-7) << c.x;
    }
    // n = 1: the logarithmic limit γ·x·ln(h_h/x) + p_vft·x/h_h, continuous
    // with exponents beside it.
    p.exponent = 1.0;
    const double atOne = hopperPressure(p, 10.0, 4.0, 1.0).vertical;
    EXPECT_NEAR(atOne, 10.0 * std::log(4.0) + 7.5, 1e-12);
    p.exponent = 1.0 + 1e-6;
    EXPECT_NEAR(hopperPressure(p, 10.0, 4.0, 1.0).vertical, atOne, 1e-4);
}

// The slice of the cone in equilibrium: d(p_v·x²)/dx = -γ·x² + 2x·(p_n·tan β
// + p_t)/tan β, i.e. p_v' = n·p_v/x - γ with n from F and μ.
TEST(SiloPressures, HopperStressKeepsTheSliceInEquilibrium) {
    for (SiloState state : {SiloState::filling, SiloState::discharge})
        for (double beta : {25.0, 40.0, 60.0}) {
            Hopper hopper;
            hopper.halfAngle = degrees(beta);
            hopper.height = 5.0;
            hopper.hopperFriction = 0.35;
            hopper.factorB = 0.2;
            hopper.internalFriction = degrees(38.0);
            const HopperLoadParameters p = hopperLoadParameters(hopper, 0.45, state, 40.0);
            const double tanBeta = std::tan(hopper.halfAngle);
            for (double x : {1.0, 2.5, 4.0}) {
                const double h = 1e-5;
                const auto pv = [&](double at) {
                    return hopperPressure(p, 12.0, 5.0, at).vertical;
                };
                const double lhs =
                    ((x + h) * (x + h) * pv(x + h) - (x - h) * (x - h) * pv(x - h)) / (2.0 * h);
                const HopperPressure here = hopperPressure(p, 12.0, 5.0, x);
                const double rhs =
                    -12.0 * x * x + 2.0 * x * (here.normal * tanBeta + here.friction) / tanBeta;
                EXPECT_NEAR(lhs, rhs, 1e-5 * std::fabs(rhs)) << beta << " " << x;
            }
        }
}

} // namespace
} // namespace venkar
