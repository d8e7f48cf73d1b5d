#include "analysis/ResultRecovery.h"

#include "analysis/AnalysisModel.h"
#include "geometry/Vector2.h"
#include "model/Error.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

constexpr double axisTolerance = 1e-10;

} // namespace

void storeSolution(AnalysisModel& analysis, const RealMatrix& solution) {
    DofTable& dofs = analysis.dofs;
    for (int i = 0; i < dofs.size(); ++i)
        if (!dofs[i].dependent)
            dofs[i].value = solution.at(dofs[i].equation);
    for (int i = 0; i < dofs.size(); ++i)
        if (dofs[i].dependent)
            dofs[i].value = dofs.value(i);
}

void recoverResults(const Model& model, AnalysisModel& analysis, int flags) {
    for (int e = 0; e < analysis.elementCount(); ++e)
        analysis.element(e).recover(model, analysis, flags);
    for (int row : model.nodes.definedRows()) {
        const int node = analysis.analysisNode(row);
        if (node < 0)
            continue;
        const double r = analysis.nodes[static_cast<std::size_t>(node)].r;
        for (int k = 0; k < 3; ++k) {
            double& force = analysis.dof(node, k).force;
            force = r > axisTolerance ? force * (1.0 / (fullCircle * r)) : 0.0;
        }
    }
    analysis.results = collectResults(model, analysis);
}

const ShellElement& findElement(const AnalysisModel& analysis, int shell, double x) {
    for (int e : analysis.shellChain(shell)) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
        if (element.startPosition <= x && x <= element.endPosition)
            return element;
    }
    raiseError("Schale nicht gefunden");
}

ElementPosition locateOnShell(const AnalysisModel& analysis, int shell, double x) {
    const ShellElement& element = findElement(analysis, shell, x);
    return {element, (x - element.startPosition) / (element.endPosition - element.startPosition)};
}

ResultExtremes extremes(const AnalysisModel& analysis, int shell, int component) {
    ResultExtremes result;
    auto consider = [&](double value, double position) {
        if (value > result.maximum) {
            result.maximum = value;
            result.maximumPosition = position;
        }
        if (value < result.minimum) {
            result.minimum = value;
            result.minimumPosition = position;
        }
    };
    for (int e : analysis.shellChain(shell)) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
        consider(element.result(0, component), element.startPosition);
        consider(element.result(1, component), element.endPosition);
    }
    return result;
}

double maximumDisplacement(const AnalysisModel& analysis) {
    double largest = 0.0;
    for (std::size_t n = 0; n < analysis.nodes.size(); ++n) {
        const int node = static_cast<int>(n);
        largest = std::max(
            largest, length(Vector2{analysis.dof(node, 0).value, analysis.dof(node, 1).value}));
    }
    return largest;
}

double maximumShellResult(const AnalysisModel& analysis, int component) {
    double largest = 0.0;
    for (const ShellElement& element : analysis.shellElements)
        largest = std::max({largest, std::fabs(element.result(0, component)),
                            std::fabs(element.result(1, component))});
    return largest;
}

double maximumReactionForce(const AnalysisModel& analysis) {
    double largest = 0.0;
    for (std::size_t n = 0; n < analysis.nodes.size(); ++n) {
        const int node = static_cast<int>(n);
        largest = std::max(
            largest, length(Vector2{analysis.dof(node, 0).force, analysis.dof(node, 1).force}));
    }
    return largest;
}

double maximumReactionMoment(const AnalysisModel& analysis) {
    double largest = 0.0;
    for (std::size_t n = 0; n < analysis.nodes.size(); ++n)
        largest = std::max(largest, std::fabs(analysis.dof(static_cast<int>(n), 2).force));
    return largest;
}

} // namespace venkar
