#include "loads/WindLoadDirection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

struct Point {
    double r;
    double z;
};

// The load direction in (r, z) of a positive c_p: the factor times the
// element normal n ∝ (-dz, dr) of today's surface loads (z down).
Point windDirection(Point a, Point b) {
    const double f = windNormalLoadFactor(a.r, a.z, b.r, b.z);
    const double dr = b.r - a.r;
    const double dz = b.z - a.z;
    const double length = std::hypot(dr, dz);
    return {f * -dz / length, f * dr / length};
}

// Each shape in both node orders: the wind direction belongs to the shape,
// not to the order in which it was typed.
TEST(WindLoadDirection, PositivePressurePushesTheOutsideInWhateverTheNodeOrder) {
    struct Case {
        const char* shape;
        Point a;
        Point b;
        Point expected; // direction of a positive c_p
    };
    const double s = std::sqrt(0.5);
    const Case cases[] = {
        {"wall, base to top", {6.0, 8.0}, {6.0, 0.0}, {-1.0, 0.0}},
        {"cone narrowing downwards (a hopper)", {6.0, 0.0}, {4.0, 2.0}, {-s, -s}},
        {"dome, crown to eaves", {0.0, 0.0}, {1.0, 1.0}, {-s, s}},
        {"lower half of a sphere", {6.0, 0.0}, {5.0, 1.0}, {-s, -s}},
        {"flat plate", {0.0, 3.0}, {5.0, 3.0}, {0.0, 1.0}},
    };
    for (const Case& c : cases) {
        for (bool reversed : {false, true}) {
            const Point d = reversed ? windDirection(c.b, c.a) : windDirection(c.a, c.b);
            EXPECT_NEAR(d.r, c.expected.r, 1e-15) << c.shape << (reversed ? ", reversed" : "");
            EXPECT_NEAR(d.z, c.expected.z, 1e-15) << c.shape << (reversed ? ", reversed" : "");
        }
    }
}

} // namespace
} // namespace venkar
