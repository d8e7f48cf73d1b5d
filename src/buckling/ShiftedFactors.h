#pragma once

#include <vector>

namespace venkar {

class SkylineMatrix;

// The factors of A = K + σ·G, positive definite, as A = S·Sᵀ with
// S = L·D^½ from the profile solver's L·D·Lᵀ (L unit lower triangular, D
// the pivots), kept as the nonzeros of L row by row.
//
// They turn the shift-invert of the pencil (K + λ·G)·φ = 0 into a standard
// symmetric problem: with A·φ = (λ - σ)·(-G)·φ,
//   S⁻¹·(-G)·S⁻ᵀ·y = θ·y,   y = Sᵀ·φ,   θ = 1/(λ - σ),
// so that the λ just above σ are the largest θ, an iteration needs no inner
// product but the plain one, and every step is one product with G between
// the two triangular solves. The profile's long rows that hold mostly
// zeros cost only their nonzeros here.
class ShiftedFactors {
public:
    // Factorises K + σ·G in the common profile. False when it is not
    // positive definite (some λ of the pencil lies in (0, σ], or K is not
    // positive definite); nothing is kept then.
    bool factorise(const SkylineMatrix& k, const SkylineMatrix& g, double sigma);

    int order() const { return static_cast<int>(diagonal_.size()); }
    double shift() const { return sigma_; }

    // y = S⁻¹·b. b and y hold order() values each; they may be the same.
    void lowerSolve(const double* b, double* y) const;
    // x = S⁻ᵀ·y, the same way.
    void upperSolve(const double* y, double* x) const;
    // y = Sᵀ·x; x and y must not overlap.
    void upperMultiply(const double* x, double* y) const;

private:
    double sigma_ = 0.0;
    std::vector<double> diagonal_; // the diagonal of S: √(D_i / c) for L·D·Lᵀ = c·A
    std::vector<int> rowStart_;    // order() + 1 offsets into columns_ and values_
    std::vector<int> columns_;     // the columns of L's nonzeros left of the diagonal
    std::vector<double> values_;   // L(i, column)
};

} // namespace venkar
