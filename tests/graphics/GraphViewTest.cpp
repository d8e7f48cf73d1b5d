#include "FakePlotResults.h"
#include "PictureProbe.h"
#include "support/ModelRows.h"

#include "geometry/ShellGeometry.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "model/Model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace venkar;
using namespace venkar::test;

namespace {

constexpr double pi = std::numbers::pi;

// Settings whose colours tell the layers apart.
struct DistinctSettings : GraphSettings {
    DistinctSettings() {
        values.geometry.supportColour = 0x000101;
        values.geometry.shellColour = 0x000202;
        values.geometry.ringColour = 0x000303;
        values.geometry.hingeColour = 0x000404;
        values.axis.lineColour = 0x000505;
        values.loads.nodeLoadColour = 0x000606;
        values.loads.surfaceLoadColour = 0x000707;
        values.loads.pointForceColour = 0x000808;
        values.loads.selfWeightColour = 0x000909;
        values.loads.prescribedDisplacementColour = 0x000a0a;
    }
};

// A wall from (10, 0) down to (10, 4), clamped at its foot.
int addWall(Model& model) {
    addMaterial(model, 3e7, 0.2, 0.2);
    const int shell = addShellWithNodes(model, 10, 0, 10, 4);
    model.nodes.row(1).supportR = model.nodes.row(1).supportZ = model.nodes.row(1).supportRot = 1;
    return shell;
}

} // namespace

TEST(GraphView, StartsOnTheGeometryTabWithTheInitialSwitchesAndTheWholePictureInView) {
    Model model;
    addWall(model);
    DistinctSettings settings;
    GraphView view(model, settings);
    EXPECT_EQ(view.tab(), PlotTab::Geometry);
    EXPECT_EQ(view.caption(), "Geometrie");
    EXPECT_EQ(view.switches(),
              static_cast<unsigned>(ShowGeometry | ShowSymmetryAxis | ShowSupports | ShowLoads |
                                    ShowExtrema | ShowValues));
    EXPECT_EQ(view.textScale(), 1.0);
    EXPECT_TRUE(view.userView());
    const BoundingBox& box = view.picture().boundingBox();
    EXPECT_EQ(view.view().minX, box.minX);
    EXPECT_EQ(view.view().maxY, box.maxY);
    EXPECT_STREQ(GraphView::tabCaptions()[8], "Epsilon Theta");
}

TEST(GraphView, TabChangeSetsLoadsOnlyOnTheGeometryTabAndDeformationOnlyOnItsTab) {
    Model model;
    addWall(model);
    DistinctSettings settings;
    GraphView view(model, settings);
    view.setSwitch(ShowNodeNumbers, true);
    view.selectTab(PlotTab::Deformation);
    EXPECT_EQ(view.caption(), "Verformung");
    EXPECT_TRUE(view.isOn(ShowDeformation));
    EXPECT_FALSE(view.isOn(ShowLoads));
    EXPECT_TRUE(view.isOn(ShowNodeNumbers));
    view.selectTab(PlotTab::MomentPhi);
    EXPECT_EQ(view.caption(), "Momente Phi");
    EXPECT_FALSE(view.isOn(ShowDeformation));
    EXPECT_TRUE(view.isOn(ShowGeometry));
    view.selectTab(PlotTab::Geometry);
    EXPECT_TRUE(view.isOn(ShowLoads));
    EXPECT_EQ(plotTabAt(9), std::nullopt); // no such tab
    EXPECT_EQ(view.tab(), PlotTab::Geometry);
}

TEST(GraphView, ViewFollowsThePictureOnlyWhileTheUserViewFlagIsClear) {
    Model model;
    addWall(model);
    DistinctSettings settings;
    GraphView view(model, settings);
    view.setView({1, 1, 2, 2});
    view.setSwitch(ShowSymmetryAxis, false);
    EXPECT_EQ(view.view().maxX, 2);
    view.showAll();
    EXPECT_FALSE(view.userView());
    view.setSwitch(ShowSymmetryAxis, true);
    EXPECT_LT(view.view().minX, 0.5); // now reaches over to the axis
    view.setTextScale(1.5);
    EXPECT_TRUE(view.userView());
}

TEST(GraphView, EmptyModelAndASingleNodeOnTheAxisDrawNothing) {
    Model model;
    DistinctSettings settings;
    GraphView empty(model, settings);
    EXPECT_EQ(empty.picture().commandCount(), 0);
    EXPECT_EQ(empty.referenceLength(), 0.0);

    addNode(model, 0, 5);
    GraphView single(model, settings);
    EXPECT_EQ(single.picture().commandCount(), 0);
    EXPECT_TRUE(single.picture().boundingBox().isEmpty());
}

TEST(GraphView, SymmetryAxisEnlargesTheReferenceLengthAndWithItEverySymbol) {
    Model model;
    addWall(model);
    DistinctSettings settings;
    GraphView view(model, settings);
    EXPECT_DOUBLE_EQ(view.referenceLength(), std::sqrt(100.0 + 16.0));
    const double supportWithAxis =
        boxOf(linesWithPen(view.picture(), settings.values.geometry.supportColour)).width();
    // The axis runs from above to below the structure by the overhang.
    const BoundingBox axis = boxOf(linesWithPen(view.picture(), settings.values.axis.lineColour));
    EXPECT_NEAR(axis.minX, 0.0, 1e-9);
    EXPECT_NEAR(axis.minY, -0.05 * view.referenceLength(), 1e-9);

    view.setSwitch(ShowSymmetryAxis, false);
    EXPECT_DOUBLE_EQ(view.referenceLength(), 4.0);
    const double supportWithoutAxis =
        boxOf(linesWithPen(view.picture(), settings.values.geometry.supportColour)).width();
    EXPECT_NEAR(supportWithAxis / supportWithoutAxis, std::sqrt(116.0) / 4.0, 1e-9);
    EXPECT_TRUE(linesWithPen(view.picture(), settings.values.axis.lineColour).empty());
}

TEST(GraphView, SupportSymbolsFollowTheFlagsAndTheInclination) {
    Model model;
    addNode(model, 0, 0);
    const int node = addNode(model, 10, 0);
    NodeRecord& record = model.nodes.row(node - 1);
    record.supportR = record.supportZ = 1;
    record.skewAngle = 90;
    DistinctSettings settings;
    const Colour grey = settings.values.geometry.supportColour;
    {
        GraphView view(model, settings);
        view.setSwitch(ShowSymmetryAxis, false);
        // Fixed in r and z, free to turn: only the triangle, its base turned
        // by 90 degrees to the left of the node (tip at the node).
        const std::vector<DrawnLine> lines = linesWithPen(view.picture(), grey);
        ASSERT_EQ(lines.size(), 3u);
        const BoundingBox box = boxOf(lines);
        EXPECT_NEAR(box.maxX, 10.0, 1e-9);
        EXPECT_NEAR(box.minX, 10.0 - 0.5 * 0.035 * view.referenceLength(), 1e-9);
    }
    record.supportRot = 1;
    {
        GraphView view(model, settings);
        // The clamp square instead of the triangle.
        EXPECT_EQ(linesWithPen(view.picture(), grey).size(), 4u);
    }
    record.supportRot = 0;
    record.supportR = 0;
    record.skewAngle = 0;
    {
        GraphView view(model, settings);
        view.setSwitch(ShowSymmetryAxis, false);
        // A roller: triangle and the bar below it.
        const std::vector<DrawnLine> lines = linesWithPen(view.picture(), grey);
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_NEAR(boxOf(lines).maxY, 12.0 / 20.0 * 0.035 * view.referenceLength(), 1e-9);
    }
    {
        GraphView view(model, settings);
        view.setSwitch(ShowSupports, false);
        EXPECT_TRUE(linesWithPen(view.picture(), grey).empty());
    }
}

TEST(GraphView, ShellWithTooSmallARadiusIsNeitherDrawnNorCounted) {
    Model model;
    addMaterial(model, 3e7, 0.2, 0.2);
    addShellWithNodes(model, 10, 0, 10, 4);
    addShellWithNodes(model, 20, 0, 30, 0, 2.0); // radius below half the chord
    DistinctSettings settings;
    GraphView view(model, settings);
    view.setSwitch(ShowSymmetryAxis, false);
    // The nodes of the bad shell count, its thirds do not.
    EXPECT_DOUBLE_EQ(view.referenceLength(), std::sqrt(400.0 + 16.0));
    const std::vector<DrawnLine> shellLines =
        linesWithPen(view.picture(), settings.values.geometry.shellColour);
    ASSERT_EQ(shellLines.size(), 1u);
    EXPECT_EQ(shellLines[0].start.x, 10.0);

    // An arc that bulges far out counts with its thirds.
    model.shells.row(1).radius = 6.0;
    model.shells.row(1).curvature = 1;
    view.rebuild();
    EXPECT_GT(view.referenceLength(), std::sqrt(400.0 + 16.0));
    EXPECT_GT(linesWithPen(view.picture(), settings.values.geometry.shellColour).size(), 10u);
}

TEST(GraphView, ShortBeddedShellStillGetsOneSpringAtItsMiddle) {
    Model model;
    addWall(model);
    addShellWithNodes(model, 40, 0, 40, 0.2); // short against the reference length
    model.materials.row(0).beddingModulus = 1000;
    DistinctSettings settings;
    settings.values.geometry.beddingLineWidth = 0.0077;
    GraphView view(model, settings);
    const double h = view.referenceLength();
    const std::vector<DrawnLine> springs =
        linesWithPen(view.picture(), settings.values.geometry.shellColour, 0.0077 * h);
    // Spring shape: seven segments per spring.
    const std::vector<DrawnLine> onShort =
        linesWhere(springs, [](const DrawnLine& l) { return l.start.x > 30; });
    ASSERT_EQ(onShort.size(), 7u);
    EXPECT_NEAR(onShort[0].start.y, 0.1, 1e-12); // the first point sits on the shell
    // The long wall gets m - 1 springs, m = trunc(4 * 0.7 / (0.027 h)).
    const int m = static_cast<int>(std::max(2.0, 4 * 0.7 / (0.027 * h)));
    EXPECT_EQ(springs.size() - onShort.size(), 7u * static_cast<unsigned>(m - 1));
}

TEST(GraphView, NumbersHingesAndRingBeamsAppearWithTheirSwitches) {
    Model model;
    addWall(model);
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.5, .releaseN = 1, .releaseM = 1});
    addRow(model.rings, RingRecord{.node = 2, .area = 0.25});
    DistinctSettings settings;
    GraphView view(model, settings);
    const Colour hinge = settings.values.geometry.hingeColour;
    // A released N: a white filled rectangle and two strokes; a released M
    // a circle filled white and outlined in the hinge colour.
    int polygons = 0;
    for (const PictureCommand& c : view.picture().commands())
        polygons += std::holds_alternative<PolygonCommand>(c) ? 1 : 0;
    EXPECT_EQ(polygons, 2);
    EXPECT_EQ(linesWithPen(view.picture(), hinge).size(), 2u);
    // The ring square has the side sqrt(A) = 0.5 whatever the reference
    // length.
    const BoundingBox ring =
        boxOf(linesWithPen(view.picture(), settings.values.geometry.ringColour));
    EXPECT_NEAR(ring.width(), 0.5, 1e-12);
    EXPECT_NEAR(centreOf(ring).y, 4.0, 1e-12);

    const int before = view.picture().commandCount();
    view.setSwitch(ShowShellNumbers, true);
    const int withShellNumbers = view.picture().commandCount();
    EXPECT_GT(withShellNumbers, before);
    view.setSwitch(ShowMaterialNumbers, true);
    view.setSwitch(ShowNodeNumbers, true);
    EXPECT_GT(view.picture().commandCount(), withShellNumbers);
}

TEST(GraphView, TitleAddsTheMagnificationOfTheDisplacementsOnTheDeformationTab) {
    Model model;
    addWall(model);
    DistinctSettings settings;
    FakePlotResults results;
    results.addShell(model, 0, {0, 0.5, 1}, {{1, 1}, {1, 1}});
    results.nodes[1].displacement = {0.0, 0.0016, 0.0}; // drawn 0.2 h long: 250-fold for h = 2
    GraphView view(model, settings);
    view.setSwitch(ShowSymmetryAxis, false); // h = 4, the wall's height
    view.selectTab(PlotTab::Deformation);
    EXPECT_EQ(view.title(), "Verformung"); // no results
    view.setResults(&results);
    view.rebuild();
    ASSERT_DOUBLE_EQ(view.referenceLength(), 4.0);
    EXPECT_EQ(view.title(), "Verformung, 500-fach überhöht");
    EXPECT_EQ(view.caption(), "Verformung"); // the window keeps its caption
    view.setDisplacementScale(0.5);
    EXPECT_EQ(view.title(), "Verformung, 250-fach überhöht");
    view.selectTab(PlotTab::MomentPhi);
    EXPECT_EQ(view.title(), "Momente Phi");
}

TEST(GraphView, MagnificationHasThreeSignificantDigitsAndNoExponent) {
    EXPECT_EQ(magnificationText(250.0), "250");
    EXPECT_EQ(magnificationText(253.7), "254");
    EXPECT_EQ(magnificationText(12345.0), "12300");
    EXPECT_EQ(magnificationText(2.5e7), "25000000");
    EXPECT_EQ(magnificationText(99.96), "100");
    EXPECT_EQ(magnificationText(2.5), "2.5");
    EXPECT_EQ(magnificationText(0.012345), "0.0123");
}
