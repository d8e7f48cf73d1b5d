#include "PictureProbe.h"
#include "support/ModelRows.h"

#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "model/Model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace venkar;
using namespace venkar::test;

namespace {

struct LoadColours : GraphSettings {
    LoadColours() {
        values.loads.nodeLoadColour = 0x000606;
        values.loads.surfaceLoadColour = 0x000707;
        values.loads.pointForceColour = 0x000808;
        values.loads.selfWeightColour = 0x000909;
        values.loads.prescribedDisplacementColour = 0x000a0a;
    }
    bool isLoadColour(Colour c) const {
        return c >= 0x000606 && c <= 0x000a0a && (c & 0xff) == (c >> 8);
    }
};

// A wall running down from (10, 0) to (10, 4): its positive offset side
// (the normal of the geometry) is +r.
void addDownWall(Model& model) {
    addMaterial(model, 3e7, 0.2, 0.2);
    addShellWithNodes(model, 10, 0, 10, 4);
}

DrawnLine longest(const std::vector<DrawnLine>& lines) {
    return *std::max_element(
        lines.begin(), lines.end(),
        [](const DrawnLine& a, const DrawnLine& b) { return a.length() < b.length(); });
}

bool isHorizontal(const DrawnLine& l) {
    return std::fabs(l.start.y - l.end.y) < 1e-12 && l.length() > 1e-12;
}

bool isVertical(const DrawnLine& l) {
    return std::fabs(l.start.x - l.end.x) < 1e-12 && l.length() > 1e-12;
}

} // namespace

TEST(LoadLayer, TemperatureOnlyDrawsItsTwoLinesWarmSideRedAndNoArrows) {
    Model model;
    addDownWall(model);
    addRow(model.tempLoads,
           TempLoadRecord{.fromShell = 1, .toShell = 1, .uniformTemp = 20, .gradientTemp = 10});
    LoadColours settings;
    GraphView view(model, settings);
    const double h = view.referenceLength();
    const double width = 0.005 * h;
    const BoundingBox red = boxOf(linesWithPen(view.picture(), colours::red, width));
    const BoundingBox blue = boxOf(linesWithPen(view.picture(), colours::blue, width));
    // T + dT/2 = 25 on the positive side: warmer, red.
    EXPECT_NEAR(red.minX, 10 + 0.01 * h, 1e-9);
    EXPECT_NEAR(red.maxX, 10 + 0.01 * h, 1e-9);
    EXPECT_NEAR(blue.minX, 10 - 0.01 * h, 1e-9);
    EXPECT_NEAR(red.minY, 0.4, 1e-9);
    EXPECT_NEAR(red.maxY, 3.6, 1e-9);
    EXPECT_TRUE(linesWhere(view.picture(), [&](const DrawnLine& l) {
                    return settings.isLoadColour(l.colour);
                }).empty());

    // Without a difference both sides show the sign of T.
    model.tempLoads.row(0).gradientTemp = 0;
    model.tempLoads.row(0).uniformTemp = -5;
    view.rebuild();
    EXPECT_TRUE(linesWithPen(view.picture(), colours::red, width).empty());
    EXPECT_EQ(boxOf(linesWithPen(view.picture(), colours::blue, width)).maxX, 10 + 0.01 * h);
}

TEST(LoadLayer, FunctionScaleTwoHundredPercentDoublesTheForceArrows) {
    Model model;
    addDownWall(model);
    addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 0, .loadZ = 10});
    LoadColours settings;
    GraphView view(model, settings);
    view.setUserView(false);
    const double h = view.referenceLength();
    DrawnLine arrow = longest(linesWithPen(view.picture(), settings.values.loads.nodeLoadColour));
    // The largest force is a tenth of h long and its tip sits on the node.
    EXPECT_NEAR(arrow.length(), 0.1 * h, 1e-9);
    EXPECT_NEAR(arrow.end.y, 0.0, 1e-12);
    EXPECT_NEAR(arrow.start.y, -0.1 * h, 1e-9);

    view.setFunctionScale(2.0);
    EXPECT_TRUE(view.userView());
    arrow = longest(linesWithPen(view.picture(), settings.values.loads.nodeLoadColour));
    EXPECT_NEAR(arrow.length(), 0.2 * h, 1e-9);

    view.setSwitch(ShowLoads, false);
    EXPECT_TRUE(linesWithPen(view.picture(), settings.values.loads.nodeLoadColour).empty());
}

TEST(LoadLayer, WaterPressureStandsInsideTheTankAndPushesOutwards) {
    Model model;
    addMaterial(model, 3e7, 0.2, 0.2);
    addShellWithNodes(model, 6, 8, 6, 0); // the wall runs upwards
    addRow(model.waterLoads,
           WaterLoadRecord{.fromShell = 1, .toShell = 1, .zeroLevel = 0, .unitWeight = 10});
    LoadColours settings;
    GraphView view(model, settings);
    view.setSwitch(ShowValues, false);
    const double h = view.referenceLength();
    ASSERT_DOUBLE_EQ(h, 10.0);
    const std::vector<DrawnLine> lines =
        linesWithPen(view.picture(), settings.values.loads.surfaceLoadColour);
    EXPECT_NEAR(boxOf(lines).maxX, 6 - 0.02 * h, 1e-9);
    // The largest pressure (80 at the foot) is drawn 0.1 h long.
    EXPECT_NEAR(boxOf(lines).minX, 6 - 0.02 * h - 0.1 * h, 1e-9);
    int outwards = 0;
    int endOrdinates = 0;
    for (const DrawnLine& l : lines) {
        if (!isHorizontal(l))
            continue;
        (l.start.x < l.end.x ? outwards : endOrdinates)++;
    }
    // n = 2 * 8 / (0.1 h) = 16 stations apart: 15 arrows between the ends.
    EXPECT_EQ(outwards, 15);
    EXPECT_EQ(endOrdinates, 1); // the ordinate at the water surface has length 0
}

TEST(LoadLayer, SurfaceLoadChangesSidesWithTheSignAtMidShell) {
    Model model;
    addDownWall(model);
    addRow(model.shellLoads,
           ShellLoadRecord{.fromShell = 1, .toShell = 1, .transverseStart = 3, .transverseEnd = 3});
    LoadColours settings;
    GraphView view(model, settings);
    const double h = view.referenceLength();
    const Colour colour = settings.values.loads.surfaceLoadColour;
    EXPECT_NEAR(boxOf(linesWithPen(view.picture(), colour)).minX, 10 + 0.02 * h, 1e-9);
    model.shellLoads.row(0).transverseStart = model.shellLoads.row(0).transverseEnd = -3;
    view.rebuild();
    const std::vector<DrawnLine> lines = linesWithPen(view.picture(), colour);
    EXPECT_NEAR(boxOf(lines).maxX, 10 - 0.02 * h, 1e-9);
    // A negative transverse load pushes towards +r: arrows point that way.
    for (const DrawnLine& l : lines) {
        if (isHorizontal(l) && l.start.y > 0.01 && l.start.y < 3.99) {
            EXPECT_LT(l.start.x, l.end.x);
        }
    }
}

TEST(LoadLayer, SnowFallsOnTheUpperEdgeOfTheShellFromItsLeftToItsRightEnd) {
    Model model;
    addMaterial(model, 3e7, 0.2, 0.2);
    addShellWithNodes(model, 10, 5, 0, 0); // rises to the left
    addRow(model.snowLoads, SnowLoadRecord{.fromShell = 1, .toShell = 1, .amount = 2});
    LoadColours settings;
    GraphView view(model, settings);
    view.setSwitch(ShowValues, false);
    const double h = view.referenceLength();
    const std::vector<DrawnLine> lines =
        linesWithPen(view.picture(), settings.values.loads.surfaceLoadColour);
    const BoundingBox box = boxOf(lines);
    EXPECT_NEAR(box.minX, 0.0, 1e-12);
    EXPECT_NEAR(box.maxX, 10.0, 1e-12);
    EXPECT_NEAR(box.maxY, -0.02 * h, 1e-9);
    EXPECT_NEAR(box.minY, -0.12 * h, 1e-9);
    int downwards = 0;
    for (const DrawnLine& l : lines)
        if (isVertical(l) && l.start.y < l.end.y)
            ++downwards;
    EXPECT_EQ(downwards, static_cast<int>(2 * 10 / (0.1 * h)) - 1);

    // A vertical shell carries no snow.
    model.nodes.row(0).r = 0;
    view.rebuild();
    EXPECT_TRUE(linesWithPen(view.picture(), settings.values.loads.surfaceLoadColour).empty());
}

TEST(LoadLayer, TinyLoadNextToAHugeOneHasABoundedNumberOfStations) {
    Model model;
    addDownWall(model);
    addRow(model.shellLoads,
           ShellLoadRecord{
               .fromShell = 1, .toShell = 1, .transverseStart = 1e-9, .transverseEnd = 1e-9});
    addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1e9});
    LoadColours settings;
    GraphView view(model, settings);
    EXPECT_LE(linesWithPen(view.picture(), settings.values.loads.surfaceLoadColour).size(), 4000u);
}

TEST(LoadLayer, SelfWeightPointLoadsAndPrescribedDisplacements) {
    Model model;
    addDownWall(model);
    model.selfWeight = 1;
    addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.5, .loadR = -4});
    addRow(model.constraintLoads, ZwvRecord{.node = 2, .dispR = 0.01});
    LoadColours settings;
    GraphView view(model, settings);
    const double h = view.referenceLength();
    // Three crosses of three strokes at a quarter, half and three quarters.
    const std::vector<DrawnLine> crosses =
        linesWithPen(view.picture(), settings.values.loads.selfWeightColour);
    ASSERT_EQ(crosses.size(), 9u);
    EXPECT_NEAR(centreOf(boxOf(crosses)).y, 2.0, 1e-12);
    // The ring load's tip sits on the shell at its position.
    const DrawnLine point =
        longest(linesWithPen(view.picture(), settings.values.loads.pointForceColour));
    EXPECT_NEAR(point.end.x, 10.0, 1e-12);
    EXPECT_NEAR(point.end.y, 2.0, 1e-12);
    EXPECT_NEAR(point.start.x, 10 + 0.1 * h, 1e-9);
    // The displacement arrow starts at its node and is 0.2 h long.
    DrawnLine moved =
        longest(linesWithPen(view.picture(), settings.values.loads.prescribedDisplacementColour));
    EXPECT_NEAR(moved.start.x, 10.0, 1e-12);
    EXPECT_NEAR(moved.start.y, 4.0, 1e-12);
    EXPECT_NEAR(moved.end.x, 10 + 0.2 * h, 1e-9);
    view.setDisplacementScale(2.0);
    moved =
        longest(linesWithPen(view.picture(), settings.values.loads.prescribedDisplacementColour));
    EXPECT_NEAR(moved.end.x, 10 + 0.4 * h, 1e-9);
}

TEST(LoadLayer, LargestNodeMomentSweepsThreeQuartersOfACircleWithAThinPen) {
    Model model;
    addDownWall(model);
    addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadM = -8});
    addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadM = 4});
    LoadColours settings;
    GraphView view(model, settings);
    view.setSwitch(ShowValues, false);
    const double h = view.referenceLength();
    const std::vector<DrawnLine> arcs =
        linesWithPen(view.picture(), settings.values.loads.nodeLoadColour, 0.004 * h);
    ASSERT_FALSE(arcs.empty());
    EXPECT_EQ(arcs.size(),
              linesWithPen(view.picture(), settings.values.loads.nodeLoadColour).size());
    // The arc of -8 around node 1 at (10, 0): radius 0.05 h, starting straight
    // above the node and sweeping 270 degrees anticlockwise on the page, over
    // the left and the bottom to the right of the node.
    const std::vector<DrawnLine> first =
        linesWhere(arcs, [](const DrawnLine& l) { return l.start.y < 1.0; });
    const BoundingBox box = boxOf(first);
    EXPECT_NEAR(box.minY, -0.05 * h, 1e-9);
    EXPECT_NEAR(box.maxY, 0.05 * h, 0.02 * h);
    EXPECT_NEAR(box.minX, 10 - 0.05 * h, 0.02 * h);
}
