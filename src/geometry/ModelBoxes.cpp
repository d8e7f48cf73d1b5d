#include "geometry/ModelBoxes.h"

#include "geometry/ShellGeometry.h"
#include "model/Model.h"

namespace venkar {

BoundingBox shellBox(const Model& model, int shell) {
    const int segments = arcSegmentCount(model, shell, 0.1);
    BoundingBox box;
    for (int i = 0; i <= segments; ++i)
        extend(box, pointAt(model, shell, static_cast<double>(i) / segments));
    return box;
}

BoundingBox nodesBox(const NodeClass& nodes) {
    BoundingBox box;
    for (int row : nodes.definedRows()) {
        const NodeRecord& node = nodes.row(row);
        extend(box, {node.r, node.z});
    }
    return box;
}

BoundingBox shellsThirdsBox(const Model& model) {
    // Points inside the shells rather than their ends, so that arcs bulging
    // beyond their nodes widen the box (0.333 and 0.666 as the plots have
    // always used them).
    BoundingBox box;
    for (int shell : model.shells.definedRows()) {
        if (!geometryValid(model, shell))
            continue;
        extend(box, pointAt(model, shell, 0.333));
        extend(box, pointAt(model, shell, 0.666));
    }
    return box;
}

} // namespace venkar
