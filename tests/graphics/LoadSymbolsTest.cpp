#include "graphics/LoadSymbols.h"
#include "graphics/Picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace venkar;

namespace {

std::vector<LineCommand> linesOf(const Picture& picture) {
    std::vector<LineCommand> lines;
    for (const PictureCommand& command : picture.commands()) {
        if (const auto* line = std::get_if<LineCommand>(&command))
            lines.push_back(*line);
    }
    return lines;
}

void expectPoint(Vector2 actual, double x, double y) {
    EXPECT_NEAR(actual.x, x, 1e-12);
    EXPECT_NEAR(actual.y, y, 1e-12);
}

} // namespace

TEST(DrawPatternedLine, ShortLineStillShowsOneDashAndLongLinesRepeatThePeriod) {
    Picture shortLine;
    drawPatternedLine(shortLine, {0, 0}, {5, 0}, 1.0, colours::black, true);
    std::vector<LineCommand> lines = linesOf(shortLine);
    ASSERT_EQ(lines.size(), 2u); // dash and dot of one period, past the end
    expectPoint(lines[0].end, 10, 0);
    expectPoint(lines[1].start, 14, 0);

    // Periods start at 0, 19 and 38 along a line of 40, turned down the page.
    Picture longLine;
    drawPatternedLine(longLine, {1, 1}, {1, 41}, 1.0, colours::black, true);
    lines = linesOf(longLine);
    ASSERT_EQ(lines.size(), 6u);
    expectPoint(lines[4].start, 1, 39);
    expectPoint(lines[4].end, 1, 49);

    // A period ending exactly at p2 starts no further one.
    Picture exact;
    drawPatternedLine(exact, {0, 0}, {38, 0}, 1.0, colours::black, true);
    EXPECT_EQ(linesOf(exact).size(), 4u);

    Picture plain;
    drawPatternedLine(plain, {0, 0}, {38, 0}, 1.0, colours::black, false);
    EXPECT_EQ(linesOf(plain).size(), 1u);
}

TEST(DrawPatternedLine, WidthWithoutPeriodDrawsThePlainLine) {
    Picture picture;
    drawPatternedLine(picture, {0, 0}, {10, 0}, 0.0, colours::black, true);
    ASSERT_EQ(linesOf(picture).size(), 1u);
    expectPoint(linesOf(picture)[0].end, 10, 0);
}

TEST(DrawArrow, HeadSitsAtTheEndAlongTheLine) {
    Picture picture;
    drawArrow(picture, {0, 0}, {0, 10}, 2.0, 0.1, colours::blue, 0);
    const std::vector<LineCommand> lines = linesOf(picture);
    ASSERT_EQ(lines.size(), 4u); // shaft and three head segments
    // Pointing down (+y): the tip at the end, the base 2 * 10/sqrt(200) above.
    const double back = 20.0 / std::sqrt(200.0);
    expectPoint(lines[1].start, 0, 10);
    expectPoint(lines[1].end, -back / 2, 10 - back);
    expectPoint(lines[2].end, back / 2, 10 - back);
}

TEST(DrawArrow, ShortArrowWithHeadIfLongHasNoHead) {
    Picture shortArrow;
    drawArrow(shortArrow, {0, 0}, {1, 0}, 2.0, 0.1, colours::blue, HeadIfLong);
    EXPECT_EQ(linesOf(shortArrow).size(), 1u);
    Picture longArrow;
    drawArrow(longArrow, {0, 0}, {3, 0}, 2.0, 0.1, colours::blue, HeadIfLong);
    EXPECT_EQ(linesOf(longArrow).size(), 4u);
    Picture withoutFlag;
    drawArrow(withoutFlag, {0, 0}, {1, 0}, 2.0, 0.1, colours::blue, 0);
    EXPECT_EQ(linesOf(withoutFlag).size(), 4u);
}

TEST(DrawArrow, SideHeadStandsAcrossTheArrow) {
    Picture picture;
    drawArrow(picture, {0, 0}, {10, 0}, std::sqrt(200.0), 0.1, colours::blue, SideHead);
    const std::vector<LineCommand> lines = linesOf(picture);
    ASSERT_EQ(lines.size(), 5u);
    // Shape (0, 0) (0, -5) (10, 0) (0, 5) turned by -90 degrees at the end:
    // the tip points up the page.
    expectPoint(lines[1].start, 10, 0);
    expectPoint(lines[1].end, 5, 0);
    expectPoint(lines[2].end, 10, -10);
    expectPoint(lines[3].end, 15, 0);
}

TEST(DrawForceArrow, TipAtThePointOrTailWithFromPointAndLabelOppositeTheHead) {
    Picture toPoint;
    drawForceArrow(toPoint, 1.0, {10, 10}, 0.5, {4, 0}, 0.1, 0.5, 1.0, colours::red, 0);
    std::vector<LineCommand> lines = linesOf(toPoint);
    expectPoint(lines[0].start, 8, 10);
    expectPoint(lines[0].end, 10, 10);

    Picture fromPoint;
    drawForceArrow(fromPoint, 1.0, {10, 10}, 0.5, {0, -4}, 0.1, 0.5, 1.0, colours::red,
                   FromPoint | Label);
    lines = linesOf(fromPoint);
    expectPoint(lines[0].start, 10, 10);
    expectPoint(lines[0].end, 10, 8);
    // The label "4" (|V|, not the drawn length) stands right of the tail: the
    // head is not to the right.
    const double labelStartX = lines[4].start.x;
    EXPECT_GT(labelStartX, 10.0);
    EXPECT_LT(labelStartX, 10.0 + 0.2 + 0.75);

    Picture pointingRight;
    drawForceArrow(pointingRight, 1.0, {10, 10}, 0.5, {4, 0}, 0.1, 0.5, 1.0, colours::red, Label);
    lines = linesOf(pointingRight);
    for (std::size_t i = 4; i < lines.size(); ++i)
        EXPECT_LT(lines[i].start.x, 8.0) << "label left of the tail at x = 8";
}

TEST(DrawForceArrow, ShortArrowWithHeadIfLongHasNoHead) {
    Picture picture;
    drawForceArrow(picture, 1.0, {0, 0}, 1.0, {0.2, 0.1}, 0.1, 1.0, 1.0, colours::red, HeadIfLong);
    EXPECT_EQ(linesOf(picture).size(), 1u);
}

TEST(DrawMomentArc, SweepsFromAboveTheCentreWithFivePointsPerRadian) {
    Picture picture;
    const double sweep = std::numbers::pi / 2; // 0.5 * pi
    drawMomentArc(picture, 1.0, {0, 0}, 2.0, 0.5, std::numbers::pi, 0.1, 1.0, colours::blue, 0);
    const std::vector<LineCommand> lines = linesOf(picture);
    const int n = static_cast<int>(std::lround(sweep * 5 + 1)); // 9
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(n) + 3);
    expectPoint(lines[0].start, 0, -2);
    expectPoint(lines[n - 1].end, 2, 0); // a quarter turn clockwise on the page
    // The head points along the sweep: down the page at the end point.
    expectPoint(lines[n].start, 2, 0);
    EXPECT_LT(lines[n].end.y, 0.0);
}

TEST(DrawMomentArc, ZeroMomentGivesTwoCoincidentPointsAndAHeadTurnedByPi) {
    Picture picture;
    drawMomentArc(picture, 1.0, {5, 5}, 1.0, 0.5, 0.0, 0.1, 1.0, colours::blue, Label);
    const std::vector<LineCommand> lines = linesOf(picture);
    ASSERT_GE(lines.size(), 4u);
    expectPoint(lines[0].start, 5, 4);
    expectPoint(lines[0].end, 5, 4);
    // Shape 2 turned by pi: its base lies at +x from the tip.
    EXPECT_GT(lines[1].end.x, 5.0);
    EXPECT_GT(lines[2].end.x, 5.0);
    // The label "0" stands right of the start point (text flag 4).
    for (std::size_t i = 4; i < lines.size(); ++i)
        EXPECT_GT(lines[i].start.x, 5.0);
}

TEST(DrawMomentArc, NegativeMomentTurnsTheOtherWayWithItsLabelOnTheRight) {
    Picture picture;
    drawMomentArc(picture, 1.0, {0, 0}, 1.0, 1.0, -std::numbers::pi / 2, 0.1, 1.0, colours::blue,
                  Label);
    const std::vector<LineCommand> lines = linesOf(picture);
    const int n = static_cast<int>(std::lround(std::numbers::pi / 2 * 5 + 1));
    expectPoint(lines[n - 1].end, -1, 0);
    // Following the sweep the head points down the page at (-1, 0): its
    // base lies above the tip.
    expectPoint(lines[n].start, -1, 0);
    EXPECT_LT(lines[n].end.y, 0.0);
    for (std::size_t i = static_cast<std::size_t>(n) + 3; i < lines.size(); ++i)
        EXPECT_GT(lines[i].start.x, 0.0);
}
