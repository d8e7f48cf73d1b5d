#include "geometry/ModelBoxes.h"
#include "geometry/LoadMaxima.h"
#include "model/Model.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace venkar;
using venkar::test::addNode;
using venkar::test::addRow;
using venkar::test::addShell;

namespace {
constexpr double sqrt3 = std::numbers::sqrt3;
}

TEST(ModelBoxes, NodesBoxSpansTheDefinedNodesOnly) {
    Model model;
    EXPECT_TRUE(nodesBox(model.nodes).isEmpty());
    addNode(model, 2, -1);
    model.nodes.rowAt(1) = {.r = 50, .z = 50}; // not defined
    addNode(model, 5, 3);
    const BoundingBox box = nodesBox(model.nodes);
    EXPECT_EQ(box.minX, 2);
    EXPECT_EQ(box.minY, -1);
    EXPECT_EQ(box.maxX, 5);
    EXPECT_EQ(box.maxY, 3);
}

TEST(ModelBoxes, ShellBoxFollowsTheBulgeOfAnArc) {
    Model model;
    const int start = addNode(model, 1, 0);
    const int end = addNode(model, 1, 2);
    const int straight = addShell(model, start, end);
    const BoundingBox line = shellBox(model, straight);
    EXPECT_EQ(line.minX, 1);
    EXPECT_EQ(line.maxX, 1);
    EXPECT_EQ(line.minY, 0);
    EXPECT_EQ(line.maxY, 2);

    // 53 chords around the long arc; its widest point lies between samples.
    const BoundingBox arc = shellBox(model, addShell(model, start, end, 2.0, 1));
    EXPECT_NEAR(arc.minX, 1.0, 1e-12);
    EXPECT_LT(arc.maxX, 3 + sqrt3);
    EXPECT_GT(arc.maxX, 3 + sqrt3 - 3e-3);
    EXPECT_NEAR(arc.minY, 1 - 2, 3e-3);
    EXPECT_NEAR(arc.maxY, 1 + 2, 3e-3);
}

TEST(ModelBoxes, ThirdsBoxUsesInnerPointsOfValidShells) {
    Model model;
    EXPECT_TRUE(shellsThirdsBox(model).isEmpty());
    const int a = addNode(model, 0, 0);
    const int b = addNode(model, 3, 0);
    const int c = addNode(model, 3, 30);
    addShell(model, a, b);
    addShell(model, b, c, 1.0); // radius too short: skipped
    const BoundingBox box = shellsThirdsBox(model);
    EXPECT_DOUBLE_EQ(box.minX, 0.999);
    EXPECT_DOUBLE_EQ(box.maxX, 1.998);
    EXPECT_EQ(box.minY, 0.0);
    EXPECT_EQ(box.maxY, 0.0);
}

TEST(LoadMaxima, WaterPressureIsTheLargestOverTheShellsOfEachRange) {
    Model model;
    EXPECT_EQ(maxWaterPressure(model), 0.0);
    const int bottom = addNode(model, 6, 8);
    const int top = addNode(model, 6, 0);
    addShell(model, bottom, top);
    const int high = addNode(model, 6, -90);
    model.shells.rowAt(1) = ShellRecord{.startNode = top, .endNode = high};
    addRow(model.waterLoads, WaterLoadRecord{1, 1, 0.5, 10.0});
    EXPECT_DOUBLE_EQ(maxWaterPressure(model), 75.0);

    // An undefined shell in the range does not count; numbers past the
    // table are skipped without being walked one by one.
    addRow(model.waterLoads, WaterLoadRecord{1, 2'000'000'000, 0.5, -12.0});
    EXPECT_DOUBLE_EQ(maxWaterPressure(model), 90.0);

    model.shells.changeValid(1, 0, rowFromFile);
    EXPECT_DOUBLE_EQ(maxWaterPressure(model), 90.5 * 12.0);
}
