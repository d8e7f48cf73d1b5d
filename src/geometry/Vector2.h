#pragma once

// Points and directions in the meridian plane: x is the radial coordinate r,
// y the axial coordinate z (pointing down). Angles are radians, counted
// counter-clockwise from +x towards +y.

namespace venkar {

struct Vector2 {
    double x = 0.0;
    double y = 0.0;
};

inline Vector2 difference(Vector2 a, Vector2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vector2 sum(Vector2 a, Vector2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vector2 scaled(double s, Vector2 v) {
    return {s * v.x, s * v.y};
}

inline Vector2 operator-(Vector2 a, Vector2 b) {
    return difference(a, b);
}
inline Vector2 operator+(Vector2 a, Vector2 b) {
    return sum(a, b);
}
inline Vector2 operator*(double s, Vector2 v) {
    return scaled(s, v);
}

// Exact comparison, no tolerance (so 0.0 equals -0.0).
inline bool equals(Vector2 a, Vector2 b) {
    return a.x == b.x && a.y == b.y;
}

double length(Vector2 v);

// -1, 0 or +1; values with |s| < 1e-10 count as zero.
double signum(double s);

// Turns v counter-clockwise by `angle` in place and returns the turned value.
Vector2 turn(Vector2& v, double angle);

// Direction angle of v in (-pi/2, 3pi/2]; 0 for vectors shorter than 1e-8.
double angleOf(Vector2 v);

// Running minimum and maximum: the first argument wins only when strictly
// smaller (larger); on a tie the second is returned.
inline double minOf(double a, double b) {
    return a < b ? a : b;
}
inline double maxOf(double a, double b) {
    return a > b ? a : b;
}

} // namespace venkar
