#include "analysis/DofTable.h"

namespace venkar {

void DofTable::create(int count) {
    dofs_.clear();
    dofs_.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        dofs_[static_cast<std::size_t>(i)].index = i;
    equationCount_ = 0;
}

void DofTable::clear() {
    dofs_.clear();
    equationCount_ = 0;
}

int DofTable::numberEquations() {
    equationCount_ = 0;
    for (Dof& dof : dofs_)
        dof.equation = dof.dependent ? -1 : equationCount_++;
    return equationCount_;
}

void DofTable::renumberEquations(const std::vector<int>& newNumber) {
    VENKAR_ASSERT(static_cast<int>(newNumber.size()) == equationCount_);
    for (Dof& dof : dofs_)
        if (!dof.dependent)
            dof.equation = newNumber[static_cast<std::size_t>(dof.equation)];
}

// A dependent DOF u = -(C + Σ f_j·u_j) contributes each u_j with -f_j and
// its constant C to the expansion constant.
void DofTable::expand(int index, DofExpansion& out, double scale) const {
    const Dof& dof = (*this)[index];
    if (!dof.dependent) {
        out.terms.push_back({dof.equation, scale});
        return;
    }
    for (const DofCoupling& coupling : dof.couplings)
        expand(coupling.dof, out, -coupling.factor * scale);
    out.constant += scale * dof.constant;
}

DofExpansion DofTable::expansion(int index) const {
    DofExpansion out;
    expand(index, out);
    return out;
}

double DofTable::value(int index, double scale) const {
    const Dof& dof = (*this)[index];
    if (!dof.dependent)
        return scale * dof.value;
    double sum = 0.0;
    for (const DofCoupling& coupling : dof.couplings)
        sum += value(coupling.dof, coupling.factor);
    return scale * (-dof.constant - sum);
}

} // namespace venkar
