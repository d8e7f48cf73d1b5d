#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "harmonic/HarmonicAnalysis.h"
#include "model/ModelFiles.h"
#include "support/ModelRows.h"
#include "support/Tolerance.h"

#include "HarmonicTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace venkar {
namespace {

using test::addRow;
using test::isClose;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class QuietStatus : public CalculationStatus {
public:
    void start() override {}
    void setPhase(int) override {}
    void setCount(StatusCount, std::int64_t) override {}
    void finishOk() override {}
    void finishFailed() override {}
};

class QuietMessages : public UserMessages {
public:
    void plausibilityFault(const InputFault&) override { ADD_FAILURE() << "input fault"; }
    void calculationError(const std::string& message) override { ADD_FAILURE() << message; }
};

// A cone on a cylinder on bedding, a hinge releasing the moment, a skew
// support, node and point loads, self weight and a temperature difference.
void mixedModel(Model& model) {
    test::addMaterial(model, 3e7, 0.25, 0.2);
    model.materials.row(0).specificWeight = 25.0;
    model.materials.row(0).beddingModulus = 2e4;
    model.materials.row(0).thermalCoefficient = 1e-5;
    const int bottom = test::addNode(model, 5.0, 0.0);
    const int kink = test::addNode(model, 5.0, 6.0);
    const int top = test::addNode(model, 2.0, 9.0);
    addRow(model.shells, ShellRecord{.startNode = bottom,
                                     .endNode = kink,
                                     .material = 1,
                                     .discretisationFactor = 2.0,
                                     .intervals = 4});
    addRow(model.shells, ShellRecord{.startNode = kink,
                                     .endNode = top,
                                     .material = 1,
                                     .discretisationFactor = 2.0,
                                     .intervals = 4});
    model.nodes.row(bottom - 1).supportR = 1;
    model.nodes.row(bottom - 1).supportZ = 1;
    model.nodes.row(bottom - 1).skewAngle = 20.0;
    model.nodes.row(top - 1).supportZ = 1;
    addRow(model.hinges, HingeRecord{.shell = 2, .xPosition = 0.4, .releaseM = 1});
    addRow(model.nodeLoads, NodeLoadRecord{.node = kink, .loadR = 30.0, .loadZ = -5.0});
    addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.5, .loadR = -12.0});
    addRow(model.shellLoads, ShellLoadRecord{.fromShell = 1,
                                             .toShell = 2,
                                             .transverseStart = 4.0,
                                             .transverseEnd = -2.0,
                                             .longitudinalStart = 1.0});
    addRow(model.tempLoads,
           TempLoadRecord{.fromShell = 2, .toShell = 2, .uniformTemp = 10.0, .gradientTemp = 5.0});
    model.setSelfWeight(true);
}

// The largest |value| of a quantity over all element ends, as the scale of
// its comparison.
double scaleOf(const AnalysisModel& today, int component) {
    double scale = 0.0;
    for (const ShellElement& element : today.shellElements)
        scale = std::fmax(scale, std::fmax(std::fabs(element.result(0, component)),
                                           std::fabs(element.result(1, component))));
    return scale;
}

class HarmonicZero : public ::testing::TestWithParam<const char*> {};

// Today's loads alone make the symmetric n = 0 of the harmonic path: it must
// give today's displacements, section forces, reactions and ring forces.
TEST_P(HarmonicZero, EqualsTodaysCalculation) {
    Model model;
    const std::string name = GetParam();
    if (name == "mixed") {
        mixedModel(model);
    } else {
        const std::string base = std::string(VENKAR_EXAMPLES_DIR) + "/" + name;
        readSystemText(model, readFile(base + ".vsy"));
        readLoadText(model, readFile(base + ".vla"));
    }
    AnalysisModel today;
    QuietStatus status;
    QuietMessages messages;
    ASSERT_TRUE(calculate(model, today, status, messages));
    const HarmonicResults results = test::solveHarmonics(model, {});
    ASSERT_EQ(results.solutions.size(), 1u);
    const HarmonicSolution& zero = results.solutions[0];
    EXPECT_EQ(zero.harmonic.n, 0);
    ASSERT_EQ(results.mesh.shellElements.size(), today.shellElements.size());

    constexpr double tolerance = 1e-9;
    double displacementScale = 0.0;
    for (std::size_t node = 0; node < today.nodes.size(); ++node)
        for (int k = 0; k < 3; ++k)
            displacementScale =
                std::fmax(displacementScale, std::fabs(today.dof(static_cast<int>(node), k).value));
    for (std::size_t node = 0; node < today.nodes.size(); ++node) {
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(isClose(zero.nodeValues[node][static_cast<std::size_t>(k)],
                                today.dof(static_cast<int>(node), k).value, tolerance,
                                displacementScale))
                << "node " << node << " DOF " << k;
        EXPECT_EQ(zero.nodeValues[node][3], 0.0);
    }

    const std::array<std::pair<int, int>, 5> pairs{
        std::pair{resultNPhi, harmonicNPhi}, std::pair{resultNTheta, harmonicNTheta},
        std::pair{resultMPhi, harmonicMPhi}, std::pair{resultMTheta, harmonicMTheta},
        std::pair{resultQTheta, harmonicQTheta}};
    for (const auto& [component, quantity] : pairs) {
        const double scale = scaleOf(today, component);
        for (std::size_t e = 0; e < today.shellElements.size(); ++e)
            for (int end = 0; end < 2; ++end)
                EXPECT_TRUE(isClose(zero.elementEnds[e][static_cast<std::size_t>(end)]
                                                    [static_cast<std::size_t>(quantity)],
                                    today.shellElements[e].result(end, component), tolerance,
                                    scale))
                    << resultComponentName(component) << " element " << e << " end " << end;
    }

    // A self-equilibrated vessel has reactions of rounding size only: they
    // are measured against its meridional forces.
    double reactionScale = scaleOf(today, resultNTheta);
    for (int row : model.nodes.definedRows())
        for (int k = 0; k < 3; ++k)
            reactionScale =
                std::fmax(reactionScale, std::fabs(today.dof(today.analysisNode(row), k).force));
    for (int row : model.nodes.definedRows()) {
        const int node = today.analysisNode(row);
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(
                isClose(zero.reactions[static_cast<std::size_t>(node)][static_cast<std::size_t>(k)],
                        today.dof(node, k).force, tolerance, reactionScale))
                << "node row " << row << " reaction " << k;
    }
    ASSERT_EQ(zero.rings.size(), today.ringElements.size());
    for (std::size_t ring = 0; ring < zero.rings.size(); ++ring) {
        const RingElement& expected = today.ringElements[ring];
        EXPECT_TRUE(isClose(zero.rings[ring].hoopForce, expected.hoopForce(), tolerance,
                            std::fabs(expected.hoopForce()) + 1e-300));
        EXPECT_TRUE(isClose(zero.rings[ring].outOfPlaneMoment, expected.moment(), tolerance,
                            std::fabs(expected.moment()) + 1e-300));
    }
}

INSTANTIATE_TEST_SUITE_P(Models, HarmonicZero,
                         ::testing::Values("mixed", "kuppel", "wassertank", "kuehlturm",
                                           "druckbehaelter"));

} // namespace
} // namespace venkar
