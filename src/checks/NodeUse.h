#pragma once

#include "model/Model.h"

#include <vector>

namespace venkar {

// Which nodes the structure uses, by node number: gathered once so that the
// load rows ask in constant time.
class NodeUse {
public:
    explicit NodeUse(const Model& model)
        : onShell_(static_cast<std::size_t>(model.nodes.count()) + 1, false), onRing_(onShell_) {
        for (int shell : model.shells.definedRows()) {
            mark(onShell_, model.shells.row(shell).startNode);
            mark(onShell_, model.shells.row(shell).endNode);
        }
        for (int ring : model.rings.definedRows())
            mark(onRing_, model.rings.row(ring).node);
    }

    bool onShell(int nodeNumber) const { return marked(onShell_, nodeNumber); }
    bool onRing(int nodeNumber) const { return marked(onRing_, nodeNumber); }

private:
    // Node numbers outside the node table name no defined node and are left out.
    static void mark(std::vector<bool>& marks, int nodeNumber) {
        if (nodeNumber >= 0 && nodeNumber < static_cast<int>(marks.size()))
            marks[static_cast<std::size_t>(nodeNumber)] = true;
    }
    static bool marked(const std::vector<bool>& marks, int nodeNumber) {
        return nodeNumber >= 0 && nodeNumber < static_cast<int>(marks.size()) &&
               marks[static_cast<std::size_t>(nodeNumber)];
    }

    std::vector<bool> onShell_;
    std::vector<bool> onRing_;
};

inline constexpr const char* noConnection = "Der Knoten hat keine Verbindung mit der Struktur !";

} // namespace venkar
