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
// With μ = 1/λ the pencil reads -G·φ = μ·K·φ, and the smallest positive λ
// is the largest μ. Spectra's Lanczos iteration in its regular-inverse mode
// finds the extreme μ with one solve with K per step: K is factorised once
// by the profile solver (its L·D·Lᵀ is the statics' own and follows the
// profile's banded structure at no cost beyond it). A shift-invert about an
// estimate of λ would need a new factorisation per shift and an estimate;
// the largest μ lies apart from the cluster of the many stiff modes at
// μ ≈ 0, which is what Lanczos finds first. Small systems go to a dense
// solver.
//
// With an `estimate` of λ (the λ of a neighbouring harmonic) the iteration
// is a shift-invert about σ a little below it instead: one more
// factorisation, of K + σ·G, separates λ lying close together (the plateau
// of a cylinder under axial load holds many within one harmonic) and
// converges in a few steps. A shift above the smallest λ shows as a
// non-positive pivot and is lowered; when no shift serves, the regular
// iteration above follows.
PencilEigen smallestPositiveFactor(const SkylineMatrix& k, const SkylineMatrix& g,
                                   double estimate = 0.0);

// The number of eigenvalues λ of the pencil in (0, σ) for σ > 0: the
// negative pivots of K + σ·G (K positive definite). -1 when σ hits an
// eigenvalue so closely that a pivot vanishes.
int eigenvaluesBelow(const SkylineMatrix& k, const SkylineMatrix& g, double sigma);

} // namespace venkar
