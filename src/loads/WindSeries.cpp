#include "loads/WindSeries.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace venkar {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double degree = pi / 180.0;
// Check angles between the table points: every quarter degree.
constexpr int gridSteps = 720;

// ∫ c(α)·cos nα dα over one linear segment from (α1, c1) to (α2, c2),
// angles in radians. Written about the midpoint m with half width h and
// c = c̄ + d·t/h (t = α − m), so that short segments and high n keep their
// digits:
//   ∫ c̄·cos n(m+t) dt = 2·c̄·cos nm·sin nh / n
//   ∫ (d/h)·t·cos n(m+t) dt = -2·d·sin nm·(sin nh/(n²h) − cos nh/n)
// and at n = 0 the segment's area 2·h·c̄.
double segmentIntegral(double a1, double c1, double a2, double c2, int n) {
    const double h = 0.5 * (a2 - a1);
    if (h <= 0.0)
        return 0.0;
    const double m = 0.5 * (a1 + a2);
    const double mean = 0.5 * (c1 + c2);
    const double half = 0.5 * (c2 - c1);
    if (n == 0)
        return 2.0 * h * mean;
    const double x = n * h;
    const double slopePart = (std::sin(x) / x - std::cos(x)) / n;
    return 2.0 * mean * std::cos(n * m) * std::sin(x) / n -
           2.0 * half * std::sin(n * m) * slopePart;
}

double tableRangeScale(const std::vector<PressurePoint>& table) {
    const auto [low, high] = std::minmax_element(
        table.begin(), table.end(), [](const PressurePoint& a, const PressurePoint& b) {
            return a.coefficient < b.coefficient;
        });
    const double range = high->coefficient - low->coefficient;
    if (range > 0.0)
        return range;
    const double size = std::fabs(low->coefficient);
    return size > 0.0 ? size : 1.0;
}

} // namespace

std::optional<PressureTableProblem>
findPressureTableProblem(const std::vector<PressurePoint>& table) {
    if (table.size() < 2)
        return PressureTableProblem{
            0, 0, "Die Druckbeiwerte brauchen mindestens zwei Punkte (0° und 180°)"};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int row = static_cast<int>(i);
        if (!std::isfinite(table[i].angle))
            return PressureTableProblem{row, 0, "Der Winkel ist keine endliche Zahl"};
        if (!std::isfinite(table[i].coefficient))
            return PressureTableProblem{row, 1, "Der Druckbeiwert ist keine endliche Zahl"};
    }
    if (table.front().angle != 0.0)
        return PressureTableProblem{0, 0, "Die Druckbeiwerte beginnen nicht bei 0° !"};
    for (std::size_t i = 1; i < table.size(); ++i)
        if (table[i].angle < table[i - 1].angle)
            return PressureTableProblem{static_cast<int>(i), 0, "Die Winkel steigen nicht an !"};
    if (table.back().angle != 180.0)
        return PressureTableProblem{static_cast<int>(table.size()) - 1, 0,
                                    "Die Druckbeiwerte enden nicht bei 180° !"};
    return std::nullopt;
}

double pressureCoefficientAt(const std::vector<PressurePoint>& table, double angleDegrees) {
    // Fold the angle into 0° … 180°: period 360°, mirror about 0°.
    double a = std::fmod(std::fabs(angleDegrees), 360.0);
    if (a > 180.0)
        a = 360.0 - a;
    // The first point beyond a; the segment before it holds a. At a step
    // (equal angles) upper_bound passes both points, so the later one counts.
    const auto next =
        std::upper_bound(table.begin(), table.end(), a,
                         [](double value, const PressurePoint& p) { return value < p.angle; });
    if (next == table.end())
        return table.back().coefficient;
    if (next == table.begin())
        return next->coefficient;
    const PressurePoint& p = *(next - 1);
    const PressurePoint& q = *next;
    const double t = (a - p.angle) / (q.angle - p.angle);
    return p.coefficient + t * (q.coefficient - p.coefficient);
}

double pressureCosineCoefficient(const std::vector<PressurePoint>& table, int n) {
    double integral = 0.0;
    for (std::size_t i = 1; i < table.size(); ++i)
        integral += segmentIntegral(table[i - 1].angle * degree, table[i - 1].coefficient,
                                    table[i].angle * degree, table[i].coefficient, n);
    return (n == 0 ? 1.0 : 2.0) / pi * integral;
}

double cosineSeriesAt(const std::vector<double>& coefficients, double angleRadians) {
    double sum = 0.0;
    for (std::size_t n = 0; n < coefficients.size(); ++n)
        sum += coefficients[n] * std::cos(static_cast<double>(n) * angleRadians);
    return sum;
}

WindSeries windSeries(const std::vector<PressurePoint>& table, int maximumHarmonics,
                      double tolerance) {
    if (const auto problem = findPressureTableProblem(table))
        throw std::invalid_argument(problem->message);
    if (maximumHarmonics < 0)
        throw std::invalid_argument("Die Anzahl der Harmonischen darf nicht negativ sein");

    // The check angles with the values the series must reproduce: the grid
    // (interpolated) and the table points themselves (both sides of a step).
    std::vector<double> angles;
    std::vector<double> targets;
    for (int i = 0; i <= gridSteps; ++i) {
        const double a = 180.0 * i / gridSteps;
        angles.push_back(a * degree);
        targets.push_back(pressureCoefficientAt(table, a));
    }
    for (const PressurePoint& p : table) {
        angles.push_back(p.angle * degree);
        targets.push_back(p.coefficient);
    }

    const double scale = tableRangeScale(table);
    std::vector<double> partial(angles.size(), 0.0);
    WindSeries series;
    for (int n = 0; n <= maximumHarmonics; ++n) {
        const double a = pressureCosineCoefficient(table, n);
        series.coefficients.push_back(a);
        double deviation = 0.0;
        for (std::size_t k = 0; k < angles.size(); ++k) {
            partial[k] += a * std::cos(n * angles[k]);
            deviation = std::max(deviation, std::fabs(partial[k] - targets[k]));
        }
        series.harmonicCount = n;
        series.largestDeviation = deviation / scale;
        if (series.largestDeviation <= tolerance)
            return series;
    }
    series.withinTolerance = false;
    return series;
}

} // namespace venkar
