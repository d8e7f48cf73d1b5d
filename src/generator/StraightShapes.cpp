#include "generator/ShapeChecks.h"

#include <cmath>

namespace venkar {

using namespace shapechecks;

ShapeRows cylinder(Vector2 start, const CylinderShape& shape) {
    requirePositive(shape.height, "Die Höhe");
    requirePieces(shape.shells, "Die Anzahl der Schalen");
    if (!(start.x > 0.0))
        raiseError("Ein Zylinder braucht einen Anfang neben der Achse (r > 0).");
    ShapeRows rows(start);
    rows.line(0, {start.x, start.y + sense(shape.direction) * shape.height}, shape.shells);
    return rows;
}

ShapeRows cone(Vector2 start, const ConeShape& shape) {
    requirePositive(shape.height, "Die Höhe");
    requirePieces(shape.shells, "Die Anzahl der Schalen");
    double endRadius = shape.endRadius;
    if (shape.byAngle) {
        if (!(std::fabs(shape.angle) < 90.0))
            raiseError("Der Winkel gegen die Achse muss zwischen -90° und 90° liegen.");
        endRadius = start.x + shape.height * std::tan(radians(shape.angle));
        // A cone that just reaches the axis ends on it, not a rounding
        // error beside it.
        if (std::fabs(endRadius) <= 1e-12 * start.x)
            endRadius = 0.0;
        if (endRadius < 0.0)
            raiseError("Der Kegel erreicht die Achse vor seinem Ende (Endradius %g).", endRadius);
    } else if (!(endRadius >= 0.0) || !std::isfinite(endRadius)) {
        raiseError("Der Endradius darf nicht negativ sein.");
    }
    if (start.x == 0.0 && endRadius == 0.0)
        raiseError("Ein Kegel auf der Achse hat keine Fläche: Endradius größer als 0 wählen.");
    ShapeRows rows(start);
    rows.line(0, {endRadius, start.y + sense(shape.direction) * shape.height}, shape.shells);
    return rows;
}

} // namespace venkar
