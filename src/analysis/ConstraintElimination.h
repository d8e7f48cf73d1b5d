#pragma once

namespace venkar {

class AnalysisModel;

enum EliminationResult : int {
    constraintsConsistent = 1,
    constraintsContradict = 2, // "Wiederspruch in der Randbedingungen"
};

// Reduces the constraint equations by Gaussian elimination over the DOF
// columns (tolerance 1e-15) and makes the leading DOF of every remaining
// equation dependent: its couplings and constant express it through the
// DOFs to its right. A redundant equation (all zero) is dropped silently; an
// equation reduced to a nonzero constant alone is a contradiction.
// Precondition: the DOFs exist (three per node).
EliminationResult eliminateConstraints(AnalysisModel& analysis);

} // namespace venkar
