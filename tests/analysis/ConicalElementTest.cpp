#include "analysis/ConicalElement.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

using test::isClose;

constexpr double pi = std::numbers::pi;

ElementMaterial steel() {
    ElementMaterial m;
    m.youngsModulus = 2.1e8;
    m.poissonRatio = 0.3;
    m.wallThickness = 0.02;
    return m;
}

ElementRow timesK(const RealMatrix& k, const ElementRow& d) {
    ElementRow f{};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            f[i] += k(i, j) * d[j];
    return f;
}

double energy(const RealMatrix& k, const ElementRow& d) {
    const ElementRow f = timesK(k, d);
    double sum = 0.0;
    for (int i = 0; i < 6; ++i)
        sum += d[i] * f[i];
    return sum;
}

TEST(ConicalElement, StiffnessIsSymmetricForAnInclinedElement) {
    const ConicalElement element({2.0, 1.0}, {2.6, 1.8}, steel());
    const RealMatrix k = element.stiffness();
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < i; ++j)
            EXPECT_TRUE(isClose(k(i, j), k(j, i), 1e-12, k(i, i)));
}

TEST(ConicalElement, StiffnessEqualsTheIntegralOfTheGenericCongruence) {
    // The element sums w_j·w_i·r·2π·L·t/4·(Bᵀ·D·B) with fixed-size kernels;
    // the generic matrix operations must give the very same numbers.
    const ConicalElement element({2.0, 1.0}, {2.6, 1.8}, steel());
    RealMatrix expected(6, 6);
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 2; ++j) {
            const double xi = meridianPoints[i];
            const double weight = thicknessWeights[j] * meridianWeights[i] * element.radiusAt(xi) *
                                  fullCircle * element.length() * steel().wallThickness * 0.25;
            addInPlace(expected, scaled(congruence(element.elasticity(),
                                                   element.strainMatrix(xi, thicknessPoints[j])),
                                        weight));
        }
    const RealMatrix k = element.stiffness();
    for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q)
            EXPECT_EQ(k(p, q), expected(p, q)) << p << "," << q;
}

TEST(ConicalElement, AxialTranslationIsARigidBodyMotion) {
    const ConicalElement element({2.0, 1.0}, {2.6, 1.8}, steel());
    const ElementRow f = timesK(element.stiffness(), {0, 1, 0, 0, 1, 0});
    const RealMatrix k = element.stiffness();
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(f[i], 0.0, 1e-9 * k(1, 1));
}

TEST(ConicalElement, RadialExpansionOfACylinderStoresOnlyHoopMembraneEnergy) {
    // ε_h = δ/r, ε_s = 0: dᵀ·K·d = E/(1 - ν²)·(δ/r)²·2π·r·L·t.
    const double r = 3.0;
    const double length = 0.5;
    const double delta = 1e-3;
    const ElementMaterial m = steel();
    const ConicalElement element({r, 0.0}, {r, length}, m);
    const double expected = m.youngsModulus / (1 - m.poissonRatio * m.poissonRatio) * (delta / r) *
                            (delta / r) * 2 * pi * r * length * m.wallThickness;
    EXPECT_TRUE(isClose(energy(element.stiffness(), {delta, 0, 0, delta, 0, 0}), expected, 1e-8));
}

TEST(ConicalElement, CylinderHoopStrainComesFromTheRadialDisplacementOnly) {
    const ConicalElement element({3.0, 0.0}, {3.0, 0.5}, steel());
    const RealMatrix b = element.strainMatrix(0.3, 0.577350269);
    EXPECT_NEAR(b(1, 1), 0.0, 1e-15); // wz does not stretch the hoop
    EXPECT_NEAR(b(1, 4), 0.0, 1e-15);
    EXPECT_TRUE(isClose(b(1, 0) + b(1, 3), 1.0 / 3.0, 1e-12));
}

TEST(ConicalElement, BeddingStiffensTheNormalDisplacementOnly) {
    ElementMaterial bedded = steel();
    bedded.beddingModulus = 1e4;
    const ConicalElement plain({3.0, 0.0}, {3.0, 0.5}, steel());
    const ConicalElement elastic({3.0, 0.0}, {3.0, 0.5}, bedded);
    // A radial translation of the cylinder is normal to it: k·2π·r·L·δ² more.
    const ElementRow radial{1, 0, 0, 1, 0, 0};
    EXPECT_TRUE(isClose(energy(elastic.stiffness(), radial) - energy(plain.stiffness(), radial),
                        1e4 * 2 * pi * 3.0 * 0.5, 1e-8));
    const ElementRow axial{0, 1, 0, 0, 1, 0};
    EXPECT_NEAR(energy(elastic.stiffness(), axial), 0.0, 1e-6);

    ElementMaterial negative = steel();
    negative.beddingModulus = -1e4;
    const ConicalElement ignored({3.0, 0.0}, {3.0, 0.5}, negative);
    EXPECT_EQ(energy(ignored.stiffness(), radial), energy(plain.stiffness(), radial));
}

TEST(ConicalElement, UniformPressureResultsInTheTotalRingForce) {
    // On a cylinder running in +z the normal n = (-1, 0): a positive normal
    // load pushes towards the axis with the total p·2π·r·L.
    const ConicalElement element({3.0, 0.0}, {3.0, 0.5}, steel());
    const RealMatrix f = element.distributedLoad(2.0, 2.0, 0.0, 0.0);
    EXPECT_TRUE(isClose(f(0, 0) + f(3, 0), -2.0 * 2 * pi * 3.0 * 0.5, 1e-8));
    EXPECT_NEAR(f(1, 0) + f(4, 0), 0.0, 1e-9);
    // The end moments of a uniform load cancel.
    EXPECT_TRUE(isClose(f(2, 0), -f(5, 0), 1e-8));
}

TEST(ConicalElement, LinearLoadPutsMoreForceOnTheHeavierEnd) {
    const ConicalElement element({3.0, 0.0}, {3.0, 0.5}, steel());
    const RealMatrix f = element.distributedLoad(0.0, 0.0, 0.0, 6.0); // tangential, +z
    EXPECT_GT(f(4, 0), f(1, 0));
    EXPECT_TRUE(isClose(f(1, 0) + f(4, 0), 3.0 * 2 * pi * 3.0 * 0.5, 1e-8));
}

TEST(ConicalElement, FreeThermalExpansionMatchesTheThermalLoad) {
    // A cylinder element heated uniformly: the displacement field
    // wr = α·T·r, wz = α·T·z is strain-free relative to the thermal strain,
    // so K·d equals the thermal load vector.
    ElementMaterial m = steel();
    const double strain = 1.2e-5 * 30.0;
    const double r = 3.0;
    const ConicalElement element({r, 0.0}, {r, 0.5}, m);
    const ElementRow d{strain * r, 0.0, 0.0, strain * r, strain * 0.5, 0.0};
    const ElementRow kd = timesK(element.stiffness(), d);
    const RealMatrix thermal = element.thermalLoad(strain, strain);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(kd[i], thermal(i, 0), 1e-8 * std::fabs(thermal(0, 0))) << i;
}

TEST(ConicalElement, DisplacementInsideReproducesTheNodeValuesAtTheEnds) {
    const ConicalElement element({2.0, 1.0}, {2.6, 1.8}, steel());
    const ElementRow d{0.1, -0.2, 0.03, 0.4, 0.5, -0.06};
    const auto start = element.displacementAt(d, 0.0);
    const auto end = element.displacementAt(d, 1.0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(start[k], d[k], 1e-12);
        EXPECT_NEAR(end[k], d[k + 3], 1e-12);
    }
}

TEST(ConicalElement, PlateElementTouchingTheAxisIsEvaluated) {
    const ConicalElement element({0.0, 0.0}, {0.5, 0.0}, steel());
    const RealMatrix k = element.stiffness();
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(std::isfinite(k(i, i)));
    EXPECT_GT(k(4, 4), 0.0);
}

} // namespace
} // namespace venkar
