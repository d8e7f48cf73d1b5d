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

// Local (u, w) coefficient pairs into (wr, wz) ones, v entries signed.
HarmonicRow toGlobal(HarmonicRow row, double cosPsi, double sinPsi, double vSign) {
    for (std::size_t first : {std::size_t{0}, std::size_t{4}}) {
        const double cu = row[first];
        const double cw = row[first + 1];
        row[first] = cu * cosPsi - cw * sinPsi;
        row[first + 1] = cu * sinPsi + cw * cosPsi;
        row[first + 3] *= vSign;
    }
    return row;
}

} // namespace

ShellRotationRows shellRotationRows(Vector2 start, Vector2 end, Harmonic harmonic, double xi) {
    // Only the shape functions of the conical element are used.
    const ConicalElement conical(start, end, ElementMaterial{});
    const double length = conical.length();
    const double c = std::cos(conical.angle());
    const double s = std::sin(conical.angle());
    const double n = harmonic.n;
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

    ShellRotationRows rows;
    rows.r = r;
    for (std::size_t i = 0; i < 8; ++i) {
        rows.meridional[i] = -slope[i];
        rows.hoop[i] = (n * w[i] - s * v[i]) / r;
        rows.normal[i] = 0.5 * (vSlope[i] + (n * u[i] + c * v[i]) / r);
        rows.dilatation[i] = uSlope[i] + (n * v[i] + c * u[i] - s * w[i]) / r;
    }
    const double sign = harmonic.vSign();
    rows.u = toGlobal(u, c, s, sign);
    rows.w = toGlobal(w, c, s, sign);
    rows.v = toGlobal(v, c, s, sign);
    rows.meridional = toGlobal(rows.meridional, c, s, sign);
    rows.hoop = toGlobal(rows.hoop, c, s, sign);
    rows.normal = toGlobal(rows.normal, c, s, sign);
    rows.dilatation = toGlobal(rows.dilatation, c, s, sign);
    return rows;
}

} // namespace venkar
