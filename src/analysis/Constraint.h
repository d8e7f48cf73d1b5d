#pragma once

#include <vector>

namespace venkar {

// One term factor·u(node, k) of a constraint; node is an analysis node
// index, k the local DOF (0 wr, 1 wz, 2 rotation).
struct ConstraintTerm {
    int node = 0;
    int dof = 0;
    double factor = 0.0;
};

// One linear equation Σ factor·u(node, k) + c = 0 between DOFs: a support,
// a hinge, the symmetry axis, a ring connection or a prescribed
// displacement. c is 0 except for prescribed displacements.
struct Constraint {
    std::vector<ConstraintTerm> terms;
    double c = 0.0;

    void add(int node, int dof, double factor) { terms.push_back({node, dof, factor}); }
};

} // namespace venkar
