#pragma once

#include "analysis/ResultRecovery.h"
#include "analysis/ShellElement.h"
#include "analysis/SurfaceStresses.h"

#include <array>
#include <memory>
#include <vector>

namespace venkar {

class AnalysisModel;
class Model;
struct HarmonicCase;

// The results of one calculation as a plain value, built once after the
// recovery and read by the results report, the JSON output and the plots.
// It holds copies, so it stays valid while the tables change; numbers are
// 1-based row numbers of the input, positions x relative positions along a
// shell (0 at its start node, 1 at its end node).

// Displacement of a point: radial and axial translation, rotation (radians).
struct Displacement {
    double wr = 0.0;
    double wz = 0.0;
    double rotation = 0.0;
};

// A defined input node the calculation used.
struct NodeResult {
    int number = 0;       // node row number
    int analysisNode = 0; // index of its analysis node
    double r = 0.0;
    double z = 0.0;
    Displacement displacement;
};

// The reaction of a supported node, per unit length of circumference.
struct ReactionResult {
    int number = 0;
    int analysisNode = 0;
    double forceR = 0.0;
    double forceZ = 0.0;
    double moment = 0.0;
};

// What only a load around the circumference adds at a station: the
// circumferential displacement, the in-plane shear force, the twisting
// moment, the transverse shear on a section φ = const and the faces' shear
// stresses (which the station's von Mises stresses then include).
struct CircumferentialValues {
    double v = 0.0;
    double nPhiTheta = 0.0;
    double mPhiTheta = 0.0;
    double qPhi = 0.0;
    double tauPos = 0.0;
    double tauNeg = 0.0;
};

// A report station of a shell: x = k / n for k = 0..n, n its intervals (at
// least 1). On an element boundary the element before it gives the values.
struct StationResult {
    double x = 0.0;
    double arcLength = 0.0; // s, along the meridian from the shell's start
    double r = 0.0;         // the station's point on the meridian
    double z = 0.0;
    Displacement displacement;
    SectionValues values{};
    StressValues stresses{}; // the face stresses of `values`
    CircumferentialValues around{};
};

// One shell element: its stretch of the shell, its analysis nodes and the
// section values at its two ends.
struct ElementResult {
    int element = 0; // index among the shell elements of the analysis
    double startPosition = 0.0;
    double endPosition = 0.0;
    int startNode = 0;
    int endNode = 0;
    SectionValues start{};
    SectionValues end{};
    StressValues startStresses{}; // the face stresses of `start` and `end`
    StressValues endStresses{};
};

struct ShellResults {
    int number = 0;
    int intervals = 0; // the shell's output intervals as entered
    std::vector<StationResult> stations;
    std::array<ResultExtremes, resultComponentCount> extremes{};
    std::vector<ElementResult> elements; // in meridian order
    double wallThickness = 0.0;          // t of the shell's material
    // Largest and smallest face stresses over the element ends. The normal
    // stresses are linear along an element, so these are their extremes on
    // the shell; von Mises, convex in them, has its largest value at an end
    // too (its smallest may lie inside an element).
    std::array<ResultExtremes, stressComponentCount> stressExtremes{};
};

struct RingResult {
    int number = 0;       // ring row number
    int node = 0;         // node row number the ring beam sits on
    int analysisNode = 0; // the analysis node it is attached to
    Displacement displacement;
    double moment = 0.0;    // M
    double hoopForce = 0.0; // N
    double sqrtArea = 0.0;  // square root of the cross-section area (0 for a negative area)
};

// The analysis nodes on both sides of one hinge.
struct HingeResult {
    int shell = 0; // shell row number
    double position = 0.0;
    std::vector<Displacement> sides; // before the hinge, then after it
};

class Results {
public:
    std::vector<NodeResult> nodes;         // defined nodes in row order
    std::vector<ReactionResult> reactions; // supported nodes in row order
    std::vector<ShellResults> shells;      // defined shells in row order
    std::vector<RingResult> rings;         // in ring element order
    std::vector<HingeResult> hinges;       // in analysis node order
    // The input had hinges / ring beams (the report then has their sections).
    bool anyHinge = false;
    bool anyRing = false;

    // Scales of the plots, each starting from 0: the largest length of
    // (wr, wz) and of a reaction (r, z) over all analysis nodes, the largest
    // |reaction moment|, the largest |value| of each component at the
    // element ends.
    double maxDisplacement = 0.0;
    double maxReactionForce = 0.0;
    double maxReactionMoment = 0.0;
    SectionValues maxShellResult{};
    // The largest von Mises stress of either face at an element end: the
    // scale of the stress plot.
    double maxVonMises = 0.0;

    // A load case with loads around the circumference: every value above is
    // the meridian at `angle` (degrees), and `harmonic` holds the amplitudes
    // of every harmonic for the other angles. Null for an axisymmetric case.
    std::shared_ptr<const HarmonicCase> harmonic;
    double angle = 0.0;

    // The result of node row number `number`; none when the calculation did
    // not use that node.
    const NodeResult* node(int number) const;
    const ReactionResult* reaction(int number) const;
    // The results of shell row number `number`; none for an undefined shell.
    const ShellResults* shell(int number) const;
};

// Reads the solved analysis of `model` (the model the analysis was built from).
Results collectResults(const Model& model, const AnalysisModel& analysis);

} // namespace venkar
