#include "geometry/ElementLength.h"
#include "geometry/ShellGeometry.h"
#include "geometry/ShellMaterial.h"
#include "geometry/ShellsAtNode.h"
#include "model/Model.h"
#include "support/ModelRows.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace venkar;
using venkar::test::addMaterial;
using venkar::test::addNode;
using venkar::test::addRow;
using venkar::test::addShell;
using venkar::test::addShellWithNodes;
using venkar::test::isClose;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double unlimited = std::numeric_limits<double>::max();

// 2 pi sqrt(R2 t) / (3 (1 - nu^2))^(1/4) / 15
double fifteenthOfWave(double r2, double t, double nu) {
    return 2 * pi * std::sqrt(r2 * t) / std::pow(3 * (1 - nu * nu), 0.25) / 15;
}

// A cylinder of radius 10 from z = 0 to z = 5, t = 0.2, nu = 0.2.
struct Cylinder {
    Model model;
    int material = addMaterial(model, 3e7, 0.2, 0.2);
    int bottom = addNode(model, 10, 0);
    int top = addNode(model, 10, 5);
    int shell = addShell(model, bottom, top, 0.0, 0, material);
};

} // namespace

TEST(ElementLength, MaterialAccessorsReadTheShellsMaterialRow) {
    Model model;
    addMaterial(model, 1, 1, 0);
    addRow(model.materials, MatRecord{2.1e8, 0.25, 0.3, 78.5, 1000, 1.2e-5});
    const int shell = addShellWithNodes(model, 1, 0, 1, 1, 0, 0, 2);
    EXPECT_EQ(youngsModulus(model, shell), 2.1e8);
    EXPECT_EQ(wallThickness(model, shell), 0.25);
    EXPECT_EQ(poissonRatio(model, shell), 0.3);
    EXPECT_EQ(specificWeight(model, shell), 78.5);
    EXPECT_EQ(beddingModulus(model, shell), 1000);
    EXPECT_EQ(thermalCoefficient(model, shell), 1.2e-5);
}

TEST(ElementLength, CylinderIsDividedIntoFifteenthsOfItsBendingWave) {
    Cylinder c;
    EXPECT_TRUE(isClose(decayFactor(c.model, c.shell, 0.5), std::pow(3 * 0.96 * 2500, 0.25)));
    EXPECT_TRUE(
        isClose(bendingWaveLength(c.model, c.shell, 0.5), 15 * fifteenthOfWave(10, 0.2, 0.2)));
    const double length = elementLength(c.model, c.shell, 0.5, false);
    EXPECT_NEAR(length, 0.45473, 5e-6);
    EXPECT_TRUE(isClose(length, fifteenthOfWave(10, 0.2, 0.2), 1e-14));
    EXPECT_EQ(elementLength(c.model, c.shell, 0.5, true), length);
    EXPECT_EQ(elementLength(c.model, ShellsAtNode(c.model), c.shell, 0.0), length);
}

TEST(ElementLength, ArcAllowsAtMostFivePercentOfItsRadius) {
    Model model;
    const int thick = addMaterial(model, 1, 0.2, 0.0);
    const int thin = addMaterial(model, 1, 0.001, 0.0);
    const int start = addNode(model, 1, 0);
    const int end = addNode(model, 1, 2);
    const int shell = addShell(model, start, end, 2.0, 0, thick);
    EXPECT_DOUBLE_EQ(elementLength(model, shell, 0.5, false), 0.1);

    const int thinShell = addShell(model, start, end, 2.0, 0, thin);
    const double r2 = secondRadius(model, thinShell, 0.3);
    EXPECT_TRUE(isClose(elementLength(model, thinShell, 0.3, false),
                        fifteenthOfWave(r2, 0.001, 0.0), 1e-14));
}

TEST(ElementLength, PointOnTheAxisIsEvaluatedATenthOfTheWayToTheMiddle) {
    Model model;
    addMaterial(model, 1, 0.1, 0.3);
    const int cone = addShellWithNodes(model, 0, 0, 1, 1);
    const double atStart = elementLength(model, cone, 0.0, false);
    EXPECT_EQ(atStart, elementLength(model, cone, 0.05, false));
    EXPECT_TRUE(isClose(atStart, fifteenthOfWave(0.05 * std::sqrt(2.0), 0.1, 0.3), 1e-14));

    // Reversed, the axis end is x = 1 and moves to 0.95.
    const int reversed = addShell(model, 2, 1);
    EXPECT_TRUE(isClose(elementLength(model, reversed, 1.0, false), atStart, 1e-14));
}

TEST(ElementLength, PlateTakesTheLengthOfItsNeighbourAtTheSharedNode) {
    Cylinder c;
    const int centre = addNode(c.model, 0, 0);
    const int plate = addShell(c.model, centre, c.bottom);
    const double neighbour = elementLength(c.model, c.shell, 0.0, true);

    EXPECT_EQ(elementLength(c.model, plate, 0.5, true), unlimited);
    EXPECT_EQ(elementLength(c.model, plate, 0.5, false), neighbour);
    EXPECT_EQ(elementLength(c.model, plate, 0.0, false), neighbour); // on the axis too
    EXPECT_EQ(nodeElementLength(c.model, c.bottom, plate), neighbour);
    EXPECT_EQ(nodeElementLength(c.model, c.bottom, c.shell), unlimited); // only itself there
    EXPECT_EQ(nodeElementLength(c.model, centre, plate), unlimited);
}

TEST(ElementLength, PlateWithoutNeighboursIsCutIntoTenthsOfItsChord) {
    Model model;
    addMaterial(model, 1, 0.1, 0.2);
    const int plate = addShellWithNodes(model, 2, 3, 7, 3);
    EXPECT_DOUBLE_EQ(elementLength(model, plate, 0.5, false), 0.5);

    // A neighbour that is itself plate-like gives no length either.
    const int far = addNode(model, 9, 3);
    addShell(model, 2, far);
    EXPECT_DOUBLE_EQ(elementLength(model, plate, 0.5, false), 0.5);
}

TEST(ElementLength, AnnularPlateTakesTheSmallerOfItsTwoNeighbours) {
    Model model;
    addMaterial(model, 1, 0.1, 0.2);
    const int inner = addShellWithNodes(model, 2, 0, 2, 4);
    const int outer = addShellWithNodes(model, 8, 4, 8, 0);
    const int annulus = addShell(model, 2, 3, 0.0);
    // A shell that is not defined plays no part.
    model.shells.rowAt(5) = ShellRecord{.startNode = 2, .endNode = 1, .material = 1};
    model.shells.rowAt(6) = ShellRecord{.startNode = 2, .endNode = 3, .radius = 0.1};

    const double innerEnd = elementLength(model, inner, 1.0, true);
    const double outerStart = elementLength(model, outer, 0.0, true);
    ASSERT_LT(innerEnd, outerStart);
    EXPECT_EQ(elementLength(model, annulus, 0.5, false), innerEnd);
    EXPECT_EQ(elementLength(model, ShellsAtNode(model), annulus, 0.5), innerEnd);
    EXPECT_EQ(nodeElementLength(model, 3, annulus), outerStart);
}

TEST(ShellsAtNode, ListsTheEndsOfTheValidDefinedShellsAtEachNode) {
    Model model;
    const int a = addNode(model, 1, 0);
    const int b = addNode(model, 1, 1);
    const int c = addNode(model, 2, 1);
    addShell(model, a, b);
    addShell(model, b, c);
    addShell(model, c, b, 0.1); // radius too short: not valid
    model.shells.rowAt(4) = ShellRecord{.startNode = b, .endNode = a}; // not defined
    addShell(model, c, b);

    const ShellsAtNode index(model);
    const auto atB = index.at(b);
    ASSERT_EQ(atB.size(), 3u);
    EXPECT_EQ(atB[0].shell, 0);
    EXPECT_EQ(atB[0].x, 1.0);
    EXPECT_EQ(atB[1].shell, 1);
    EXPECT_EQ(atB[1].x, 0.0);
    EXPECT_EQ(atB[2].shell, 5);
    EXPECT_EQ(atB[2].x, 1.0);
    EXPECT_EQ(index.at(a).size(), 1u);
    EXPECT_TRUE(index.at(0).empty());
    EXPECT_TRUE(index.at(99).empty());
    EXPECT_TRUE(index.at(-1).empty());
}
