#pragma once

#include "geometry/Vector2.h"

#include <optional>
#include <vector>

namespace venkar {

// A node of a generated shape: its point (r, z; z pointing down) and the
// supports it carries (1: held), as in the node table.
struct ShapeNode {
    Vector2 point;
    int supportR = 0;
    int supportZ = 0;
    int supportRot = 0;
};

// A shell of a generated shape between two of its nodes (indices into
// ShapeRows::nodes). An arc keeps its centre; its signed radius in the shell
// table follows from the direction of travel when the rows are written, so
// that a shape can be mirrored and reversed without touching its arcs.
// Every arc opens by less than half a turn ("Innen").
struct ShapeShell {
    int startNode = 0;
    int endNode = 0;
    std::optional<Vector2> centre; // none: straight
};

// The rows a shape adds, before they get their numbers: node 0 is where the
// shape starts (an existing node or a new one at the starting point).
struct ShapeRows {
    std::vector<ShapeNode> nodes;
    std::vector<ShapeShell> shells;

    // Starts a shape at `start`: its node 0.
    explicit ShapeRows(Vector2 start);
    ShapeRows() = default;

    // The index of the last node added.
    int lastNode() const { return static_cast<int>(nodes.size()) - 1; }
    Vector2 point(int node) const { return nodes[static_cast<std::size_t>(node)].point; }

    // Straight from node `from` to `end` in `pieces` equal shells; returns the
    // index of the node at `end`.
    int line(int from, Vector2 end, int pieces = 1);
    // A circular arc about `centre` from node `from` to `end` (the shorter way
    // round, less than half a turn) in `pieces` shells of equal angle;
    // returns the index of the node at `end`. `end` is taken as given, its
    // distance from the centre should equal the start's.
    int arc(int from, Vector2 end, Vector2 centre, int pieces = 1);

    // The same shape with its shells walked the other way and its nodes in
    // the reverse order: node 0 becomes the former last node. Only for a
    // shape that is one chain (every shell ends where the next one starts).
    ShapeRows reversed() const;
    // Every point and centre mapped by (r, z) -> (r, -z): the shape upside
    // down.
    ShapeRows mirroredInZ() const;
    // Every point and centre moved by `by`.
    ShapeRows shifted(Vector2 by) const;
};

// The signed shell radius of the arc from `start` to `end` about `centre`
// taken the shorter way round: |R| is the distance from the centre, the sign
// says on which side of the chord the arc bulges (positive: to the right of
// the way from start to end, drawn with r to the right and z up).
double signedArcRadius(Vector2 start, Vector2 end, Vector2 centre);

} // namespace venkar
