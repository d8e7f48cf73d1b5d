#include "analysis/Discretisation.h"

#include "analysis/AnalysisModel.h"
#include "analysis/ConstraintGeneration.h"
#include "geometry/ElementLength.h"
#include "geometry/ShellGeometry.h"
#include "geometry/ShellsAtNode.h"
#include "model/Error.h"
#include "model/Model.h"

#include <algorithm>

namespace venkar {

namespace {

// Sorts by position; equal positions keep their order (any stable sort gives
// the order of the exchange sort).
void sortByPosition(std::vector<DivisionPoint>& points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const DivisionPoint& l, const DivisionPoint& r) { return l.x < r.x; });
}

// Removes coincident entries until nothing changes: a hinge followed by a
// hinge stays, a hinge swallows the entry after it, any other entry gives
// way to the one after it.
void mergeCoincident(std::vector<DivisionPoint>& points) {
    bool changed = true;
    while (changed) {
        changed = false;
        std::size_t i = 0;
        while (i + 1 < points.size()) {
            if (points[i].x != points[i + 1].x) {
                ++i;
                continue;
            }
            const bool hingeHere = points[i].kind == DivisionPoint::hinge;
            if (hingeHere && points[i + 1].kind == DivisionPoint::hinge) {
                ++i;
                continue;
            }
            points.erase(points.begin() + static_cast<std::ptrdiff_t>(hingeHere ? i + 1 : i));
            changed = true;
        }
    }
}

[[noreturn]] void raiseTooManyElements() {
    raiseError("Zu viele Elemente (höchstens %zu) !\n"
               "Diskretisierungsfaktor oder Wanddicke prüfen.",
               maxAnalysisElements);
}

// The admissible element length at x as a fraction of the meridian.
double relativeStep(const Model& model, const ShellsAtNode& shellsAtNode, int shellIndex, double x,
                    double factor) {
    return elementLength(model, shellsAtNode, shellIndex, x) / meridianLength(model, shellIndex) /
           factor;
}

// True when the points increase strictly and all lie strictly inside (a, b).
bool strictlyInside(const std::vector<double>& points, double a, double b) {
    double previous = a;
    for (double x : points) {
        if (!(x > previous) || !(x < b))
            return false;
        previous = x;
    }
    return true;
}

// Interior points of the interval [a, b]: the step interpolates between the
// relative lengths at a and at b with the absolute position s as parameter;
// the n steps needed to pass b are shrunk evenly so that the last one ends
// at b, which leaves n - 1 interior points.
void divideInterval(const Model& model, const ShellsAtNode& shellsAtNode, int shellIndex, double a,
                    double b, std::vector<DivisionPoint>& out) {
    double factor = model.shells.row(shellIndex).discretisationFactor;
    if (factor == 0.0)
        factor = 1.0;
    const double stepA = relativeStep(model, shellsAtNode, shellIndex, a, factor);
    const double stepB = relativeStep(model, shellsAtNode, shellIndex, b, factor);
    double s = a;
    int n = 0;
    while (b > s) {
        s = s + ((1.0 - s) * stepA + s * stepB);
        if (++n > static_cast<int>(maxAnalysisElements))
            raiseTooManyElements();
    }
    if (out.size() + static_cast<std::size_t>(n) > maxAnalysisElements)
        raiseTooManyElements();
    const double end = s;
    const double correction = (b - end) / n;
    std::vector<double> steps; // the uncorrected positions s_1 ... s_(n-1)
    steps.reserve(static_cast<std::size_t>(n));
    s = a;
    for (int k = 1; k <= n - 1; ++k) {
        s = s + ((1.0 - s) * stepA + s * stepB);
        steps.push_back(s);
    }
    std::vector<double> points(steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k)
        points[k] = steps[k] + static_cast<double>(k + 1) * correction;
    // The even shrink can push the first points below a when the first steps
    // are much shorter than the overshoot (a nearly flat shell starting on
    // the axis); a point outside the interval would make a zero-length
    // element. Such an interval is scaled proportionally onto [a, b] instead.
    if (!strictlyInside(points, a, b)) {
        for (std::size_t k = 0; k < steps.size(); ++k)
            points[k] = a + (steps[k] - a) * (b - a) / (end - a);
    }
    for (double x : points)
        out.push_back({DivisionPoint::division, x, -1});
}

std::vector<bool> nodesInUse(const Model& model) {
    std::vector<bool> used(static_cast<std::size_t>(model.nodes.count()) + 1, false);
    auto mark = [&](int nodeNumber) {
        if (nodeNumber >= 1 && nodeNumber <= model.nodes.count())
            used[static_cast<std::size_t>(nodeNumber)] = true;
    };
    for (int row : model.shells.definedRows()) {
        mark(model.shells.row(row).startNode);
        mark(model.shells.row(row).endNode);
    }
    for (int row : model.rings.definedRows())
        mark(model.rings.row(row).node);
    return used;
}

void discretiseShell(const Model& model, AnalysisModel& analysis, int shellIndex,
                     const std::vector<DivisionPoint>& points) {
    const ShellRecord& shell = model.shells.row(shellIndex);
    int& firstElement = analysis.firstElementOfShell[static_cast<std::size_t>(shellIndex)];
    const int endNode = analysis.analysisNode(shell.endNode - 1);
    int c = analysis.analysisNode(shell.startNode - 1);
    int previousElement = -1;
    for (std::size_t j = 0; j + 1 < points.size(); ++j) {
        const DivisionPoint& from = points[j];
        const DivisionPoint& to = points[j + 1];
        int b = endNode;
        if (j + 2 < points.size()) {
            const Vector2 p = pointAt(model, shellIndex, to.x, 0.0);
            b = analysis.addNode(p.x, p.y, to.x, shellIndex);
        }
        if (from.x == to.x) {
            addHingeConstraints(model, analysis, shellIndex, model.hinges.row(from.source), c, b);
        } else {
            const int index = analysis.shellElementCount();
            analysis.shellElements.emplace_back(shellIndex + 1, from.x, to.x, c, b);
            if (previousElement >= 0)
                analysis.shellElements[static_cast<std::size_t>(previousElement)].next = index;
            if (firstElement == -1)
                firstElement = index;
            previousElement = index;
        }
        c = b;
    }
}

} // namespace

std::vector<DivisionPoint> divideShell(const Model& model, const ShellsAtNode& shellsAtNode,
                                       int shellIndex) {
    const int shellNumber = shellIndex + 1;
    std::vector<DivisionPoint> points{{DivisionPoint::division, 0.0, -1},
                                      {DivisionPoint::division, 1.0, -1}};
    for (int row : model.hinges.definedRows()) {
        const HingeRecord& hinge = model.hinges.row(row);
        if (hinge.shell != shellNumber)
            continue;
        points.push_back({DivisionPoint::hinge, hinge.xPosition, row});
        points.push_back({DivisionPoint::hinge, hinge.xPosition, row});
    }
    for (int row : model.pointLoads.definedRows()) {
        const PointLoadRecord& load = model.pointLoads.row(row);
        if (load.shell == shellNumber)
            points.push_back({DivisionPoint::pointLoad, load.xPosition, row});
    }
    sortByPosition(points);

    const std::vector<DivisionPoint> fixed = points;
    for (std::size_t i = 0; i + 1 < fixed.size(); ++i)
        if (fixed[i].x < fixed[i + 1].x)
            divideInterval(model, shellsAtNode, shellIndex, fixed[i].x, fixed[i + 1].x, points);

    sortByPosition(points);
    mergeCoincident(points);
    return points;
}

void discretise(const Model& model, AnalysisModel& analysis, const DiscretisationOptions& options) {
    analysis.clear();
    const std::vector<bool> used = nodesInUse(model);
    const std::vector<unsigned char> prescribed = prescribedComponents(model);
    analysis.nodeOfRow.assign(static_cast<std::size_t>(model.nodes.count()), -1);
    analysis.firstElementOfShell.assign(static_cast<std::size_t>(model.shells.count()), -1);
    for (int row : model.nodes.definedRows()) {
        const NodeRecord& node = model.nodes.row(row);
        if (!used[static_cast<std::size_t>(row) + 1])
            continue;
        const int calcNode = analysis.addNode(node.r, node.z);
        analysis.nodeOfRow[static_cast<std::size_t>(row)] = calcNode;
        addSupportConstraints(
            model, analysis, row, calcNode,
            options.supportsYieldToPrescribed ? prescribed[static_cast<std::size_t>(row)] : 0);
    }

    // Divide every shell first so that the node and element lists are
    // allocated once.
    const ShellsAtNode shellsAtNode(model);
    std::vector<std::vector<DivisionPoint>> divisions;
    std::size_t pointCount = 0;
    for (int row : model.shells.definedRows()) {
        divisions.push_back(divideShell(model, shellsAtNode, row));
        pointCount += divisions.back().size();
        if (pointCount > maxAnalysisElements + divisions.size())
            raiseTooManyElements();
    }
    analysis.nodes.reserve(analysis.nodes.size() + pointCount + model.rings.definedCount());
    analysis.shellElements.reserve(pointCount);
    std::size_t next = 0;
    for (int row : model.shells.definedRows())
        discretiseShell(model, analysis, row, divisions[next++]);

    if (options.axisConstraints)
        addAxisConstraints(analysis);

    for (int row : model.rings.definedRows()) {
        const int node = addRingConnection(model, analysis, row);
        if (node >= 0)
            analysis.ringElements.emplace_back(node, row);
    }
}

} // namespace venkar
