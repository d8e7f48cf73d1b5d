#include "loads/WindSeries.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace venkar {
namespace {

using test::isClose;

constexpr double pi = std::numbers::pi;

// c_p = cos kα given at every `step` degrees from 0° to 180°.
std::vector<PressurePoint> sampledCosine(int k, double step) {
    std::vector<PressurePoint> table;
    const int count = static_cast<int>(std::lround(180.0 / step));
    for (int i = 0; i <= count; ++i) {
        const double a = 180.0 * i / count;
        table.push_back({a, std::cos(k * a * pi / 180.0)});
    }
    return table;
}

// The linear interpolant of cos kα through points h apart carries exactly
// (sin(kh/2)/(kh/2))² of cos kα (its Fourier coefficient at k); below the
// alias 2π/h ± k it has no other harmonic.
TEST(WindSeries, SampledCosineGivesItsHarmonicAloneScaledByTheInterpolationFactor) {
    for (int k : {1, 2, 5}) {
        const double step = 1.0;
        const WindSeries series = windSeries(sampledCosine(k, step));
        ASSERT_EQ(series.harmonicCount, k) << "k = " << k;
        const double x = 0.5 * k * step * pi / 180.0;
        const double factor = std::pow(std::sin(x) / x, 2);
        EXPECT_TRUE(isClose(series.coefficients[k], factor, 1e-12)) << "k = " << k;
        for (int n = 0; n < k; ++n)
            EXPECT_NEAR(series.coefficients[n], 0.0, 1e-13) << "k = " << k << ", n = " << n;
        EXPECT_TRUE(series.withinTolerance);
        EXPECT_LT(series.largestDeviation, 1e-3);
    }
}

TEST(WindSeries, ConstantTableIsItsMeanWithoutHarmonics) {
    for (double c : {-0.8, 0.0, 1.3}) {
        const WindSeries series = windSeries({{0.0, c}, {70.0, c}, {180.0, c}});
        EXPECT_EQ(series.harmonicCount, 0);
        ASSERT_EQ(series.coefficients.size(), 1u);
        EXPECT_TRUE(isClose(series.coefficients[0], c, 1e-15, 1e-300)) << c;
        EXPECT_NEAR(series.largestDeviation, 0.0, 1e-15);
    }
}

// c_p = 1 − 2α/π on 0 … π: a_0 = 0, a_n = 8/(π²n²) for odd n, 0 for even.
// All cosines are 1 at α = 0, where the partial sum therefore falls short by
// the whole tail — the largest deviation of the cut series.
TEST(WindSeries, TriangleWaveMatchesItsClosedFormAndIsCutWhereItsTailFallsBelowOnePercent) {
    const std::vector<PressurePoint> triangle = {{0.0, 1.0}, {180.0, -1.0}};
    for (int n = 0; n <= 40; ++n) {
        const double expected = n % 2 == 1 ? 8.0 / (pi * pi * n * n) : 0.0;
        EXPECT_NEAR(pressureCosineCoefficient(triangle, n), expected, 1e-15) << "n = " << n;
    }

    // Σ over odd n of 8/(π²n²) is 1: the tail is what the kept terms miss.
    auto tail = [](int cut) {
        double kept = 0.0;
        for (int n = 1; n <= cut; n += 2)
            kept += 8.0 / (pi * pi * n * n);
        return 1.0 - kept;
    };
    int expectedCount = 0;
    while (tail(expectedCount) / 2.0 > 0.01)
        ++expectedCount;

    const WindSeries series = windSeries(triangle);
    EXPECT_EQ(series.harmonicCount, expectedCount);
    EXPECT_TRUE(isClose(series.largestDeviation, tail(expectedCount) / 2.0, 1e-10));
    EXPECT_TRUE(series.withinTolerance);
}

// A step never converges uniformly (at the step the series gives the mean,
// half a jump from either side), and a peak narrower than the quarter-degree
// grid is only seen at its own table point: both run to the cap and say so.
TEST(WindSeries, TablesTheSeriesCannotReproduceStopAtTheCapWithTheirDeviation) {
    const std::vector<PressurePoint> step = {{0.0, 1.0}, {90.0, 1.0}, {90.0, -1.0}, {180.0, -1.0}};
    const std::vector<PressurePoint> narrowPeak = {
        {0.0, 0.0}, {10.0, 0.0}, {10.1, 1.0}, {10.2, 0.0}, {180.0, 0.0}};
    for (const auto& table : {step, narrowPeak}) {
        for (int cap : {40, 7}) {
            const WindSeries series = windSeries(table, cap);
            EXPECT_EQ(series.harmonicCount, cap);
            EXPECT_EQ(series.coefficients.size(), static_cast<std::size_t>(cap) + 1);
            EXPECT_FALSE(series.withinTolerance);
            EXPECT_GT(series.largestDeviation, 0.01);
        }
    }
    EXPECT_NEAR(windSeries(step).largestDeviation, 0.5, 1e-12);
}

TEST(WindSeries, InterpolationMirrorsAboutTheWindwardMeridianAndTakesTheLaterPointAtAStep) {
    const std::vector<PressurePoint> table = {{0.0, 1.0}, {90.0, -2.0}, {90.0, -1.0}, {180.0, 0.0}};
    struct Case {
        double angle;
        double expected;
    };
    for (const Case& c :
         {Case{45.0, -0.5}, Case{-45.0, -0.5}, Case{315.0, -0.5}, Case{405.0, -0.5},
          Case{90.0, -1.0}, Case{135.0, -0.5}, Case{225.0, -0.5}, Case{180.0, 0.0}, Case{0.0, 1.0}})
        EXPECT_NEAR(pressureCoefficientAt(table, c.angle), c.expected, 1e-15) << c.angle;
}

TEST(WindSeries, TableProblemsNameTheirRowAndColumn) {
    struct Case {
        std::vector<PressurePoint> table;
        int row;
        int column;
    };
    const double nan = std::nan("");
    const std::vector<Case> cases = {
        {{{0.0, 1.0}}, 0, 0},
        {{{5.0, 1.0}, {180.0, 0.0}}, 0, 0},
        {{{0.0, 1.0}, {90.0, 0.0}}, 1, 0},
        {{{0.0, 1.0}, {100.0, 0.0}, {90.0, 0.0}, {180.0, 0.0}}, 2, 0},
        {{{0.0, 1.0}, {90.0, nan}, {180.0, 0.0}}, 1, 1},
        {{{0.0, 1.0}, {nan, 0.0}, {180.0, 0.0}}, 1, 0},
    };
    for (const Case& c : cases) {
        const auto problem = findPressureTableProblem(c.table);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->row, c.row);
        EXPECT_EQ(problem->column, c.column);
        EXPECT_FALSE(problem->message.empty());
        EXPECT_THROW(windSeries(c.table), std::invalid_argument);
    }
    EXPECT_FALSE(findPressureTableProblem({{0.0, 1.0}, {90.0, 0.0}, {90.0, 1.0}, {180.0, 0.0}}));
}

} // namespace
} // namespace venkar
