#include "AnalysisTestSupport.h"
#include "model/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace venkar {
namespace {

using test::addFullMaterial;
using test::addNode;
using test::addRow;
using test::addShell;
using test::Calculation;
using test::support;

class ResultRecovery : public ::testing::Test {
protected:
    void SetUp() override {
        test::addTestCylinder(model, 5.0);
        support(model, 2, true, true, true);
        addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
        ASSERT_TRUE(calc.run(model));
    }

    Model model;
    Calculation calc;
};

TEST_F(ResultRecovery, ComponentNamesAreThoseOfTheReports) {
    const char* expected[] = {"N-Phi",   "N-Theta", "M-Phi",    "M-Theta",
                              "Q-Theta", "Eps-Phi", "Eps-Theta"};
    for (int c = 0; c < resultComponentCount; ++c)
        EXPECT_STREQ(resultComponentName(c), expected[c]);
}

TEST_F(ResultRecovery, PositionOutsideEveryElementRaisesShellNotFound) {
    try {
        findElement(calc.analysis, 0, 1.5);
        FAIL() << "no error raised";
    } catch (const VenkarError& error) {
        EXPECT_EQ(std::string(error.what()), "Schale nicht gefunden");
    }
}

TEST_F(ResultRecovery, BoundaryPositionFindsTheElementEndingThere) {
    const ShellElement& first = calc.analysis.shellElements.at(0);
    EXPECT_EQ(&findElement(calc.analysis, 0, first.endPosition), &first);
}

TEST_F(ResultRecovery, ExtremesReportTheFirstOfEqualValues) {
    for (ShellElement& element : calc.analysis.shellElements)
        element.results.fill(1.0);
    const ShellElement& first = calc.analysis.shellElements.at(0);
    const ResultExtremes extremes = venkar::extremes(calc.analysis, 0, resultNPhi);
    EXPECT_EQ(extremes.maximum, 1.0);
    EXPECT_EQ(extremes.maximumPosition, first.startPosition);
    EXPECT_EQ(extremes.minimumPosition, first.startPosition);
}

TEST_F(ResultRecovery, ExtremesAndMaximaBoundTheValuesAlongTheShell) {
    const ResultExtremes extremes = venkar::extremes(calc.analysis, 0, resultMTheta);
    const double largest = maximumShellResult(calc.analysis, resultMTheta);
    EXPECT_GE(largest, std::max(std::fabs(extremes.maximum), std::fabs(extremes.minimum)));
    for (double x : {0.0, 0.3, 0.7, 1.0}) {
        const double value = calc.result(model, 0, x, resultMTheta);
        EXPECT_LE(value, extremes.maximum);
        EXPECT_GE(value, extremes.minimum);
    }
    EXPECT_GT(maximumDisplacement(calc.analysis), 0.0);
    EXPECT_GT(maximumReactionForce(calc.analysis), 0.0);
    EXPECT_GT(maximumReactionMoment(calc.analysis), 0.0);
}

TEST_F(ResultRecovery, EpsPhiIsTheRadialDisplacementOverTheRadius) {
    for (const ShellElement& element : calc.analysis.shellElements)
        for (int end = 0; end < 2; ++end) {
            const int node = element.node(end);
            EXPECT_DOUBLE_EQ(element.result(end, resultEpsPhi),
                             calc.analysis.dof(node, 0).value / calc.analysis.nodes[node].r);
        }
}

TEST_F(ResultRecovery, ReactionsBalanceTheAppliedLoad) {
    // An axial load of 2 per unit length at r = 10 goes down the wall into
    // the clamped edge at the same radius: a z reaction of -2 per unit length.
    Model axial;
    addFullMaterial(axial, MatRecord{.youngsModulus = 1e7, .wallThickness = 0.1});
    addNode(axial, 10.0, 0.0);
    addNode(axial, 10.0, 5.0);
    addShell(axial, 1, 2);
    support(axial, 2, true, true, true);
    addRow(axial.nodeLoads, NodeLoadRecord{.node = 1, .loadZ = 2.0});
    Calculation loaded;
    ASSERT_TRUE(loaded.run(axial));
    EXPECT_NEAR(loaded.reaction(axial, 2, 1), -2.0, 1e-6);
}

TEST(ResultRecoveryOnTheAxis, ConeApexOnTheAxisHasNoResultsAndNoReaction) {
    // The apex of a cone lies on the axis with a sloping tangent: all seven
    // results at that end are 0, and so are the reactions there.
    Model model;
    addFullMaterial(model, MatRecord{.youngsModulus = 1e7,
                                     .wallThickness = 0.1,
                                     .poissonRatio = 0.2,
                                     .specificWeight = 25.0});
    addNode(model, 0.0, 0.0);
    addNode(model, 5.0, 5.0);
    addShell(model, 1, 2);
    support(model, 1, true, true, true);
    support(model, 2, true, true, false);
    model.setSelfWeight(1);
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    const ShellElement& apex = findElement(calc.analysis, 0, 0.0);
    for (int c = 0; c < resultComponentCount; ++c)
        EXPECT_EQ(apex.result(0, c), 0.0) << resultComponentName(c);
    EXPECT_NE(apex.result(1, resultNTheta), 0.0);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(calc.reaction(model, 1, k), 0.0);
}

TEST(ResultRecoveryOnTheAxis, LaterTemperatureLoadOnTheSameShellReplacesTheEarlier) {
    Model model;
    addFullMaterial(
        model, MatRecord{.youngsModulus = 1e7, .wallThickness = 0.1, .thermalCoefficient = 1e-5});
    addNode(model, 10.0, 0.0);
    addNode(model, 10.0, 5.0);
    addShell(model, 1, 2);
    addRow(model.tempLoads, TempLoadRecord{.fromShell = 1, .toShell = 1, .uniformTemp = 50.0});
    addRow(model.tempLoads,
           TempLoadRecord{.fromShell = 1, .toShell = 1, .uniformTemp = 10.0, .gradientTemp = 4.0});
    const ThermalStrains strains = thermalStrains(model, 1);
    EXPECT_DOUBLE_EQ(strains.plus, 1e-5 * (10.0 - 2.0));
    EXPECT_DOUBLE_EQ(strains.minus, 1e-5 * (10.0 + 2.0));
}

} // namespace
} // namespace venkar
