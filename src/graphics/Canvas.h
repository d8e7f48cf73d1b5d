#pragma once

#include "geometry/Vector2.h"
#include "graphics/Colour.h"
#include "graphics/ViewTransform.h"

#include <span>

namespace venkar {

class Picture;

// A drawing surface in device pixels: the window, the printer page, an image
// or a vector file. The painting layer implements it; the core only replays
// pictures onto it.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setPenColour(Colour colour) = 0;
    // Pen width in whole pixels; 0 is the thinnest line the device draws.
    virtual void setPenWidth(int pixels) = 0;
    virtual void setBrushColour(Colour colour) = 0;
    virtual void drawLine(DevicePoint from, DevicePoint to) = 0;
    // A polygon filled with the brush and outlined with the pen.
    virtual void drawPolygon(std::span<const DevicePoint> points) = 0;

    // The same in fractions of pixels, for devices that draw between pixel
    // centres; by default rounded to the calls above.
    virtual void setPenWidthExact(double pixels);
    virtual void drawLineExact(Vector2 from, Vector2 to);
    virtual void drawPolygonExact(std::span<const Vector2> points);
};

// Replays every command of `picture` in order onto `canvas` through
// `transform`. Pen widths become width * min(scaleX, scaleY) pixels, rounded.
// With `exact` the points and pen widths keep their fractions of a pixel
// (the Exact calls of the canvas), so that small texts keep their shapes.
void render(const Picture& picture, Canvas& canvas, const ViewTransform& transform,
            bool exact = false);

} // namespace venkar
