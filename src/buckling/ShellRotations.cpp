#include "buckling/ShellRotations.h"

#include <cmath>

namespace venkar {

namespace {

// ConicalElement's local rows (u0, w0, β0, u1, w1, β1) spread onto the
// eight local entries (u0, w0, β0, v0, u1, w1, β1, v1).
HarmonicRow widened(const ElementRow& row) {
    HarmonicRow out{};
    for (std::size_t node = 0; node < 2; ++node)
        for (std::size_t j = 0; j < 3; ++j)
            out[4 * node + j] = row[3 * node + j];
    return out;
}

// Local (u, w) coefficient pairs into (wr, wz) ones.
HarmonicRow toGlobal(HarmonicRow row, double cosPsi, double sinPsi) {
    for (std::size_t first : {std::size_t{0}, std::size_t{4}}) {
        const double cu = row[first];
        const double cw = row[first + 1];
        row[first] = cu * cosPsi - cw * sinPsi;
        row[first + 1] = cu * sinPsi + cw * cosPsi;
    }
    return row;
}

void toGlobal(ShellRotationRows& rows, double cosPsi, double sinPsi) {
    for (HarmonicRow* row :
         {&rows.u, &rows.w, &rows.v, &rows.meridional, &rows.hoop, &rows.normal, &rows.dilatation})
        *row = toGlobal(*row, cosPsi, sinPsi);
}

} // namespace

ShellRotationSeries shellRotationSeries(Vector2 start, Vector2 end, double xi) {
    // Only the shape functions of the conical element are used.
    const ConicalElement conical(start, end, ElementMaterial{});
    const double length = conical.length();
    const double c = std::cos(conical.angle());
    const double s = std::sin(conical.angle());
    const double r = conical.radiusAt(xi);

    const HarmonicRow u = widened(conical.nu(xi));
    const HarmonicRow w = widened(conical.nw(xi));
    const HarmonicRow slope = widened(conical.nwSlope(xi));
    HarmonicRow v{};
    HarmonicRow vSlope{};
    v[3] = (1.0 - xi) / 2.0;
    v[7] = (1.0 + xi) / 2.0;
    vSlope[3] = -1.0 / length;
    vSlope[7] = 1.0 / length;
    HarmonicRow uSlope{};
    uSlope[0] = -1.0 / length;
    uSlope[4] = 1.0 / length;

    ShellRotationSeries series;
    ShellRotationRows& constant = series.constant;
    ShellRotationRows& perN = series.perN;
    constant.r = r;
    constant.u = u;
    constant.w = w;
    constant.v = v;
    for (std::size_t i = 0; i < 8; ++i) {
        constant.meridional[i] = -slope[i];
        constant.hoop[i] = -s * v[i] / r;
        perN.hoop[i] = w[i] / r;
        constant.normal[i] = 0.5 * (vSlope[i] + c * v[i] / r);
        perN.normal[i] = 0.5 * u[i] / r;
        constant.dilatation[i] = uSlope[i] + (c * u[i] - s * w[i]) / r;
        perN.dilatation[i] = v[i] / r;
    }
    toGlobal(constant, c, s);
    toGlobal(perN, c, s);
    return series;
}

} // namespace venkar
