#include "analysis/ConicalElement.h"

#include <cmath>

namespace venkar {

namespace {

// ξ raised to the power 2 or 3 with the general power function. The values
// at the four meridian points are computed once: the element loops ask for
// them millions of times.
double power(double xi, double exponent) {
    static const auto table = [] {
        std::array<std::array<double, 2>, 4> values{};
        for (std::size_t i = 0; i < 4; ++i) {
            values[i][0] = std::pow(meridianPoints[i], 2.0);
            values[i][1] = std::pow(meridianPoints[i], 3.0);
        }
        return values;
    }();
    if (exponent == 2.0 || exponent == 3.0)
        for (std::size_t i = 0; i < 4; ++i)
            if (xi == meridianPoints[i])
                return table[i][exponent == 2.0 ? 0 : 1];
    return std::pow(xi, exponent);
}

} // namespace

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
    const double xi3 = power(xi, 3.0);
    const double xi2 = power(xi, 2.0);
    ElementRow row{};
    row[1] = (xi3 - 3.0 * xi + 2.0) / 4.0;
    row[2] = (xi3 - xi2 - xi + 1.0) * length_ / 8.0;
    row[4] = -(xi3 - 3.0 * xi - 2.0) / 4.0;
    row[5] = (xi3 + xi2 - xi - 1.0) * length_ / 8.0;
    return row;
}

ElementRow ConicalElement::nwSlope(double xi) const {
    const double xi2 = power(xi, 2.0);
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

// D = E/(1 - ν²)·[[1, ν], [ν, 1]], built as [[E, E·ν], [E·ν, E]] and scaled.
ConicalElement::Elasticity ConicalElement::elasticityValues() const {
    const double e = material_.youngsModulus;
    const double v = material_.poissonRatio;
    const double scale = 1.0 / (1.0 - v * v);
    return {{{scale * e, scale * (e * v)}, {scale * (e * v), scale * e}}};
}

RealMatrix ConicalElement::elasticity() const {
    const Elasticity values = elasticityValues();
    RealMatrix d(2, 2);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            d(i, j) = values[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    return d;
}

ConicalElement::Shape ConicalElement::shapeAt(double xi) const {
    return {nu(xi), nw(xi), nwSlope(xi), nwCurvature(xi), radiusAt(xi)};
}

// At distance z = ζ·t/2 from the middle surface:
//   ε_s = du/ds - z·d²w/ds²
//   ε_h = (u·cos ψ - w·sin ψ)/r - z·cos ψ·(dw/ds)/r
ConicalElement::StrainRows ConicalElement::strainRows(const Shape& shape, double zeta) const {
    const double z = zeta * material_.wallThickness / 2.0;
    StrainRows rows;
    for (std::size_t i = 0; i < 6; ++i) {
        rows.meridional[i] = -z * shape.curvature[i];
        rows.hoop[i] =
            (-shape.w[i] * sin_ + shape.u[i] * cos_ - z * cos_ * shape.slope[i]) / shape.r;
    }
    rows.meridional[0] -= 1.0 / length_;
    rows.meridional[3] += 1.0 / length_;
    rows.meridional = toGlobal(rows.meridional);
    rows.hoop = toGlobal(rows.hoop);
    return rows;
}

RealMatrix ConicalElement::strainMatrix(double xi, double zeta) const {
    const StrainRows rows = strainRows(shapeAt(xi), zeta);
    RealMatrix b(2, 6);
    for (int i = 0; i < 6; ++i) {
        b(0, i) = rows.meridional[static_cast<std::size_t>(i)];
        b(1, i) = rows.hoop[static_cast<std::size_t>(i)];
    }
    return b;
}

void ConicalElement::addCongruence(Square& k, const StrainRows& b, const Elasticity& d,
                                   double weight) {
    const std::array<const ElementRow*, 2> row{&b.meridional, &b.hoop};
    std::array<std::array<double, 2>, 6> btd{}; // Bᵀ·D
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t l = 0; l < 2; ++l) {
            double sum = 0.0;
            for (std::size_t m = 0; m < 2; ++m)
                sum += (*row[m])[i] * d[m][l];
            btd[i][l] = sum;
        }
    Square product{};
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = i; j < 6; ++j) {
            double sum = 0.0;
            for (std::size_t l = 0; l < 2; ++l)
                sum += btd[i][l] * (*row[l])[j];
            product[i][j] = sum;
            product[j][i] = sum;
        }
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = 0; j < 6; ++j)
            k[i][j] += weight * product[i][j];
}

void ConicalElement::addWeighted(ElementRow& f, const ElementRow& first, const ElementRow& second,
                                 double p0, double p1, double weight) {
    for (std::size_t i = 0; i < 6; ++i) {
        double sum = 0.0;
        sum += first[i] * p0;
        sum += second[i] * p1;
        f[i] += weight * sum;
    }
}

RealMatrix ConicalElement::squareMatrix(const Square& k) {
    RealMatrix result(6, 6);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            result(i, j) = k[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    return result;
}

RealMatrix ConicalElement::columnMatrix(const ElementRow& f) {
    RealMatrix result(6, 1);
    for (int i = 0; i < 6; ++i)
        result(i, 0) = f[static_cast<std::size_t>(i)];
    return result;
}

// K = Σ_i Σ_j w_j·w_i·r(ξ_i)·2π·(L/2)·(t/2)·Bᵀ·D·B. The two thickness points
// integrate membrane and bending parts exactly (stiffnesses E·t/(1 - ν²) and
// E·t³/(12(1 - ν²))). The bedding adds k·∫ n·nᵀ w² dA on the normal
// displacement only.
RealMatrix ConicalElement::stiffness() const {
    const Elasticity d = elasticityValues();
    Square k{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const Shape shape = shapeAt(xi);
        for (std::size_t j = 0; j < thicknessPoints.size(); ++j) {
            const double weight = thicknessWeights[j] * meridianWeights[i] * shape.r * fullCircle *
                                  length_ * material_.wallThickness * 0.25;
            addCongruence(k, strainRows(shape, thicknessPoints[j]), d, weight);
        }
    }
    if (material_.beddingModulus > 0.0) {
        for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
            const double xi = meridianPoints[i];
            const ElementRow normal = toGlobal(nw(xi));
            const double weight = meridianWeights[i] * radiusAt(xi) * fullCircle * length_ * 0.5;
            const double scale = material_.beddingModulus * weight;
            for (std::size_t p = 0; p < 6; ++p)
                for (std::size_t q = 0; q < 6; ++q) {
                    double sum = 0.0;
                    sum += normal[p] * normal[q];
                    k[p][q] += scale * sum;
                }
        }
    }
    return squareMatrix(k);
}

// f = Σ_i w_i·r(ξ_i)·2π·(L/2)·Nᵀ·p with N = [Nu; Nw] in global terms and p
// the (tangential, normal) load interpolated at ξ_i.
RealMatrix ConicalElement::distributedLoad(double normalStart, double normalEnd,
                                           double tangentialStart, double tangentialEnd) const {
    ElementRow f{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const double s = (xi + 1.0) / 2.0;
        const double tangential = tangentialStart * (1.0 - s) + tangentialEnd * s;
        const double normal = normalStart * (1.0 - s) + normalEnd * s;
        const double weight = meridianWeights[i] * radiusAt(xi) * fullCircle * length_ * 0.5;
        addWeighted(f, toGlobal(nu(xi)), toGlobal(nw(xi)), tangential, normal, weight);
    }
    return columnMatrix(f);
}

Vector2 ConicalElement::pointAt(double xi) const {
    const double s = (xi + 1.0) / 2.0;
    return {(1.0 - s) * start_.x + s * end_.x, (1.0 - s) * start_.y + s * end_.y};
}

// The same quadrature as distributedLoad(), the load q at each point split
// into its tangential part q·t and its normal part q·n.
RealMatrix ConicalElement::surfaceLoadAtPoints(const std::array<Vector2, 4>& values) const {
    ElementRow f{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const Vector2 q = values[i];
        const double tangential = q.x * cos_ + q.y * sin_;
        const double normal = -q.x * sin_ + q.y * cos_;
        const double weight = meridianWeights[i] * radiusAt(xi) * fullCircle * length_ * 0.5;
        addWeighted(f, toGlobal(nu(xi)), toGlobal(nw(xi)), tangential, normal, weight);
    }
    return columnMatrix(f);
}

// f = ∫ Bᵀ·D·ε_T dV with ε_T = ((ζ + 1)/2)·ε⁺ + ((1 - ζ)/2)·ε⁻ in both
// directions.
RealMatrix ConicalElement::thermalLoad(double strainPlus, double strainMinus) const {
    const Elasticity d = elasticityValues();
    ElementRow f{};
    for (std::size_t i = 0; i < meridianPoints.size(); ++i) {
        const double xi = meridianPoints[i];
        const Shape shape = shapeAt(xi);
        for (std::size_t j = 0; j < thicknessPoints.size(); ++j) {
            const double zeta = thicknessPoints[j];
            const StrainRows b = strainRows(shape, zeta);
            const double strain =
                ((zeta + 1.0) / 2.0) * strainPlus + ((1.0 - zeta) / 2.0) * strainMinus;
            std::array<double, 2> stress{}; // D·(ε_T, ε_T)
            for (std::size_t m = 0; m < 2; ++m) {
                double sum = 0.0;
                sum += d[m][0] * strain;
                sum += d[m][1] * strain;
                stress[m] = sum;
            }
            const double weight = thicknessWeights[j] * meridianWeights[i] * shape.r * fullCircle *
                                  length_ * material_.wallThickness * 0.25;
            addWeighted(f, b.meridional, b.hoop, stress[0], stress[1], weight);
        }
    }
    return columnMatrix(f);
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
