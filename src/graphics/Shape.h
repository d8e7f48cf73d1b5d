#pragma once

#include "geometry/BoundingBox.h"
#include "geometry/Vector2.h"
#include "graphics/Colour.h"

#include <initializer_list>
#include <vector>

namespace venkar {

class Picture;

// A symbol template: a polyline whose segments run from point i to point
// i + 1 (a closed outline repeats its first point), drawn scaled so that its
// reference size becomes the requested size.
struct Shape {
    double referenceSize = 0.0;
    std::vector<Vector2> points;
};

// Builds a shape; a reference size of 0 is replaced by the diagonal of the
// bounding rectangle of the origin and all points.
Shape makeShape(std::initializer_list<Vector2> points, double referenceSize);

// The symbols of the plots, numbered as the drawing code refers to them.
enum class ShapeId {
    NodeSquare = 1,      // node (also displaced nodes)
    ArrowHead = 2,       // tip at the origin, pointing along +x
    SideArrowHead = 3,   // base on the y axis, tip at (10, 0)
    Circle = 4,          // hinge with released moment
    SmallRectangle = 5,  // hinge with released N or Q
    SupportBar = 6,      // 12 units from the node, 20 long
    ClampSquare = 7,     // clamp; ring beam
    SupportTriangle = 8, // tip at the node
    Cross = 9,           // self weight
    Spring = 10,         // elastic bedding
    DirectionArrow = 11, // shell direction, length 1
    DashDot = 12,        // dash 0-10 and dot 14-15 of a period of 19 (segment mask 5)
};
inline constexpr int shapeCount = 12;

// The built-in shape; built on first use and never changed.
const Shape& standardShape(ShapeId id);

// Draws the segments of `shape` scaled by size / reference size, turned by
// `angle` (radians) and moved to `position`. Segment i is skipped when
// `segmentMask` is not 0 and its bit i is clear.
void drawShape(Picture& picture, const Shape& shape, double size, double penWidth, double angle,
               Colour penColour, Vector2 position, unsigned segmentMask = 0);

// The same transformation of all points, recorded as a polygon filled with
// `brushColour`.
void fillShape(Picture& picture, const Shape& shape, double size, double penWidth, double angle,
               Colour penColour, Colour brushColour, Vector2 position);

// The box of the points `drawShape` with the same arguments draws, grown by
// half the pen width.
BoundingBox shapeBox(const Shape& shape, double size, double penWidth, double angle,
                     Vector2 position);

} // namespace venkar
