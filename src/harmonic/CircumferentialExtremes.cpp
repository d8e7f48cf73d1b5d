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

// The factor of every quantity of every solution at every angle,
// factors[a·solutions + s][q]: cos nφ or sin nφ as the quantity varies like
// u or like v.
std::vector<HarmonicValues> angleFactors(const HarmonicResults& results,
                                         const std::vector<double>& angles) {
    std::vector<HarmonicValues> factors(results.solutions.size() * angles.size());
    for (std::size_t s = 0; s < results.solutions.size(); ++s) {
        const Harmonic h = results.solutions[s].harmonic;
        for (std::size_t a = 0; a < angles.size(); ++a) {
            const double phi = angles[a] * std::numbers::pi / 180.0;
            const double likeU = angleFactor(h, false, phi);
            const double likeV = angleFactor(h, true, phi);
            HarmonicValues& f = factors[a * results.solutions.size() + s];
            for (int q = 0; q < harmonicQuantityCount; ++q)
                f[static_cast<std::size_t>(q)] = variesLikeV(q) ? likeV : likeU;
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
    const std::vector<HarmonicValues> factors = angleFactors(results, angles);

    const std::size_t solutions = results.solutions.size();
    std::vector<const HarmonicValues*> amplitudes(solutions);

    std::vector<ShellAngleExtremes> all;
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
                for (std::size_t s = 0; s < solutions; ++s)
                    amplitudes[s] =
                        &results.solutions[s].elementEnds[static_cast<std::size_t>(e)]
                                                         [static_cast<std::size_t>(end)];
                const double position = end == 0 ? element.startPosition : element.endPosition;
                for (std::size_t a = 0; a < angles.size(); ++a) {
                    // The sum over the harmonics, held in registers.
                    HarmonicValues v{};
                    const HarmonicValues* f = &factors[a * solutions];
                    for (std::size_t s = 0; s < solutions; ++s) {
                        const HarmonicValues& amplitude = *amplitudes[s];
                        for (std::size_t q = 0; q < v.size(); ++q)
                            v[q] += amplitude[q] * f[s][q];
                    }
                    for (std::size_t q = 0; q < v.size(); ++q)
                        consider(extremes.values[q], v[q], position, angles[a]);
                    SectionValues section{};
                    section[resultNPhi] = v[harmonicNPhi];
                    section[resultNTheta] = v[harmonicNTheta];
                    section[resultMPhi] = v[harmonicMPhi];
                    section[resultMTheta] = v[harmonicMTheta];
                    consider(
                        extremes.values[vonMisesExtreme],
                        largerVonMises(section, t,
                                       faceShear(v[harmonicNPhiTheta], v[harmonicMPhiTheta], t)),
                        position, angles[a]);
                }
            }
        }
        all.push_back(extremes);
    }
    return all;
}

} // namespace venkar
