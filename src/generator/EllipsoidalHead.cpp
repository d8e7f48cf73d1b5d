#include "generator/EllipsoidalHead.h"

#include "generator/ShapeChecks.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace venkar {

namespace {

Vector2 ellipsePoint(double a, double b, double t) {
    return {a * std::cos(t), -b * std::sin(t)};
}

// The centre of the arc between the ellipse points at t0 < t1 as described
// in the header.
Vector2 arcCentre(double a, double b, double t0, double t1) {
    const Vector2 p = ellipsePoint(a, b, t0);
    const Vector2 q = ellipsePoint(a, b, t1);
    if (t0 == 0.0) {
        // Centre (c, 0) equally far from the rim (a, 0) and q.
        const double c = (a * a - q.x * q.x - q.y * q.y) / (2.0 * (a - q.x));
        return {c, 0.0};
    }
    if (t1 == M_PI / 2) {
        // Centre (0, h) equally far from the crown (0, -b) and p.
        const double h = (p.x * p.x + p.y * p.y - b * b) / (2.0 * (p.y + b));
        return {0.0, h};
    }
    // The tangent (-a sin t, -b cos t) turns by the difference of its angles.
    const double turned = std::atan2(b * std::cos(t0), a * std::sin(t0)) -
                          std::atan2(b * std::cos(t1), a * std::sin(t1));
    const Vector2 chord = q - p;
    const double half = 0.5 * length(chord);
    const double radius = half / std::sin(0.5 * turned);
    // The centre lies on the chord's perpendicular bisector, on the side of
    // the ellipse's centre (the origin).
    Vector2 normal{-chord.y / (2.0 * half), chord.x / (2.0 * half)};
    const Vector2 middle = scaled(0.5, p + q);
    if (normal.x * -middle.x + normal.y * -middle.y < 0.0)
        normal = scaled(-1.0, normal);
    return middle + scaled(std::sqrt(radius * radius - half * half), normal);
}

// The largest relative difference between 1/R and the curvature on the
// ellipse between t0 and t1: the curvature is monotonic in t, so it is at
// one of the ends.
double worstDifference(double a, double b, double t0, double t1, Vector2 centre) {
    const double radius = length(ellipsePoint(a, b, t0) - centre);
    return std::max(std::fabs(ellipseCurvature(a, b, t0) * radius - 1.0),
                    std::fabs(ellipseCurvature(a, b, t1) * radius - 1.0));
}

} // namespace

double ellipseCurvature(double a, double b, double t) {
    const double s = std::sin(t);
    const double c = std::cos(t);
    return a * b / std::pow(a * a * s * s + b * b * c * c, 1.5);
}

ShapeRows ellipseArcChain(double a, double b, double tolerance) {
    // Greedy from the rim: each arc reaches as far towards the crown as the
    // tolerance allows (found by bisection; an arc that keeps it also keeps
    // it when shortened), the last one ends at the crown.
    constexpr double crown = M_PI / 2;
    // A hair inside the tolerance, so that re-measuring from the rounded
    // node coordinates keeps it too.
    tolerance *= 1.0 - 1e-6;
    ShapeRows rows(ellipsePoint(a, b, 0.0));
    double t0 = 0.0;
    while (t0 < crown) {
        double t1 = crown;
        if (worstDifference(a, b, t0, crown, arcCentre(a, b, t0, crown)) > tolerance) {
            double within = t0;
            double beyond = crown;
            for (int step = 0; step < 60; ++step) {
                const double t = 0.5 * (within + beyond);
                if (worstDifference(a, b, t0, t, arcCentre(a, b, t0, t)) <= tolerance)
                    within = t;
                else
                    beyond = t;
            }
            t1 = within;
        }
        if (!(t1 > t0) || rows.lastNode() >= shapechecks::maxPieces)
            raiseError("Der Boden lässt sich nicht aus Kreisbögen zusammensetzen.");
        const Vector2 end = t1 == crown ? Vector2{0.0, -b} : ellipsePoint(a, b, t1);
        rows.arc(rows.lastNode(), end, arcCentre(a, b, t0, t1));
        t0 = t1;
    }
    return rows;
}

} // namespace venkar

namespace venkar {

ShapeRows ellipsoidalHead(Vector2 start, const EllipsoidalHeadShape& shape) {
    shapechecks::requirePositive(shape.diameter, "Der Durchmesser");
    const double a = 0.5 * shape.diameter;
    return placeHead(ellipseArcChain(a, 0.5 * a, ellipseCurvatureTolerance), start, shape.diameter,
                     shape.bulge);
}

} // namespace venkar
