#include "generator/ShapeChecks.h"

#include <cmath>

namespace venkar {

using namespace shapechecks;

ShapeRows placeHead(const ShapeRows& rimToCrown, Vector2 start, double diameter, Direction bulge) {
    const ShapeRows local = bulge == Direction::up ? rimToCrown : rimToCrown.mirroredInZ();
    const double rim = 0.5 * diameter;
    const double nearby = 1e-9 * rim;
    ShapeRows rows;
    if (std::fabs(start.x - rim) <= nearby) {
        rows = local.shifted({0.0, start.y});
    } else if (std::fabs(start.x) <= nearby) {
        const ShapeRows crownFirst = local.reversed();
        rows = crownFirst.shifted({0.0, start.y - crownFirst.point(0).y});
    } else {
        raiseError("Der Anfang (r = %g) liegt weder auf dem Rand des Bodens (r = D/2 = %g) noch "
                   "auf der Achse.",
                   start.x, rim);
    }
    // Node 0 is the starting point exactly (an existing node's place).
    rows.nodes.front().point = start;
    return rows;
}

ShapeRows sphericalCap(Vector2 start, const SphericalCapShape& shape) {
    requirePositive(shape.diameter, "Der Durchmesser");
    requirePieces(shape.shells, "Die Anzahl der Schalen");
    const double a = 0.5 * shape.diameter;
    const double radius = shape.sphereRadius;
    if (!(radius >= a) || !std::isfinite(radius))
        raiseError("Der Kugelradius muss mindestens den halben Durchmesser (%g) erreichen.", a);
    // The sphere's centre lies on the axis below the rim's plane, the crown
    // above it.
    const double below = std::sqrt(radius * radius - a * a);
    ShapeRows rows({a, 0.0});
    rows.arc(0, {0.0, below - radius}, {0.0, below}, shape.shells);
    return placeHead(rows, start, shape.diameter, shape.bulge);
}

ShapeRows torisphericalHead(Vector2 start, const TorisphericalHeadShape& shape) {
    requirePositive(shape.diameter, "Der Durchmesser");
    requirePositive(shape.knuckleRadius, "Der Krempenradius");
    requirePieces(shape.crownShells, "Die Anzahl der Schalen der Kalotte");
    const double a = 0.5 * shape.diameter;
    const double rk = shape.knuckleRadius;
    const double rc = shape.crownRadius;
    if (!(rk < a))
        raiseError("Der Krempenradius muss kleiner als der halbe Durchmesser (%g) sein.", a);
    if (!(rc > a) || !std::isfinite(rc))
        raiseError("Der Wölbungsradius muss größer als der halbe Durchmesser (%g) sein.", a);
    // The knuckle's centre K lies in the rim's plane, r_k inside the rim; the
    // crown's centre C on the axis below that plane, at R_c - r_k from K, so
    // that both circles touch on the line from C through K: there the
    // tangents agree.
    const Vector2 knuckleCentre{a - rk, 0.0};
    const double below = std::sqrt((rc - rk) * (rc - rk) - (a - rk) * (a - rk));
    const Vector2 crownCentre{0.0, below};
    const Vector2 outwards = scaled(1.0 / (rc - rk), knuckleCentre - crownCentre);
    const Vector2 touch = knuckleCentre + scaled(rk, outwards);

    ShapeRows rows({a, 0.0});
    const int joint = rows.arc(0, touch, knuckleCentre);
    rows.arc(joint, {0.0, below - rc}, crownCentre, shape.crownShells);
    return placeHead(rows, start, shape.diameter, shape.bulge);
}

} // namespace venkar
