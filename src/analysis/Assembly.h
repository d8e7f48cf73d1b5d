#pragma once

namespace venkar {

class AnalysisModel;
class Element;
class Model;
class RealMatrix;
class SkylineMatrix;

// Building the global system K·U = F over the equations (independent DOFs).
// A DOF enters through its expansion u = Σ a·U(e) - g, so dependent DOFs
// spread their stiffness over the equations they depend on and prescribed
// parts move to the right-hand side.

// Notes in `matrix` the row heights every element's couplings need: for
// each pair of equations e_p <= e_q an element touches, row e_q reaches
// back to e_p.
void noteHeights(const AnalysisModel& analysis, SkylineMatrix& matrix);

// Adds the element's stiffness K: a_i·K(p, q)·b_j to the entry (e_j, e_i)
// for e_j >= e_i, and a_i·K(p, q)·g_q to the right-hand side at e_i.
void assembleElement(const Model& model, const AnalysisModel& analysis, const Element& element,
                     int flags, SkylineMatrix& matrix, RealMatrix& rightHandSide);

// Assembles every element of the element list.
void assembleStiffness(const Model& model, const AnalysisModel& analysis, int flags,
                       SkylineMatrix& matrix, RealMatrix& rightHandSide);

// Adds the ring force `value` on local DOF k of `node` to the right-hand
// side through the DOF's expansion (constants ignored) and subtracts it from
// the force sum of the partner's DOF k, so that the sums end as reactions.
void applyNodeLoad(AnalysisModel& analysis, int node, int k, double value,
                   RealMatrix& rightHandSide);

// The node loads, then the point loads on shells (both given per unit
// length of circumference, hence times 2π·r).
void assembleNodeAndPointLoads(const Model& model, AnalysisModel& analysis,
                               RealMatrix& rightHandSide);

// The load vector: node loads, then point loads on shells, then the
// distributed loads of every shell element.
void assembleLoads(const Model& model, AnalysisModel& analysis, int flags,
                   RealMatrix& rightHandSide);

} // namespace venkar
