#include "harmonic/CircumferentialExtremes.h"

#include "analysis/SurfaceStresses.h"
#include "geometry/ShellMaterial.h"
#include "harmonic/HarmonicCase.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

double sweep(const HarmonicCase& harmonicCase) {
    return harmonicCase.symmetric() ? 180.0 : 360.0;
}

void consider(AngleExtremes& e, double value, double position, double angle) {
    if (value > e.maximum) {
        e.maximum = value;
        e.maximumPosition = position;
        e.maximumAngle = angle;
    }
    if (value < e.minimum) {
        e.minimum = value;
        e.minimumPosition = position;
        e.minimumAngle = angle;
    }
}

// The factors cos nφ / sin nφ of every solution at every angle, for the
// quantities that vary as u (0) and as v (1): factors[s][a][likeV].
std::vector<std::vector<std::array<double, 2>>> angleFactors(const HarmonicResults& results,
                                                             const std::vector<double>& angles) {
    std::vector<std::vector<std::array<double, 2>>> factors(results.solutions.size());
    for (std::size_t s = 0; s < results.solutions.size(); ++s) {
        factors[s].resize(angles.size());
        for (std::size_t a = 0; a < angles.size(); ++a) {
            const double phi = angles[a] * std::numbers::pi / 180.0;
            factors[s][a] = {angleFactor(results.solutions[s].harmonic, false, phi),
                             angleFactor(results.solutions[s].harmonic, true, phi)};
        }
    }
    return factors;
}

} // namespace

std::vector<double> extremeAngles(const HarmonicCase& harmonicCase) {
    const double range = sweep(harmonicCase);
    const int highest = std::max(harmonicCase.highestHarmonic(), 1);
    const double step = std::min(5.0, 360.0 / (8.0 * highest));
    const int count = static_cast<int>(std::ceil(range / step - 1e-9));
    std::vector<double> angles;
    for (int k = 0; k <= count; ++k)
        angles.push_back(range * k / count);
    for (double angle : harmonicCase.expansion.loadAngles) {
        double a = std::fmod(angle, 360.0);
        if (a < 0)
            a += 360.0;
        if (range == 180.0 && a > 180.0)
            a = 360.0 - a;
        angles.push_back(a);
    }
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end()), angles.end());
    return angles;
}

std::vector<double> tableAngles(const HarmonicCase& harmonicCase) {
    std::vector<double> angles;
    for (int degrees = 0; degrees <= static_cast<int>(sweep(harmonicCase)); degrees += 5)
        angles.push_back(degrees);
    return angles;
}

std::vector<ShellAngleExtremes> circumferentialExtremes(const Model& model,
                                                        const HarmonicCase& harmonicCase) {
    const HarmonicResults& results = harmonicCase.results;
    const AnalysisModel& mesh = results.mesh;
    const std::vector<double> angles = extremeAngles(harmonicCase);
    const auto factors = angleFactors(results, angles);
    std::array<bool, harmonicQuantityCount> likeV{};
    for (int q = 0; q < harmonicQuantityCount; ++q)
        likeV[static_cast<std::size_t>(q)] = variesLikeV(q);

    std::vector<ShellAngleExtremes> all;
    // sums[a][q] at one element end
    std::vector<HarmonicValues> sums(angles.size());
    for (int shell : model.shells.definedRows()) {
        const std::vector<int> chain = mesh.shellChain(shell);
        if (chain.empty())
            continue;
        ShellAngleExtremes extremes;
        extremes.shell = shell + 1;
        const double t = wallThickness(model, shell);
        for (int e : chain) {
            const ShellElement& element = mesh.shellElements[static_cast<std::size_t>(e)];
            for (int end = 0; end < 2; ++end) {
                for (HarmonicValues& s : sums)
                    s.fill(0.0);
                for (std::size_t s = 0; s < results.solutions.size(); ++s) {
                    const HarmonicValues& amplitude =
                        results.solutions[s].elementEnds[static_cast<std::size_t>(e)]
                                                        [static_cast<std::size_t>(end)];
                    for (std::size_t a = 0; a < angles.size(); ++a) {
                        const std::array<double, 2>& f = factors[s][a];
                        for (std::size_t q = 0; q < amplitude.size(); ++q)
                            sums[a][q] += amplitude[q] * f[likeV[q] ? 1 : 0];
                    }
                }
                const double position = end == 0 ? element.startPosition : element.endPosition;
                for (std::size_t a = 0; a < angles.size(); ++a) {
                    const HarmonicValues& v = sums[a];
                    for (std::size_t q = 0; q < v.size(); ++q)
                        consider(extremes.values[q], v[q], position, angles[a]);
                    SectionValues section{};
                    section[resultNPhi] = v[harmonicNPhi];
                    section[resultNTheta] = v[harmonicNTheta];
                    section[resultMPhi] = v[harmonicMPhi];
                    section[resultMTheta] = v[harmonicMTheta];
                    const StressValues stresses = surfaceStresses(
                        section, t, faceShear(v[harmonicNPhiTheta], v[harmonicMPhiTheta], t));
                    consider(extremes.values[vonMisesExtreme], largerVonMises(stresses), position,
                             angles[a]);
                }
            }
        }
        all.push_back(extremes);
    }
    return all;
}

} // namespace venkar
