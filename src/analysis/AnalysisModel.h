#pragma once

#include "analysis/Constraint.h"
#include "analysis/DofTable.h"
#include "analysis/Results.h"
#include "analysis/RingElement.h"
#include "analysis/ShellElement.h"

#include <array>
#include <vector>

namespace venkar {

// Calculation options; only selfWeightFlag is ever tested.
inline constexpr int selfWeightFlag = 2;

// A node of the analysis: an input node used by a shell or a ring beam, a
// node created along a shell, or the twin of a hinged ring beam. Its index in
// the node list is its identity; its three DOFs are firstDof + 0 (wr, radial
// displacement), + 1 (wz, axial displacement) and + 2 (rotation).
struct AnalysisNode {
    double r = 0.0;
    double z = 0.0;
    int firstDof = 0;
    double position = 0.0; // relative position on its shell; 0 for input nodes and twins
    int shell = 0;         // 0-based shell row of a node created on a shell; 0 otherwise
    int partner = 0;       // node that collects this node's forces (itself, or a twin's origin)
    int hingeSide = 0;     // 0 normally, 1 before a hinge, 2 after a hinge
};

// The analysis of one calculation: nodes, elements, constraints, DOFs and
// the results. Cleared and rebuilt by every calculation, it keeps the
// results for the reports and plots until the next one.
//
// The element list holds the shell elements first and the ring elements
// after them; element(i) addresses both through the Element interface.
class AnalysisModel {
public:
    void clear();

    int resultsValid = 0; // 1 after a successful calculation
    int flags = 0;        // calculation options (selfWeightFlag)

    std::vector<AnalysisNode> nodes;
    std::vector<ShellElement> shellElements;
    std::vector<RingElement> ringElements;
    std::vector<Constraint> constraints;
    DofTable dofs;

    // How the input is numbered in the analysis, set by the discretisation:
    // the analysis node of every node row (-1 when the calculation does not
    // use the node) and the first shell element of every shell row (-1 for
    // a shell without elements).
    std::vector<int> nodeOfRow;
    std::vector<int> firstElementOfShell;

    // What the reports and plots read, built by the recovery; empty before.
    Results results;
    // A meridian of a load around the circumference: per shell element
    // N-PhiTheta, M-PhiTheta and Q-Phi at its start, then at its end, and v
    // as the fourth DOF of every node. Empty for an axisymmetric calculation.
    std::vector<std::array<double, 6>> circumferential;

    // The analysis node of node row `row`; -1 when it has none or the row is
    // beyond the rows the calculation saw.
    int analysisNode(int row) const;
    // The first element of shell row `shell`'s chain, -1 as above.
    int firstElement(int shell) const;
    // The elements of a shell in meridian order, following the chain.
    std::vector<int> shellChain(int shell) const;

    int shellElementCount() const { return static_cast<int>(shellElements.size()); }
    int ringElementCount() const { return static_cast<int>(ringElements.size()); }
    int elementCount() const { return shellElementCount() + ringElementCount(); }
    Element& element(int index);
    const Element& element(int index) const;

    // Appends a node at (r, z) whose partner is itself and returns its index.
    int addNode(double r, double z, double position = 0.0, int shell = 0);
    // Appends an empty constraint (c = 0) and returns it; valid until the next
    // constraint is added.
    Constraint& addConstraint();

    // Replaces the DOF table by three DOFs per node, in node order (wr, wz,
    // rotation), and sets every node's first DOF.
    void createDofs();

    // The DOF `k` (0 wr, 1 wz, 2 rotation) of node `node`.
    int dofIndex(int node, int k) const {
        return nodes[static_cast<std::size_t>(node)].firstDof + k;
    }
    Dof& dof(int node, int k) { return dofs[dofIndex(node, k)]; }
    const Dof& dof(int node, int k) const { return dofs[dofIndex(node, k)]; }
};

} // namespace venkar
