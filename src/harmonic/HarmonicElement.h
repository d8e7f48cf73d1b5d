#pragma once

#include "analysis/ConicalElement.h"

#include <array>

namespace venkar {

// Which half of a Fourier harmonic n a problem carries.
//   symmetric:     u, w, β ∝ cos nφ, v ∝ sin nφ (its n = 0 is today's
//                  axisymmetric problem)
//   antisymmetric: u, w, β ∝ sin nφ, v ∝ cos nφ (its n = 0 is torsion)
// φ is the circumferential angle ("angle"); v runs along e_φ.
enum class HarmonicSet : int { symmetric = 0, antisymmetric = 1 };

// One harmonic: its number n >= 0 and its set.
struct Harmonic {
    int n = 0;
    HarmonicSet set = HarmonicSet::symmetric;

    // ∫ f²(nφ) dφ over the circumference for the trigonometric factor of
    // u, w and β ("A") and of v ("B"): π for n >= 1; 2π or 0 for n = 0.
    double factorA() const;
    double factorB() const;
    // +1 in the symmetric set, -1 in the antisymmetric one: the antisymmetric
    // problem is the symmetric one with the sign of v flipped.
    double vSign() const { return set == HarmonicSet::symmetric ? 1.0 : -1.0; }
};

// Eight coefficients, one per DOF of the harmonic element.
using HarmonicRow = std::array<double, 8>;
using HarmonicSquare = std::array<HarmonicRow, 8>;

// The amplitudes of the six strain measures of Sanders' (Koiter's) linear
// thin-shell theory at one point of the middle surface, as rows over the
// element DOFs. In the symmetric set the first group (ε_s, ε_φ, κ_s, κ_φ)
// carries cos nφ and the second (γ, 2κ_sφ) sin nφ; the antisymmetric set
// swaps the factors.
struct HarmonicStrainRows {
    HarmonicRow meridional; // ε_s
    HarmonicRow hoop;       // ε_φ
    HarmonicRow shear;      // γ = 2ε_sφ
    HarmonicRow bendingS;   // κ_s
    HarmonicRow bendingPhi; // κ_φ
    HarmonicRow twist;      // 2κ_sφ
};

// The strain rows as polynomials in n: rows = Σ_{p=0..2} nᵖ·power[p],
// without the sign of v of the antisymmetric set.
struct HarmonicStrainSeries {
    std::array<HarmonicStrainRows, 3> power{};
};

// The equivalent nodal forces of the six unit surface loads of an element,
// without the circumferential factors: normal, meridional and
// circumferential, each once as 1 at the start falling linearly to 0 at the
// end and once the other way round.
struct HarmonicLoadBasis {
    std::array<HarmonicRow, 2> normal{};
    std::array<HarmonicRow, 2> meridional{};
    std::array<HarmonicRow, 2> circumferential{};

    // The nodal forces of loads linear from start to end in harmonic h
    // (see HarmonicElement::distributedLoad).
    HarmonicRow forces(Harmonic h, double normalStart, double normalEnd, double meridionalStart,
                       double meridionalEnd, double circumferentialStart,
                       double circumferentialEnd) const;
};

class HarmonicStiffnessSeries;

// A straight conical frustum from P0 to P1 in the meridian plane (r, z)
// under the Fourier harmonic n of a load around the circumference.
//
// DOFs, per node in this order: wr, wz, rotation, v (global wr, wz as
// today's element; v circumferential, along e_φ), P0 first: index
// 4·node + k. Locally u runs along the chord tangent t = (cos ψ, sin ψ), w
// along the normal n = (-sin ψ, cos ψ), β = dw/ds; u and v are linear, w a
// cubic Hermite polynomial, as in ConicalElement.
//
// Strains of the symmetric set (amplitudes; ' = d/ds, r = r(s), z along n
// across the wall, the strain at z being ε + z·κ):
//   ε_s    = u'
//   ε_φ    = (n·v + u·cos ψ - w·sin ψ)/r
//   γ      = v' - (n·u + v·cos ψ)/r
//   κ_s    = -w''
//   κ_φ    = -cos ψ·w'/r + (n²·w - n·sin ψ·v)/r²
//   2κ_sφ  = 2n·w'/r - 2n·cos ψ·w/r² - (3/2)·sin ψ·v'/r
//            + (3/2)·sin ψ·cos ψ·v/r² - n·sin ψ·u/(2r²)
// The twist is the Kirchhoff-Love twist β_s,φ/r + β_φ,s - cos ψ·β_φ/r
// (β_s = -w', β_φ = -(w,φ + v·sin ψ)/r) plus Sanders' term
// -(sin ψ/r)·ω_n with the rotation about the normal
// ω_n = ½(v' - (u,φ - v·cos ψ)/r): with it every rigid-body motion leaves
// all six measures zero (Donnell's and Love's twists do not).
//
// Integrals over the circumference carry π·r (2π·r or 0 at n = 0). At
// n = 0 the symmetric set on wr, wz and rotation is ConicalElement: the same
// stored 4-point meridian rule and 2-point thickness rule.
class HarmonicElement {
public:
    HarmonicElement(Vector2 start, Vector2 end, const ElementMaterial& material, Harmonic harmonic);

    double length() const { return length_; }
    double angle() const { return angle_; }
    double radiusAt(double xi) const;
    const Harmonic& harmonic() const { return harmonic_; }

    // The six strain rows at ξ ∈ [-1, 1] over the global DOFs, v entries
    // multiplied by harmonic().vSign().
    HarmonicStrainRows strainRows(double xi) const;
    // The same rows as polynomials in n (any harmonic of this element).
    HarmonicStrainSeries strainSeries(double xi) const;

    // 8 x 8 stiffness: Σ over the stored rules of
    //   r·(L/2)·(t/2)·[A·(ε_s, ε_φ)(z)ᵀ·D·(ε_s, ε_φ)(z) + B·G·γ(z)²],
    // D = E/(1 - ν²)·[[1, ν], [ν, 1]], G = E/(2(1 + ν)), with A, B the
    // circumferential factors; the bedding adds k·A·∫ w² r ds.
    HarmonicSquare stiffness() const;
    // The stiffness of every harmonic at once, as a polynomial in n; the
    // element's own harmonic does not enter.
    HarmonicStiffnessSeries stiffnessSeries() const;

    // Equivalent nodal forces of surface loads per unit area, each linear
    // from the start to the end: normal pn (along n), meridional pt (along
    // t), both ∝ the trigonometric factor of u and w, and circumferential pv
    // (along e_φ) ∝ that of v. f = ∫ (Nuᵀ·pt + Nwᵀ·pn)·A·r ds + ∫ Nvᵀ·pv·B·r ds.
    HarmonicRow distributedLoad(double normalStart, double normalEnd, double meridionalStart,
                                double meridionalEnd, double circumferentialStart,
                                double circumferentialEnd) const;
    // The forces of the unit loads, for any harmonic of this element.
    HarmonicLoadBasis loadBasis() const;

    // Equivalent nodal forces of a normal pn and a meridional pt surface load
    // per unit area, uniform on the part ξ ∈ [xiFrom, xiTo] of the element
    // and 0 elsewhere, both ∝ the trigonometric factor of u and w: the stored
    // meridian rule mapped onto that part, exact for the shape functions.
    HarmonicRow partialLoad(double xiFrom, double xiTo, double normal, double meridional) const;

    // The local (u, w, β, v) of node 0 or 1 from the global DOF values.
    std::array<double, 4> localAt(const HarmonicRow& d, int node) const;

private:
    struct Shape {
        HarmonicRow u{}, w{}, slope{}, curvature{}, v{}, vSlope{};
        double r = 0.0;
    };
    Shape shapeAt(double xi) const;
    HarmonicRow toGlobal(HarmonicRow row) const;

    Vector2 start_;
    Vector2 end_;
    ElementMaterial material_;
    Harmonic harmonic_;
    ConicalElement conical_; // the shape functions
    double length_ = 0.0;
    double angle_ = 0.0;
    double cos_ = 0.0;
    double sin_ = 0.0;
};

} // namespace venkar
