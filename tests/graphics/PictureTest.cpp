#include "graphics/Picture.h"
#include "graphics/Canvas.h"

#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

using namespace venkar;

namespace {

int countPenCommands(const Picture& picture) {
    int count = 0;
    for (const PictureCommand& command : picture.commands()) {
        if (std::holds_alternative<PenColourCommand>(command) ||
            std::holds_alternative<PenWidthCommand>(command))
            ++count;
    }
    return count;
}

} // namespace

TEST(Picture, PenCommandsAreRecordedOnlyWhenThePenChanges) {
    Picture picture;
    picture.setPen(colours::blue, 0.5);
    EXPECT_EQ(picture.commandCount(), 2);
    picture.setPen(colours::blue, 0.5);
    EXPECT_EQ(picture.commandCount(), 2);

    picture.setPen(colours::blue, 0.25);
    ASSERT_EQ(picture.commandCount(), 3);
    EXPECT_EQ(std::get<PenWidthCommand>(picture.commands()[2]).width, 0.25);
    picture.setPen(colours::red, 0.25);
    ASSERT_EQ(picture.commandCount(), 4);
    EXPECT_EQ(std::get<PenColourCommand>(picture.commands()[3]).colour, colours::red);

    // Brushes are recorded every time.
    picture.setBrush(colours::grey);
    picture.setBrush(colours::grey);
    EXPECT_EQ(picture.commandCount(), 6);

    // Clearing forgets the pen, so the same pen is recorded again.
    picture.clear();
    EXPECT_EQ(picture.commandCount(), 0);
    EXPECT_EQ(picture.lastPenColour(), -1);
    EXPECT_EQ(picture.lastPenWidth(), -1.0);
    picture.setPen(colours::red, 0.25);
    EXPECT_EQ(countPenCommands(picture), 2);
}

TEST(Picture, BoundingBoxCoversLinesAndPolygonsAndIsEmptyAfterClearing) {
    Picture picture;
    EXPECT_TRUE(picture.boundingBox().isEmpty());
    EXPECT_EQ(picture.boundingBox().minX, 3.4028234663852886e38);
    EXPECT_EQ(picture.boundingBox().maxY, -3.4028234663852886e38);

    picture.setPen(colours::black, 1.0); // pens add no extent
    EXPECT_TRUE(picture.boundingBox().isEmpty());

    picture.addLine({1, 2}, {-3, 4});
    const std::vector<Vector2> triangle{{0, -5}, {2, 0}, {6, 1}};
    picture.addPolygon(colours::red, 0.1, triangle);
    const BoundingBox& box = picture.boundingBox();
    EXPECT_EQ(box.minX, -3.0);
    EXPECT_EQ(box.minY, -5.0);
    EXPECT_EQ(box.maxX, 6.0);
    EXPECT_EQ(box.maxY, 4.0);
    // addPolygon sets the pen first: colour and width changed.
    EXPECT_TRUE(std::holds_alternative<PenColourCommand>(picture.commands()[3]));
    EXPECT_TRUE(std::holds_alternative<PenWidthCommand>(picture.commands()[4]));
    EXPECT_EQ(std::get<PolygonCommand>(picture.commands()[5]).points.size(), 3u);

    picture.clear();
    EXPECT_TRUE(picture.boundingBox().isEmpty());
}

TEST(Picture, CursorsDrawIndependentPolylines) {
    Picture picture;
    picture.moveTo(0, {0, 0});
    picture.moveTo(4, {10, 10});
    picture.lineTo(0, {1, 0});
    picture.lineTo(4, {11, 10});
    picture.lineTo(0, {1, 1});
    ASSERT_EQ(picture.commandCount(), 3);
    const auto& second = std::get<LineCommand>(picture.commands()[1]);
    EXPECT_EQ(second.start.x, 10.0);
    EXPECT_EQ(second.end.x, 11.0);
    const auto& third = std::get<LineCommand>(picture.commands()[2]);
    EXPECT_EQ(third.start.x, 1.0);
    EXPECT_EQ(third.start.y, 0.0);
    EXPECT_EQ(third.end.y, 1.0);
    EXPECT_THROW(picture.moveTo(5, {0, 0}), std::out_of_range);
}

TEST(Render, ReplaysEveryCommandThroughTheTransform) {
    Picture picture;
    picture.setPen(colours::green, 0.5);
    picture.addLine({0, 0}, {2, 1});
    picture.setBrush(colours::red);
    const std::vector<Vector2> square{{0, 0}, {1, 0}, {1, 1}};
    picture.addPolygon(colours::green, 0.04, square);

    ViewTransform transform;
    transform.scaleX = 10.0;
    transform.scaleY = 20.0;
    transform.offsetX = 1.0;
    transform.offsetY = 0.5;
    test::RecordingCanvas canvas;
    render(picture, canvas, transform);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                                "pen colour 32768",
                                "pen width 5", // 0.5 times the smaller scale
                                "line 10,10 30,30",
                                "brush 255",
                                "pen width 0", // 0.4 pixels round to 0
                                "polygon 10,10 20,10 20,30",
                            }));
}
