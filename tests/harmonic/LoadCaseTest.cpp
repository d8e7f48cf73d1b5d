#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/LoadCaseCalculation.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

using namespace venkar::test;
constexpr double pi = std::numbers::pi;

// A steel cylinder r = 5, L = 10, t = 0.01, clamped at its base (node 2)
// and free at its top (node 1), in 40 elements.
Model cantilever() {
    Model model;
    addMaterial(model, 2.1e8, 0.01, 0.3);
    const int shell = addShellWithNodes(model, 5.0, 0.0, 5.0, 10.0);
    model.shells.row(shell).discretisationFactor = 4.0;
    model.shells.row(shell).intervals = 4;
    NodeRecord& base = model.nodes.row(1);
    base.supportR = base.supportZ = base.supportRot = 1;
    return model;
}

AnalysisModel calculated(const Model& model) {
    AnalysisModel analysis;
    QuietCalculation quiet;
    EXPECT_TRUE(calculateLoadCase(model, analysis, quiet, quiet)) << quiet.error;
    return analysis;
}

// The resultant of the base reactions around the circumference in the
// direction of the angle `towards` (radians): ∫ (R_r·cos(φ - towards) -
// R_v·sin(φ - towards))·r dφ, by a rule exact for the harmonics present.
double horizontalReaction(const AnalysisModel& analysis, int nodeNumber, double towards) {
    const HarmonicResults& results = analysis.results.harmonic->results;
    const int node = results.mesh.analysisNode(nodeNumber - 1);
    const double r = results.mesh.nodes[static_cast<std::size_t>(node)].r;
    constexpr int points = 720;
    double sum = 0.0;
    for (int k = 0; k < points; ++k) {
        const double phi = 2.0 * pi * k / points;
        sum += results.reaction(node, 0, phi) * std::cos(phi - towards) -
               results.reaction(node, 3, phi) * std::sin(phi - towards);
    }
    return sum * r * 2.0 * pi / points;
}

// Only the first harmonic of the wind carries a net force, π·r·q·a₁ per
// unit height; the base of the cantilever holds it, pushed towards the lee
// side (+x at 0°) by a positive c_p on the windward face.
TEST(LoadCase, TheBaseReactionsBalanceTheWind) {
    Model model = cantilever();
    addRow(model.windLoads, WindLoadRecord{.shell = 1, .pressureStart = 0.6, .pressureEnd = 1.0});
    for (auto [angle, cp] : {std::pair{0.0, 1.0}, {75.0, -1.5}, {105.0, -0.8}, {180.0, -0.8}})
        addRow(model.windCoefficients, WindCoefficientRecord{.angle = angle, .coefficient = cp});
    const AnalysisModel analysis = calculated(model);
    ASSERT_TRUE(analysis.results.harmonic);
    const HarmonicExpansion& wind = analysis.results.harmonic->expansion;
    ASSERT_GE(wind.windCoefficients.size(), 2u);
    const double a1 = wind.windCoefficients[1];
    const double load = pi * 5.0 * a1 * (0.6 + 1.0) / 2.0 * 10.0;
    EXPECT_NEAR(horizontalReaction(analysis, 2, 0.0), load, 1e-6 * std::fabs(load));
    EXPECT_NEAR(horizontalReaction(analysis, 2, pi / 2.0), 0.0, 1e-6 * std::fabs(load));
}

// A force at one angle: its n = 1 part carries the whole force for a point
// and for a spread band the pieces fan out; the phase turns the reaction
// with the force.
TEST(LoadCase, AForceAtOneAngleIsHeldInItsDirection) {
    for (const double width : {0.0, 60.0}) {
        Model model = cantilever();
        addRow(model.angleLoads,
               AngleLoadRecord{.node = 1, .angle = 30.0, .width = width, .forceR = 100.0});
        const AnalysisModel analysis = calculated(model);
        ASSERT_TRUE(analysis.results.harmonic);
        const double half = width / 2.0 * pi / 180.0;
        const double fanOut = width == 0.0 ? 1.0 : std::sin(half) / half;
        const double towards = 30.0 * pi / 180.0;
        EXPECT_NEAR(horizontalReaction(analysis, 2, towards), -100.0 * fanOut, 1e-6) << width;
        EXPECT_NEAR(horizontalReaction(analysis, 2, towards + pi / 2.0), 0.0, 1e-6) << width;
    }
}

// n = 0 of an entered harmonic surface load is today's surface load: the
// meridian the harmonic path reports equals today's calculation.
TEST(LoadCase, AHarmonicLoadOfOrderZeroReportsAsTodaysSurfaceLoad) {
    Model today = cantilever();
    addRow(today.shellLoads, ShellLoadRecord{.fromShell = 1,
                                             .toShell = 1,
                                             .transverseStart = 3.0,
                                             .transverseEnd = -1.0,
                                             .longitudinalStart = 0.5,
                                             .longitudinalEnd = 0.5});
    Model harmonic = cantilever();
    addRow(harmonic.harmonicLoads, HarmonicLoadRecord{.shell = 1,
                                                      .harmonic = 0,
                                                      .normalStart = 3.0,
                                                      .normalEnd = -1.0,
                                                      .meridionalStart = 0.5,
                                                      .meridionalEnd = 0.5});
    const Results expected = calculated(today).results;
    const Results actual = calculated(harmonic).results;
    ASSERT_FALSE(expected.harmonic);
    ASSERT_TRUE(actual.harmonic);
    const auto close = [](double a, double b, double scale) {
        return std::fabs(a - b) <= 1e-9 * scale;
    };
    ASSERT_EQ(actual.shells.size(), 1u);
    const auto& want = expected.shells[0].stations;
    const auto& got = actual.shells[0].stations;
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
        EXPECT_TRUE(
            close(got[k].displacement.wr, want[k].displacement.wr, expected.maxDisplacement))
            << k;
        for (int c = 0; c < resultComponentCount; ++c) {
            const auto j = static_cast<std::size_t>(c);
            const double scale = std::fmax(expected.maxShellResult[j], 1e-12);
            EXPECT_TRUE(close(got[k].values[j], want[k].values[j], scale))
                << "station " << k << " " << resultComponentName(c) << ": " << got[k].values[j]
                << " vs " << want[k].values[j];
        }
        EXPECT_NEAR(got[k].stresses[stressVonMisesPos], want[k].stresses[stressVonMisesPos],
                    1e-9 * expected.maxVonMises);
    }
    ASSERT_EQ(actual.reactions.size(), 1u);
    EXPECT_NEAR(actual.reactions[0].forceZ, expected.reactions[0].forceZ,
                1e-9 * expected.maxReactionForce);
}

} // namespace
} // namespace venkar
