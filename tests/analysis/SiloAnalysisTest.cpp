#include "AnalysisTestSupport.h"
#include "loads/SiloPressures.h"
#include "support/SiloModel.h"

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

using test::Calculation;

constexpr double pi = std::numbers::pi;

// The silo's solid: γ = 9, K = 0.5, μ = 0.4, r = 2 (z₀ = 5), surface at z = 0.
SiloWall janssenWall() {
    SiloWall wall;
    wall.unitWeight = 9.0;
    wall.pressureRatio = 0.5;
    wall.wallFriction = 0.4;
    wall.radius = 2.0;
    wall.transitionDepth = 10.0;
    wall.dischargeHoop = 1.15;
    return wall;
}

// The result at depth z on the wall of buildSilo (4 shells of 2.5).
double wallResult(const Calculation& calculation, const Model& model, bool reversed, double z,
                  int component) {
    const int shell = std::min(3, static_cast<int>(z / 2.5));
    const double along = (z - 2.5 * shell) / 2.5;
    return calculation.result(model, shell, reversed ? 1.0 - along : along, component);
}

// A cylinder held vertically at its foot and free at the top carries the
// pressures as a membrane: N-Phi = p_h·r, and N-Theta the friction of the
// wall above, -μ·γ·K·z₀·(z - z₀·Y_J) (Janssen's resultant per unit
// perimeter), whichever way the shells were entered.
TEST(SiloAnalysis, CylinderWallCarriesJanssenPressuresAsAMembrane) {
    for (int state : {1, 2})
        for (bool reversed : {false, true}) {
            Model model;
            test::buildSilo(model, {.hopperHeight = 0.0, .reversed = reversed});
            test::support(model, 5, false, true, false);
            test::addRow(model.siloLoads, test::siloLoad(4, state));
            Calculation calculation;
            ASSERT_TRUE(calculation.run(model));
            SiloWall wall = janssenWall();
            wall.state = state == 2 ? SiloState::discharge : SiloState::filling;
            const double cw = state == 2 ? 1.1 : 1.0;
            for (double z : {3.0, 5.0, 7.0}) {
                const double hoop = wallPressure(wall, z).horizontal * 2.0;
                const double friction = -cw * 0.4 * 22.5 * (z - 5.0 * (1.0 - std::exp(-z / 5.0)));
                EXPECT_NEAR(wallResult(calculation, model, reversed, z, resultNPhi), hoop,
                            2e-3 * hoop)
                    << state << reversed << z;
                EXPECT_NEAR(wallResult(calculation, model, reversed, z, resultNTheta), friction,
                            2e-3 * std::fabs(friction))
                    << state << reversed << z;
            }
        }
}

// Filled with C_b = 1, the support at the transition carries the whole
// solid (the reaction points up, -z): the friction on the wall plus the hopper's vertical resultant
// is γ·(π·r²·h_c + π·r²·h_h/3), for a steep (h_h = 4) and a shallow (h_h = 1.5) hopper.
TEST(SiloAnalysis, FilledSiloIsInVerticalEquilibrium) {
    for (double hopperHeight : {4.0, 1.5}) {
        Model model;
        test::buildSilo(model, {.hopperHeight = hopperHeight});
        test::support(model, 5, false, true, false);
        test::addRow(model.siloLoads, test::siloLoad(4));
        test::addRow(model.hopperLoads, test::hopperLoad(4));
        Calculation calculation;
        ASSERT_TRUE(calculation.run(model));
        // Reactions are per unit length of the support's circumference 2π·r.
        const double weight = 9.0 * pi * 4.0 * (10.0 + hopperHeight / 3.0);
        const double carried = -calculation.reaction(model, 5, 1) * 2.0 * pi * 2.0;
        EXPECT_NEAR(carried, weight, 0.01 * weight) << hopperHeight;
    }
}

} // namespace
} // namespace venkar
