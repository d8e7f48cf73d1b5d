#pragma once

#include "harmonic/HarmonicElement.h"

#include <vector>

namespace venkar {

class AnalysisModel;
class Model;

// The stiffness of one harmonic element as a polynomial in the harmonic
// number n. The strain rows are polynomials of degree two in n (κ_φ holds
// n²·w), so the symmetric set's matrix without its circumferential factors
// is
//   K(n) = A·Σ_{p=0..4} nᵖ·K_A,p + B·Σ_{p=0..2} nᵖ·K_B,p
// (A, B the factors of u, w, β and of v; the bedding belongs to K_A,0), and
// the antisymmetric set's is the same with the sign of v flipped. The
// coefficients depend on the geometry and the material only: built once
// per element, every harmonic's matrix is eight scaled additions.
class HarmonicStiffnessSeries {
public:
    static constexpr std::size_t membraneTerms = 5;
    static constexpr std::size_t shearTerms = 3;

    std::array<HarmonicSquare, membraneTerms> membrane{}; // K_A,p
    std::array<HarmonicSquare, shearTerms> shear{};       // K_B,p

    // The element stiffness of harmonic h.
    HarmonicSquare at(Harmonic h) const;
};

// The series of every shell element of a mesh, in the order of
// analysis.shellElements: the meshes of all harmonics are the same
// discretisation, so one set serves them all.
class MeshStiffnessSeries {
public:
    MeshStiffnessSeries(const Model& model, const AnalysisModel& analysis);

    HarmonicSquare element(std::size_t index, Harmonic h) const { return elements_[index].at(h); }
    std::size_t size() const { return elements_.size(); }

private:
    std::vector<HarmonicStiffnessSeries> elements_;
};

} // namespace venkar
