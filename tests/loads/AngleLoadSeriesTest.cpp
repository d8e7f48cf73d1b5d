#include "loads/AngleLoadSeries.h"
#include "loads/WindSeries.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace venkar {
namespace {

using test::isClose;

constexpr double pi = std::numbers::pi;

// A load around the circle of radius r with amplitudes a_n: its total
// 2π·r·a_0 and, for a radial load, its resultant towards φ₀,
// ∫ p·cos(φ − φ₀)·r dφ = π·r·a_1.
TEST(AngleLoadSeries, TotalIsTheForceAndTheRadialResultantShrinksWithTheBandAsClosedForm) {
    const double force = 120.0;
    const double radius = 7.5;
    for (double width : {0.0, 10.0, 90.0, 180.0, 360.0}) {
        const auto a = angleLoadAmplitudes(force, radius, width);
        ASSERT_EQ(a.size(), 41u);
        EXPECT_TRUE(isClose(2.0 * pi * radius * a[0], force, 1e-14)) << width;
        const double half = 0.5 * width * pi / 180.0;
        const double fanOut = width == 0.0 ? 1.0 : std::sin(half) / half;
        EXPECT_NEAR(pi * radius * a[1], force * fanOut, 1e-12 * force) << width;
        if (width == 0.0) { // a point: every harmonic alike
            EXPECT_TRUE(std::all_of(a.begin() + 1, a.end(), [&](double an) { return an == a[1]; }));
        }
    }
}

// The band's intensity F/(r·w) is what the partial sums approach inside it,
// and zero outside; the Fourier series of a rectangle converges as 1/N at a
// fixed distance from its edges.
TEST(AngleLoadSeries, BandPartialSumsApproachTheIntensityInsideAndZeroOutside) {
    const double force = 50.0;
    const double radius = 4.0;
    const double width = 60.0;
    const double intensity = force / (radius * width * pi / 180.0);
    const auto a = angleLoadAmplitudes(force, radius, width, 400);
    for (double offset : {0.0, 15.0, -15.0})
        EXPECT_NEAR(cosineSeriesAt(a, offset * pi / 180.0), intensity, 0.01 * intensity) << offset;
    for (double offset : {60.0, 90.0, 180.0, -120.0})
        EXPECT_NEAR(cosineSeriesAt(a, offset * pi / 180.0), 0.0, 0.01 * intensity) << offset;
}

TEST(AngleLoadSeries, RefusesWhatIsNotACircleABandOrAnAllowedCount) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double radius;
        double width;
        int count;
    };
    for (const Case& c :
         {Case{0.0, 0.0, 40}, Case{-1.0, 0.0, 40}, Case{nan, 0.0, 40}, Case{1.0, -1.0, 40},
          Case{1.0, 361.0, 40}, Case{1.0, nan, 40}, Case{1.0, 0.0, -1}, Case{1.0, 0.0, 401}})
        EXPECT_THROW(angleLoadAmplitudes(1.0, c.radius, c.width, c.count), std::invalid_argument)
            << c.radius << " " << c.width << " " << c.count;
    EXPECT_EQ(angleLoadAmplitudes(1.0, 1.0, 360.0, 0).size(), 1u);
}

} // namespace
} // namespace venkar
