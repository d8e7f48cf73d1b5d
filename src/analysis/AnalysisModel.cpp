#include "analysis/AnalysisModel.h"

namespace venkar {

void AnalysisModel::clear() {
    resultsValid = 0;
    nodes.clear();
    shellElements.clear();
    ringElements.clear();
    constraints.clear();
    dofs.clear();
}

Element& AnalysisModel::element(int index) {
    if (index < shellElementCount())
        return shellElements[static_cast<std::size_t>(index)];
    return ringElements[static_cast<std::size_t>(index - shellElementCount())];
}

const Element& AnalysisModel::element(int index) const {
    if (index < shellElementCount())
        return shellElements[static_cast<std::size_t>(index)];
    return ringElements[static_cast<std::size_t>(index - shellElementCount())];
}

int AnalysisModel::addNode(double r, double z, double position, int shell) {
    const int index = static_cast<int>(nodes.size());
    AnalysisNode node;
    node.r = r;
    node.z = z;
    node.position = position;
    node.shell = shell;
    node.partner = index;
    nodes.push_back(node);
    return index;
}

void AnalysisModel::createDofs() {
    dofs.create(3 * static_cast<int>(nodes.size()));
    for (std::size_t n = 0; n < nodes.size(); ++n)
        nodes[n].firstDof = 3 * static_cast<int>(n);
}

Constraint& AnalysisModel::addConstraint() {
    return constraints.emplace_back();
}

} // namespace venkar
