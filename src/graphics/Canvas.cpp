#include "graphics/Canvas.h"

#include "graphics/Picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace venkar {

namespace {

constexpr int maxPenPixels = 1000000;

int penPixels(double pixels) {
    // Negative or not-a-number widths draw the thinnest line.
    const double rounded = std::round(pixels);
    return rounded >= maxPenPixels ? maxPenPixels : rounded > 0.0 ? static_cast<int>(rounded) : 0;
}

Vector2 exactPoint(const ViewTransform& transform, Vector2 p) {
    return {(p.x + transform.offsetX) * transform.scaleX,
            (p.y + transform.offsetY) * transform.scaleY};
}

DevicePoint rounded(Vector2 p) {
    auto pixel = [](double v) {
        if (!(v == v))
            return 0;
        return static_cast<int>(std::clamp(std::round(v), -2147483648.0, 2147483647.0));
    };
    return {pixel(p.x), pixel(p.y)};
}

// Applies one command to the canvas.
struct Replay {
    Canvas& canvas;
    const ViewTransform& transform;
    bool exact = false;

    void operator()(const LineCommand& line) const {
        if (exact) {
            canvas.drawLineExact(exactPoint(transform, line.start),
                                 exactPoint(transform, line.end));
            return;
        }
        canvas.drawLine(worldToDevice(transform, line.start), worldToDevice(transform, line.end));
    }
    void operator()(const PolygonCommand& polygon) const {
        if (exact) {
            std::vector<Vector2> points;
            points.reserve(polygon.points.size());
            for (const Vector2& p : polygon.points)
                points.push_back(exactPoint(transform, p));
            canvas.drawPolygonExact(points);
            return;
        }
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
        if (exact)
            canvas.setPenWidthExact(pixels);
        else
            canvas.setPenWidth(penPixels(pixels));
    }
};

} // namespace

void Canvas::setPenWidthExact(double pixels) {
    setPenWidth(penPixels(pixels));
}

void Canvas::drawLineExact(Vector2 from, Vector2 to) {
    drawLine(rounded(from), rounded(to));
}

void Canvas::drawPolygonExact(std::span<const Vector2> points) {
    std::vector<DevicePoint> device;
    device.reserve(points.size());
    for (const Vector2& p : points)
        device.push_back(rounded(p));
    drawPolygon(device);
}

void render(const Picture& picture, Canvas& canvas, const ViewTransform& transform, bool exact) {
    const Replay replay{canvas, transform, exact};
    for (const PictureCommand& command : picture.commands())
        std::visit(replay, command);
}

} // namespace venkar
