#include "buckling/GeometricStiffness.h"

#include "buckling/ShellRotations.h"

namespace venkar {

namespace {

void addProduct(HarmonicSquare& k, const HarmonicRow& row, double factor) {
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t j = 0; j < 8; ++j)
            k[i][j] += factor * row[i] * row[j];
}

} // namespace

HarmonicSquare shellGeometricStiffness(Vector2 start, Vector2 end, Harmonic h,
                                       const PrebucklingForces& forces) {
    const double a = h.factorA();
    const double b = h.factorB();
    const double length = venkar::length(end - start);
    HarmonicSquare k{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double x = (xi + 1.0) / 2.0;
        const double ns = (1.0 - x) * forces.meridionalStart + x * forces.meridionalEnd;
        const double nphi = (1.0 - x) * forces.hoopStart + x * forces.hoopEnd;
        const ShellRotationRows rows = shellRotationRows(start, end, h, xi);
        const double weight = meridianWeights[i] * rows.r * length * 0.5;
        addProduct(k, rows.meridional, a * ns * weight);
        if (b != 0.0) {
            addProduct(k, rows.hoop, b * nphi * weight);
            addProduct(k, rows.normal, b * (ns + nphi) * weight);
        }
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
