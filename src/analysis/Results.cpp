#include "analysis/Results.h"

#include "analysis/AnalysisModel.h"
#include "analysis/HingeLines.h"
#include "geometry/ShellGeometry.h"
#include "geometry/ShellMaterial.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

Displacement nodeDisplacement(const AnalysisModel& analysis, int node) {
    return {analysis.dof(node, 0).value, analysis.dof(node, 1).value, analysis.dof(node, 2).value};
}

SectionValues valuesAt(const ShellElement& element, double l) {
    SectionValues values{};
    for (int j = 0; j < resultComponentCount; ++j)
        values[static_cast<std::size_t>(j)] = element.resultValue(l, j);
    return values;
}

void collectNodes(Results& results, const Model& model, const AnalysisModel& analysis) {
    for (int row : model.nodes.definedRows()) {
        const int node = analysis.analysisNode(row);
        if (node < 0)
            continue;
        const NodeRecord& record = model.nodes.row(row);
        results.nodes.push_back(
            {row + 1, node, record.r, record.z, nodeDisplacement(analysis, node)});
        // A supported node that no shell and no ring beam uses has no
        // analysis node and so no reaction.
        if (record.supportR || record.supportZ || record.supportRot)
            results.reactions.push_back({row + 1, node, analysis.dof(node, 0).force,
                                         analysis.dof(node, 1).force, analysis.dof(node, 2).force});
    }
}

// Extremes over the element ends in meridian order, taken like those of the
// section values: the first occurrence wins a tie.
std::array<ResultExtremes, stressComponentCount>
stressExtremes(const std::vector<ElementResult>& elements) {
    std::array<ResultExtremes, stressComponentCount> all{};
    auto consider = [](ResultExtremes& e, double value, double position) {
        if (value > e.maximum) {
            e.maximum = value;
            e.maximumPosition = position;
        }
        if (value < e.minimum) {
            e.minimum = value;
            e.minimumPosition = position;
        }
    };
    for (const ElementResult& element : elements)
        for (std::size_t j = 0; j < all.size(); ++j) {
            consider(all[j], element.startStresses[j], element.startPosition);
            consider(all[j], element.endStresses[j], element.endPosition);
        }
    return all;
}

// The values only a meridian of a load around the circumference has, at
// relative position l inside `element`: v and the three shear-like values
// are linear along an element.
CircumferentialValues aroundAt(const AnalysisModel& analysis, const ShellElement& element, double l,
                               double t) {
    const auto index = static_cast<std::size_t>(&element - analysis.shellElements.data());
    const std::array<double, 6>& ends = analysis.circumferential[index];
    const auto linear = [l](double start, double end) { return (1.0 - l) * start + l * end; };
    CircumferentialValues around;
    around.v =
        linear(analysis.dof(element.startNode, 3).value, analysis.dof(element.endNode, 3).value);
    around.nPhiTheta = linear(ends[0], ends[3]);
    around.mPhiTheta = linear(ends[1], ends[4]);
    around.qPhi = linear(ends[2], ends[5]);
    const FaceShear shear = faceShear(around.nPhiTheta, around.mPhiTheta, t);
    around.tauPos = shear.pos;
    around.tauNeg = shear.neg;
    return around;
}

StressValues stressesAt(const AnalysisModel& analysis, const ShellElement& element, double l,
                        const SectionValues& values, double t) {
    if (analysis.circumferential.empty())
        return surfaceStresses(values, t);
    const CircumferentialValues around = aroundAt(analysis, element, l, t);
    return surfaceStresses(values, t, {around.tauPos, around.tauNeg});
}

ShellResults collectShell(const Model& model, const AnalysisModel& analysis, int shell) {
    ShellResults result;
    result.number = shell + 1;
    result.intervals = model.shells.row(shell).intervals;
    result.wallThickness = wallThickness(model, shell);
    const double t = result.wallThickness;
    const double length = meridianLength(model, shell);
    const std::vector<int> chain = analysis.shellChain(shell);
    const int n = std::max(result.intervals, 1);
    for (int k = 0; k <= n && !chain.empty(); ++k) {
        const double x = k * (1.0 / n);
        const ElementPosition at = locateOnShell(analysis, shell, x);
        const SectionValues values = valuesAt(at.element, at.l);
        const Vector2 point = pointAt(model, shell, x);
        result.stations.push_back({x,
                                   x * length,
                                   point.x,
                                   point.y,
                                   {at.element.displacementAt(model, analysis, 0, at.l),
                                    at.element.displacementAt(model, analysis, 1, at.l),
                                    at.element.displacementAt(model, analysis, 2, at.l)},
                                   values,
                                   stressesAt(analysis, at.element, at.l, values, t)});
        if (!analysis.circumferential.empty())
            result.stations.back().around = aroundAt(analysis, at.element, at.l, t);
    }
    for (int j = 0; j < resultComponentCount; ++j)
        result.extremes[static_cast<std::size_t>(j)] = extremes(analysis, shell, j);
    for (int e : chain) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
        const SectionValues start = valuesAt(element, 0.0);
        const SectionValues end = valuesAt(element, 1.0);
        result.elements.push_back({e, element.startPosition, element.endPosition, element.startNode,
                                   element.endNode, start, end,
                                   stressesAt(analysis, element, 0.0, start, t),
                                   stressesAt(analysis, element, 1.0, end, t)});
    }
    result.stressExtremes = stressExtremes(result.elements);
    return result;
}

void collectRings(Results& results, const Model& model, const AnalysisModel& analysis) {
    for (const RingElement& ring : analysis.ringElements) {
        const int node = ring.node(0);
        const RingRecord& record = model.rings.row(ring.ringIndex());
        results.rings.push_back({ring.ringIndex() + 1, record.node, node,
                                 nodeDisplacement(analysis, node), ring.moment(), ring.hoopForce(),
                                 std::sqrt(std::max(record.area, 0.0))});
    }
}

void collectHinges(Results& results, const AnalysisModel& analysis) {
    for (const HingeLine& line : hingeLines(analysis)) {
        HingeResult hinge{line.shell + 1, line.position, {}};
        for (int node : line.nodes)
            hinge.sides.push_back(nodeDisplacement(analysis, node));
        results.hinges.push_back(std::move(hinge));
    }
}

template <class Item> const Item* findNumber(const std::vector<Item>& items, int number) {
    const auto found =
        std::lower_bound(items.begin(), items.end(), number,
                         [](const Item& item, int wanted) { return item.number < wanted; });
    return found != items.end() && found->number == number ? &*found : nullptr;
}

} // namespace

const NodeResult* Results::node(int number) const {
    return findNumber(nodes, number);
}

const ReactionResult* Results::reaction(int number) const {
    return findNumber(reactions, number);
}

const ShellResults* Results::shell(int number) const {
    return findNumber(shells, number);
}

Results collectResults(const Model& model, const AnalysisModel& analysis) {
    Results results;
    collectNodes(results, model, analysis);
    for (int shell : model.shells.definedRows())
        results.shells.push_back(collectShell(model, analysis, shell));
    collectRings(results, model, analysis);
    collectHinges(results, analysis);
    results.anyHinge = model.hinges.definedCount() > 0;
    results.anyRing = model.rings.definedCount() > 0;
    results.maxDisplacement = maximumDisplacement(analysis);
    results.maxReactionForce = maximumReactionForce(analysis);
    results.maxReactionMoment = maximumReactionMoment(analysis);
    for (int j = 0; j < resultComponentCount; ++j)
        results.maxShellResult[static_cast<std::size_t>(j)] = maximumShellResult(analysis, j);
    for (const ShellResults& shell : results.shells)
        for (const ElementResult& element : shell.elements)
            results.maxVonMises =
                std::max({results.maxVonMises, largerVonMises(element.startStresses),
                          largerVonMises(element.endStresses)});
    return results;
}

} // namespace venkar
