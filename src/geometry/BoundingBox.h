#pragma once

#include "geometry/Vector2.h"

#include <limits>

namespace venkar {

// Axis-aligned rectangle in the meridian plane. A default box is empty: its
// minima are the largest finite double and its maxima the negative of it, so
// the first `extend` makes it the point itself.
struct BoundingBox {
    double minX = std::numeric_limits<double>::max();
    double minY = std::numeric_limits<double>::max();
    double maxX = -std::numeric_limits<double>::max();
    double maxY = -std::numeric_limits<double>::max();

    static BoundingBox ofPoint(Vector2 p) { return {p.x, p.y, p.x, p.y}; }
    bool isEmpty() const { return minX > maxX || minY > maxY; }
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
};

inline BoundingBox unite(const BoundingBox& a, const BoundingBox& b) {
    return {minOf(a.minX, b.minX), minOf(a.minY, b.minY), maxOf(a.maxX, b.maxX),
            maxOf(a.maxY, b.maxY)};
}

inline void extend(BoundingBox& box, Vector2 p) {
    box.minX = minOf(box.minX, p.x);
    box.minY = minOf(box.minY, p.y);
    box.maxX = maxOf(box.maxX, p.x);
    box.maxY = maxOf(box.maxY, p.y);
}

inline double diagonal(const BoundingBox& box) {
    return length({box.maxX - box.minX, box.maxY - box.minY});
}

} // namespace venkar
