#include "graphics/Shape.h"

#include "geometry/BoundingBox.h"
#include "graphics/Picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace venkar {

Shape makeShape(std::initializer_list<Vector2> points, double referenceSize) {
    Shape shape{referenceSize, points};
    if (referenceSize == 0.0) {
        BoundingBox box = BoundingBox::ofPoint({0.0, 0.0});
        for (const Vector2& p : points)
            extend(box, p);
        shape.referenceSize = diagonal(box);
    }
    return shape;
}

namespace {

Shape circle() {
    // 15 points at 0, 24, ... 336 degrees; the outline is left open between
    // the last and the first point.
    Shape shape{2.0, {}};
    for (int i = 0; i < 15; ++i) {
        const double angle = i * 24.0 * std::numbers::pi / 180.0;
        shape.points.push_back({std::cos(angle), std::sin(angle)});
    }
    return shape;
}

std::array<Shape, shapeCount> buildShapes() {
    return {
        makeShape({{-10, 10}, {-10, -10}, {10, -10}, {10, 10}, {-10, 10}}, 0),
        makeShape({{0, 0}, {-10, 5}, {-10, -5}, {0, 0}}, 0),
        makeShape({{0, 0}, {0, -5}, {10, 0}, {0, 5}, {0, 0}}, 0),
        circle(),
        makeShape({{-3, -1}, {3, -1}, {3, 1}, {-3, 1}}, 2),
        makeShape({{-10, 12}, {10, 12}, {-10, 12}}, 20),
        makeShape({{-10, -10}, {-10, 10}, {10, 10}, {10, -10}, {-10, -10}}, 20),
        makeShape({{0, 0}, {10, 10}, {-10, 10}, {0, 0}}, 20),
        makeShape({{-5, 5}, {5, -5}, {-5, -5}, {5, 5}}, 10),
        makeShape({{0, 0}, {0, 1}, {-1, 2}, {1, 3}, {0, 4}, {0, 5}, {1, 5}, {-1, 5}}, 0),
        makeShape({{0.1, 0}, {1, 0}, {0.8, 0.05}, {0.8, -0.05}, {1, 0}}, 0),
        makeShape({{0, 0}, {10, 0}, {14, 0}, {15, 0}}, 19),
    };
}

// A shape point turned by `angle` (skipped for 0, so that untouched symbols
// keep their exact coordinates), scaled and moved.
Vector2 placed(Vector2 p, double factor, double angle, Vector2 position) {
    if (angle != 0.0)
        turn(p, angle);
    return position + factor * p;
}

} // namespace

const Shape& standardShape(ShapeId id) {
    static const std::array<Shape, shapeCount> shapes = buildShapes();
    return shapes.at(static_cast<std::size_t>(id) - 1);
}

void drawShape(Picture& picture, const Shape& shape, double size, double penWidth, double angle,
               Colour penColour, Vector2 position, unsigned segmentMask) {
    picture.setPen(penColour, penWidth);
    const double factor = size / shape.referenceSize;
    for (std::size_t i = 0; i + 1 < shape.points.size(); ++i) {
        if (segmentMask != 0 && (i >= 32 || (segmentMask & (1u << i)) == 0))
            continue;
        picture.addLine(placed(shape.points[i], factor, angle, position),
                        placed(shape.points[i + 1], factor, angle, position));
    }
}

void fillShape(Picture& picture, const Shape& shape, double size, double penWidth, double angle,
               Colour penColour, Colour brushColour, Vector2 position) {
    picture.setBrush(brushColour);
    const double factor = size / shape.referenceSize;
    std::vector<Vector2> points;
    points.reserve(shape.points.size());
    for (const Vector2& p : shape.points)
        points.push_back(placed(p, factor, angle, position));
    picture.addPolygon(penColour, penWidth, points);
}

BoundingBox shapeBox(const Shape& shape, double size, double penWidth, double angle,
                     Vector2 position) {
    const double factor = size / shape.referenceSize;
    BoundingBox box;
    for (const Vector2& p : shape.points)
        extend(box, placed(p, factor, angle, position));
    if (box.isEmpty())
        return box;
    const double half = std::max(penWidth, 0.0) / 2;
    return {box.minX - half, box.minY - half, box.maxX + half, box.maxY + half};
}

} // namespace venkar
