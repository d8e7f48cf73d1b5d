#pragma once

#include <vector>

namespace venkar {

class SkylineMatrix;

// The smallest positive λ of the symmetric pencil (K + λ·G)·φ = 0, K
// positive definite.
struct PencilEigen {
    // False: K is not positive definite (a mechanism) and nothing was solved.
    bool stiffnessPositive = true;
    // False: no positive λ (G·φ = 0 or G stiffens every mode).
    bool found = false;
    double factor = 0.0;
    std::vector<double> mode; // φ over the equations, K-normalised
    // False when no Sturm count could confirm that no smaller λ exists (the
    // iteration did not settle on a large system).
    bool proven = true;
};

// Solves the pencil for its smallest positive λ and proves by a Sturm count
// on K + σ·G just below it that none smaller exists.
//
// The iteration is Lanczos on the standard symmetric problem of a shift σ
// (see ShiftedFactors): with K + σ·G = S·Sᵀ by the profile solver,
// S⁻¹·(-G)·S⁻ᵀ·y = θ·y, θ = 1/(λ - σ), whose largest θ are the λ just
// above σ. Each step is one product with G between two triangular solves.
// Small systems go to a dense solver.
//
// With an `estimate` of λ (the λ of a neighbouring harmonic) σ lies just
// below it: the λ close together there (the plateau of a cylinder under
// axial load holds many within one harmonic) lie far apart in θ, and the
// iteration converges in a few dozen steps. A shift above the smallest λ
// shows as a non-positive pivot and is lowered; when no shift serves, the
// iteration about σ = 0 follows, where θ = 1/λ and the largest θ lies
// apart from the cluster of the many stiff modes at θ ≈ 0. `startMode`
// (the neighbour's mode, of the same order) starts the first iteration
// about the estimate; a wider request after it starts at random.
PencilEigen smallestPositiveFactor(const SkylineMatrix& k, const SkylineMatrix& g,
                                   double estimate = 0.0,
                                   const std::vector<double>& startMode = {});

// The number of eigenvalues λ of the pencil in (0, σ) for σ > 0: the
// negative pivots of K + σ·G (K positive definite). -1 when σ hits an
// eigenvalue so closely that a pivot vanishes.
int eigenvaluesBelow(const SkylineMatrix& k, const SkylineMatrix& g, double sigma);

} // namespace venkar
