#include "analysis/AnalysisModel.h"

namespace venkar {

void AnalysisModel::clear() {
    resultsValid = 0;
    nodes.clear();
    shellElements.clear();
    ringElements.clear();
    constraints.clear();
    dofs.clear();
    nodeOfRow.clear();
    firstElementOfShell.clear();
    circumferential.clear();
    results = Results{};
}

namespace {

int entryOr(const std::vector<int>& list, int index, int fallback) {
    if (index < 0 || index >= static_cast<int>(list.size()))
        return fallback;
    return list[static_cast<std::size_t>(index)];
}

} // namespace

int AnalysisModel::analysisNode(int row) const {
    return entryOr(nodeOfRow, row, -1);
}

int AnalysisModel::firstElement(int shell) const {
    return entryOr(firstElementOfShell, shell, -1);
}

std::vector<int> AnalysisModel::shellChain(int shell) const {
    std::vector<int> chain;
    for (int e = firstElement(shell); e >= 0 && e < shellElementCount();
         e = shellElements[static_cast<std::size_t>(e)].next)
        chain.push_back(e);
    return chain;
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
