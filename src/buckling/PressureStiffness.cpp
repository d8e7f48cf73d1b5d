#include "buckling/PressureStiffness.h"

#include "buckling/ShellRotations.h"

namespace venkar {

namespace {

// k -= ½·factor·(a·bᵀ + b·aᵀ).
void subtractSymmetric(HarmonicSquare& k, const HarmonicRow& a, const HarmonicRow& b,
                       double factor) {
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t j = 0; j < 8; ++j)
            k[i][j] -= 0.5 * factor * (a[i] * b[j] + b[i] * a[j]);
}

} // namespace

HarmonicSquare pressureStiffness(Vector2 start, Vector2 end, Harmonic h, double pressureStart,
                                 double pressureEnd) {
    HarmonicSquare k{};
    if (pressureStart == 0.0 && pressureEnd == 0.0)
        return k;
    const double a = h.factorA();
    const double b = h.factorB();
    const double length = venkar::length(end - start);
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double x = (xi + 1.0) / 2.0;
        const double p = (1.0 - x) * pressureStart + x * pressureEnd;
        const ShellRotationRows rows = shellRotationRows(start, end, h, xi);
        const double weight = meridianWeights[i] * rows.r * length * 0.5 * p;
        subtractSymmetric(k, rows.w, rows.dilatation, a * weight);
        subtractSymmetric(k, rows.u, rows.meridional, a * weight);
        if (b != 0.0)
            subtractSymmetric(k, rows.v, rows.hoop, b * weight);
    }
    return k;
}

} // namespace venkar
