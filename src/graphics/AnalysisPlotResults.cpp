#include "graphics/AnalysisPlotResults.h"

#include "analysis/AnalysisModel.h"
#include "analysis/ResultRecovery.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

const AnalysisNode& nodeOf(const AnalysisModel& analysis, int node) {
    return analysis.nodes.at(static_cast<std::size_t>(node));
}

} // namespace

int AnalysisPlotResults::nodeCount() const {
    return static_cast<int>(analysis_.nodes.size());
}

Vector2 AnalysisPlotResults::nodePoint(int node) const {
    const AnalysisNode& n = nodeOf(analysis_, node);
    return {n.r, n.z};
}

PlotDisplacement AnalysisPlotResults::nodeDisplacement(int node) const {
    return {analysis_.dof(node, 0).value, analysis_.dof(node, 1).value,
            analysis_.dof(node, 2).value};
}

PlotReaction AnalysisPlotResults::reaction(int node) const {
    return {analysis_.dof(node, 0).force, analysis_.dof(node, 1).force,
            analysis_.dof(node, 2).force};
}

int AnalysisPlotResults::hingeSide(int node) const {
    return nodeOf(analysis_, node).hingeSide;
}

int AnalysisPlotResults::nodeShell(int node) const {
    return nodeOf(analysis_, node).shell;
}

double AnalysisPlotResults::nodePosition(int node) const {
    return nodeOf(analysis_, node).position;
}

std::vector<PlotElement> AnalysisPlotResults::shellElements(int shell) const {
    std::vector<PlotElement> elements;
    if (shell < 0 || shell >= model_.shells.count())
        return elements;
    // The chain ends at -1; the bound guards against a record whose
    // firstElement is older than the analysis.
    for (int e = model_.shells.row(shell).firstElement;
         e >= 0 && e < analysis_.shellElementCount();) {
        const ShellElement& element = analysis_.shellElements[static_cast<std::size_t>(e)];
        if (element.shellIndex() != shell)
            break;
        elements.push_back(
            {e, element.startPosition, element.endPosition, element.startNode, element.endNode});
        e = element.next;
    }
    return elements;
}

double AnalysisPlotResults::elementValue(int element, int component, double l) const {
    return analysis_.shellElements.at(static_cast<std::size_t>(element)).resultValue(l, component);
}

PlotDisplacement AnalysisPlotResults::elementDisplacement(int element, double l) const {
    const ShellElement& e = analysis_.shellElements.at(static_cast<std::size_t>(element));
    return {e.displacementAt(model_, analysis_, 0, l), e.displacementAt(model_, analysis_, 1, l),
            e.displacementAt(model_, analysis_, 2, l)};
}

std::vector<PlotRingBeam> AnalysisPlotResults::ringBeams() const {
    std::vector<PlotRingBeam> rings;
    for (const RingElement& ring : analysis_.ringElements) {
        const double area = model_.rings.row(ring.ringIndex()).area;
        rings.push_back(
            {ring.node(0), ring.hoopForce(), ring.moment(), std::sqrt(std::max(area, 0.0))});
    }
    return rings;
}

double AnalysisPlotResults::maxDisplacement() const {
    return maximumDisplacement(analysis_);
}

double AnalysisPlotResults::maxShellResult(int component) const {
    return maximumShellResult(analysis_, component);
}

double AnalysisPlotResults::maxReactionForce() const {
    return maximumReactionForce(analysis_);
}

double AnalysisPlotResults::maxReactionMoment() const {
    return maximumReactionMoment(analysis_);
}

} // namespace venkar
