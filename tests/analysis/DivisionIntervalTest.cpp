#include "AnalysisTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace venkar {
namespace {

using test::addMaterial;
using test::addRow;
using test::addShellWithNodes;
using test::Calculation;

// One straight shell from (r0, 0) to (r0 + L cos a, L sin a), t = 1,
// E = 2e5, nu = 0.3, clamped at its outer end, under a uniform surface load 1.
void flatShell(Model& model, double r0, double length, double degrees) {
    const double angle = degrees * std::numbers::pi / 180.0;
    addMaterial(model, 2e5, 1.0, 0.3);
    addShellWithNodes(model, r0, 0.0, r0 + length * std::cos(angle), length * std::sin(angle));
    test::support(model, 2, true, true, true);
    addRow(model.shellLoads,
           ShellLoadRecord{
               .fromShell = 1, .toShell = 1, .transverseStart = 1.0, .transverseEnd = 1.0});
}

// Every element of the (single) shell has a positive length and the elements
// follow each other from 0 to 1.
void expectSoundDivision(const AnalysisModel& analysis, const std::string& what) {
    ASSERT_FALSE(analysis.shellElements.empty()) << what;
    double previous = 0.0;
    for (const ShellElement& element : analysis.shellElements) {
        EXPECT_EQ(element.startPosition, previous) << what;
        EXPECT_GT(element.endPosition, element.startPosition) << what;
        previous = element.endPosition;
    }
    EXPECT_EQ(previous, 1.0) << what;
}

TEST(DivisionInterval, NearlyFlatConeFromTheAxisKeepsItsPointsInsideTheShell) {
    // The even shrink of the steps would put the first interior point at
    // x = -0.067, a zero-length element on the axis and a singular matrix.
    Model model;
    addMaterial(model, 2e5, 1.0, 0.3);
    addShellWithNodes(model, 0.0, 0.0, 15.7073, 0.0617);
    test::support(model, 2, true, true, true);
    addRow(model.shellLoads,
           ShellLoadRecord{
               .fromShell = 1, .toShell = 1, .transverseStart = 1.0, .transverseEnd = 1.0});
    Calculation calculation;
    ASSERT_TRUE(calculation.run(model)) << ::testing::PrintToString(calculation.messages.errors);
    expectSoundDivision(calculation.analysis, "0.23 degree cone");
    // The clamp (3) and the axis conditions of the apex (wr and rotation).
    EXPECT_EQ(calculation.status.count(StatusCount::constraints), 5);
}

TEST(DivisionInterval, NearlyFlatShellsNearTheAxisAreNeverSingular) {
    int cases = 0;
    for (double r0 : {0.0, 0.01, 0.1, 0.5})
        for (double length : {5.0, 10.0, 15.7073, 25.0, 40.0})
            for (double degrees : {0.0, 0.1, 0.23, 0.45, 0.7, 1.0}) {
                Model model;
                flatShell(model, r0, length, degrees);
                Calculation calculation;
                const std::string what = "r0 " + std::to_string(r0) + ", L " +
                                         std::to_string(length) + ", " + std::to_string(degrees) +
                                         " deg";
                EXPECT_TRUE(calculation.run(model)) << what;
                expectSoundDivision(calculation.analysis, what);
                ++cases;
            }
    EXPECT_EQ(cases, 120);
}

} // namespace
} // namespace venkar
