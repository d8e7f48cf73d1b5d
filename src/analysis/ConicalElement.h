#pragma once

#include "analysis/RealMatrix.h"
#include "geometry/Vector2.h"

#include <array>

namespace venkar {

// The six material values of a shell.
struct ElementMaterial {
    double youngsModulus = 0.0;      // E
    double poissonRatio = 0.0;       // ν
    double wallThickness = 0.0;      // t
    double specificWeight = 0.0;     // γ, weight per unit volume
    double beddingModulus = 0.0;     // k, elastic bedding on the normal displacement
    double thermalCoefficient = 0.0; // α
};

// Six coefficients, one per element DOF.
using ElementRow = std::array<double, 6>;

// Gauss-Legendre rules, stored with nine significant digits (these stored
// values are used, not the exact ones).
inline constexpr std::array<double, 4> meridianPoints{-0.861136311, -0.339981043, 0.339981043,
                                                      0.861136311};
inline constexpr std::array<double, 4> meridianWeights{0.347854845, 0.652145154, 0.652145154,
                                                       0.347854845};
inline constexpr std::array<double, 2> thicknessPoints{-0.577350269, 0.577350269};
inline constexpr std::array<double, 2> thicknessWeights{1.0, 1.0};

// 2π as used throughout the analysis.
inline constexpr double fullCircle = 6.283185307179586;

// The mathematics of one axisymmetric thin-shell (Kirchhoff) element: a
// straight conical frustum from P0 to P1 in the meridian plane (r, z), with
// the local coordinate ξ ∈ [-1, 1] (ξ = -1 at P0).
//
// DOFs, in this order: P0 wr, wz, rotation; P1 wr, wz, rotation (global
// directions). Locally u runs along the chord tangent t = (cos ψ, sin ψ), w
// along the normal n = (-sin ψ, cos ψ), and β = dw/ds is the rotation.
// u is linear, w a cubic Hermite polynomial. All integrals run over the full
// circumference (factor 2π·r), so the forces are ring totals.
class ConicalElement {
public:
    ConicalElement(Vector2 start, Vector2 end, const ElementMaterial& material);

    double length() const { return length_; } // L, chord length
    double angle() const { return angle_; }   // ψ, chord angle
    double radiusAt(double xi) const;         // r(ξ)

    // Shape functions at ξ, local DOF order (u0, w0, β0, u1, w1, β1).
    ElementRow nu(double xi) const;          // u
    ElementRow nw(double xi) const;          // w
    ElementRow nwSlope(double xi) const;     // dw/ds
    ElementRow nwCurvature(double xi) const; // d²w/ds²
    // Replaces the (u, w) coefficient pairs of both nodes by their wr, wz
    // coefficients.
    ElementRow toGlobal(ElementRow row) const;

    // Plane-stress elasticity in the meridional and hoop directions, 2 x 2.
    RealMatrix elasticity() const;
    // Strains (meridional, hoop) at (ξ, ζ), ζ ∈ [-1, 1] across the thickness,
    // in terms of the six global DOFs: 2 x 6.
    RealMatrix strainMatrix(double xi, double zeta) const;

    // 6 x 6 stiffness, elastic bedding included when k > 0.
    RealMatrix stiffness() const;
    // 6 x 1 equivalent nodal forces of a distributed load varying linearly
    // from the start to the end: normal values pn (along n), tangential pt
    // (along t), per unit area.
    RealMatrix distributedLoad(double normalStart, double normalEnd, double tangentialStart,
                               double tangentialEnd) const;
    // 6 x 1 equivalent nodal forces of a surface load that varies along the
    // element in any way: `load` gives its global components (r, z) per unit
    // area at a point of the chord, evaluated at the meridian points.
    template <class Load> RealMatrix surfaceLoad(const Load& load) const {
        std::array<Vector2, 4> values{};
        for (std::size_t i = 0; i < meridianPoints.size(); ++i)
            values[i] = load(pointAt(meridianPoints[i]));
        return surfaceLoadAtPoints(values);
    }
    // The chord point at ξ.
    Vector2 pointAt(double xi) const;
    // 6 x 1 nodal forces of a free thermal strain ε⁺ at the face ζ = +1 and
    // ε⁻ at ζ = -1, linear through the thickness, equal in both directions.
    RealMatrix thermalLoad(double strainPlus, double strainMinus) const;

    // wr, wz and rotation at the relative position l ∈ [0, 1] inside the
    // element for the global DOF values d.
    std::array<double, 3> displacementAt(const ElementRow& d, double l) const;

private:
    // Shape functions and radius at one meridian point.
    struct Shape {
        ElementRow u;
        ElementRow w;
        ElementRow slope;
        ElementRow curvature;
        double r = 0.0;
    };
    // The two rows of the strain matrix, in global terms.
    struct StrainRows {
        ElementRow meridional;
        ElementRow hoop;
    };
    using Elasticity = std::array<std::array<double, 2>, 2>;
    using Square = std::array<std::array<double, 6>, 6>;

    Shape shapeAt(double xi) const;
    // surfaceLoad() from the global load vectors at the four meridian points.
    RealMatrix surfaceLoadAtPoints(const std::array<Vector2, 4>& values) const;
    StrainRows strainRows(const Shape& shape, double zeta) const;
    Elasticity elasticityValues() const;
    // k += weight·Bᵀ·D·B, evaluated like congruence() followed by scaled()
    // and addInPlace(), on fixed-size arrays.
    static void addCongruence(Square& k, const StrainRows& b, const Elasticity& d, double weight);
    // f += weight·Nᵀ·p for N = [Nu; Nw] in global terms, like the generic
    // multiply(), scaled() and addInPlace().
    static void addWeighted(ElementRow& f, const ElementRow& first, const ElementRow& second,
                            double p0, double p1, double weight);
    static RealMatrix squareMatrix(const Square& k);
    static RealMatrix columnMatrix(const ElementRow& f);

    Vector2 start_;
    Vector2 end_;
    ElementMaterial material_;
    double length_ = 0.0;
    double angle_ = 0.0;
    double cos_ = 0.0;
    double sin_ = 0.0;
};

} // namespace venkar
