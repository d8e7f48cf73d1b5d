#include "loads/SiloPatch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// Below this slenderness the discharge factor grows linearly from h_c/d_c = 1.
constexpr double linearDischargeLimit = 1.2;

} // namespace

double patchBandHeight(double radius) {
    return std::numbers::pi * 2.0 * radius / 16.0;
}

double patchFactor(SiloState state, double slenderness, double solidFactor,
                   double relativeEccentricity) {
    const double e = relativeEccentricity;
    const double growth = (1.0 + 2.0 * e * e) * (1.0 - std::exp(-1.5 * (slenderness - 1.0)));
    double factor = 0.21 * solidFactor * growth;
    if (state == SiloState::discharge)
        factor = slenderness > linearDischargeLimit ? 0.42 * solidFactor * growth
                                                    : 0.272 * solidFactor * (slenderness - 1.0 + e);
    return std::max(factor, 0.0);
}

double defaultPatchDepth(const SiloWall& wall) {
    const double z0 = janssenDepth(wall.radius, wall.pressureRatio, wall.wallFriction);
    return std::min(z0, wall.height() / 2.0);
}

double SiloPatch::resultant() const {
    return std::numbers::pi / 2.0 * height * 2.0 * radius * pressure;
}

SiloPatch siloPatch(const SiloWall& wall, double depth, double solidFactor, double eccentricity) {
    SiloPatch patch;
    patch.radius = wall.radius;
    const double diameter = 2.0 * wall.radius;
    patch.centre = wall.surfaceDepth + (depth > 0.0 ? depth : defaultPatchDepth(wall));
    patch.height = patchBandHeight(wall.radius);
    patch.factor = patchFactor(wall.state, wall.height() / diameter, solidFactor,
                               2.0 * eccentricity / diameter);
    patch.pressure = patch.factor * wallPressure(wall, patch.centre).horizontal;
    return patch;
}

} // namespace venkar
