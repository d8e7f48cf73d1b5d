#include "harmonic/HarmonicElement.h"

#include <cmath>

namespace venkar {

namespace {

constexpr double halfCircle = fullCircle / 2.0;

// ConicalElement's six-entry rows (u0, w0, β0, u1, w1, β1) spread onto the
// eight local entries (u0, w0, β0, v0, u1, w1, β1, v1).
HarmonicRow widened(const ElementRow& row) {
    HarmonicRow out{};
    for (std::size_t node = 0; node < 2; ++node)
        for (std::size_t j = 0; j < 3; ++j)
            out[4 * node + j] = row[3 * node + j];
    return out;
}

// k += weight·[a; b]ᵀ·[[daa, dab], [dab, dbb]]·[a; b] for the rows a, b.
void addProducts(HarmonicSquare& k, const HarmonicRow& a, const HarmonicRow& b, double daa,
                 double dab, double dbb, double weight) {
    for (std::size_t i = 0; i < 8; ++i) {
        const double ai = a[i] * daa + b[i] * dab;
        const double bi = a[i] * dab + b[i] * dbb;
        for (std::size_t j = 0; j < 8; ++j)
            k[i][j] += weight * (ai * a[j] + bi * b[j]);
    }
}

} // namespace

double Harmonic::factorA() const {
    if (n > 0)
        return halfCircle;
    return set == HarmonicSet::symmetric ? fullCircle : 0.0;
}

double Harmonic::factorB() const {
    if (n > 0)
        return halfCircle;
    return set == HarmonicSet::symmetric ? 0.0 : fullCircle;
}

HarmonicElement::HarmonicElement(Vector2 start, Vector2 end, const ElementMaterial& material,
                                 Harmonic harmonic)
    : start_(start), end_(end), material_(material), harmonic_(harmonic),
      conical_(start, end, material) {
    // The frustum's chord is the axisymmetric element's.
    length_ = conical_.length();
    angle_ = conical_.angle();
    cos_ = std::cos(angle_);
    sin_ = std::sin(angle_);
}

double HarmonicElement::radiusAt(double xi) const {
    return conical_.radiusAt(xi);
}

// The shape functions are ConicalElement's (the same Hermite polynomials and
// stored powers); v is linear like u.
HarmonicElement::Shape HarmonicElement::shapeAt(double xi) const {
    Shape shape{};
    shape.u = widened(conical_.nu(xi));
    shape.w = widened(conical_.nw(xi));
    shape.slope = widened(conical_.nwSlope(xi));
    shape.curvature = widened(conical_.nwCurvature(xi));
    shape.v[3] = (1.0 - xi) / 2.0;
    shape.v[7] = (1.0 + xi) / 2.0;
    shape.vSlope[3] = -1.0 / length_;
    shape.vSlope[7] = 1.0 / length_;
    shape.r = radiusAt(xi);
    return shape;
}

// wr = u·cos ψ - w·sin ψ, wz = u·sin ψ + w·cos ψ: a coefficient pair
// (cu, cw) becomes (cu·cos ψ - cw·sin ψ, cu·sin ψ + cw·cos ψ).
HarmonicRow HarmonicElement::toGlobal(HarmonicRow row) const {
    for (std::size_t first : {std::size_t{0}, std::size_t{4}}) {
        const double cu = row[first];
        const double cw = row[first + 1];
        row[first] = cu * cos_ - cw * sin_;
        row[first + 1] = cu * sin_ + cw * cos_;
    }
    return row;
}

HarmonicStrainRows HarmonicElement::strainRows(double xi) const {
    const Shape s = shapeAt(xi);
    const double n = harmonic_.n;
    const double r = s.r;
    const double r2 = r * r;
    HarmonicStrainRows rows{};
    for (std::size_t i = 0; i < 8; ++i) {
        rows.meridional[i] = 0.0;
        rows.hoop[i] = (n * s.v[i] + s.u[i] * cos_ - s.w[i] * sin_) / r;
        rows.shear[i] = s.vSlope[i] - (n * s.u[i] + s.v[i] * cos_) / r;
        rows.bendingS[i] = -s.curvature[i];
        rows.bendingPhi[i] = -cos_ * s.slope[i] / r + (n * n * s.w[i] - n * sin_ * s.v[i]) / r2;
        rows.twist[i] = 2.0 * n * s.slope[i] / r - 2.0 * n * cos_ * s.w[i] / r2 -
                        1.5 * sin_ * s.vSlope[i] / r + 1.5 * sin_ * cos_ * s.v[i] / r2 -
                        n * sin_ * s.u[i] / (2.0 * r2);
    }
    rows.meridional[0] = -1.0 / length_;
    rows.meridional[4] = 1.0 / length_;
    for (HarmonicRow* row : {&rows.meridional, &rows.hoop, &rows.shear, &rows.bendingS,
                             &rows.bendingPhi, &rows.twist}) {
        *row = toGlobal(*row);
        (*row)[3] *= harmonic_.vSign();
        (*row)[7] *= harmonic_.vSign();
    }
    return rows;
}

// Each thickness point ζ = ±1/√3 sees the strains ε + z·κ at z = ζ·t/2, so
// the two points integrate membrane and bending parts exactly.
HarmonicSquare HarmonicElement::stiffness() const {
    const double e = material_.youngsModulus;
    const double nu = material_.poissonRatio;
    const double t = material_.wallThickness;
    const double scale = 1.0 / (1.0 - nu * nu);
    const double d11 = scale * e;
    const double d12 = scale * (e * nu);
    const double shearModulus = e / (2.0 * (1.0 + nu));
    const double a = harmonic_.factorA();
    const double b = harmonic_.factorB();
    HarmonicSquare k{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const HarmonicStrainRows rows = strainRows(xi);
        const double r = radiusAt(xi);
        for (std::size_t j = 0; j < thicknessPoints.size(); ++j) {
            const double z = thicknessPoints[j] * t / 2.0;
            HarmonicRow meridional{};
            HarmonicRow hoop{};
            HarmonicRow shear{};
            for (std::size_t p = 0; p < 8; ++p) {
                meridional[p] = rows.meridional[p] + z * rows.bendingS[p];
                hoop[p] = rows.hoop[p] + z * rows.bendingPhi[p];
                shear[p] = rows.shear[p] + z * rows.twist[p];
            }
            const double weight = thicknessWeights[j] * meridianWeights[i] * r * length_ * t * 0.25;
            if (a != 0.0)
                addProducts(k, meridional, hoop, d11, d12, d11, a * weight);
            if (b != 0.0)
                addProducts(k, shear, shear, shearModulus, 0.0, 0.0, b * weight);
        }
    }
    if (material_.beddingModulus > 0.0 && a != 0.0) {
        for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
            const double xi = meridianPoints[i];
            const HarmonicRow normal = toGlobal(shapeAt(xi).w);
            const double weight = meridianWeights[i] * radiusAt(xi) * length_ * 0.5;
            addProducts(k, normal, normal, 1.0, 0.0, 0.0, material_.beddingModulus * a * weight);
        }
    }
    return k;
}

HarmonicRow HarmonicElement::distributedLoad(double normalStart, double normalEnd,
                                             double meridionalStart, double meridionalEnd,
                                             double circumferentialStart,
                                             double circumferentialEnd) const {
    const double a = harmonic_.factorA();
    const double b = harmonic_.factorB();
    HarmonicRow f{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double s = (xi + 1.0) / 2.0;
        const double pt = meridionalStart * (1.0 - s) + meridionalEnd * s;
        const double pn = normalStart * (1.0 - s) + normalEnd * s;
        const double pv = circumferentialStart * (1.0 - s) + circumferentialEnd * s;
        const Shape shape = shapeAt(xi);
        const HarmonicRow u = toGlobal(shape.u);
        const HarmonicRow w = toGlobal(shape.w);
        const double weight = meridianWeights[i] * shape.r * length_ * 0.5;
        for (std::size_t p = 0; p < 8; ++p)
            f[p] += weight * (a * (u[p] * pt + w[p] * pn) + b * shape.v[p] * pv);
    }
    return f;
}

HarmonicRow HarmonicElement::partialLoad(double xiFrom, double xiTo, double normal,
                                         double meridional) const {
    const double a = harmonic_.factorA();
    const double half = (xiTo - xiFrom) / 2.0;
    const double middle = (xiTo + xiFrom) / 2.0;
    HarmonicRow f{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const Shape shape = shapeAt(middle + half * meridianPoints[i]);
        const HarmonicRow u = toGlobal(shape.u);
        const HarmonicRow w = toGlobal(shape.w);
        const double weight = meridianWeights[i] * half * shape.r * length_ * 0.5;
        for (std::size_t p = 0; p < 8; ++p)
            f[p] += weight * a * (u[p] * meridional + w[p] * normal);
    }
    return f;
}

std::array<double, 4> HarmonicElement::localAt(const HarmonicRow& d, int node) const {
    const auto first = static_cast<std::size_t>(4 * node);
    const double wr = d[first];
    const double wz = d[first + 1];
    return {wr * cos_ + wz * sin_, -wr * sin_ + wz * cos_, d[first + 2], d[first + 3]};
}

} // namespace venkar
