#include "buckling/PressureStiffness.h"

#include "buckling/ShellRotations.h"

namespace venkar {

namespace {

// m -= ½·factor·(a·bᵀ + b·aᵀ).
void subtractSymmetric(HarmonicSquare& m, const HarmonicRow& a, const HarmonicRow& b,
                       double factor) {
    addOuter(m, a, b, -0.5 * factor);
    addOuter(m, b, a, -0.5 * factor);
}

} // namespace

HarmonicSquareSeries pressureStiffness(Vector2 start, Vector2 end, double pressureStart,
                                       double pressureEnd) {
    HarmonicSquareSeries k;
    if (pressureStart == 0.0 && pressureEnd == 0.0)
        return k;
    const double length = venkar::length(end - start);
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double x = (xi + 1.0) / 2.0;
        const double p = (1.0 - x) * pressureStart + x * pressureEnd;
        const ShellRotationSeries rows = shellRotationSeries(start, end, xi);
        const ShellRotationRows& constant = rows.constant;
        const double weight = meridianWeights[i] * constant.r * length * 0.5 * p;
        subtractSymmetric(k.cosine[0], constant.w, constant.dilatation, weight);
        subtractSymmetric(k.cosine[1], constant.w, rows.perN.dilatation, weight);
        subtractSymmetric(k.cosine[0], constant.u, constant.meridional, weight);
        subtractSymmetric(k.sine[0], constant.v, constant.hoop, weight);
        subtractSymmetric(k.sine[1], constant.v, rows.perN.hoop, weight);
    }
    return k;
}

} // namespace venkar
