#include "analysis/Assembly.h"

#include "analysis/AnalysisModel.h"
#include "analysis/SkylineMatrix.h"
#include "model/Model.h"

#include <algorithm>
#include <array>

namespace venkar {

namespace {

constexpr int maxElementDofs = 6;

// The expansions of an element's local DOFs, reused across elements.
class ElementExpansions {
public:
    void fill(const AnalysisModel& analysis, const Element& element) {
        count_ = element.dofCount();
        for (int k = 0; k < count_; ++k) {
            DofExpansion& expansion = expansions_[static_cast<std::size_t>(k)];
            expansion.terms.clear();
            expansion.constant = 0.0;
            analysis.dofs.expand(element.globalDof(analysis, k), expansion);
        }
    }
    int count() const { return count_; }
    const DofExpansion& operator[](int k) const { return expansions_[static_cast<std::size_t>(k)]; }

private:
    std::array<DofExpansion, maxElementDofs> expansions_;
    int count_ = 0;
};

// The analysis node of node number `nodeNumber`, -1 when it has none.
int analysisNodeOf(const Model& model, const AnalysisModel& analysis, int nodeNumber) {
    const int row = nodeNumber - 1;
    if (row < 0 || row >= model.nodes.count() || !model.nodes.isDefined(row))
        return -1;
    return analysis.analysisNode(row);
}

void applyRingLoad(AnalysisModel& analysis, int node, const std::array<double, 3>& loads,
                   RealMatrix& rightHandSide) {
    const double r = analysis.nodes[static_cast<std::size_t>(node)].r;
    for (int k = 0; k < 3; ++k)
        applyNodeLoad(analysis, node, k, loads[static_cast<std::size_t>(k)] * fullCircle * r,
                      rightHandSide);
}

void applyNodeLoads(const Model& model, AnalysisModel& analysis, RealMatrix& rightHandSide) {
    for (int row : model.nodeLoads.definedRows()) {
        const NodeLoadRecord& load = model.nodeLoads.row(row);
        const int node = analysisNodeOf(model, analysis, load.node);
        if (node >= 0)
            applyRingLoad(analysis, node, {load.loadR, load.loadZ, load.loadM}, rightHandSide);
    }
}

// The node of the shell at exactly `x`: the first element of the chain that
// starts or ends there (at an interior boundary the element ending there, at
// a hinge the node before it); -1 when no element boundary matches.
int pointLoadNode(const Model& model, const AnalysisModel& analysis, const PointLoadRecord& load) {
    const int shellRow = load.shell - 1;
    if (shellRow < 0 || shellRow >= model.shells.count() || !model.shells.isDefined(shellRow))
        return -1;
    for (int e : analysis.shellChain(shellRow)) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
        if (element.startPosition == load.xPosition)
            return element.startNode;
        if (element.endPosition == load.xPosition)
            return element.endNode;
    }
    return -1;
}

void applyPointLoads(const Model& model, AnalysisModel& analysis, RealMatrix& rightHandSide) {
    for (int row : model.pointLoads.definedRows()) {
        const PointLoadRecord& load = model.pointLoads.row(row);
        const int node = pointLoadNode(model, analysis, load);
        if (node >= 0)
            applyRingLoad(analysis, node, {load.loadR, load.loadZ, load.loadM}, rightHandSide);
    }
}

void applyElementLoads(const Model& model, AnalysisModel& analysis, int flags,
                       RealMatrix& rightHandSide) {
    for (int e = 0; e < analysis.shellElementCount(); ++e) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
        const RealMatrix f = element.loadVector(model, analysis, flags);
        for (int k = 0; k < 3; ++k)
            applyNodeLoad(analysis, element.startNode, k, f(k, 0), rightHandSide);
        for (int k = 0; k < 3; ++k)
            applyNodeLoad(analysis, element.endNode, k, f(k + 3, 0), rightHandSide);
    }
}

} // namespace

void noteHeights(const AnalysisModel& analysis, SkylineMatrix& matrix) {
    ElementExpansions expansions;
    for (int e = 0; e < analysis.elementCount(); ++e) {
        expansions.fill(analysis, analysis.element(e));
        int lowest = -1;
        for (int k = 0; k < expansions.count(); ++k)
            for (const EquationTerm& term : expansions[k].terms)
                if (lowest < 0 || term.equation < lowest)
                    lowest = term.equation;
        if (lowest < 0)
            continue;
        for (int k = 0; k < expansions.count(); ++k)
            for (const EquationTerm& term : expansions[k].terms)
                matrix.noteHeight(term.equation, term.equation - lowest + 1);
    }
}

namespace {

void assembleWith(ElementExpansions& expansions, const Model& model, const AnalysisModel& analysis,
                  const Element& element, int flags, SkylineMatrix& matrix,
                  RealMatrix& rightHandSide) {
    expansions.fill(analysis, element);
    const RealMatrix k = element.stiffness(model, analysis, flags);
    for (int p = 0; p < expansions.count(); ++p) {
        const DofExpansion& row = expansions[p];
        for (int q = 0; q < expansions.count(); ++q) {
            const DofExpansion& column = expansions[q];
            const double kpq = k(p, q);
            for (const EquationTerm& i : row.terms)
                for (const EquationTerm& j : column.terms)
                    if (j.equation >= i.equation)
                        matrix.addEntry(j.equation, i.equation, i.factor * kpq * j.factor);
            for (const EquationTerm& i : row.terms)
                rightHandSide.at(i.equation) += i.factor * kpq * column.constant;
        }
    }
}

} // namespace

void assembleElement(const Model& model, const AnalysisModel& analysis, const Element& element,
                     int flags, SkylineMatrix& matrix, RealMatrix& rightHandSide) {
    ElementExpansions expansions;
    assembleWith(expansions, model, analysis, element, flags, matrix, rightHandSide);
}

void assembleStiffness(const Model& model, const AnalysisModel& analysis, int flags,
                       SkylineMatrix& matrix, RealMatrix& rightHandSide) {
    ElementExpansions expansions;
    for (int e = 0; e < analysis.elementCount(); ++e)
        assembleWith(expansions, model, analysis, analysis.element(e), flags, matrix,
                     rightHandSide);
}

void applyNodeLoad(AnalysisModel& analysis, int node, int k, double value,
                   RealMatrix& rightHandSide) {
    const Dof& dof = analysis.dof(node, k);
    if (!dof.dependent) {
        rightHandSide.at(dof.equation) += 1.0 * value; // its expansion: factor 1
    } else {
        const DofExpansion expansion = analysis.dofs.expansion(dof.index);
        for (const EquationTerm& term : expansion.terms)
            rightHandSide.at(term.equation) += term.factor * value;
    }
    const int partner = analysis.nodes[static_cast<std::size_t>(node)].partner;
    analysis.dof(partner, k).force -= value;
}

void assembleNodeAndPointLoads(const Model& model, AnalysisModel& analysis,
                               RealMatrix& rightHandSide) {
    applyNodeLoads(model, analysis, rightHandSide);
    applyPointLoads(model, analysis, rightHandSide);
}

void assembleLoads(const Model& model, AnalysisModel& analysis, int flags,
                   RealMatrix& rightHandSide) {
    assembleNodeAndPointLoads(model, analysis, rightHandSide);
    applyElementLoads(model, analysis, flags, rightHandSide);
}

} // namespace venkar
