#include "analysis/ConstraintGeneration.h"

#include "analysis/AnalysisModel.h"
#include "geometry/ShellGeometry.h"
#include "model/Model.h"

#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// The analysis node of node number `nodeNumber` (1-based), -1 when it has none.
int analysisNodeOf(const Model& model, const AnalysisModel& analysis, int nodeNumber) {
    const int row = nodeNumber - 1;
    if (row < 0 || row >= model.nodes.count() || !model.nodes.isDefined(row))
        return -1;
    return analysis.analysisNode(row);
}

// Σ factor·u = 0 for the displacement component along `angle`.
void addDirection(AnalysisModel& analysis, int node, double angle) {
    Constraint& constraint = analysis.addConstraint();
    constraint.add(node, 0, std::cos(angle));
    constraint.add(node, 1, std::sin(angle));
}

// u(a) along `angle` equals u(b) along `angle`.
void addEqualDirection(AnalysisModel& analysis, int a, int b, double angle) {
    Constraint& constraint = analysis.addConstraint();
    constraint.add(a, 0, std::cos(angle));
    constraint.add(a, 1, std::sin(angle));
    constraint.add(b, 0, -std::cos(angle));
    constraint.add(b, 1, -std::sin(angle));
}

void addEqual(AnalysisModel& analysis, int a, int b, int k) {
    Constraint& constraint = analysis.addConstraint();
    constraint.add(a, k, 1.0);
    constraint.add(b, k, -1.0);
}

} // namespace

std::vector<unsigned char> prescribedComponents(const Model& model) {
    std::vector<unsigned char> bits(static_cast<std::size_t>(model.nodes.count()), 0);
    for (int row : model.constraintLoads.definedRows()) {
        const ZwvRecord& record = model.constraintLoads.row(row);
        const int nodeRow = record.node - 1;
        if (nodeRow < 0 || nodeRow >= model.nodes.count())
            continue;
        unsigned char& b = bits[static_cast<std::size_t>(nodeRow)];
        if (record.dispR != 0.0)
            b |= 1;
        if (record.dispZ != 0.0)
            b |= 2;
        if (record.dispRot != 0.0)
            b |= 4;
    }
    return bits;
}

void addSupportConstraints(const Model& model, AnalysisModel& analysis, int nodeRow, int node,
                           unsigned char prescribed) {
    const NodeRecord& record = model.nodes.row(nodeRow);
    const double alpha = record.skewAngle * (1.0 / 180.0) * std::numbers::pi;
    if (record.supportR && !(prescribed & 1))
        addDirection(analysis, node, alpha);
    if (record.supportZ && !(prescribed & 2))
        addDirection(analysis, node, alpha + std::numbers::pi / 2.0);
    if (record.supportRot && !(prescribed & 4))
        analysis.addConstraint().add(node, 2, 1.0);
}

void addHingeConstraints(const Model& model, AnalysisModel& analysis, int shellIndex,
                         const HingeRecord& hinge, int before, int after) {
    const ShellRecord& shell = model.shells.row(shellIndex);
    const int startNode = analysisNodeOf(model, analysis, shell.startNode);
    const int endNode = analysisNodeOf(model, analysis, shell.endNode);
    const double phi = tangentAngle(model, shellIndex, hinge.xPosition);

    AnalysisNode& c = analysis.nodes[static_cast<std::size_t>(before)];
    AnalysisNode& b = analysis.nodes[static_cast<std::size_t>(after)];
    if (before != startNode)
        c.hingeSide = 1;
    if (after != endNode)
        b.hingeSide = 2;
    // An input node collects the forces of the node created beside it.
    if (before == startNode)
        b.partner = before;
    if (after == endNode)
        c.partner = after;

    if (!hinge.releaseN)
        addEqualDirection(analysis, before, after, phi);
    if (!hinge.releaseQ)
        addEqualDirection(analysis, before, after, phi + std::numbers::pi / 2.0);
    if (!hinge.releaseM)
        addEqual(analysis, before, after, 2);
}

void addAxisConstraints(AnalysisModel& analysis) {
    const int count = static_cast<int>(analysis.nodes.size());
    for (int node = 0; node < count; ++node) {
        if (analysis.nodes[static_cast<std::size_t>(node)].r != 0.0)
            continue;
        analysis.addConstraint().add(node, 0, 1.0);
        analysis.addConstraint().add(node, 2, 1.0);
    }
}

int addRingConnection(const Model& model, AnalysisModel& analysis, int ringRow) {
    const RingRecord& ring = model.rings.row(ringRow);
    const int node = analysisNodeOf(model, analysis, ring.node);
    if (node < 0)
        return -1;
    if (!ring.hingedR && !ring.hingedRot)
        return node;
    const AnalysisNode origin = analysis.nodes[static_cast<std::size_t>(node)];
    const int twin = analysis.addNode(origin.r, origin.z);
    analysis.nodes[static_cast<std::size_t>(twin)].partner = node;
    addEqual(analysis, node, twin, 1);
    if (!ring.hingedR)
        addEqual(analysis, node, twin, 0);
    if (!ring.hingedRot)
        addEqual(analysis, node, twin, 2);
    return twin;
}

void addPrescribedDisplacements(const Model& model, AnalysisModel& analysis) {
    for (int row : model.constraintLoads.definedRows()) {
        const ZwvRecord& record = model.constraintLoads.row(row);
        const int node = analysisNodeOf(model, analysis, record.node);
        if (node < 0)
            continue;
        const double values[3] = {record.dispR, record.dispZ, record.dispRot};
        for (int k = 0; k < 3; ++k) {
            if (values[k] == 0.0)
                continue;
            Constraint& constraint = analysis.addConstraint();
            constraint.add(node, k, 1.0);
            constraint.c = -values[k];
        }
    }
}

} // namespace venkar
