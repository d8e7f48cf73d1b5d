#include "harmonic/HarmonicElement.h"

#include "harmonic/HarmonicStiffnessSeries.h"

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

// k += c·x·xᵀ, on and above the diagonal only.
void addOuter(HarmonicSquare& k, const HarmonicRow& x, double c) {
    for (std::size_t i = 0; i < 8; ++i) {
        const double xi = c * x[i];
        for (std::size_t j = i; j < 8; ++j)
            k[i][j] += xi * x[j];
    }
}

// k += c·(x·yᵀ + y·xᵀ), on and above the diagonal only.
void addPair(HarmonicSquare& k, const HarmonicRow& x, const HarmonicRow& y, double c) {
    for (std::size_t i = 0; i < 8; ++i) {
        const double xi = c * x[i];
        const double yi = c * y[i];
        for (std::size_t j = i; j < 8; ++j)
            k[i][j] += xi * y[j] + yi * x[j];
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

HarmonicStrainSeries HarmonicElement::strainSeries(double xi) const {
    const Shape s = shapeAt(xi);
    const double r = s.r;
    const double r2 = r * r;
    HarmonicStrainSeries series{};
    HarmonicStrainRows& c = series.power[0]; // the parts free of n
    HarmonicStrainRows& l = series.power[1]; // the parts ∝ n
    HarmonicStrainRows& q = series.power[2]; // the parts ∝ n²
    for (std::size_t i = 0; i < 8; ++i) {
        c.hoop[i] = (s.u[i] * cos_ - s.w[i] * sin_) / r;
        l.hoop[i] = s.v[i] / r;
        c.shear[i] = s.vSlope[i] - s.v[i] * cos_ / r;
        l.shear[i] = -s.u[i] / r;
        c.bendingS[i] = -s.curvature[i];
        c.bendingPhi[i] = -cos_ * s.slope[i] / r;
        l.bendingPhi[i] = -sin_ * s.v[i] / r2;
        q.bendingPhi[i] = s.w[i] / r2;
        c.twist[i] = -1.5 * sin_ * s.vSlope[i] / r + 1.5 * sin_ * cos_ * s.v[i] / r2;
        l.twist[i] = 2.0 * s.slope[i] / r - 2.0 * cos_ * s.w[i] / r2 - sin_ * s.u[i] / (2.0 * r2);
    }
    c.meridional[0] = -1.0 / length_;
    c.meridional[4] = 1.0 / length_;
    for (HarmonicStrainRows& rows : series.power)
        for (HarmonicRow* row : {&rows.meridional, &rows.hoop, &rows.shear, &rows.bendingS,
                                 &rows.bendingPhi, &rows.twist})
            *row = toGlobal(*row);
    return series;
}

HarmonicStrainRows HarmonicElement::strainRows(double xi) const {
    const HarmonicStrainSeries series = strainSeries(xi);
    const double n = harmonic_.n;
    HarmonicStrainRows rows{};
    const auto sum = [&](HarmonicRow HarmonicStrainRows::*member) {
        HarmonicRow& out = rows.*member;
        for (std::size_t i = 0; i < 8; ++i)
            out[i] = (series.power[0].*member)[i] +
                     n * ((series.power[1].*member)[i] + n * (series.power[2].*member)[i]);
        out[3] *= harmonic_.vSign();
        out[7] *= harmonic_.vSign();
    };
    for (HarmonicRow HarmonicStrainRows::*member :
         {&HarmonicStrainRows::meridional, &HarmonicStrainRows::hoop, &HarmonicStrainRows::shear,
          &HarmonicStrainRows::bendingS, &HarmonicStrainRows::bendingPhi,
          &HarmonicStrainRows::twist})
        sum(member);
    return rows;
}

HarmonicSquare HarmonicElement::stiffness() const {
    return stiffnessSeries().at(harmonic_);
}

// Each thickness point ζ sees the strains ε + z·κ at z = ζ·t/2, and the
// rule's moments m₀ = Σw, m₁ = Σw·z, m₂ = Σw·z² carry the products through
// the thickness: Σ w·(a + z·b)(c + z·d)ᵀ = m₀·a·cᵀ + m₁·(a·dᵀ + b·cᵀ) +
// m₂·b·dᵀ (m₁ vanishes for the symmetric two-point rule). With the
// meridional strain m free of n, the hoop strain h = h₀ + n·h₁ + n²·h₂ and
// the shear strain s = s₀ + n·s₁, the energy density
// d₁₁·(m² + h²) + 2·d₁₂·m·h + G·s² falls into the powers of n.
HarmonicStiffnessSeries HarmonicElement::stiffnessSeries() const {
    const double e = material_.youngsModulus;
    const double nu = material_.poissonRatio;
    const double t = material_.wallThickness;
    const double scale = 1.0 / (1.0 - nu * nu);
    const double d11 = scale * e;
    const double d12 = scale * (e * nu);
    const double shearModulus = e / (2.0 * (1.0 + nu));
    std::array<double, 3> moment{};
    for (std::size_t j = 0; j < thicknessPoints.size(); ++j) {
        const double z = thicknessPoints[j] * t / 2.0;
        moment[0] += thicknessWeights[j];
        moment[1] += thicknessWeights[j] * z;
        moment[2] += thicknessWeights[j] * z * z;
    }
    // Upper triangles of K_A,p and K_B,p.
    std::array<HarmonicSquare, HarmonicStiffnessSeries::membraneTerms> a{};
    std::array<HarmonicSquare, HarmonicStiffnessSeries::shearTerms> b{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const HarmonicStrainSeries rows = strainSeries(xi);
        const double w = meridianWeights[i] * radiusAt(xi) * length_ * t * 0.25;
        // A strain through the wall, ε + z·κ: its middle-surface row and its
        // curvature row.
        struct Through {
            const HarmonicRow& strain;
            const HarmonicRow& curvature;
        };
        const auto outer = [&](HarmonicSquare& into, Through x, double factor) {
            addOuter(into, x.strain, factor * w * moment[0]);
            if (moment[1] != 0.0)
                addPair(into, x.strain, x.curvature, factor * w * moment[1]);
            addOuter(into, x.curvature, factor * w * moment[2]);
        };
        const auto pair = [&](HarmonicSquare& into, Through x, Through y, double factor) {
            addPair(into, x.strain, y.strain, factor * w * moment[0]);
            if (moment[1] != 0.0) {
                addPair(into, x.strain, y.curvature, factor * w * moment[1]);
                addPair(into, x.curvature, y.strain, factor * w * moment[1]);
            }
            addPair(into, x.curvature, y.curvature, factor * w * moment[2]);
        };
        const HarmonicStrainRows& r0 = rows.power[0];
        const HarmonicStrainRows& r1 = rows.power[1];
        const HarmonicStrainRows& r2 = rows.power[2];
        const Through m{r0.meridional, r0.bendingS};
        const Through h0{r0.hoop, r0.bendingPhi};
        const Through h1{r1.hoop, r1.bendingPhi};
        const Through h2{r2.hoop, r2.bendingPhi};
        const Through s0{r0.shear, r0.twist};
        const Through s1{r1.shear, r1.twist};
        outer(a[0], m, d11);
        pair(a[0], m, h0, d12);
        outer(a[0], h0, d11);
        pair(a[1], m, h1, d12);
        pair(a[1], h0, h1, d11);
        pair(a[2], m, h2, d12);
        pair(a[2], h0, h2, d11);
        outer(a[2], h1, d11);
        pair(a[3], h1, h2, d11);
        outer(a[4], h2, d11);
        outer(b[0], s0, shearModulus);
        pair(b[1], s0, s1, shearModulus);
        outer(b[2], s1, shearModulus);
    }
    if (material_.beddingModulus > 0.0) {
        for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
            const double xi = meridianPoints[i];
            const HarmonicRow normal = toGlobal(shapeAt(xi).w);
            const double w = meridianWeights[i] * radiusAt(xi) * length_ * 0.5;
            addOuter(a[0], normal, material_.beddingModulus * w);
        }
    }
    HarmonicStiffnessSeries k;
    for (std::size_t p = 0; p < a.size(); ++p)
        k.membrane[p] = HarmonicStiffnessSeries::pack(a[p]);
    for (std::size_t p = 0; p < b.size(); ++p)
        k.shear[p] = HarmonicStiffnessSeries::pack(b[p]);
    for (std::size_t end = 0; end < 2; ++end) {
        const HarmonicStrainSeries rows = strainSeries(end == 0 ? -1.0 : 1.0);
        k.endTwist[end] = {rows.power[0].twist, rows.power[1].twist};
    }
    k.loads = loadBasis();
    return k;
}

HarmonicRow HarmonicLoadBasis::forces(Harmonic h, double normalStart, double normalEnd,
                                      double meridionalStart, double meridionalEnd,
                                      double circumferentialStart,
                                      double circumferentialEnd) const {
    const double a = h.factorA();
    const double b = h.factorB();
    HarmonicRow f{};
    for (std::size_t p = 0; p < 8; ++p)
        f[p] = a * (normalStart * normal[0][p] + normalEnd * normal[1][p] +
                    meridionalStart * meridional[0][p] + meridionalEnd * meridional[1][p]) +
               b * (circumferentialStart * circumferential[0][p] +
                    circumferentialEnd * circumferential[1][p]);
    return f;
}

HarmonicRow HarmonicElement::distributedLoad(double normalStart, double normalEnd,
                                             double meridionalStart, double meridionalEnd,
                                             double circumferentialStart,
                                             double circumferentialEnd) const {
    return loadBasis().forces(harmonic_, normalStart, normalEnd, meridionalStart, meridionalEnd,
                              circumferentialStart, circumferentialEnd);
}

// f = ∫ (Nuᵀ·pt + Nwᵀ·pn)·r ds + ∫ Nvᵀ·pv·r ds for each unit load.
HarmonicLoadBasis HarmonicElement::loadBasis() const {
    HarmonicLoadBasis basis;
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double s = (xi + 1.0) / 2.0;
        const Shape shape = shapeAt(xi);
        const HarmonicRow u = toGlobal(shape.u);
        const HarmonicRow w = toGlobal(shape.w);
        const double weight = meridianWeights[i] * shape.r * length_ * 0.5;
        const std::array<double, 2> share{weight * (1.0 - s), weight * s};
        for (std::size_t end = 0; end < 2; ++end)
            for (std::size_t p = 0; p < 8; ++p) {
                basis.normal[end][p] += share[end] * w[p];
                basis.meridional[end][p] += share[end] * u[p];
                basis.circumferential[end][p] += share[end] * shape.v[p];
            }
    }
    return basis;
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
