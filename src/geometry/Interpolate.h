#pragma once

#include "geometry/Vector2.h"

namespace venkar {

// Linear interpolation between a (t = 0) and b (t = 1); t outside [0, 1]
// extrapolates.
inline double interpolate(double a, double b, double t) {
    return (1.0 - t) * a + t * b;
}

inline Vector2 interpolatePoint(Vector2 p, Vector2 q, double t) {
    return {interpolate(p.x, q.x, t), interpolate(p.y, q.y, t)};
}

} // namespace venkar
