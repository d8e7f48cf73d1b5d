#include "geometry/Vector2.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

double length(Vector2 v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

double signum(double s) {
    if (std::fabs(s) < 1e-10)
        return 0.0;
    return s > 0 ? 1.0 : -1.0;
}

Vector2 turn(Vector2& v, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    v = {c * v.x - s * v.y, s * v.x + c * v.y};
    return v;
}

double angleOf(Vector2 v) {
    const double l = length(v);
    if (l < 1e-8)
        return 0.0;
    const double e = std::asin(std::clamp(v.y / l, -1.0, 1.0));
    return v.x >= 0 ? e : std::numbers::pi - e;
}

} // namespace venkar
