#include "GeneratorTestSupport.h"

#include "generator/EllipsoidalHead.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace venkar {
namespace {

using test::angleBetween;
using test::isClose;
using test::meridians;
using test::modelOf;

// A point of a head in coordinates of its own: rho from the axis, h the
// height above the rim's plane towards the crown.
struct Local {
    double rho;
    double h;
};

struct HeadCase {
    std::string name;
    double diameter;
    Direction bulge;
    bool fromCrown;                                // start on the axis, not at the rim
    std::function<ShapeRows(Vector2)> build;       // the head from a starting point
    std::function<double(Local)> surfaceDeviation; // distance from the exact surface
    bool verticalAtRim;
};

double circleDeviation(Local p, Local centre, double radius) {
    return std::fabs(std::hypot(p.rho - centre.rho, p.h - centre.h) - radius);
}

HeadCase capCase(double sphereRadius, double diameter, Direction bulge, bool fromCrown) {
    const double a = diameter / 2;
    const Local centre{0.0, -std::sqrt(sphereRadius * sphereRadius - a * a)};
    return {"cap R=" + std::to_string(sphereRadius),
            diameter,
            bulge,
            fromCrown,
            [=](Vector2 start) {
                return sphericalCap(start, {sphereRadius, diameter, bulge, 3});
            },
            [=](Local p) { return circleDeviation(p, centre, sphereRadius); },
            sphereRadius == a};
}

HeadCase torisphericalCase(double crownRadius, double knuckleRadius, double diameter,
                           Direction bulge, bool fromCrown) {
    const double a = diameter / 2;
    const Local knuckle{a - knuckleRadius, 0.0};
    const Local crown{
        0.0, -std::sqrt(std::pow(crownRadius - knuckleRadius, 2) - std::pow(a - knuckleRadius, 2))};
    // Where the circles touch: on the line from the crown's centre through
    // the knuckle's.
    const double rhoTouch = (a - knuckleRadius) * crownRadius / (crownRadius - knuckleRadius);
    return {"torispherical Rc=" + std::to_string(crownRadius),
            diameter,
            bulge,
            fromCrown,
            [=](Vector2 start) {
                return torisphericalHead(start, {crownRadius, knuckleRadius, diameter, bulge, 2});
            },
            [=](Local p) {
                return p.rho >= rhoTouch - 1e-12 ? circleDeviation(p, knuckle, knuckleRadius)
                                                 : circleDeviation(p, crown, crownRadius);
            },
            true};
}

HeadCase ellipsoidalCase(double diameter, Direction bulge, bool fromCrown) {
    const double a = diameter / 2;
    const double b = diameter / 4;
    return {"ellipsoidal",
            diameter,
            bulge,
            fromCrown,
            [=](Vector2 start) {
                return ellipsoidalHead(start, {diameter, bulge});
            },
            [=](Local p) {
                // The distance from the ellipse, to first order.
                const double f = p.rho * p.rho / (a * a) + p.h * p.h / (b * b) - 1.0;
                const double gradient = 2.0 * std::hypot(p.rho / (a * a), p.h / (b * b));
                return std::fabs(f) / gradient;
            },
            true};
}

std::vector<HeadCase> headCases() {
    std::vector<HeadCase> cases;
    for (Direction bulge : {Direction::up, Direction::down})
        for (bool fromCrown : {false, true}) {
            cases.push_back(capCase(5.0, 6.0, bulge, fromCrown));
            cases.push_back(capCase(3.0, 6.0, bulge, fromCrown));                // a hemisphere
            cases.push_back(torisphericalCase(4.0, 0.4, 4.0, bulge, fromCrown)); // Klöpper
            cases.push_back(torisphericalCase(3.2, 0.616, 4.0, bulge, fromCrown));
            cases.push_back(ellipsoidalCase(4.0, bulge, fromCrown));
        }
    return cases;
}

std::string describe(const HeadCase& c) {
    return c.name + (c.bulge == Direction::up ? " up" : " down") +
           (c.fromCrown ? " from the crown" : " from the rim");
}

// Builds the head of a case from a starting point at height 10 and returns
// its system and the height of its rim's plane.
struct BuiltHead {
    Model model;
    double rimZ;
    double up; // +1 when the crown lies above the rim (smaller z)
};

BuiltHead build(const HeadCase& c) {
    const Vector2 start{c.fromCrown ? 0.0 : c.diameter / 2, 10.0};
    const ShapeRows rows = c.build(start);
    EXPECT_TRUE(equals(rows.point(0), start));
    const Vector2 rim = c.fromCrown ? rows.point(rows.lastNode()) : rows.point(0);
    const Vector2 crown = c.fromCrown ? rows.point(0) : rows.point(rows.lastNode());
    EXPECT_EQ(rim.x, c.diameter / 2);
    EXPECT_EQ(crown.x, 0.0);
    const double up = c.bulge == Direction::up ? 1.0 : -1.0;
    EXPECT_GT(up * (rim.y - crown.y), 0.0) << "the crown lies on the side of the bulge";
    return {modelOf(rows), rim.y, up};
}

TEST(HeadShapes, NodesAndArcsLieOnTheHeadsSurface) {
    for (const HeadCase& c : headCases()) {
        SCOPED_TRACE(describe(c));
        const BuiltHead head = build(c);
        const auto local = [&](Vector2 p) { return Local{p.x, head.up * (head.rimZ - p.y)}; };
        // Nodes exactly; points inside the arcs exactly for the circles, and
        // within a two-thousandth of the diameter for the ellipse's arcs.
        const double inside = c.name == "ellipsoidal" ? 5e-4 * c.diameter : 1e-9 * c.diameter;
        for (int row : head.model.nodes.definedRows()) {
            const NodeRecord& node = head.model.nodes.row(row);
            EXPECT_LE(c.surfaceDeviation(local({node.r, node.z})), 1e-9 * c.diameter) << row;
        }
        for (const Meridian& m : meridians(head.model)) {
            ASSERT_TRUE(m.arc);
            for (double x : {0.25, 0.5, 0.75})
                EXPECT_LE(c.surfaceDeviation(local(m.pointAt(x))), inside) << x;
        }
        for (int row : head.model.shells.definedRows())
            EXPECT_EQ(head.model.shells.row(row).discretisationFactor, 2.0);
    }
}

TEST(HeadShapes, TangentsAgreeAtEveryJointAndAreVerticalAtTheRimAndLevelAtTheCrown) {
    for (const HeadCase& c : headCases()) {
        SCOPED_TRACE(describe(c));
        const BuiltHead head = build(c);
        const std::vector<Meridian> chain = meridians(head.model);
        // Circles meet exactly; the ellipse's arcs with a kink far below a
        // tenth of a degree.
        const double kink = c.name == "ellipsoidal" ? 0.1 * M_PI / 180 : 1e-9;
        for (std::size_t i = 1; i < chain.size(); ++i)
            EXPECT_LE(angleBetween(chain[i - 1].tangentAngle(1.0), chain[i].tangentAngle(0.0)),
                      kink)
                << "joint " << i;
        const Meridian& rimShell = c.fromCrown ? chain.back() : chain.front();
        const Meridian& crownShell = c.fromCrown ? chain.front() : chain.back();
        const double rimTangent = rimShell.tangentAngle(c.fromCrown ? 1.0 : 0.0);
        const double crownTangent = crownShell.tangentAngle(c.fromCrown ? 0.0 : 1.0);
        EXPECT_LE(std::fabs(std::sin(crownTangent)), 1e-9);
        if (c.verticalAtRim) {
            EXPECT_LE(std::fabs(std::cos(rimTangent)), 1e-9);
        }
    }
}

TEST(HeadShapes, EveryArcOfTheEllipsoidalHeadKeepsTheEllipsesCurvatureWithinFivePercent) {
    for (double diameter : {0.8, 4.0, 30.0}) {
        SCOPED_TRACE(diameter);
        const double a = diameter / 2;
        const double b = diameter / 4;
        const Model model = modelOf(ellipsoidalHead({a, 0.0}, {diameter, Direction::up}));
        const std::vector<Meridian> chain = meridians(model);
        EXPECT_GE(chain.size(), 5u);
        EXPECT_LE(chain.size(), 40u);
        // The ellipse parameter of a point on it: r = a cos t, height b sin t.
        const auto parameter = [&](Vector2 p) { return std::atan2(-p.y / b, p.x / a); };
        double worst = 0.0;
        for (const Meridian& m : chain) {
            const double t0 = parameter(m.start);
            const double t1 = parameter(m.end);
            ASSERT_LT(t0, t1);
            for (int k = 0; k <= 40; ++k) {
                const double t = t0 + (t1 - t0) * k / 40;
                worst = std::max(worst,
                                 std::fabs(ellipseCurvature(a, b, t) * std::fabs(m.radius) - 1.0));
            }
        }
        EXPECT_LE(worst, 0.05);
        // The chain is no finer than it needs to be: some arc uses most of
        // the allowance.
        EXPECT_GE(worst, 0.04);
    }
}

TEST(HeadShapes, DimensionsThatMakeNoHeadAreRefused) {
    const std::vector<std::function<void()>> refused{
        [] {
            sphericalCap({3, 0}, {2.9, 6.0, Direction::up, 1});
        }, // sphere too small
        [] {
            sphericalCap({2, 0}, {5.0, 6.0, Direction::up, 1});
        }, // off rim and axis
        [] {
            torisphericalHead({2, 0}, {4.0, 2.0, 4.0, Direction::up, 1});
        }, // knuckle = D/2
        [] {
            torisphericalHead({2, 0}, {2.0, 0.4, 4.0, Direction::up, 1});
        }, // crown = D/2
        [] {
            torisphericalHead({2, 0}, {4.0, 0.0, 4.0, Direction::up, 1});
        },
        [] {
            ellipsoidalHead({0, 0}, {0.0, Direction::up});
        },
        [] {
            sphericalCap({3, 0}, {5.0, 6.0, Direction::up, 0});
        },
    };
    for (std::size_t i = 0; i < refused.size(); ++i)
        EXPECT_THROW(refused[i](), VenkarError) << i;
}

} // namespace
} // namespace venkar
