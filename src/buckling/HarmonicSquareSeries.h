#pragma once

#include "harmonic/HarmonicElement.h"

#include <array>

namespace venkar {

// An 8 x 8 element matrix over the global DOFs of a shell element as a
// polynomial in the harmonic number n:
//   M(n) = A·Σ_{p=0..2} nᵖ·M_A,p + B·Σ_{p=0..2} nᵖ·M_B,p
// with A, B the circumferential factors of the terms in cos² nφ and sin² nφ,
// the coefficients those of the symmetric set. The antisymmetric set's
// matrix is the same with the sign of v flipped.
class HarmonicSquareSeries {
public:
    static constexpr std::size_t terms = 3;

    std::array<HarmonicSquare, terms> cosine{}; // M_A,p
    std::array<HarmonicSquare, terms> sine{};   // M_B,p

    // M(n) of harmonic h.
    HarmonicSquare at(Harmonic h) const;
    // Adds the coefficients of `other`.
    HarmonicSquareSeries& operator+=(const HarmonicSquareSeries& other);
};

// m += factor·a·bᵀ.
void addOuter(HarmonicSquare& m, const HarmonicRow& a, const HarmonicRow& b, double factor);

} // namespace venkar
