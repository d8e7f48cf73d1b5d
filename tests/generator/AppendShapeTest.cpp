#include "GeneratorTestSupport.h"

#include "analysis/AnalysisTestSupport.h"
#include "checks/SystemCheck.h"
#include "support/ModelRows.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

namespace venkar {
namespace {

using test::addMaterial;
using test::addNode;
using test::addRow;
using test::isClose;
using test::steel;

TEST(AppendShape, RowsFollowTheLastDefinedRowsAndStartAtTheChosenOrCoincidingNode) {
    Model model;
    addNode(model, 0.0, 0.0);
    addNode(model, 3.0, 0.0);
    addRow(model.nodes, NodeRecord{.r = 9.0}); // row 3 stays empty
    model.nodes.changeValid(2, 0, rowUndefined);
    addRow(model.nodes, NodeRecord{.r = 7.0, .z = 7.0}); // node 4
    test::addShell(model, 1, 2);
    addMaterial(model, 1e7, 0.1, 0.2);
    addRow(model.materials, MatRecord{});
    model.materials.changeValid(1, 0, rowUndefined);
    addMaterial(model, 3e7, 0.2, 0.2); // material 3

    const AppendedShape wall = appendShape(model, cylinder({3, 0}, {4.0, Direction::down, 2}),
                                           ShapeStart{2, {}}, ShapeMaterial{3, {}}, 5);
    EXPECT_EQ(wall.startNode, 2);
    EXPECT_EQ(wall.firstNewNode, 5);
    EXPECT_EQ(wall.lastNode, 6);
    EXPECT_EQ(wall.firstShell, 2);
    EXPECT_EQ(wall.lastShell, 3);
    EXPECT_EQ(wall.material, 3);
    EXPECT_FALSE(wall.newMaterial);
    EXPECT_EQ(model.nodes.row(5).z, 4.0);
    EXPECT_EQ(model.nodes.rowState(5), rowEdited);
    const ShellRecord& second = model.shells.row(2);
    EXPECT_EQ(second.startNode, 5);
    EXPECT_EQ(second.endNode, 6);
    EXPECT_EQ(second.material, 3);
    EXPECT_EQ(second.radius, 0.0);
    EXPECT_EQ(second.discretisationFactor, 1.0);
    EXPECT_EQ(second.intervals, 5);

    // A starting point on node 2 continues from node 2; the new material
    // follows material 3.
    const Vector2 rim{3.0, 0.0};
    const AppendedShape head = appendShape(model, sphericalCap(rim, {5.0, 6.0, Direction::up, 2}),
                                           ShapeStart{0, rim}, ShapeMaterial{0, steel()});
    EXPECT_EQ(head.startNode, 2);
    EXPECT_EQ(head.firstNewNode, 7);
    EXPECT_EQ(head.lastNode, 8);
    EXPECT_EQ(model.shells.row(3).startNode, 2);
    EXPECT_EQ(head.material, 4);
    EXPECT_TRUE(head.newMaterial);
    EXPECT_EQ(model.materials.row(3).specificWeight, 78.5);
    EXPECT_EQ(model.shells.row(4).material, 4);
    EXPECT_EQ(model.shells.row(4).discretisationFactor, 2.0);
    EXPECT_EQ(model.nodes.definedCount(), 7);
    EXPECT_EQ(model.shells.definedCount(), 5);
}

TEST(AppendShape, AnUndefinedStartNodeOrMaterialWritesNothing) {
    Model model;
    addNode(model, 2.0, 0.0);
    addMaterial(model, 1e7, 0.1, 0.2);
    const ShapeRows rows = cylinder({2, 0}, {1.0, Direction::down, 1});
    EXPECT_THROW(appendShape(model, rows, ShapeStart{3, {}}, ShapeMaterial{1, {}}), VenkarError);
    EXPECT_THROW(appendShape(model, rows, ShapeStart{1, {}}, ShapeMaterial{2, {}}), VenkarError);
    EXPECT_THROW(startPointOf(model, ShapeStart{-1, {}}), VenkarError);
    EXPECT_EQ(model.nodes.count(), 1);
    EXPECT_EQ(model.shells.count(), 0);
    EXPECT_EQ(model.materials.count(), 1);
}

// The self weight of straight shells: gamma t times the cone areas
// pi (r1 + r2) s.
double straightShellsWeight(const Model& model, const MatRecord& material) {
    double area = 0.0;
    for (int row : model.shells.definedRows()) {
        const Vector2 s = startPoint(model, row);
        const Vector2 e = endPoint(model, row);
        area += M_PI * (s.x + e.x) * length(e - s);
    }
    return material.specificWeight * material.wallThickness * area;
}

TEST(AppendShape, AGeneratedSiloPassesTheCheckAndCarriesItsWeightToItsSupports) {
    for (SiloSupport support : {SiloSupport::transition, SiloSupport::skirt}) {
        SCOPED_TRACE(support == SiloSupport::skirt ? "skirt" : "transition");
        Model model;
        const SiloShape shape{.diameter = 6.0,
                              .roofAngle = 10.0,
                              .wallHeight = 12.0,
                              .wallShells = 3,
                              .hopperAngle = 35.0,
                              .outletDiameter = 0.6,
                              .hopperShells = 2,
                              .support = support,
                              .skirtHeight = 2.5};
        appendShape(model, silo({0, 0}, shape), ShapeStart{0, {0, 0}}, ShapeMaterial{0, steel()});
        ASSERT_FALSE(checkSystem(model)) << checkSystem(model)->message;

        model.setSelfWeight(true);
        test::Calculation calc;
        ASSERT_TRUE(calculate(model, calc.analysis, calc.status, calc.messages));
        double carried = 0.0;
        for (const ReactionResult& reaction : calc.analysis.results.reactions)
            carried += 2.0 * M_PI * model.nodes.row(reaction.number - 1).r * reaction.forceZ;
        // z points down: the supports push up.
        EXPECT_TRUE(isClose(-carried, straightShellsWeight(model, steel()), 1e-8));
    }
}

TEST(AppendShape, AVesselOfGeneratedHeadsAndWallPassesTheCheckAndCalculates) {
    Model model;
    const ShapeMaterial material{0, steel()};
    // Bottom head from its crown on the axis, the wall, the top head.
    const AppendedShape bottom = appendShape(
        model, ellipsoidalHead({0, 10}, {4.0, Direction::down}), {0, {0, 10}}, material);
    const Vector2 rim = nodePoint(model, bottom.lastNode);
    EXPECT_TRUE(isClose(rim.y, 9.0, 1e-12));
    const AppendedShape wall = appendShape(model, cylinder(rim, {5.0, Direction::up, 2}),
                                           {bottom.lastNode, {}}, ShapeMaterial{1, {}});
    const Vector2 top = nodePoint(model, wall.lastNode);
    appendShape(model, torisphericalHead(top, {4.0, 0.4, 4.0, Direction::up, 2}),
                {wall.lastNode, {}}, ShapeMaterial{1, {}});
    ASSERT_FALSE(checkSystem(model)) << checkSystem(model)->message;
    EXPECT_EQ(model.materials.definedCount(), 1);

    model.nodes.row(bottom.lastNode - 1).supportZ = 1;
    model.setSelfWeight(true);
    test::Calculation calc;
    EXPECT_TRUE(calculate(model, calc.analysis, calc.status, calc.messages));
}

} // namespace
} // namespace venkar
