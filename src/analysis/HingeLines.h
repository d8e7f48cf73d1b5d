#pragma once

#include <vector>

namespace venkar {

class AnalysisModel;

// The analysis nodes beside one hinge: the node before the hinge and the
// node(s) after it, which share the shell and the position.
struct HingeLine {
    int shell = 0;          // 0-based shell row
    double position = 0.0;  // relative position on the shell
    std::vector<int> nodes; // analysis node indices, in node order
};

// Groups the nodes that carry a hinge side, in node order: a node opens a new
// line when its shell or position differs from the line's first node.
std::vector<HingeLine> hingeLines(const AnalysisModel& analysis);

} // namespace venkar
