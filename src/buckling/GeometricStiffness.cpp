#include "buckling/GeometricStiffness.h"

#include "buckling/ShellRotations.h"

namespace venkar {

namespace {

// m(n) += factor·(a + n·b)·(a + n·b)ᵀ into the coefficients of n⁰, n¹, n².
void addSquareOf(std::array<HarmonicSquare, HarmonicSquareSeries::terms>& m, const HarmonicRow& a,
                 const HarmonicRow& b, double factor) {
    addOuter(m[0], a, a, factor);
    addOuter(m[1], a, b, factor);
    addOuter(m[1], b, a, factor);
    addOuter(m[2], b, b, factor);
}

} // namespace

HarmonicSquareSeries shellGeometricStiffness(Vector2 start, Vector2 end,
                                             const PrebucklingForces& forces) {
    const double length = venkar::length(end - start);
    HarmonicSquareSeries k;
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double x = (xi + 1.0) / 2.0;
        const double ns = (1.0 - x) * forces.meridionalStart + x * forces.meridionalEnd;
        const double nphi = (1.0 - x) * forces.hoopStart + x * forces.hoopEnd;
        const ShellRotationSeries rows = shellRotationSeries(start, end, xi);
        const double weight = meridianWeights[i] * rows.constant.r * length * 0.5;
        addOuter(k.cosine[0], rows.constant.meridional, rows.constant.meridional, ns * weight);
        addSquareOf(k.sine, rows.constant.hoop, rows.perN.hoop, nphi * weight);
        addSquareOf(k.sine, rows.constant.normal, rows.perN.normal, (ns + nphi) * weight);
    }
    return k;
}

RingSquare ringGeometricStiffness(double radius, double hoopForce, Harmonic h) {
    const double b = h.factorB();
    const double n = h.n;
    const std::array<double, 4> inPlane{n / radius, 0.0, 0.0, h.vSign() / radius};
    const std::array<double, 4> outOfPlane{0.0, -n / radius, 0.0, 0.0};
    RingSquare k{};
    const double factor = b * radius * hoopForce;
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            k[i][j] += factor * (inPlane[i] * inPlane[j] + outOfPlane[i] * outOfPlane[j]);
    return k;
}

} // namespace venkar
