#include "graphics/Shape.h"
#include "graphics/Picture.h"

#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace venkar;
using venkar::test::isClose;

namespace {

std::vector<LineCommand> linesOf(const Picture& picture) {
    std::vector<LineCommand> lines;
    for (const PictureCommand& command : picture.commands()) {
        if (const auto* line = std::get_if<LineCommand>(&command))
            lines.push_back(*line);
    }
    return lines;
}

} // namespace

TEST(Shape, ZeroReferenceSizeBecomesTheDiagonalWithTheOrigin) {
    EXPECT_TRUE(isClose(standardShape(ShapeId::NodeSquare).referenceSize, std::sqrt(800.0)));
    EXPECT_TRUE(isClose(standardShape(ShapeId::ArrowHead).referenceSize, std::sqrt(200.0)));
    EXPECT_TRUE(isClose(standardShape(ShapeId::SideArrowHead).referenceSize, std::sqrt(200.0)));
    EXPECT_TRUE(isClose(standardShape(ShapeId::Spring).referenceSize, std::sqrt(29.0)));
    // x from 0 to 1, y from -0.05 to 0.05.
    EXPECT_TRUE(isClose(standardShape(ShapeId::DirectionArrow).referenceSize, std::sqrt(1.01)));
    EXPECT_EQ(standardShape(ShapeId::Circle).referenceSize, 2.0);
    EXPECT_EQ(standardShape(ShapeId::DashDot).referenceSize, 19.0);
    // A shape away from the origin still measures from it.
    EXPECT_TRUE(isClose(makeShape({{3, 4}, {3, 5}}, 0).referenceSize, std::sqrt(34.0)));
    EXPECT_EQ(makeShape({{3, 4}, {3, 5}}, 7).referenceSize, 7.0);
}

TEST(Shape, CircleHasFifteenPointsOnTheUnitCircle) {
    const Shape& circle = standardShape(ShapeId::Circle);
    ASSERT_EQ(circle.points.size(), 15u);
    EXPECT_EQ(circle.points[0].x, 1.0);
    EXPECT_TRUE(isClose(circle.points[14].x, std::cos(336.0 * std::numbers::pi / 180.0)));
    EXPECT_TRUE(isClose(circle.points[14].y, std::sin(336.0 * std::numbers::pi / 180.0)));
}

TEST(DrawShape, ScalesTurnsAndMovesEverySegment) {
    Picture picture;
    // Support bar, 20 long at 12 from the node; drawn at size 10 it halves.
    drawShape(picture, standardShape(ShapeId::SupportBar), 10.0, 0.1, 0.0, colours::grey,
              {100, 50});
    std::vector<LineCommand> lines = linesOf(picture);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].start.x, 95.0);
    EXPECT_EQ(lines[0].start.y, 56.0);
    EXPECT_EQ(lines[0].end.x, 105.0);
    EXPECT_EQ(std::get<PenColourCommand>(picture.commands()[0]).colour, colours::grey);

    // The same bar turned by 90 degrees lies left of the node.
    picture.clear();
    drawShape(picture, standardShape(ShapeId::SupportBar), 10.0, 0.1, std::numbers::pi / 2,
              colours::grey, {100, 50});
    lines = linesOf(picture);
    EXPECT_TRUE(isClose(lines[0].start.x, 94.0));
    EXPECT_TRUE(isClose(lines[0].start.y, 45.0));
    EXPECT_TRUE(isClose(lines[0].end.y, 55.0));
}

TEST(DrawShape, SegmentMaskSelectsSegments) {
    Picture picture;
    drawShape(picture, standardShape(ShapeId::DashDot), 19.0, 1.0, 0.0, colours::black, {0, 0}, 5);
    const std::vector<LineCommand> lines = linesOf(picture);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].start.x, 0.0);
    EXPECT_EQ(lines[0].end.x, 10.0);
    EXPECT_EQ(lines[1].start.x, 14.0);
    EXPECT_EQ(lines[1].end.x, 15.0);

    picture.clear();
    drawShape(picture, standardShape(ShapeId::DashDot), 19.0, 1.0, 0.0, colours::black, {0, 0}, 0);
    EXPECT_EQ(linesOf(picture).size(), 3u);
}

TEST(FillShape, RecordsTheBrushAndTheTransformedPolygon) {
    Picture picture;
    fillShape(picture, standardShape(ShapeId::ArrowHead), std::sqrt(200.0) * 2, 0.5,
              std::numbers::pi, colours::black, colours::red, {1, 1});
    ASSERT_EQ(picture.commandCount(), 4);
    EXPECT_EQ(std::get<BrushColourCommand>(picture.commands()[0]).colour, colours::red);
    const auto& polygon = std::get<PolygonCommand>(picture.commands()[3]);
    ASSERT_EQ(polygon.points.size(), 4u);
    // Turned by pi, the head points along -x: its base lies at x = 1 + 20.
    EXPECT_TRUE(isClose(polygon.points[1].x, 21.0));
    EXPECT_TRUE(isClose(polygon.points[1].y, 1.0 - 10.0));
    EXPECT_TRUE(isClose(picture.boundingBox().maxX, 21.0));
}
