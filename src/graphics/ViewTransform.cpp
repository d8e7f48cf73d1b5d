#include "graphics/ViewTransform.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace venkar {

namespace {

// "No limit yet" for a direction without extent: the single-precision
// maximum, so that the other direction decides the scale.
constexpr double unlimitedScale = 3.4028234663852886e38;
// The world is fitted with a margin of one tenth of its extent.
constexpr double marginFactor = 1.1;

int toPixel(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(value);
    return static_cast<int>(std::clamp(rounded, double(INT_MIN), double(INT_MAX)));
}

} // namespace

void fitView(ViewTransform& transform, const BoundingBox& world, const DeviceRect& device,
             double aspect) {
    const double dx = world.width();
    const double dy = world.height();
    // Neither direction has extent: nothing to fit. The empty box of a
    // picture without points has negative extents and ends here too, so the
    // transform keeps its last usable state.
    if (!(dx > 0.0) && !(dy > 0.0))
        return;

    transform.world = world;
    double scaleX = unlimitedScale;
    double scaleY = unlimitedScale;
    if (dx > 0.0)
        scaleX = (device.right - device.left) / (dx * marginFactor);
    if (dy > 0.0)
        scaleY = (device.bottom - device.top) * aspect / (dy * marginFactor);

    const double s = std::min(scaleX, scaleY);
    transform.scaleX = s;
    transform.scaleY = s / aspect;
    if (s != 0.0) {
        transform.offsetX = (device.left + device.right) / 2.0 / s - (world.minX + world.maxX) / 2;
        transform.offsetY =
            (device.top + device.bottom) / 2.0 / transform.scaleY - (world.minY + world.maxY) / 2;
    } else {
        transform.offsetX = 0.0;
        transform.offsetY = 0.0;
    }
}

DevicePoint worldToDevice(const ViewTransform& transform, Vector2 p) {
    return {toPixel((p.x + transform.offsetX) * transform.scaleX),
            toPixel((p.y + transform.offsetY) * transform.scaleY)};
}

Vector2 deviceToWorld(const ViewTransform& transform, int deviceX, int deviceY) {
    if (transform.scaleX == 0.0 || transform.scaleY == 0.0)
        return {0.0, 0.0};
    return {deviceX / transform.scaleX - transform.offsetX,
            deviceY / transform.scaleY - transform.offsetY};
}

} // namespace venkar
