#pragma once

#include "generator/Shapes.h"
#include "model/MatClass.h"

#include <variant>

namespace venkar {

class Model;

// The dimensions of one of the generator's shapes.
using ShapeChoice = std::variant<CylinderShape, ConeShape, SphericalCapShape,
                                 TorisphericalHeadShape, EllipsoidalHeadShape, SiloShape>;

// The rows of the chosen shape started at `start`.
ShapeRows shapeRows(Vector2 start, const ShapeChoice& shape);

// Where a generated shape starts: at an existing node (its number, > 0) or,
// with node 0, at `point`.
struct ShapeStart {
    int node = 0;
    Vector2 point;
};

// The material of the generated shells: an existing row (its number, > 0)
// or, with existing 0, a new row holding `record`.
struct ShapeMaterial {
    int existing = 0;
    MatRecord record;
};

// Row numbers (1-based) of what appendShape wrote.
struct AppendedShape {
    int startNode = 0;    // the node the shape starts at (maybe an existing one)
    int lastNode = 0;     // the node of the shape's last row
    int firstNewNode = 0; // 0 when the shape added no node
    int firstShell = 0;
    int lastShell = 0;
    int material = 0;
    bool newMaterial = false;
};

// The point a shape starts at. Throws VenkarError for a start node that is
// not defined.
Vector2 startPointOf(const Model& model, const ShapeStart& start);

// Appends the shape's rows to the system: a material row unless an existing
// one is named, a node row for every shape node but the start when it is an
// existing node, a shell row per shell, each after the last defined row of
// its table. A starting point where a defined node already lies starts at
// that node (a second node in the same place would leave the shape
// unconnected). Arcs get the discretisation factor 2, straight shells 1, and
// every shell `intervals` output intervals. The rows are stored through the
// tables' commands, so grids and the document hear of every one. Throws
// VenkarError, before writing anything, for a start node or an existing
// material that is not defined.
AppendedShape appendShape(Model& model, const ShapeRows& rows, const ShapeStart& start,
                          const ShapeMaterial& material, int intervals = 10);

// The defined node at `point` (within a billionth of the coordinates), its
// number; 0 when there is none.
int nodeAt(const Model& model, Vector2 point);

} // namespace venkar
