#pragma once

#include "analysis/LargeBlockAllocator.h"
#include "harmonic/HarmonicElement.h"

#include <vector>

namespace venkar {

class AnalysisModel;
class Model;

// A symmetric 8 x 8 element matrix by the 36 entries on and above its
// diagonal, row by row.
struct PackedHarmonicSquare {
    std::array<double, 36> entries{};

    static constexpr std::size_t index(std::size_t i, std::size_t j) {
        return i <= j ? i * 8 - i * (i - 1) / 2 + (j - i) : index(j, i);
    }
    double operator()(std::size_t i, std::size_t j) const { return entries[index(i, j)]; }
};

// The stiffness of one harmonic element as a polynomial in the harmonic
// number n. The strain rows are polynomials of degree two in n (κ_φ holds
// n²·w), so the symmetric set's matrix without its circumferential factors
// is
//   K(n) = A·Σ_{p=0..4} nᵖ·K_A,p + B·Σ_{p=0..2} nᵖ·K_B,p
// (A, B the factors of u, w, β and of v; the bedding belongs to K_A,0), and
// the antisymmetric set's is the same with the sign of v flipped. The
// coefficients depend on the geometry and the material only: built once
// per element, every harmonic's matrix is eight scaled additions. They are
// symmetric and kept by their upper triangles: a mesh's series are read
// from memory for every few harmonics, and their size is the cost.
class HarmonicStiffnessSeries {
public:
    static constexpr std::size_t membraneTerms = 5;
    static constexpr std::size_t shearTerms = 3;
    // The upper triangle of `upper`.
    static PackedHarmonicSquare pack(const HarmonicSquare& upper);

    std::array<PackedHarmonicSquare, membraneTerms> membrane{}; // K_A,p
    std::array<PackedHarmonicSquare, shearTerms> shear{};       // K_B,p
    // The twist rows 2κ_sφ at the start (ξ = -1) and end (ξ = 1), linear in
    // n: endTwist[end][p], for the twisting moments of the recovery.
    std::array<std::array<HarmonicRow, 2>, 2> endTwist{};
    // The nodal forces of unit surface loads (HarmonicElement::loadBasis).
    HarmonicLoadBasis loads{};

    // The element stiffness of harmonic h.
    PackedHarmonicSquare packedAt(Harmonic h) const;
    HarmonicSquare at(Harmonic h) const;
    // The twist row of harmonic h at an end, as HarmonicElement::strainRows.
    HarmonicRow twistAt(int end, Harmonic h) const;
};

// The series of every shell element of a mesh, in the order of
// analysis.shellElements: the meshes of all harmonics are the same
// discretisation, so one set serves them all.
class MeshStiffnessSeries {
public:
    MeshStiffnessSeries(const Model& model, const AnalysisModel& analysis);

    HarmonicSquare element(std::size_t index, Harmonic h) const { return elements_[index].at(h); }
    const HarmonicStiffnessSeries& series(std::size_t index) const { return elements_[index]; }
    std::size_t size() const { return elements_.size(); }

private:
    std::vector<HarmonicStiffnessSeries, LargeBlockAllocator<HarmonicStiffnessSeries>> elements_;
};

} // namespace venkar
