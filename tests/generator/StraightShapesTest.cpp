#include "GeneratorTestSupport.h"

#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <functional>

namespace venkar {
namespace {

using test::isClose;

// The points of a shape's nodes in order.
std::vector<Vector2> points(const ShapeRows& rows) {
    std::vector<Vector2> list;
    for (const ShapeNode& node : rows.nodes)
        list.push_back(node.point);
    return list;
}

void expectPoints(const ShapeRows& rows, const std::vector<Vector2>& expected) {
    const std::vector<Vector2> actual = points(rows);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_TRUE(isClose(actual[i].x, expected[i].x, 1e-12, 1.0)) << "node " << i;
        EXPECT_TRUE(isClose(actual[i].y, expected[i].y, 1e-12, 1.0)) << "node " << i;
    }
}

// A straight chain: shell i joins node i to node i + 1.
void expectStraightChain(const ShapeRows& rows) {
    ASSERT_EQ(rows.shells.size() + 1, rows.nodes.size());
    for (std::size_t i = 0; i < rows.shells.size(); ++i) {
        EXPECT_EQ(rows.shells[i].startNode, static_cast<int>(i));
        EXPECT_EQ(rows.shells[i].endNode, static_cast<int>(i) + 1);
        EXPECT_FALSE(rows.shells[i].centre);
    }
}

TEST(StraightShapes, CylindersAndConesEndWhereTheirDimensionsSay) {
    struct Case {
        const char* name;
        ShapeRows rows;
        std::vector<Vector2> nodes;
    };
    const double t30 = std::tan(M_PI / 6);
    const std::vector<Case> cases{
        {"cylinder down",
         cylinder({2, 1}, {6.0, Direction::down, 3}),
         {{2, 1}, {2, 3}, {2, 5}, {2, 7}}},
        {"cylinder up", cylinder({2, 1}, {4.0, Direction::up, 1}), {{2, 1}, {2, -3}}},
        {"cone to an end radius",
         cone({2, 0}, {3.0, Direction::down, false, 0.5, 0.0, 2}),
         {{2, 0}, {1.25, 1.5}, {0.5, 3}}},
        {"cone to the apex",
         cone({2, 0}, {1.0, Direction::up, false, 0.0, 0.0, 1}),
         {{2, 0}, {0, -1}}},
        {"cone widening by 30°",
         cone({1, 0}, {2.0, Direction::down, true, 0.0, 30.0, 1}),
         {{1, 0}, {1 + 2 * t30, 2}}},
        {"cone narrowing by 30°",
         cone({2, 0}, {2.0, Direction::up, true, 0.0, -30.0, 1}),
         {{2, 0}, {2 - 2 * t30, -2}}},
        {"cone from the axis",
         cone({0, 0}, {1.0, Direction::down, false, 3.0, 0.0, 1}),
         {{0, 0}, {3, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectPoints(c.rows, c.nodes);
        expectStraightChain(c.rows);
    }
}

TEST(StraightShapes, TheSiloRunsFromTheRoofsApexThroughWallAndHopperToItsSupports) {
    const double roof = std::tan(15.0 * M_PI / 180);
    const double hopper = 1.5 / std::tan(40.0 * M_PI / 180); // radius 2 to outlet 0.5
    SiloShape shape{.diameter = 4.0,
                    .roofAngle = 15.0,
                    .wallHeight = 8.0,
                    .wallShells = 2,
                    .hopperAngle = 40.0,
                    .outletDiameter = 1.0,
                    .hopperShells = 1};
    const ShapeRows atTransition = silo({0, -1}, shape);
    const double eaves = -1 + 2 * roof;
    expectPoints(atTransition,
                 {{0, -1}, {2, eaves}, {2, eaves + 4}, {2, eaves + 8}, {0.5, eaves + 8 + hopper}});
    expectStraightChain(atTransition);
    for (std::size_t i = 0; i < atTransition.nodes.size(); ++i) {
        const ShapeNode& node = atTransition.nodes[i];
        EXPECT_EQ(node.supportZ, i == 3 ? 1 : 0) << i;
        EXPECT_EQ(node.supportR + node.supportRot, 0) << i;
    }

    shape.support = SiloSupport::skirt;
    shape.skirtHeight = 3.0;
    const ShapeRows onSkirt = silo({0, -1}, shape);
    ASSERT_EQ(onSkirt.nodes.size(), 6u);
    EXPECT_EQ(onSkirt.point(5).x, 2.0);
    EXPECT_TRUE(isClose(onSkirt.point(5).y, eaves + 11, 1e-12));
    const ShapeShell& skirt = onSkirt.shells.back();
    EXPECT_EQ(skirt.startNode, 3); // branches off at the transition
    EXPECT_EQ(skirt.endNode, 5);
    EXPECT_EQ(onSkirt.nodes[5].supportR, 1);
    EXPECT_EQ(onSkirt.nodes[5].supportZ, 1);
    EXPECT_EQ(onSkirt.nodes[3].supportZ, 0);
}

TEST(StraightShapes, DimensionsThatMakeNoShapeAreRefused) {
    const SiloShape silo1{.diameter = 4, .wallHeight = 8, .hopperAngle = 40};
    const auto siloWith = [&](auto change) {
        SiloShape s = silo1;
        change(s);
        return [s] { silo({0, 0}, s); };
    };
    const std::vector<std::function<void()>> refused{
        [] {
            cylinder({2, 0}, {0.0, Direction::down, 1});
        },
        [] {
            cylinder({0, 0}, {1.0, Direction::down, 1});
        }, // on the axis
        [] {
            cylinder({2, 0}, {1.0, Direction::down, 0});
        },
        [] {
            cone({2, 0}, {1.0, Direction::down, false, -1.0, 0.0, 1});
        },
        [] {
            cone({0, 0}, {1.0, Direction::down, false, 0.0, 0.0, 1});
        },
        [] {
            cone({1, 0}, {2.0, Direction::down, true, 0.0, -60.0, 1});
        }, // crosses the axis
        [] {
            cone({1, 0}, {2.0, Direction::down, true, 0.0, 90.0, 1});
        },
        [] {
            cylinder({2, 0}, {std::nan(""), Direction::down, 1});
        },
        siloWith([](SiloShape& s) { s.hopperAngle = 0; }),
        siloWith([](SiloShape& s) { s.roofAngle = 90; }),
        siloWith([](SiloShape& s) { s.outletDiameter = 4; }),
        siloWith([](SiloShape& s) { s.support = SiloSupport::skirt; }), // no skirt height
        [&] {
            silo({1, 0}, silo1);
        }, // not on the axis
    };
    for (std::size_t i = 0; i < refused.size(); ++i)
        EXPECT_THROW(refused[i](), VenkarError) << i;
    EXPECT_NO_THROW(silo({0, 0}, silo1));
}

} // namespace
} // namespace venkar
