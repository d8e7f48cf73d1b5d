#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/LoadCaseCalculation.h"
#include "support/SiloModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

constexpr double pi = std::numbers::pi;

// The base reactions of a silo wall under its patch load, summed around the
// circumference: the horizontal force towards 0°, the vertical force and
// the moment about the axis perpendicular to 0° (y), with the axial
// reaction's amplitude at 0°.
struct BaseReactions {
    double forceX = 0.0;
    double forceZ = 0.0;
    double momentY = 0.0;
    double axialAtZero = 0.0;
};

BaseReactions baseReactions(const HarmonicResults& results, int nodeRow) {
    const int node = results.mesh.analysisNode(nodeRow);
    const double r = results.mesh.nodes[static_cast<std::size_t>(node)].r;
    constexpr int points = 720;
    const double ds = r * 2.0 * pi / points;
    BaseReactions sum;
    for (int k = 0; k < points; ++k) {
        const double phi = 2.0 * pi * k / points;
        const double axial = results.reaction(node, 1, phi);
        sum.forceX += (results.reaction(node, 0, phi) * std::cos(phi) -
                       results.reaction(node, 3, phi) * std::sin(phi)) *
                      ds;
        sum.forceZ += axial * ds;
        sum.momentY +=
            (-r * std::cos(phi) * axial - results.reaction(node, 2, phi) * std::cos(phi)) * ds;
    }
    sum.axialAtZero = results.reaction(node, 1, 0.0);
    return sum;
}

// A clamped cylinder r = 2, 10 m high, filled from its open top (h_c/d_c =
// 2.5), with a patch whose band (s = π·d_c/16) cuts elements of the wall.
// The first harmonic of p·cos θ carries the band's whole horizontal
// resultant π·r·s·p down to the base, which holds it as a cantilever beam:
// the shear F, the moment F·(z_base - z_p) and, from it, the axial reaction
// M/(π·r²)·cos θ, whichever way the shells were entered and in both states.
TEST(SiloPatchLoad, TheBaseHoldsTheBandsResultantAsABeam) {
    for (const auto& [state, reversed] : {std::pair{1, false}, {2, true}}) {
        Model model;
        test::buildSilo(model, {.hopperHeight = 0.0, .reversed = reversed});
        for (int shell = 0; shell < 4; ++shell) {
            model.shells.row(shell).discretisationFactor = 4.0;
            model.shells.row(shell).intervals = 4;
        }
        NodeRecord& base = model.nodes.row(4);
        base.supportR = base.supportZ = base.supportRot = 1;
        test::addRow(model.siloLoads, test::siloLoad(4, state));
        test::addRow(model.siloPatches,
                     SiloPatchRecord{
                         .siloRow = 1, .patchDepth = 6.1, .patchFactor = 1.0, .eccentricity = 0.5});
        AnalysisModel analysis;
        QuietCalculation quiet;
        ASSERT_TRUE(calculateLoadCase(model, analysis, quiet, quiet)) << quiet.error;
        ASSERT_TRUE(analysis.results.harmonic);
        const HarmonicCase& harmonic = *analysis.results.harmonic;
        ASSERT_EQ(harmonic.expansion.siloPatches.size(), 1u);
        const SiloPatch& patch = harmonic.expansion.siloPatches[0];
        ASSERT_GT(patch.pressure, 0.0);

        const double force = pi * 2.0 * patch.height * patch.pressure;
        EXPECT_NEAR(patch.resultant(), force, 1e-12 * force);
        const double moment = force * (10.0 - 6.1);
        const BaseReactions sum = baseReactions(harmonic.results, 4);
        // The band presses outward at 0°: the base pulls back, and with z
        // pointing down and the base below the band the reactions' moment
        // about y is positive.
        EXPECT_NEAR(sum.forceX, -force, 1e-8 * force) << state;
        EXPECT_NEAR(sum.momentY, moment, 1e-8 * moment) << state;
        // The weight hanging on the wall by friction is the n = 0 part: the
        // band adds no vertical force.
        const double friction = 2.0 * pi * 2.0 * 0.4 * 9.0 * 0.5 * 5.0 *
                                (10.0 - 5.0 * (1.0 - std::exp(-2.0))) * (state == 2 ? 1.1 : 1.0);
        EXPECT_NEAR(std::fabs(sum.forceZ), friction, 1e-6 * friction) << state;
        EXPECT_NEAR(std::fabs(sum.axialAtZero - sum.forceZ / (2.0 * pi * 2.0)), moment / (pi * 4.0),
                    0.01 * moment / (pi * 4.0))
            << state;
    }
}

} // namespace
} // namespace venkar
