#pragma once

#include "geometry/Vector2.h"

#include <memory>
#include <vector>

namespace venkar {

struct HarmonicCase;

// What the result plots read of a calculation. The graph view draws through
// this interface so that it neither owns nor changes the analysis; the
// analysis supplies one implementation, the tests their own.
//
// Analysis nodes are addressed by their 0-based index (`analysisNode` names
// the analysis node of an input node); shells by their 0-based row index. Result components are
// numbered 0 "N-Phi", 1 "N-Theta", 2 "M-Phi", 3 "M-Theta", 4 "Q-Theta", 5 "Eps-Phi", 6 "Eps-Theta",
// 7 the larger von Mises stress of the two faces of the wall, and for a load
// around the circumference 8 "N-PhiTheta", 9 "M-PhiTheta", 10 "Q-Phi" and 11
// the circumferential displacement "v" (all zero for an axisymmetric one).

inline constexpr int plotVonMisesComponent = 7;
inline constexpr int plotNPhiThetaComponent = 8;
inline constexpr int plotMPhiThetaComponent = 9;
inline constexpr int plotQPhiComponent = 10;
inline constexpr int plotVComponent = 11;
inline constexpr int plotComponentCount = 12;

// The short name of a plot component: "N-Phi" ... "Eps-Theta", "Sigma-V",
// "N-PhiTheta", "M-PhiTheta", "Q-Phi", "v".
const char* plotComponentName(int component);

// Displacement of a point: radial and axial translation (length units of the
// input) and the rotation of the tangent (radians).
struct PlotDisplacement {
    double radial = 0.0;
    double axial = 0.0;
    double rotation = 0.0;
};

// Support reaction per unit length of circumference.
struct PlotReaction {
    double forceR = 0.0;
    double forceZ = 0.0;
    double moment = 0.0;
};

// One shell element of the results: its stretch of the shell and its two
// analysis nodes. `element` identifies it towards the other operations.
struct PlotElement {
    int element = 0;
    double startPosition = 0.0; // relative positions on the shell, in [0, 1]
    double endPosition = 0.0;
    int startNode = 0;
    int endNode = 0;
};

// One ring beam with its analysis node and its forces.
struct PlotRingBeam {
    int node = 0;             // analysis node index
    double normalForce = 0.0; // N
    double moment = 0.0;      // M
    double sqrtArea = 0.0;    // the square root of the cross-section area
};

class PlotResults {
public:
    virtual ~PlotResults() = default;

    virtual int nodeCount() const = 0;
    // The analysis node of node row `row`; -1 when the calculation did not
    // use the node.
    virtual int analysisNode(int row) const = 0;
    // The undeformed position (r, z) of an analysis node.
    virtual Vector2 nodePoint(int node) const = 0;
    virtual PlotDisplacement nodeDisplacement(int node) const = 0;
    // The reaction at a node with a support; zero elsewhere.
    virtual PlotReaction reaction(int node) const = 0;
    // 1 for the node before a hinge, 2 for the node after it, 0 otherwise;
    // for a marked node also the shell it lies on and its position there.
    virtual int hingeSide(int node) const = 0;
    virtual int nodeShell(int node) const = 0;
    virtual double nodePosition(int node) const = 0;

    // The elements of a shell in meridian order; empty for a shell without
    // results.
    virtual std::vector<PlotElement> shellElements(int shell) const = 0;
    // The value of `component` at the local position l in [0, 1] of an
    // element (0 its start, 1 its end).
    virtual double elementValue(int element, int component, double l) const = 0;
    // The displacement at the local position l of an element.
    virtual PlotDisplacement elementDisplacement(int element, double l) const = 0;

    virtual std::vector<PlotRingBeam> ringBeams() const = 0;

    // Scales: the largest length of (radial, axial) over all nodes, the
    // largest |value| of a component over all element ends, the largest
    // length of (forceR, forceZ) and the largest |moment| of the reactions;
    // each 0 when there is nothing.
    virtual double maxDisplacement() const = 0;
    virtual double maxShellResult(int component) const = 0;
    virtual double maxReactionForce() const = 0;
    virtual double maxReactionMoment() const = 0;

    // The amplitudes of a load case with loads around the circumference, of
    // which these results are the meridian at one angle; null for an
    // axisymmetric load case.
    virtual std::shared_ptr<const HarmonicCase> harmonicCase() const { return nullptr; }
};

} // namespace venkar
