#pragma once

#include <optional>
#include <string>
#include <vector>

namespace venkar {

// One point of a table of wind pressure coefficients: the angle α in degrees
// around the axis, measured from the windward meridian (α = 0), and c_p there.
struct PressurePoint {
    double angle = 0.0;
    double coefficient = 0.0;
};

// What is wrong with a pressure table, for the input check to name the row
// (0-based index into the table) and the column (0 = angle, 1 = c_p).
struct PressureTableProblem {
    int row = 0;
    int column = 0;
    std::string message; // German, shown to the user as it stands
};

// The first problem of `table` as a description of c_p(α) on 0° ≤ α ≤ 180°,
// or none: at least two points, finite numbers, the first angle 0°, the last
// 180°, the angles ascending. A repeated angle is allowed and makes a step:
// the two points are the values on either side of it.
std::optional<PressureTableProblem>
findPressureTableProblem(const std::vector<PressurePoint>& table);

// c_p at `angleDegrees` (any angle; the table is mirrored about 0° and
// repeats every 360°), linear between the points. At a step the later point
// counts. Precondition: `table` has no problem.
double pressureCoefficientAt(const std::vector<PressurePoint>& table, double angleDegrees);

// The exact cosine coefficient a_n of the piecewise-linear c_p(α):
// c_p(α) = a_0 + Σ a_n·cos nα with a_0 = (1/π)·∫₀^π c_p dα and
// a_n = (2/π)·∫₀^π c_p·cos nα dα, each linear segment integrated in closed
// form. Precondition: `table` has no problem, n ≥ 0.
double pressureCosineCoefficient(const std::vector<PressurePoint>& table, int n);

// The value a_0 + Σ_{n=1}^{N} a_n·cos nα of a cosine series with
// coefficients a_0 … a_N at `angleRadians`.
double cosineSeriesAt(const std::vector<double>& coefficients, double angleRadians);

// The cosine series of a pressure table, cut where it reproduces the table.
struct WindSeries {
    // a_0 … a_N: c_p(α) ≈ Σ a_n·cos nα, α from the windward meridian.
    std::vector<double> coefficients;
    // N, the highest harmonic kept.
    int harmonicCount = 0;
    // The largest |series − c_p| over the check angles, relative to the
    // table's range max c_p − min c_p (to |c_p| for a constant table, to 1
    // for a table of zeros).
    double largestDeviation = 0.0;
    // Whether the series met the tolerance; false when the cap was reached
    // first (the report warns then).
    bool withinTolerance = true;
};

// The deviation the cut of a wind series aims at: 1 % of the range.
inline constexpr double windSeriesTolerance = 0.01;
// The most harmonics a wind series takes.
inline constexpr int windSeriesMaximumHarmonics = 40;

// The smallest N ≤ `maximumHarmonics` whose series deviates from c_p by at
// most `tolerance` (relative to the range) at every check angle — every
// quarter degree from 0° to 180° and every table point, on both sides of a
// step — or `maximumHarmonics` when none does. Throws std::invalid_argument
// for a table with a problem or a negative `maximumHarmonics`.
WindSeries windSeries(const std::vector<PressurePoint>& table,
                      int maximumHarmonics = windSeriesMaximumHarmonics,
                      double tolerance = windSeriesTolerance);

} // namespace venkar
