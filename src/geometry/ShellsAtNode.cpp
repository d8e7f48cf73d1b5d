#include "geometry/ShellsAtNode.h"

#include "geometry/ShellGeometry.h"
#include "model/Model.h"

namespace venkar {

ShellsAtNode::ShellsAtNode(const Model& model)
    : endsByNode_(static_cast<std::size_t>(model.nodes.count()) + 1) {
    for (int shell : model.shells.definedRows()) {
        // A valid shell names two defined, and therefore held, nodes.
        if (!geometryValid(model, shell))
            continue;
        const ShellRecord& record = model.shells.row(shell);
        endsByNode_[static_cast<std::size_t>(record.startNode)].push_back({shell, 0.0});
        endsByNode_[static_cast<std::size_t>(record.endNode)].push_back({shell, 1.0});
    }
}

std::span<const ShellsAtNode::ShellEnd> ShellsAtNode::at(int nodeNumber) const {
    if (nodeNumber < 0 || nodeNumber >= static_cast<int>(endsByNode_.size()))
        return {};
    return endsByNode_[static_cast<std::size_t>(nodeNumber)];
}

} // namespace venkar
