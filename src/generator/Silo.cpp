#include "generator/ShapeChecks.h"

#include <cmath>

namespace venkar {

using namespace shapechecks;

ShapeRows silo(Vector2 start, const SiloShape& shape) {
    requirePositive(shape.diameter, "Der Durchmesser");
    requirePositive(shape.wallHeight, "Die Höhe der Wand");
    requirePieces(shape.wallShells, "Die Anzahl der Schalen der Wand");
    requirePieces(shape.hopperShells, "Die Anzahl der Schalen des Trichters");
    requireAngleBelowRight(shape.roofAngle, 0.0, true, "Die Dachneigung");
    requireAngleBelowRight(shape.hopperAngle, 0.0, false, "Der Trichterwinkel");
    const double radius = 0.5 * shape.diameter;
    const double outlet = 0.5 * shape.outletDiameter;
    if (!(outlet >= 0.0 && outlet < radius))
        raiseError("Der Auslauf muss kleiner als der Durchmesser sein und darf nicht negativ "
                   "sein.");
    if (shape.support == SiloSupport::skirt)
        requirePositive(shape.skirtHeight, "Die Höhe der Zarge");
    if (std::fabs(start.x) > 1e-9 * radius)
        raiseError("Ein Silo beginnt an der Dachspitze auf der Achse (r = 0), nicht bei r = %g.",
                   start.x);

    ShapeRows rows({0.0, start.y});
    const double eavesZ = start.y + radius * std::tan(radians(shape.roofAngle));
    const int eaves = rows.line(0, {radius, eavesZ});
    const double transitionZ = eavesZ + shape.wallHeight;
    const int transition = rows.line(eaves, {radius, transitionZ}, shape.wallShells);
    const double hopperHeight = (radius - outlet) / std::tan(radians(shape.hopperAngle));
    rows.line(transition, {outlet, transitionZ + hopperHeight}, shape.hopperShells);
    if (shape.support == SiloSupport::transition) {
        rows.nodes[static_cast<std::size_t>(transition)].supportZ = 1;
    } else {
        const int foot = rows.line(transition, {radius, transitionZ + shape.skirtHeight});
        rows.nodes[static_cast<std::size_t>(foot)].supportR = 1;
        rows.nodes[static_cast<std::size_t>(foot)].supportZ = 1;
    }
    rows.nodes.front().point = start;
    return rows;
}

} // namespace venkar
