#pragma once

#include "generator/ShapeRows.h"

namespace venkar {

// The shapes of the structure generator: pure functions from a starting point
// and a shape's dimensions to the nodes and shells of its meridian. Lengths
// are in the units of the node table, angles in degrees; z points down, so
// "up" is towards smaller z. A dimension that makes no shape (a height of 0,
// a knuckle wider than the head, a cone that would cross the axis) throws
// VenkarError with a German message naming it.
//
// Heads (spherical cap, torispherical and ellipsoidal head) join their rim
// of diameter D to their crown on the axis. They start either at the rim
// (the starting point at r = D/2, for example the end of a cylinder) or at
// the crown (the starting point on the axis) and run to the other end; their
// rim tangent is vertical where a cylinder of diameter D joins them smoothly,
// except for a spherical cap flatter than a hemisphere.

enum class Direction {
    down, // "nach unten": towards larger z
    up,   // "nach oben": towards smaller z
};

struct CylinderShape {
    double height = 0.0; // > 0, along `direction`
    Direction direction = Direction::down;
    int shells = 1; // equal shells along the height
};

// A cone from the starting radius r1 to the end radius r2 over `height`; r2
// is given or follows from the angle of the meridian against the axis:
// r2 = r1 + height * tan(angle), a negative angle narrowing the cone.
struct ConeShape {
    double height = 0.0; // > 0, along `direction`
    Direction direction = Direction::down;
    bool byAngle = false;
    double endRadius = 0.0; // r2 >= 0 unless byAngle
    double angle = 0.0;     // degrees, |angle| < 90, when byAngle
    int shells = 1;
};

// A spherical cap of sphere radius R >= D/2 (R = D/2: a hemisphere).
struct SphericalCapShape {
    double sphereRadius = 0.0;
    double diameter = 0.0;
    Direction bulge = Direction::up; // where the crown lies, seen from the rim
    int shells = 1;                  // arcs of equal angle
};

// A torispherical head: a knuckle of radius r_k from the rim into a crown of
// radius R_c, tangent to each other. Needs 0 < r_k < D/2 < R_c.
struct TorisphericalHeadShape {
    double crownRadius = 0.0;
    double knuckleRadius = 0.0;
    double diameter = 0.0;
    Direction bulge = Direction::up;
    int crownShells = 1; // arcs of equal angle in the crown
};

// A 2:1 ellipsoidal head: semi-axes D/2 across and D/4 high, as a chain of
// circular arcs (see EllipsoidalHead.h).
struct EllipsoidalHeadShape {
    double diameter = 0.0;
    Direction bulge = Direction::up;
};

enum class SiloSupport {
    transition, // the node between wall and hopper held in z
    skirt,      // a cylindrical skirt below that node, its foot held in r and z
};

// A silo from the apex of its conical roof on the axis down: the roof
// (inclined by `roofAngle` against the horizontal, 0 for a flat roof), the
// vertical wall of diameter D and height `wallHeight`, and the conical
// hopper converging to its outlet (half apex angle `hopperAngle` against the
// axis). The starting point is the roof's apex and lies on the axis.
struct SiloShape {
    double diameter = 0.0;
    double roofAngle = 0.0; // degrees, 0 <= angle < 90
    double wallHeight = 0.0;
    int wallShells = 1;
    double hopperAngle = 0.0;    // degrees, 0 < angle < 90
    double outletDiameter = 0.0; // 0 <= d < D; 0 ends the hopper on the axis
    int hopperShells = 1;
    SiloSupport support = SiloSupport::transition;
    double skirtHeight = 0.0; // > 0 with a skirt
};

ShapeRows cylinder(Vector2 start, const CylinderShape& shape);
ShapeRows cone(Vector2 start, const ConeShape& shape);
ShapeRows sphericalCap(Vector2 start, const SphericalCapShape& shape);
ShapeRows torisphericalHead(Vector2 start, const TorisphericalHeadShape& shape);
ShapeRows ellipsoidalHead(Vector2 start, const EllipsoidalHeadShape& shape);
ShapeRows silo(Vector2 start, const SiloShape& shape);

// Places a head built with its rim at (D/2, 0) and its crown above it
// (negative z): mirrored for a head bulging down, then started at `start`
// on the rim or on the axis as described above. Throws when `start` lies on
// neither.
ShapeRows placeHead(const ShapeRows& rimToCrown, Vector2 start, double diameter, Direction bulge);

} // namespace venkar
