#include "graphics/ViewTransform.h"

#include "support/Tolerance.h"

#include <gtest/gtest.h>

using namespace venkar;
using venkar::test::isClose;

namespace {

ViewTransform someTransform() {
    ViewTransform t;
    t.world = {1, 2, 3, 4};
    t.scaleX = 7.0;
    t.scaleY = 8.0;
    t.offsetX = -1.0;
    t.offsetY = 2.0;
    return t;
}

void expectSame(const ViewTransform& a, const ViewTransform& b) {
    EXPECT_EQ(a.world.minX, b.world.minX);
    EXPECT_EQ(a.world.maxY, b.world.maxY);
    EXPECT_EQ(a.scaleX, b.scaleX);
    EXPECT_EQ(a.scaleY, b.scaleY);
    EXPECT_EQ(a.offsetX, b.offsetX);
    EXPECT_EQ(a.offsetY, b.offsetY);
}

} // namespace

TEST(FitView, LeavesTheTransformForAnEmptyBoxOrASinglePoint) {
    ViewTransform t = someTransform();
    fitView(t, BoundingBox{}, {0, 0, 640, 480}, 1.0);
    expectSame(t, someTransform());
    const BoundingBox emptyPicture{3.4028234663852886e38, 3.4028234663852886e38,
                                   -3.4028234663852886e38, -3.4028234663852886e38};
    fitView(t, emptyPicture, {0, 0, 640, 480}, 1.0);
    expectSame(t, someTransform());
    fitView(t, BoundingBox::ofPoint({5, 5}), {0, 0, 640, 480}, 1.0);
    expectSame(t, someTransform());
}

TEST(FitView, CentresTheWorldWithATenthOfMarginInTheLimitingDirection) {
    ViewTransform t;
    const BoundingBox world{-1, 0, 3, 1}; // 4 wide, 1 high
    fitView(t, world, {10, 20, 450, 220}, 1.0);
    // Width limits: 440 / (4 * 1.1) = 100 pixels per unit.
    EXPECT_TRUE(isClose(t.scaleX, 100.0));
    EXPECT_TRUE(isClose(t.scaleY, 100.0));
    const DevicePoint lowLeft = worldToDevice(t, {world.minX, world.minY});
    const DevicePoint highRight = worldToDevice(t, {world.maxX, world.maxY});
    EXPECT_EQ(lowLeft.x, 30); // centre 230 - 200
    EXPECT_EQ(highRight.x, 430);
    EXPECT_EQ(lowLeft.y, 70); // centre 120 - 50
    EXPECT_EQ(highRight.y, 170);
}

TEST(FitView, VerticalLineIsScaledByItsHeightAlone) {
    ViewTransform t;
    fitView(t, {2, 0, 2, 10}, {0, 0, 200, 100}, 1.0);
    EXPECT_TRUE(isClose(t.scaleX, 100.0 / 11.0));
    EXPECT_TRUE(isClose(t.scaleY, 100.0 / 11.0));
    EXPECT_EQ(worldToDevice(t, {2, 0}).x, 100);
    EXPECT_EQ(worldToDevice(t, {2, 0}).y, 5);
    EXPECT_EQ(worldToDevice(t, {2, 10}).y, 95);
}

TEST(FitView, AspectStretchesTheVerticalScale) {
    ViewTransform t;
    // A printer with twice the vertical resolution: aspect 0.5.
    fitView(t, {0, 0, 10, 10}, {0, 0, 110, 220}, 0.5);
    EXPECT_TRUE(isClose(t.scaleX, 10.0));
    EXPECT_TRUE(isClose(t.scaleY, 20.0));
    EXPECT_EQ(worldToDevice(t, {5, 5}).x, 55);
    EXPECT_EQ(worldToDevice(t, {5, 5}).y, 110);
}

TEST(ViewTransform, DeviceToWorldInvertsTheMappingAndIsZeroWithoutScale) {
    ViewTransform t;
    EXPECT_EQ(deviceToWorld(t, 100, 100).x, 0.0);
    EXPECT_EQ(deviceToWorld(t, 100, 100).y, 0.0);

    fitView(t, {-2, -1, 6, 3}, {0, 0, 800, 600}, 1.0);
    const Vector2 p = deviceToWorld(t, 123, 456);
    const DevicePoint back = worldToDevice(t, p);
    EXPECT_EQ(back.x, 123);
    EXPECT_EQ(back.y, 456);
}

TEST(ViewTransform, RoundsToTheNearestPixelAndStaysInRange) {
    ViewTransform t;
    t.scaleX = 1.0;
    t.scaleY = 1.0;
    EXPECT_EQ(worldToDevice(t, {2.5, -2.5}).x, 3);
    EXPECT_EQ(worldToDevice(t, {2.5, -2.5}).y, -3);
    EXPECT_EQ(worldToDevice(t, {2.49, -2.49}).x, 2);
    EXPECT_EQ(worldToDevice(t, {1e300, -1e300}).x, 2147483647);
    EXPECT_EQ(worldToDevice(t, {1e300, -1e300}).y, -2147483647 - 1);
}
