#pragma once

#include "geometry/BoundingBox.h"

namespace venkar {

class Model;
class NodeClass;

// Extents of the structure in the meridian plane, used to fit the plots.

// The shell sampled at arcSegmentCount(0.1) + 1 evenly spaced positions from
// start to end. Precondition: the shell (0-based row) passes geometryValid.
BoundingBox shellBox(const Model& model, int shell);

// All defined node points; empty when no node is defined.
BoundingBox nodesBox(const NodeClass& nodes);

// The points at x = 0.333 and x = 0.666 of every defined shell that passes
// geometryValid; empty when there is none.
BoundingBox shellsThirdsBox(const Model& model);

} // namespace venkar
