#pragma once

#include "analysis/RealMatrix.h"

namespace venkar {

class AnalysisModel;
class Model;
struct Dof;

// An element of the analysis: a shell element joining two analysis nodes or
// a ring element on one node. Its local DOFs map onto the global DOF table;
// its stiffness enters the global system through the DOF expansion.
class Element {
public:
    virtual ~Element() = default;

    virtual int nodeCount() const = 0;
    // Analysis node index of the element's node i (0-based, i < nodeCount()).
    virtual int node(int i) const = 0;
    virtual int dofCount() const = 0;
    // Index in the DOF table of local DOF k.
    virtual int globalDof(const AnalysisModel& analysis, int k) const = 0;
    const Dof& dof(const AnalysisModel& analysis, int k) const;

    // Element stiffness, dofCount() x dofCount(), in the local DOF order.
    virtual RealMatrix stiffness(const Model& model, const AnalysisModel& analysis,
                                 int flags) const = 0;
    // Computes and keeps the element's results from the stored DOF values and
    // adds its end forces to the force sums of its nodes' partners.
    virtual void recover(const Model& model, AnalysisModel& analysis, int flags) = 0;
    // A result at relative position l ∈ [0, 1] within the element (see the
    // element classes for the components).
    virtual double resultValue(double l, int component) const = 0;
};

} // namespace venkar
