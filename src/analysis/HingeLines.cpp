#include "analysis/HingeLines.h"

#include "analysis/AnalysisModel.h"

namespace venkar {

std::vector<HingeLine> hingeLines(const AnalysisModel& analysis) {
    std::vector<HingeLine> lines;
    for (int index = 0; index < static_cast<int>(analysis.nodes.size()); ++index) {
        const AnalysisNode& node = analysis.nodes[static_cast<std::size_t>(index)];
        if (node.hingeSide == 0)
            continue;
        if (lines.empty() || node.shell != lines.back().shell ||
            node.position != lines.back().position)
            lines.push_back({node.shell, node.position, {}});
        lines.back().nodes.push_back(index);
    }
    return lines;
}

} // namespace venkar
