#pragma once

#include "geometry/BoundingBox.h"
#include "geometry/Vector2.h"

namespace venkar {

// A point and a rectangle on the device, in pixels (y pointing down).
struct DevicePoint {
    int x = 0;
    int y = 0;
};
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Maps model units to device pixels: a model point (x, y) goes to
// ((x + offsetX) * scaleX, (y + offsetY) * scaleY), rounded.
struct ViewTransform {
    BoundingBox world;   // the fitted world rectangle
    double scaleX = 0.0; // pixels per model unit
    double scaleY = 0.0;
    double offsetX = 0.0; // model units
    double offsetY = 0.0;
};

// Fits `world` centred into `device` with a margin of a tenth of the world's
// extent, keeping the model's proportions. `aspect` is the horizontal over the
// vertical device resolution (1 on a screen), so that scaleY = scaleX /
// aspect. A world without positive extent in either direction (a single
// point, or the empty box of a picture without points) leaves `transform`
// as it was.
void fitView(ViewTransform& transform, const BoundingBox& world, const DeviceRect& device,
             double aspect);

// The device pixel of a model point, rounded to the nearest integer and held
// to the int range.
DevicePoint worldToDevice(const ViewTransform& transform, Vector2 p);

// The model point of a device pixel; (0, 0) while either scale is 0.
Vector2 deviceToWorld(const ViewTransform& transform, int deviceX, int deviceY);

} // namespace venkar
