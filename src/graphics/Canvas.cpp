#include "graphics/Canvas.h"

#include "graphics/Picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace venkar {

namespace {

constexpr int maxPenPixels = 1000000;

// Applies one command to the canvas.
struct Replay {
    Canvas& canvas;
    const ViewTransform& transform;

    void operator()(const LineCommand& line) const {
        canvas.drawLine(worldToDevice(transform, line.start), worldToDevice(transform, line.end));
    }
    void operator()(const PolygonCommand& polygon) const {
        std::vector<DevicePoint> points;
        points.reserve(polygon.points.size());
        for (const Vector2& p : polygon.points)
            points.push_back(worldToDevice(transform, p));
        canvas.drawPolygon(points);
    }
    void operator()(const BrushColourCommand& brush) const { canvas.setBrushColour(brush.colour); }
    void operator()(const PenColourCommand& pen) const { canvas.setPenColour(pen.colour); }
    void operator()(const PenWidthCommand& pen) const {
        const double pixels = pen.width * std::min(transform.scaleX, transform.scaleY);
        // Negative or not-a-number widths draw the thinnest line.
        const double rounded = std::round(pixels);
        canvas.setPenWidth(rounded >= maxPenPixels ? maxPenPixels
                           : rounded > 0.0         ? static_cast<int>(rounded)
                                                   : 0);
    }
};

} // namespace

void render(const Picture& picture, Canvas& canvas, const ViewTransform& transform) {
    const Replay replay{canvas, transform};
    for (const PictureCommand& command : picture.commands())
        std::visit(replay, command);
}

} // namespace venkar
