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

double linear(double start, double end, double l) {
    return (1.0 - l) * start + l * end;
}

// A value only a meridian of a load around the circumference has (the
// components 8 ... 11) at l inside element `element`; 0 on an axisymmetric
// meridian. N-PhiTheta, M-PhiTheta and Q-Phi are kept at the element ends,
// v as the fourth DOF of the nodes.
double circumferentialValue(const AnalysisModel& analysis, int element, int component, double l) {
    if (analysis.circumferential.empty())
        return 0.0;
    if (component == plotVComponent) {
        const ShellElement& e = analysis.shellElements.at(static_cast<std::size_t>(element));
        return linear(analysis.dof(e.startNode, 3).value, analysis.dof(e.endNode, 3).value, l);
    }
    const std::array<double, 6>& ends =
        analysis.circumferential.at(static_cast<std::size_t>(element));
    const auto k = static_cast<std::size_t>(component - plotNPhiThetaComponent);
    return linear(ends[k], ends[k + 3], l);
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
    if (component > plotVonMisesComponent)
        return circumferentialValue(analysis_, element, component, l);
    if (component != plotVonMisesComponent)
        return e.resultValue(l, component);
    // The stresses of the section values at l: von Mises is not linear along
    // the element, its section values are. A load around the circumference
    // adds the faces' shear from N-PhiTheta and M-PhiTheta, as the results'
    // own stresses do.
    SectionValues values{};
    for (int j = 0; j < resultComponentCount; ++j)
        values[static_cast<std::size_t>(j)] = e.resultValue(l, j);
    const ShellResults* shell = analysis_.results.shell(e.shellNumber);
    if (!shell)
        return 0.0;
    const double t = shell->wallThickness;
    const FaceShear shear =
        faceShear(circumferentialValue(analysis_, element, plotNPhiThetaComponent, l),
                  circumferentialValue(analysis_, element, plotMPhiThetaComponent, l), t);
    return largerVonMises(surfaceStresses(values, t, shear));
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
    if (component > plotVonMisesComponent) {
        double largest = 0.0;
        for (int e = 0; e < analysis_.shellElementCount(); ++e)
            for (double l : {0.0, 1.0})
                largest =
                    std::max(largest, std::fabs(circumferentialValue(analysis_, e, component, l)));
        return largest;
    }
    return analysis_.results.maxShellResult.at(static_cast<std::size_t>(component));
}

std::shared_ptr<const HarmonicCase> AnalysisPlotResults::harmonicCase() const {
    return analysis_.results.harmonic;
}

double AnalysisPlotResults::maxReactionForce() const {
    return analysis_.results.maxReactionForce;
}

double AnalysisPlotResults::maxReactionMoment() const {
    return analysis_.results.maxReactionMoment;
}

} // namespace venkar
