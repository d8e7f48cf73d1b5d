#include "app/WindowArrangement.h"

#include <gtest/gtest.h>

using namespace venkar;

TEST(WindowArrangement, SideBySideFillsTheAreaWithFullHeightColumns) {
    const QRect area(0, 0, 1000, 600);
    const std::vector<QRect> rects = tileSideBySide(area, 3);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], QRect(0, 0, 333, 600));
    EXPECT_EQ(rects[1], QRect(333, 0, 333, 600));
    // The last column takes the remainder, so nothing is left uncovered.
    EXPECT_EQ(rects[2], QRect(666, 0, 334, 600));
}

TEST(WindowArrangement, BelowFillsTheAreaWithFullWidthRows) {
    const QRect area(10, 20, 400, 301);
    const std::vector<QRect> rects = tileBelow(area, 2);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], QRect(10, 20, 400, 150));
    EXPECT_EQ(rects[1], QRect(10, 170, 400, 151));
    EXPECT_TRUE(tileBelow(area, 0).empty());
}

TEST(WindowArrangement, IconsLineUpAlongTheBottomAndWrapUpwards) {
    const QRect area(0, 0, 350, 500);
    const std::vector<QPoint> corners = iconPositions(area, QSize(160, 30), 3);
    ASSERT_EQ(corners.size(), 3u);
    EXPECT_EQ(corners[0], QPoint(0, 470));
    EXPECT_EQ(corners[1], QPoint(160, 470));
    EXPECT_EQ(corners[2], QPoint(0, 440));
}
