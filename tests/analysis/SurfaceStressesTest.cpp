// Face stresses: the formula, the von Mises stress of known states, which
// face a moment stretches, and their collection into the results.
#include "analysis/SurfaceStresses.h"

#include "AnalysisTestSupport.h"
#include "ValidationCases.h"
#include "analysis/Results.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace venkar {
namespace {

using test::isClose;

TEST(SurfaceStresses, VonMisesOfKnownPlaneStressStates) {
    EXPECT_DOUBLE_EQ(vonMises(100.0, 0.0), 100.0);                  // uniaxial tension
    EXPECT_DOUBLE_EQ(vonMises(0.0, -50.0), 50.0);                   // uniaxial compression
    EXPECT_DOUBLE_EQ(vonMises(80.0, 80.0), 80.0);                   // equal biaxial
    EXPECT_DOUBLE_EQ(vonMises(60.0, -60.0), 60.0 * std::sqrt(3.0)); // pure shear at 45°
    EXPECT_DOUBLE_EQ(vonMises(2.0, 1.0), std::sqrt(3.0));           // a closed pipe's 2 : 1
    EXPECT_EQ(vonMises(0.0, 0.0), 0.0);
    const double tiny = 1e-310; // subnormal: the radicand must not round below zero
    EXPECT_FALSE(std::isnan(vonMises(tiny, tiny)));
}

TEST(SurfaceStresses, FacesTakeMembraneStressPlusAndMinusSixMOverTSquared) {
    SectionValues values{};
    values[resultNTheta] = 10.0;
    values[resultMTheta] = 0.5;
    values[resultNPhi] = -20.0;
    values[resultMPhi] = -0.25;
    values[resultQTheta] = 99.0; // the shear vanishes at the faces
    const StressValues s = surfaceStresses(values, 0.1);
    EXPECT_DOUBLE_EQ(s[stressMeridionalPos], 100.0 + 300.0);
    EXPECT_DOUBLE_EQ(s[stressMeridionalNeg], 100.0 - 300.0);
    EXPECT_DOUBLE_EQ(s[stressHoopPos], -200.0 - 150.0);
    EXPECT_DOUBLE_EQ(s[stressHoopNeg], -200.0 + 150.0);
    EXPECT_DOUBLE_EQ(s[stressVonMisesPos], 650.0); // √(400² + 400·350 + 350²)
    EXPECT_DOUBLE_EQ(s[stressVonMisesNeg], std::sqrt(32500.0));
    EXPECT_DOUBLE_EQ(largerVonMises(s), 650.0);
    // With the shear τ± = N-PhiTheta/t ± 6·M-PhiTheta/t²: the pos face has
    // τ = 40 + 60 = 100, the neg face τ = -20 and the smaller normal stresses.
    const FaceShear shear = faceShear(4.0, 0.1, 0.1);
    EXPECT_DOUBLE_EQ(shear.pos, 100.0);
    EXPECT_DOUBLE_EQ(shear.neg, -20.0);
    const StressValues sheared = surfaceStresses(values, 0.1, shear);
    EXPECT_DOUBLE_EQ(sheared[stressVonMisesPos], std::sqrt(650.0 * 650.0 + 3.0 * 100.0 * 100.0));
    EXPECT_EQ(largerVonMises(values, 0.1, shear), largerVonMises(sheared));
    EXPECT_STREQ(stressComponentKey(stressHoopNeg), "sigma_hoop_neg");
    EXPECT_STREQ(stressComponentKey(stressVonMisesPos), "von_mises_pos");
}

TEST(SurfaceStresses, ClampedPlatePushedUpIsStretchedBelowAtTheEdgeAndAboveAtTheCentre) {
    // A plate from the axis outwards has the normal +z: pos is its upper
    // face. Pushed up by q, it bulges up; at the clamp it curves like a
    // smile, stretching the lower face by 6·(q·a²/8)/t², and the hoop
    // moment there is ν times the radial one.
    const double a = 5.0;
    const double q = 2.0;
    const double t = 0.1;
    const double nu = 0.3;
    Model model = test::clampedPlate(a, q);
    test::Calculation calc;
    ASSERT_TRUE(calc.run(model));
    const ShellResults& plate = *calc.analysis.results.shell(1);
    const double edgeStress = 6.0 * (q * a * a / 8.0) / (t * t);
    const StressValues& edge = plate.stations.back().stresses;
    EXPECT_TRUE(isClose(edge[stressMeridionalNeg], edgeStress, 0.01));
    EXPECT_TRUE(isClose(edge[stressMeridionalPos], -edgeStress, 0.01));
    EXPECT_TRUE(isClose(edge[stressHoopNeg], nu * edgeStress, 0.01));
    EXPECT_TRUE(isClose(edge[stressHoopPos], -nu * edgeStress, 0.01));
    EXPECT_TRUE(isClose(edge[stressVonMisesNeg], edgeStress * std::sqrt(1 - nu + nu * nu), 0.01));
    const StressValues& centre = plate.stations.front().stresses;
    EXPECT_GT(centre[stressMeridionalPos], 0.0);
    EXPECT_LT(centre[stressMeridionalNeg], 0.0);
}

TEST(SurfaceStresses, ClosedPipeUnderInternalPressureCarriesPrOverTAndHalfOfIt) {
    const double r = 10.0;
    const double t = 0.1;
    const double p = 5.0;
    Model model = test::closedVessel(r, 30.0, t, p, 4.0);
    test::Calculation calc;
    ASSERT_TRUE(calc.run(model));
    const ShellResults& cylinder = *calc.analysis.results.shell(2);
    for (const StationResult& station : cylinder.stations) {
        if (station.x < 0.25 || station.x > 0.75)
            continue; // the heads' edge disturbance has died out here
        for (int hoop : {stressHoopPos, stressHoopNeg})
            EXPECT_TRUE(isClose(station.stresses[hoop], p * r / t, 0.005)) << station.x;
        for (int meridional : {stressMeridionalPos, stressMeridionalNeg})
            EXPECT_TRUE(isClose(station.stresses[meridional], p * r / (2 * t), 0.005)) << station.x;
    }
}

TEST(SurfaceStresses, ResultsCarryTheStressesOfEveryStationAndElementEndAndTheirExtremes) {
    Model model = test::closedVessel(1.0, 4.0, 0.01, 1000.0, 1.0);
    model.materials.row(0).wallThickness = 0.02; // t comes from the shell's material
    test::Calculation calc;
    ASSERT_TRUE(calc.run(model));
    const Results& results = calc.analysis.results;
    double largestVonMises = 0.0;
    for (const ShellResults& shell : results.shells) {
        EXPECT_EQ(shell.wallThickness, 0.02);
        for (const StationResult& station : shell.stations)
            EXPECT_EQ(station.stresses, surfaceStresses(station.values, 0.02));
        for (int j = 0; j < stressComponentCount; ++j) {
            const auto at = static_cast<std::size_t>(j);
            double maximum = -1e300;
            double minimum = 1e300;
            for (const ElementResult& element : shell.elements) {
                EXPECT_EQ(element.startStresses, surfaceStresses(element.start, 0.02));
                EXPECT_EQ(element.endStresses, surfaceStresses(element.end, 0.02));
                maximum = std::max({maximum, element.startStresses[at], element.endStresses[at]});
                minimum = std::min({minimum, element.startStresses[at], element.endStresses[at]});
            }
            EXPECT_EQ(shell.stressExtremes[at].maximum, maximum) << j;
            EXPECT_EQ(shell.stressExtremes[at].minimum, minimum) << j;
            if (j >= stressVonMisesPos)
                largestVonMises = std::max(largestVonMises, maximum);
        }
    }
    EXPECT_EQ(results.maxVonMises, largestVonMises);
    // The stations know where they are: s along the meridian, (r, z) on it.
    const StationResult& quarter = results.shell(1)->stations.at(10); // x = 0.5 on the lower head
    EXPECT_TRUE(isClose(quarter.arcLength, std::acos(-1.0) / 4, 1e-12));
    EXPECT_TRUE(isClose(quarter.r, std::sqrt(0.5), 1e-12));
    EXPECT_TRUE(isClose(quarter.z, -std::sqrt(0.5), 1e-12));
}

} // namespace
} // namespace venkar
