#include "geometry/ShellGeometry.h"
#include "model/Model.h"
#include "support/ModelRows.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace venkar;
using venkar::test::addNode;
using venkar::test::addShell;
using venkar::test::addShellWithNodes;
using venkar::test::isClose;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double sqrt3 = std::numbers::sqrt3;
constexpr int innen = 0;
constexpr int aussen = 1;

// A shell from (1, 0) to (1, 2), the chord 2 long and vertical.
int verticalChordShell(Model& model, double radius, int curvature) {
    const int start = addNode(model, 1, 0);
    const int end = addNode(model, 1, 2);
    return addShell(model, start, end, radius, curvature);
}

Vector2 centreOf(const Model& model, int shell) {
    return meridianOf(model, shell).centre;
}

void expectPoint(Vector2 actual, Vector2 expected, double tolerance = 1e-12) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

} // namespace

TEST(ShellGeometry, ShortArcWithPositiveRadiusBulgesToTheRightOfItsChord) {
    Model model;
    const int shell = verticalChordShell(model, 2.0, innen);

    ASSERT_TRUE(geometryValid(model, shell));
    EXPECT_TRUE(isArc(model, shell));
    EXPECT_TRUE(isClose(meridianOf(model, shell).angle, pi / 6));
    expectPoint(centreOf(model, shell), {1 - sqrt3, 1});
    expectPoint(pointAt(model, shell, 0.0), {1, 0});
    expectPoint(pointAt(model, shell, 0.5), {3 - sqrt3, 1});
    expectPoint(pointAt(model, shell, 1.0), {1, 2});
    EXPECT_NEAR(tangentAngle(model, shell, 0.0), pi / 3, 1e-14);
    EXPECT_NEAR(tangentAngle(model, shell, 0.5), pi / 2, 1e-14);
    EXPECT_NEAR(tangentAngle(model, shell, 1.0), 2 * pi / 3, 1e-14);
    EXPECT_NEAR(secondRadius(model, shell, 0.5), 3 - sqrt3, 1e-12);
    EXPECT_TRUE(isClose(meridianLength(model, shell), 2 * pi / 3));
    EXPECT_DOUBLE_EQ(chordLength(model, shell), 2.0);
    EXPECT_EQ(arcSegmentCount(model, shell, 0.1), 11);
    EXPECT_EQ(arcSegmentCount(model, shell, 0.05), 21);
}

TEST(ShellGeometry, NegativeRadiusMirrorsTheArcAcrossTheChord) {
    Model model;
    const int shell = verticalChordShell(model, -2.0, innen);

    expectPoint(centreOf(model, shell), {1 + sqrt3, 1});
    expectPoint(pointAt(model, shell, 0.5), {sqrt3 - 1, 1});
    expectPoint(pointAt(model, shell, 1.0), {1, 2});
    EXPECT_NEAR(tangentAngle(model, shell, 0.0), 2 * pi / 3, 1e-14);
    EXPECT_NEAR(tangentAngle(model, shell, 1.0), pi / 3, 1e-14);
    EXPECT_TRUE(isClose(meridianLength(model, shell), 2 * pi / 3));
}

TEST(ShellGeometry, LongArcHasItsCentreOnTheBulgeSide) {
    Model model;
    const int shell = verticalChordShell(model, 2.0, aussen);

    ASSERT_TRUE(geometryValid(model, shell));
    EXPECT_TRUE(isClose(meridianOf(model, shell).angle, 5 * pi / 6));
    expectPoint(centreOf(model, shell), {1 + sqrt3, 1});
    expectPoint(pointAt(model, shell, 0.5), {3 + sqrt3, 1});
    expectPoint(pointAt(model, shell, 1.0), {1, 2});
    EXPECT_EQ(arcSegmentCount(model, shell, 0.1), 53);
    EXPECT_TRUE(isClose(meridianLength(model, shell), 10 * pi / 3));
}

TEST(ShellGeometry, RadiusOfHalfTheChordGivesAHalfCircleAroundTheChordMiddle) {
    Model model;
    const int shell = verticalChordShell(model, 1.0, innen);

    ASSERT_TRUE(geometryValid(model, shell));
    EXPECT_DOUBLE_EQ(meridianOf(model, shell).angle, pi / 2);
    expectPoint(centreOf(model, shell), {1, 1});
    expectPoint(pointAt(model, shell, 0.5), {2, 1});
    expectPoint(pointAt(model, shell, 1.0), {1, 2});
    EXPECT_TRUE(isClose(meridianLength(model, shell), pi));
}

TEST(ShellGeometry, ShellsThatCannotBeBuiltAreNotValid) {
    Model model;
    const int tooShortRadius = verticalChordShell(model, 0.99, innen);
    EXPECT_FALSE(geometryValid(model, tooShortRadius));
    EXPECT_FALSE(isArc(model, tooShortRadius));
    EXPECT_TRUE(geometryValid(model, addShell(model, 1, 2, -1.0)));

    EXPECT_FALSE(geometryValid(model, addShell(model, 1, 1))); // one node twice
    EXPECT_FALSE(geometryValid(model, addShell(model, 1, 7))); // node 7 not held
    model.nodes.rowAt(4) = {.r = 3.0};                         // held, not defined
    EXPECT_FALSE(geometryValid(model, addShell(model, 5, 1)));
    const int twin = addNode(model, 1, 2); // same place as node 2
    EXPECT_FALSE(geometryValid(model, addShell(model, 2, twin)));
    EXPECT_FALSE(geometryValid(model, addShell(model, 2, twin, 5.0)));
}

TEST(ShellGeometry, StraightShellRunsAlongItsChordWithTheNormalToItsRight) {
    Model model;
    const int shell = addShellWithNodes(model, 0, 0, 0, 1);

    ASSERT_TRUE(geometryValid(model, shell));
    EXPECT_FALSE(isArc(model, shell));
    for (double x : {0.0, 0.3, 1.0})
        EXPECT_DOUBLE_EQ(tangentAngle(model, shell, x), pi / 2);
    expectPoint(pointAt(model, shell, 0.25, 0.1), {0.1, 0.25}, 1e-15);
    EXPECT_EQ(arcSegmentCount(model, shell, 0.05), 1);
    EXPECT_EQ(meridianLength(model, shell), 1.0);
    EXPECT_EQ(secondRadius(model, shell, 0.5), 0.0);

    const int cone = addShellWithNodes(model, 4, 0, 1, 4);
    expectPoint(pointAt(model, cone, 0.5), {2.5, 2});
    EXPECT_EQ(meridianLength(model, cone), 5.0);
    EXPECT_TRUE(isClose(secondRadius(model, cone, 0.5), 2.5 / 0.8));
}

TEST(ShellGeometry, OffsetAlwaysMovesAlongTheNormalOfTheTangent) {
    Model model;
    const int shells[] = {
        verticalChordShell(model, 2.0, innen), addShell(model, 1, 2, -2.0, innen),
        addShell(model, 1, 2, 2.0, aussen),    addShell(model, 1, 2, -3.0, aussen),
        addShell(model, 2, 1, 1.5, innen),     addShell(model, 2, 1),
    };
    for (int shell : shells) {
        for (double x : {0.0, 0.2, 0.7, 1.0}) {
            const double phi = tangentAngle(model, shell, x);
            const Vector2 onMeridian = pointAt(model, shell, x);
            const Vector2 moved = pointAt(model, shell, x, 0.25);
            expectPoint(moved - onMeridian, {0.25 * std::sin(phi), -0.25 * std::cos(phi)});
        }
    }
    // Outwards from the centre for R > 0, towards it for R < 0.
    expectPoint(pointAt(model, shells[0], 0.5, 0.1), {3.1 - sqrt3, 1});
    expectPoint(pointAt(model, shells[1], 0.5, 0.1), {sqrt3 - 0.9, 1});
}

TEST(ShellGeometry, TangentAngleOfAnArcIsWrappedIntoOneTurn) {
    Model model;
    // Bulging towards -z: the tangent turns from 11pi/6 through 0 to pi/6.
    const int shell = addShellWithNodes(model, 0, 1, 2, 1, 2.0);
    EXPECT_NEAR(tangentAngle(model, shell, 0.0), 11 * pi / 6, 1e-14);
    EXPECT_NEAR(tangentAngle(model, shell, 1.0), pi / 6, 1e-14);
    for (double x = 0.0; x <= 1.0; x += 0.05) {
        EXPECT_GE(tangentAngle(model, shell, x), 0.0);
        EXPECT_LT(tangentAngle(model, shell, x), 2 * pi);
    }
    expectPoint(pointAt(model, shell, 0.5), {1, sqrt3 - 1});
}

TEST(ShellGeometry, EditingANodeOrTheShellMovesTheArc) {
    Model model;
    const int shell = verticalChordShell(model, 2.0, innen);
    expectPoint(pointAt(model, shell, 1.0), {1, 2});

    model.nodes.setCell(1, 1, 4.0); // node 2: z = 4, the chord becomes 4 long
    expectPoint(pointAt(model, shell, 1.0), {1, 4});
    EXPECT_DOUBLE_EQ(meridianOf(model, shell).angle, pi / 2);

    model.shells.setCell(shell, 4, -4.0); // radius
    expectPoint(pointAt(model, shell, 0.5), {1 - (4 - 2 * sqrt3), 2});
}

TEST(ShellGeometry, ShellsFollowTheNodeRowsTheyNameAfterRowsAreInsertedOrCopied) {
    Model model;
    const int shell = verticalChordShell(model, 0.0, innen);
    const int other = addShell(model, 2, 1, 0.0, innen);
    model.nodes.insertRow(0); // node numbers are not renumbered: node 1 is now empty
    expectPoint(pointAt(model, shell, 0.0), {0, 0});
    expectPoint(pointAt(model, other, 0.0), {1, 0});
    model.nodes.copyRow(2, 0); // node 1 takes (1, 2)
    expectPoint(pointAt(model, shell, 0.0), {1, 2});
    expectPoint(pointAt(model, shell, 1.0), {1, 0});
}
