#include "render/DrawingSample.h"

#include "graphics/LoadSymbols.h"
#include "graphics/Shape.h"
#include "graphics/StrokeFont.h"

#include <numbers>
#include <string>

namespace venkar {

namespace {

constexpr double width = 0.3;     // pen width of the symbols
constexpr double caption = 1.6;   // caption text height
constexpr double symbolSize = 10; // size of every symbol

void drawSymbols(Picture& picture) {
    for (int i = 1; i <= shapeCount; ++i) {
        const Vector2 at{12.0 + (i - 1) * 16.0, 14.0};
        const Colour colour = i % 2 ? colours::blue : colours::green;
        // The small rectangle is three times as long as its reference size.
        const double size = i == static_cast<int>(ShapeId::SmallRectangle) ? 4.0 : symbolSize;
        drawShape(picture, standardShape(static_cast<ShapeId>(i)), size, width, 0.0, colour, at);
        drawText(picture, 1.0, {at.x, at.y + 10.0}, 0.0, 0.0, caption, colours::black,
                 std::to_string(i), TextCentred | TextBelow);
    }
    // Filled variants of the arrow heads and the node square.
    fillShape(picture, standardShape(ShapeId::ArrowHead), symbolSize, width, 0.0, colours::black,
              colours::red, {20.0, 36.0});
    fillShape(picture, standardShape(ShapeId::SideArrowHead), symbolSize, width, 0.0,
              colours::black, colours::green, {32.0, 36.0});
    fillShape(picture, standardShape(ShapeId::NodeSquare), 6.0, width, std::numbers::pi / 4,
              colours::black, colours::grey, {50.0, 36.0});
    // A support: triangle and bar, turned by 30 degrees.
    const double turned = std::numbers::pi / 6;
    drawShape(picture, standardShape(ShapeId::SupportTriangle), symbolSize, width, turned,
              colours::grey, {66.0, 32.0});
    drawShape(picture, standardShape(ShapeId::SupportBar), symbolSize, width, turned, colours::grey,
              {66.0, 32.0});
}

void drawArrows(Picture& picture) {
    const double head = 3.0;
    drawPatternedLine(picture, {80.0, 30.0}, {140.0, 30.0}, 0.3, colours::grey, true);
    drawArrow(picture, {80.0, 36.0}, {110.0, 36.0}, head, width, colours::blue, 0);
    drawArrow(picture, {115.0, 36.0}, {140.0, 42.0}, head, width, colours::blue, SideHead);
    drawArrow(picture, {145.0, 36.0}, {147.0, 36.0}, head, width, colours::blue, HeadIfLong);
    drawForceArrow(picture, 1.0, {110.0, 50.0}, 2.0, {8.0, 0.0}, width, head, caption, colours::red,
                   Label);
    drawForceArrow(picture, 1.0, {120.0, 50.0}, 2.0, {8.0, -6.0}, width, head, caption,
                   colours::red, Label | FromPoint);
    drawForceArrow(picture, 1.0, {170.0, 50.0}, 2.0, {-6.5, 0.0}, width, head, caption,
                   colours::red, Label | FromPoint | SideHead);
    drawMomentArc(picture, 1.0, {20.0, 60.0}, 6.0, 0.5, 3.0, width, caption, colours::blue, Label);
    drawMomentArc(picture, 1.0, {45.0, 60.0}, 6.0, 0.5, -4.5, width, caption, colours::blue, Label);
    drawMomentArc(picture, 1.0, {70.0, 60.0}, 6.0, 0.5, 0.0, width, caption, colours::blue, Label);
}

void drawGlyphs(Picture& picture) {
    const double height = 4.0;
    const char* const lines[] = {"0123456789 +-.,()&=", "ABCDEFGHIJKLM", "NOPQRSTUVWXYZ",
                                 "ÄÖÜ äöü ß % abc"};
    double y = 80.0;
    for (const char* line : lines) {
        drawText(picture, 1.0, {10.0, y}, 0.0, 0.0, height, colours::black, line, TextAbove);
        y += 1.6 * height;
    }
    drawText(picture, 1.0, {150.0, 75.0}, -std::numbers::pi / 6, 0.0, 2.5, colours::green,
             "GEDREHT 30", TextAbove);
    drawText(picture, 1.0, {100.0, 100.0}, 0.0, 0.0, 2.0, colours::grey,
             "SYMBOLE 1-12, PFEILE, MOMENTE (+, -, 0), SCHRIFT", TextAbove);
}

} // namespace

Picture buildDrawingSample() {
    Picture picture;
    drawSymbols(picture);
    drawArrows(picture);
    drawGlyphs(picture);
    return picture;
}

} // namespace venkar
