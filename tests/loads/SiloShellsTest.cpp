#include "loads/SiloShells.h"
#include "loads/SiloLoading.h"
#include "support/SiloModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace venkar {
namespace {

using test::addNode;
using test::addShell;
using test::addShellWithNodes;
using test::buildSilo;

TEST(SiloShells, WallAndHopperWhicheverWayTheShellsWereEntered) {
    for (bool reversed : {false, true}) {
        Model model;
        buildSilo(model, {.reversed = reversed});
        const WallShape wall = wallShape(model, test::siloLoad(4));
        EXPECT_EQ(wall.fault, SiloShapeFault::none) << reversed;
        EXPECT_DOUBLE_EQ(wall.radius, 2.0);
        EXPECT_DOUBLE_EQ(wall.top, 0.0);
        EXPECT_DOUBLE_EQ(wall.bottom, 10.0);
        const HopperShape hopper = hopperShape(model, test::hopperLoad(4));
        EXPECT_EQ(hopper.fault, SiloShapeFault::none) << reversed;
        EXPECT_NEAR(hopper.halfAngle, std::atan(0.5), 1e-12);
        EXPECT_NEAR(hopper.apexDepth, 14.0, 1e-12);
        EXPECT_EQ(wallAboveHopper(model, hopper), std::optional<int>{});
        model.siloLoads.changeValid(0, 0, rowFromFile);
        model.siloLoads.rowAt(0) = test::siloLoad(4);
        EXPECT_EQ(wallAboveHopper(model, hopper), std::optional<int>{0});
    }
}

TEST(SiloShells, ShapesThatAreNoWallOrHopper) {
    struct Case {
        const char* what;
        void (*build)(Model&);
        bool hopper;
        SiloShapeFault fault;
    };
    const Case cases[] = {
        {"gap between shells",
         [](Model& m) {
             addShellWithNodes(m, 2, 0, 2, 5);
             addShellWithNodes(m, 2, 5, 2, 10); // its own node at z = 5
         },
         false, SiloShapeFault::notChain},
        {"turns back up",
         [](Model& m) {
             addShellWithNodes(m, 2, 0, 2, 5);
             addShell(m, 2, addNode(m, 2, 2));
         },
         false, SiloShapeFault::notChain},
        {"leaning wall", [](Model& m) { addShellWithNodes(m, 2, 0, 2.5, 10); }, false,
         SiloShapeFault::wallNotVertical},
        {"curved wall", [](Model& m) { addShellWithNodes(m, 2, 0, 2, 10, 20.0); }, false,
         SiloShapeFault::wallNotVertical},
        {"wall on the axis", [](Model& m) { addShellWithNodes(m, 0, 0, 0, 10); }, false,
         SiloShapeFault::wallNotVertical},
        {"kinked hopper",
         [](Model& m) {
             addShellWithNodes(m, 2, 10, 1, 11);
             addShell(m, 2, addNode(m, 0, 13));
         },
         true, SiloShapeFault::hopperNotConical},
        {"widening hopper", [](Model& m) { addShellWithNodes(m, 1, 10, 2, 11); }, true,
         SiloShapeFault::hopperNotConical},
        {"flat bottom", [](Model& m) { addShellWithNodes(m, 2, 10, 0, 10); }, true,
         SiloShapeFault::notChain},
    };
    for (const Case& c : cases) {
        Model model;
        c.build(model);
        const int last = model.shells.count();
        const SiloShapeFault fault =
            c.hopper ? hopperShape(model, HopperLoadRecord{.fromShell = 1, .toShell = last}).fault
                     : wallShape(model, SiloLoadRecord{.fromShell = 1, .toShell = last}).fault;
        EXPECT_EQ(fault, c.fault) << c.what;
    }
}

// The load is a global vector: outward p_h and downward p_w on the wall,
// p_n and p_t on the hopper turned by β, the same for reversed shells.
TEST(SiloShells, LoadActsOutwardAndDownward) {
    for (bool reversed : {false, true}) {
        Model model;
        buildSilo(model, {.reversed = reversed});
        test::addRow(model.siloLoads, test::siloLoad(4));
        test::addRow(model.hopperLoads, test::hopperLoad(4));
        SiloWall wall = siloWall(test::siloLoad(4), wallShape(model, test::siloLoad(4)));
        const WallPressure p = wallPressure(wall, 7.0);
        const Vector2 onWall = SiloLoading(model, 3).at({2.0, 7.0});
        EXPECT_GT(p.horizontal, 0.0);
        EXPECT_DOUBLE_EQ(onWall.x, p.horizontal);
        EXPECT_DOUBLE_EQ(onWall.y, p.friction);

        // Shallow or steep, the hopper's pressure has an outward and a
        // downward part; its normal part is F·p_v at x = 2 above the apex.
        const Vector2 onHopper = SiloLoading(model, 6).at({1.0, 12.0});
        const double beta = std::atan(0.5);
        const double normal = onHopper.x * std::cos(beta) + onHopper.y * std::sin(beta);
        const double tangential = -onHopper.x * std::sin(beta) + onHopper.y * std::cos(beta);
        const Hopper hopper =
            siloHopper(test::hopperLoad(4), hopperShape(model, test::hopperLoad(4)));
        const HopperLoadParameters parameters = hopperLoadParameters(
            hopper, 0.5, SiloState::filling, wallPressure(wall, 10.0).vertical);
        const HopperPressure expected = hopperPressure(parameters, 9.0, 4.0, 2.0);
        EXPECT_NEAR(normal, expected.normal, 1e-12);
        EXPECT_NEAR(tangential, expected.friction, 1e-12);
        EXPECT_GT(onHopper.y, 0.0);
    }
}

} // namespace
} // namespace venkar
