#include "analysis/ConicalElement.h"

#include <cmath>

namespace venkar {

ConicalElement::ConicalElement(Vector2 start, Vector2 end, const ElementMaterial& material)
    : start_(start), end_(end), material_(material) {
    const Vector2 chord = end - start;
    length_ = venkar::length(chord);
    angle_ = angleOf(chord);
    cos_ = std::cos(angle_);
    sin_ = std::sin(angle_);
}

// r(ξ) = (1 - s)·r0 + s·r1 with s = (ξ + 1)/2.
double ConicalElement::radiusAt(double xi) const {
    const double s = (xi + 1.0) / 2.0;
    return (1.0 - s) * start_.x + s * end_.x;
}

ElementRow ConicalElement::nu(double xi) const {
    ElementRow row{};
    row[0] = (1.0 - xi) / 2.0;
    row[3] = (1.0 + xi) / 2.0;
    return row;
}

// Cubic Hermite polynomials; the rotation entries carry ds/dξ = L/2.
ElementRow ConicalElement::nw(double xi) const {
    const double xi3 = std::pow(xi, 3.0);
    const double xi2 = std::pow(xi, 2.0);
    ElementRow row{};
    row[1] = (xi3 - 3.0 * xi + 2.0) / 4.0;
    row[2] = (xi3 - xi2 - xi + 1.0) * length_ / 8.0;
    row[4] = -(xi3 - 3.0 * xi - 2.0) / 4.0;
    row[5] = (xi3 + xi2 - xi - 1.0) * length_ / 8.0;
    return row;
}

ElementRow ConicalElement::nwSlope(double xi) const {
    const double xi2 = std::pow(xi, 2.0);
    ElementRow row{};
    row[1] = 1.5 * (xi2 - 1.0) / length_;
    row[2] = (3.0 * xi2 - 2.0 * xi - 1.0) / 4.0;
    row[4] = -1.5 * (xi2 - 1.0) / length_;
    row[5] = (3.0 * xi2 + 2.0 * xi - 1.0) / 4.0;
    return row;
}

ElementRow ConicalElement::nwCurvature(double xi) const {
    const double l2 = length_ * length_;
    ElementRow row{};
    row[1] = 6.0 * xi / l2;
    row[2] = (3.0 * xi - 1.0) / length_;
    row[4] = -6.0 * xi / l2;
    row[5] = (3.0 * xi + 1.0) / length_;
    return row;
}

// wr = u·cos ψ - w·sin ψ, wz = u·sin ψ + w·cos ψ: a coefficient pair
// (cu, cw) becomes (cu·cos ψ - cw·sin ψ, cu·sin ψ + cw·cos ψ).
ElementRow ConicalElement::toGlobal(ElementRow row) const {
    for (int first : {0, 3}) {
        const double cu = row[static_cast<std::size_t>(first)];
        const double cw = row[static_cast<std::size_t>(first) + 1];
        row[static_cast<std::size_t>(first)] = cu * cos_ - cw * sin_;
        row[static_cast<std::size_t>(first) + 1] = cu * sin_ + cw * cos_;
    }
    return row;
}

// D = E/(1 - ν²)·[[1, ν], [ν, 1]].
RealMatrix ConicalElement::elasticity() const {
    const double e = material_.youngsModulus;
    const double v = material_.poissonRatio;
    RealMatrix d(2, 2);
    d(0, 0) = e;
    d(0, 1) = e * v;
    d(1, 0) = e * v;
    d(1, 1) = e;
    scaleInPlace(d, 1.0 / (1.0 - v * v));
    return d;
}

// At distance z = ζ·t/2 from the middle surface:
//   ε_s = du/ds - z·d²w/ds²
//   ε_h = (u·cos ψ - w·sin ψ)/r - z·cos ψ·(dw/ds)/r
RealMatrix ConicalElement::strainMatrix(double xi, double zeta) const {
    const double z = zeta * material_.wallThickness / 2.0;
    const double r = radiusAt(xi);
    const ElementRow u = nu(xi);
    const ElementRow w = nw(xi);
    const ElementRow slope = nwSlope(xi);
    const ElementRow curvature = nwCurvature(xi);

    ElementRow meridional{};
    ElementRow hoop{};
    for (std::size_t i = 0; i < 6; ++i) {
        meridional[i] = -z * curvature[i];
        hoop[i] = (-w[i] * sin_ + u[i] * cos_ - z * cos_ * slope[i]) / r;
    }
    meridional[0] -= 1.0 / length_;
    meridional[3] += 1.0 / length_;
    meridional = toGlobal(meridional);
    hoop = toGlobal(hoop);

    RealMatrix b(2, 6);
    for (int i = 0; i < 6; ++i) {
        b(0, i) = meridional[static_cast<std::size_t>(i)];
        b(1, i) = hoop[static_cast<std::size_t>(i)];
    }
    return b;
}

// K = Σ_i Σ_j w_j·w_i·r(ξ_i)·2π·(L/2)·(t/2)·Bᵀ·D·B. The two thickness points
// integrate membrane and bending parts exactly (stiffnesses E·t/(1 - ν²) and
// E·t³/(12(1 - ν²))). The bedding adds k·∫ n·nᵀ w² dA on the normal
// displacement only.
RealMatrix ConicalElement::stiffness() const {
    const RealMatrix d = elasticity();
    RealMatrix k(6, 6);
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        for (std::size_t j = 0; j < thicknessPoints.size(); ++j) {
            const RealMatrix b = strainMatrix(xi, thicknessPoints[j]);
            const double weight = thicknessWeights[j] * meridianWeights[i] * radiusAt(xi) *
                                  fullCircle * length_ * material_.wallThickness * 0.25;
            addInPlace(k, scaled(congruence(d, b), weight));
        }
    }
    if (material_.beddingModulus > 0.0) {
        for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
            const double xi = meridianPoints[i];
            const ElementRow normal = toGlobal(nw(xi));
            RealMatrix column(6, 1);
            for (int p = 0; p < 6; ++p)
                column(p, 0) = normal[static_cast<std::size_t>(p)];
            const double weight = meridianWeights[i] * radiusAt(xi) * fullCircle * length_ * 0.5;
            addInPlace(
                k, scaled(multiply(column, transpose(column)), material_.beddingModulus * weight));
        }
    }
    return k;
}

// f = Σ_i w_i·r(ξ_i)·2π·(L/2)·Nᵀ·p with N = [Nu; Nw] in global terms and p
// the (tangential, normal) load interpolated at ξ_i.
RealMatrix ConicalElement::distributedLoad(double normalStart, double normalEnd,
                                           double tangentialStart, double tangentialEnd) const {
    RealMatrix f(6, 1);
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double s = (xi + 1.0) / 2.0;
        RealMatrix p(2, 1);
        p(0, 0) = tangentialStart * (1.0 - s) + tangentialEnd * s;
        p(1, 0) = normalStart * (1.0 - s) + normalEnd * s;
        const ElementRow u = toGlobal(nu(xi));
        const ElementRow w = toGlobal(nw(xi));
        RealMatrix n(2, 6);
        for (int c = 0; c < 6; ++c) {
            n(0, c) = u[static_cast<std::size_t>(c)];
            n(1, c) = w[static_cast<std::size_t>(c)];
        }
        const double weight = meridianWeights[i] * radiusAt(xi) * fullCircle * length_ * 0.5;
        addInPlace(f, scaled(multiply(transpose(n), p), weight));
    }
    return f;
}

// f = ∫ Bᵀ·D·ε_T dV with ε_T = ((ζ + 1)/2)·ε⁺ + ((1 - ζ)/2)·ε⁻ in both
// directions.
RealMatrix ConicalElement::thermalLoad(double strainPlus, double strainMinus) const {
    const RealMatrix d = elasticity();
    RealMatrix f(6, 1);
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        for (std::size_t j = 0; j < thicknessPoints.size(); ++j) {
            const double zeta = thicknessPoints[j];
            const RealMatrix b = strainMatrix(xi, zeta);
            const double strain =
                ((zeta + 1.0) / 2.0) * strainPlus + ((1.0 - zeta) / 2.0) * strainMinus;
            RealMatrix free(2, 1);
            free(0, 0) = strain;
            free(1, 0) = strain;
            const double weight = thicknessWeights[j] * meridianWeights[i] * radiusAt(xi) *
                                  fullCircle * length_ * material_.wallThickness * 0.25;
            addInPlace(f, scaled(multiply(transpose(b), multiply(d, free)), weight));
        }
    }
    return f;
}

std::array<double, 3> ConicalElement::displacementAt(const ElementRow& d, double l) const {
    ElementRow local = d;
    for (std::size_t first : {std::size_t{0}, std::size_t{3}}) {
        const double wr = d[first];
        const double wz = d[first + 1];
        local[first] = wr * cos_ + wz * sin_;
        local[first + 1] = -wr * sin_ + wz * cos_;
    }
    const double xi = 2.0 * l - 1.0;
    const ElementRow u = nu(xi);
    const ElementRow w = nw(xi);
    const ElementRow slope = nwSlope(xi);
    double along = 0.0;
    double normal = 0.0;
    double rotation = 0.0;
    for (std::size_t i = 0; i < 6; ++i) {
        along += u[i] * local[i];
        normal += w[i] * local[i];
        rotation += slope[i] * local[i];
    }
    return {along * cos_ - normal * sin_, along * sin_ + normal * cos_, rotation};
}

} // namespace venkar
