#include "geometry/Vector2.h"
#include "geometry/BoundingBox.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace venkar;
constexpr double pi = std::numbers::pi;

TEST(Vector2, SignumHasADeadBandBelow1e10) {
    EXPECT_EQ(signum(1e-11), 0.0);
    EXPECT_EQ(signum(-1e-11), 0.0);
    EXPECT_EQ(signum(1e-10), 1.0);
    EXPECT_EQ(signum(-1e-10), -1.0);
    EXPECT_EQ(signum(-7.0), -1.0);
}

TEST(Vector2, AngleOfRangesFromMinusHalfPiToThreeHalvesPi) {
    EXPECT_EQ(angleOf({0, 0}), 0.0);
    EXPECT_EQ(angleOf({1e-9, 0}), 0.0);
    EXPECT_DOUBLE_EQ(angleOf({0, -1}), -pi / 2);
    EXPECT_DOUBLE_EQ(angleOf({0, 1}), pi / 2);
    EXPECT_DOUBLE_EQ(angleOf({-1, 0}), pi);
    EXPECT_GT(angleOf({-1, -1e-12}), pi);
    EXPECT_NEAR(angleOf({-1, -1}), 1.25 * pi, 1e-15);
}

TEST(Vector2, TurnWorksInPlaceAndReturnsTheResult) {
    Vector2 v{1, 0};
    const Vector2 turned = turn(v, pi / 2);
    EXPECT_NEAR(v.x, 6.1e-17, 1e-17);
    EXPECT_DOUBLE_EQ(v.y, 1.0);
    EXPECT_TRUE(equals(turned, v));
    turn(v, -pi / 2);
    EXPECT_NEAR(v.x, 1.0, 1e-15);
    EXPECT_NEAR(v.y, 0.0, 1e-15);
}

TEST(Vector2, EqualsIsExact) {
    EXPECT_TRUE(equals({0.0, 1.0}, {-0.0, 1.0}));
    EXPECT_FALSE(equals({1.0, 1.0}, {1.0, 1.0 + 1e-16 * 2}));
}

TEST(BoundingBox, GrowsFromEmptyAndUnites) {
    BoundingBox box;
    EXPECT_TRUE(box.isEmpty());
    extend(box, {2, 3});
    EXPECT_EQ(diagonal(box), 0.0);
    extend(box, {-1, 7});
    EXPECT_EQ(box.minX, -1);
    EXPECT_EQ(box.maxY, 7);
    EXPECT_DOUBLE_EQ(diagonal(box), 5.0);
    const BoundingBox other = BoundingBox::ofPoint({10, 0});
    const BoundingBox both = unite(box, other);
    EXPECT_EQ(both.maxX, 10);
    EXPECT_EQ(both.minY, 0);
    EXPECT_EQ(both.minX, -1);
}
