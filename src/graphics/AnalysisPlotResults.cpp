#include "graphics/AnalysisPlotResults.h"

#include "analysis/AnalysisModel.h"
#include "analysis/ResultRecovery.h"
#include "analysis/SurfaceStresses.h"
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

int AnalysisPlotResults::analysisNode(int row) const {
    return analysis_.analysisNode(row);
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
    if (const ShellResults* results = analysis_.results.shell(shell + 1)) {
        elements.reserve(results->elements.size());
        for (const ElementResult& e : results->elements)
            elements.push_back({e.element, e.startPosition, e.endPosition, e.startNode, e.endNode});
    }
    return elements;
}

double AnalysisPlotResults::elementValue(int element, int component, double l) const {
    const ShellElement& e = analysis_.shellElements.at(static_cast<std::size_t>(element));
    if (component != plotVonMisesComponent)
        return e.resultValue(l, component);
    // The stresses of the section values at l: von Mises is not linear along
    // the element, its section values are.
    SectionValues values{};
    for (int j = 0; j < resultComponentCount; ++j)
        values[static_cast<std::size_t>(j)] = e.resultValue(l, j);
    const ShellResults* shell = analysis_.results.shell(e.shellNumber);
    return shell ? largerVonMises(surfaceStresses(values, shell->wallThickness)) : 0.0;
}

PlotDisplacement AnalysisPlotResults::elementDisplacement(int element, double l) const {
    const ShellElement& e = analysis_.shellElements.at(static_cast<std::size_t>(element));
    return {e.displacementAt(model_, analysis_, 0, l), e.displacementAt(model_, analysis_, 1, l),
            e.displacementAt(model_, analysis_, 2, l)};
}

std::vector<PlotRingBeam> AnalysisPlotResults::ringBeams() const {
    std::vector<PlotRingBeam> rings;
    for (const RingResult& ring : analysis_.results.rings)
        rings.push_back({ring.analysisNode, ring.hoopForce, ring.moment, ring.sqrtArea});
    return rings;
}

double AnalysisPlotResults::maxDisplacement() const {
    return analysis_.results.maxDisplacement;
}

double AnalysisPlotResults::maxShellResult(int component) const {
    if (component == plotVonMisesComponent)
        return analysis_.results.maxVonMises;
    return analysis_.results.maxShellResult.at(static_cast<std::size_t>(component));
}

double AnalysisPlotResults::maxReactionForce() const {
    return analysis_.results.maxReactionForce;
}

double AnalysisPlotResults::maxReactionMoment() const {
    return analysis_.results.maxReactionMoment;
}

} // namespace venkar
