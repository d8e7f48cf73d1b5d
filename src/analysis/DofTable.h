#pragma once

#include "analysis/LargeBlockAllocator.h"
#include "model/Assert.h"

#include <vector>

namespace venkar {

// A DOF j with the factor it enters a dependent DOF's constraint with.
struct DofCoupling {
    int dof = 0;
    double factor = 0.0;
};

// One degree of freedom. A dependent DOF u is tied to others by its
// constraint: u = -(constant + Σ factor·u_j); the coupled DOFs may be
// dependent themselves.
struct Dof {
    std::vector<DofCoupling> couplings;
    double constant = 0.0;
    int dependent = 0;  // 1 when the constraint elimination made it dependent
    double value = 0.0; // displacement after the solution
    int equation = -1;  // equation number of an independent DOF
    int index = 0;      // own index in the table
    double force = 0.0; // force sum; the support reaction after the recovery
};

// One (equation, factor) pair of a DOF's expansion.
struct EquationTerm {
    int equation = 0;
    double factor = 0.0;
};

// A DOF in terms of the equations: u = Σ factor·U(equation) - constant.
// The same equation may appear more than once; each entry counts as it is.
struct DofExpansion {
    std::vector<EquationTerm> terms;
    double constant = 0.0;
};

// All DOFs of the analysis, three per analysis node in node order, and the
// equation numbering of the independent ones.
class DofTable {
public:
    // Replaces the table by `count` fresh DOFs (index = position).
    void create(int count);
    void clear();

    int size() const { return static_cast<int>(dofs_.size()); }
    // The DOF `index`, 0 <= index < size() (checked in debug builds).
    Dof& operator[](int index) {
        VENKAR_ASSERT(index >= 0 && index < size());
        return dofs_[static_cast<std::size_t>(index)];
    }
    const Dof& operator[](int index) const {
        VENKAR_ASSERT(index >= 0 && index < size());
        return dofs_[static_cast<std::size_t>(index)];
    }

    // Numbers the independent DOFs 0, 1, 2, ... in table order; dependent
    // ones get -1. Returns the number of equations.
    int numberEquations();
    int equationCount() const { return equationCount_; }
    // Gives equation e the number newNumber[e] (a permutation of the
    // equations of numberEquations()).
    void renumberEquations(const std::vector<int>& newNumber);

    // Appends the expansion of DOF `index` (scaled by `scale`) to `out`,
    // following the couplings of dependent DOFs down to independent ones.
    void expand(int index, DofExpansion& out, double scale = 1.0) const;
    DofExpansion expansion(int index) const;

    // The displacement of DOF `index` times `scale`, from the stored values
    // of the independent DOFs.
    double value(int index, double scale = 1.0) const;

private:
    std::vector<Dof, LargeBlockAllocator<Dof>> dofs_;
    int equationCount_ = 0;
};

} // namespace venkar
