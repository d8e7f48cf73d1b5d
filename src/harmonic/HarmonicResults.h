#pragma once

#include "analysis/AnalysisModel.h"
#include "analysis/LargeBlockAllocator.h"
#include "harmonic/HarmonicElement.h"
#include "harmonic/HarmonicRing.h"

#include <array>
#include <vector>

namespace venkar {

// The results of a load around the circumference: the amplitudes of every
// calculated harmonic, summed on demand at an angle φ (radians,
// right-handed about the downward z axis, clockwise seen from above, "angle" in options and files).
// Phi is the hoop and Theta the meridional direction, as in today's results.
enum HarmonicQuantity : int {
    harmonicWr = 0,        // radial displacement
    harmonicWz = 1,        // axial displacement
    harmonicV = 2,         // circumferential displacement (along e_φ)
    harmonicRotation = 3,  // rotation of the meridian, today's sign
    harmonicNPhi = 4,      // hoop force
    harmonicNTheta = 5,    // meridional force
    harmonicNPhiTheta = 6, // in-plane shear force
    harmonicMPhi = 7,      // hoop bending moment
    harmonicMTheta = 8,    // meridional bending moment
    harmonicMPhiTheta = 9, // twisting moment
    harmonicQTheta = 10,   // transverse shear on a meridian section's normal
    harmonicQPhi = 11,     // transverse shear on a section φ = const
};
inline constexpr int harmonicQuantityCount = 12;
using HarmonicValues = std::array<double, harmonicQuantityCount>;

// "wr", "wz", "v", "rotation", "N-Phi", "N-Theta", "N-PhiTheta", "M-Phi",
// "M-Theta", "M-PhiTheta", "Q-Theta", "Q-Phi".
const char* harmonicQuantityName(int quantity);

// v, N-PhiTheta, M-PhiTheta and Q-Phi vary as v does (sin nφ in the
// symmetric set), every other quantity as u and w (cos nφ).
bool variesLikeV(int quantity);

// The factor of the amplitude of harmonic h at the angle φ: cos nφ or sin nφ
// as the quantity's set prescribes.
double angleFactor(Harmonic h, bool likeV, double angle);

// Reactions of a supported input node per unit length of circumference, in
// the node's DOF order: force r, force z, moment, force v.
using HarmonicReaction = std::array<double, 4>;

// The amplitudes of one harmonic.
struct HarmonicSolution {
    Harmonic harmonic;
    // Per shell element of the mesh (its index), the values at its start
    // and end.
    std::vector<std::array<HarmonicValues, 2>, LargeBlockAllocator<std::array<HarmonicValues, 2>>>
        elementEnds;
    // Per analysis node: wr, wz, rotation, v.
    std::vector<std::array<double, 4>> nodeValues;
    // Per analysis node: the force sums, reactions per unit length at input
    // nodes (0 on the axis).
    std::vector<HarmonicReaction> reactions;
    // Per ring element of the mesh.
    std::vector<HarmonicRingForces> rings;
};

// The shared mesh (today's discretisation, four DOFs per node) and the
// solutions in calculation order: n ascending, the symmetric set first.
struct HarmonicResults {
    AnalysisModel mesh;
    std::vector<HarmonicSolution> solutions;

    // A value at relative position l ∈ [0, 1] inside shell element
    // `element`, linear between its ends, summed over the harmonics at φ.
    double elementValue(int element, double l, int quantity, double angle) const;
    // wr, wz, rotation or v (k = 0..3) of an analysis node at φ.
    double nodeValue(int node, int k, double angle) const;
    // The reaction k (0 r, 1 z, 2 moment, 3 v) of an analysis node at φ.
    double reaction(int node, int k, double angle) const;
    // A ring element's forces at φ.
    HarmonicRingForces ringForces(int ring, double angle) const;

    // For sums at one angle over many elements and nodes: the factors of
    // every solution at φ for the values that vary like u ([0]) and like v
    // ([1]), and the sums from them, equal to the ones above.
    std::vector<std::array<double, 2>> angleFactors(double angle) const;
    double elementValue(int element, double l, int quantity,
                        const std::vector<std::array<double, 2>>& factors) const;
    double nodeValue(int node, int k, const std::vector<std::array<double, 2>>& factors) const;
    double reaction(int node, int k, const std::vector<std::array<double, 2>>& factors) const;
};

} // namespace venkar
