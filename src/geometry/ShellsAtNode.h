#pragma once

#include <span>
#include <vector>

namespace venkar {

class Model;

// The shells meeting at each node, built once from the shell table so that
// asking for the neighbours of a node costs only the shells that are there,
// not a scan of all shells. Holds only the defined shells that pass
// `geometryValid` (the others never reach an analysis). A snapshot: build a
// new one after the system has been edited.
class ShellsAtNode {
public:
    // One end of a shell at a node.
    struct ShellEnd {
        int shell; // 0-based row in the shell table
        double x;  // 0 when the shell starts at the node, 1 when it ends there
    };

    explicit ShellsAtNode(const Model& model);

    // The shell ends at node number `nodeNumber` (1-based), in ascending
    // shell order; empty for a node no valid shell uses.
    std::span<const ShellEnd> at(int nodeNumber) const;

private:
    std::vector<std::vector<ShellEnd>> endsByNode_; // index: node number
};

} // namespace venkar
