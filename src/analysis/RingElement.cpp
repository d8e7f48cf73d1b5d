#include "analysis/RingElement.h"

#include "analysis/AnalysisModel.h"
#include "analysis/ConicalElement.h"
#include "model/Model.h"

namespace venkar {

int RingElement::globalDof(const AnalysisModel& analysis, int k) const {
    return analysis.nodes[static_cast<std::size_t>(node_)].firstDof + 2 * k;
}

RealMatrix RingElement::stiffness(const Model& model, const AnalysisModel& analysis,
                                  int /*flags*/) const {
    const RingRecord& ring = model.rings.row(ringIndex_);
    const double r = analysis.nodes[static_cast<std::size_t>(node_)].r;
    RealMatrix k(2, 2);
    k(0, 0) = fullCircle * ring.modulus * ring.area / r;
    k(1, 1) = fullCircle * ring.modulus * ring.inertia / r;
    return k;
}

void RingElement::recover(const Model& model, AnalysisModel& analysis, int /*flags*/) {
    const RingRecord& ring = model.rings.row(ringIndex_);
    const AnalysisNode& node = analysis.nodes[static_cast<std::size_t>(node_)];
    const double wr = analysis.dofs[node.firstDof].value;
    const double rotation = analysis.dofs[node.firstDof + 2].value;
    hoopForce_ = wr / node.r * ring.modulus * ring.area;
    moment_ = rotation * ring.modulus * ring.inertia / node.r;
    const int partner = node.partner;
    analysis.dof(partner, 0).force += fullCircle * hoopForce_;
    analysis.dof(partner, 2).force += fullCircle * moment_;
}

double RingElement::resultValue(double /*l*/, int component) const {
    return component == 0 ? hoopForce_ : moment_;
}

} // namespace venkar
