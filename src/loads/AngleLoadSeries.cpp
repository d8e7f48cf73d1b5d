#include "loads/AngleLoadSeries.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace venkar {

std::vector<double> angleLoadAmplitudes(double force, double radius, double widthDegrees,
                                        int harmonicCount) {
    if (!(radius > 0.0) || !std::isfinite(radius))
        throw std::invalid_argument("Eine Einzellast am Umfang braucht einen Radius größer 0");
    if (!(widthDegrees >= 0.0 && widthDegrees <= 360.0))
        throw std::invalid_argument(
            "Die Breite einer Einzellast am Umfang liegt zwischen 0° und 360°");
    if (harmonicCount < 0 || harmonicCount > angleLoadMaximumHarmonics)
        throw std::invalid_argument("Die Anzahl der Harmonischen liegt zwischen 0 und 400");

    constexpr double pi = std::numbers::pi;
    const double halfWidth = 0.5 * widthDegrees * pi / 180.0;
    std::vector<double> amplitudes;
    amplitudes.reserve(static_cast<std::size_t>(harmonicCount) + 1);
    amplitudes.push_back(force / (2.0 * pi * radius));
    for (int n = 1; n <= harmonicCount; ++n) {
        // sin x / x of the band's half width; 1 for a point.
        const double x = n * halfWidth;
        const double spread = x == 0.0 ? 1.0 : std::sin(x) / x;
        amplitudes.push_back(force / (pi * radius) * spread);
    }
    return amplitudes;
}

} // namespace venkar
