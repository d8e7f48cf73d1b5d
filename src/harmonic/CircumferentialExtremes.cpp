#include "harmonic/CircumferentialExtremes.h"

#include "analysis/SurfaceStresses.h"
#include "geometry/ShellMaterial.h"
#include "harmonic/HarmonicCase.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

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

// The factors of every solution at every angle, factors[a·solutions + s]:
// [0] for the quantities that vary like u, [1] for those like v.
std::vector<std::array<double, 2>> angleFactors(const HarmonicResults& results,
                                                const std::vector<double>& angles) {
    std::vector<std::array<double, 2>> factors(results.solutions.size() * angles.size());
    for (std::size_t s = 0; s < results.solutions.size(); ++s) {
        const Harmonic h = results.solutions[s].harmonic;
        for (std::size_t a = 0; a < angles.size(); ++a) {
            const double phi = angles[a] * std::numbers::pi / 180.0;
            factors[a * results.solutions.size() + s] = {angleFactor(h, false, phi),
                                                         angleFactor(h, true, phi)};
        }
    }
    return factors;
}

// The quantities in two groups, those varying like u first, so that each
// group's sum takes one factor per solution.
struct QuantityGroups {
    std::array<std::size_t, harmonicQuantityCount> order{};
    std::size_t likeU = 0;

    QuantityGroups() {
        std::size_t at = 0;
        for (int pass = 0; pass < 2; ++pass)
            for (int q = 0; q < harmonicQuantityCount; ++q)
                if (variesLikeV(q) == (pass == 1))
                    order[at++] = static_cast<std::size_t>(q);
        likeU =
            static_cast<std::size_t>(std::count_if(order.begin(), order.end(), [](std::size_t q) {
                return !variesLikeV(static_cast<int>(q));
            }));
    }
};

// With AVX2 where the processor has it: the same products and sums, four
// at a time (no fused multiply-add, so the values do not depend on it).
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
#define VENKAR_WIDE_VECTORS [[gnu::target_clones("avx2", "default")]]
#else
#define VENKAR_WIDE_VECTORS
#endif

constexpr std::size_t likeUCount = 8; // wr, wz, rotation, N, M and Q-Theta

// sums[a][k] = Σ_s amplitudes[s][k]·factors[a·solutions + s][k < 8 ? 0 : 1]
// for the quantities in group order, summed in the order of the solutions.
VENKAR_WIDE_VECTORS
void sumOverHarmonics(const HarmonicValues* amplitudes, std::size_t solutions,
                      const std::array<double, 2>* factors, std::size_t angles,
                      HarmonicValues* sums) {
    for (std::size_t a = 0; a < angles; ++a) {
        HarmonicValues grouped{};
        const std::array<double, 2>* f = factors + a * solutions;
        for (std::size_t s = 0; s < solutions; ++s) {
            const HarmonicValues& amplitude = amplitudes[s];
            for (std::size_t k = 0; k < likeUCount; ++k)
                grouped[k] += amplitude[k] * f[s][0];
            for (std::size_t k = likeUCount; k < grouped.size(); ++k)
                grouped[k] += amplitude[k] * f[s][1];
        }
        sums[a] = grouped;
    }
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
    const std::vector<std::array<double, 2>> factors = angleFactors(results, angles);
    const QuantityGroups groups;
    if (groups.likeU != likeUCount)
        throw std::logic_error("circumferentialExtremes: quantity groups");
    const std::size_t solutions = results.solutions.size();
    // The amplitudes of every solution at one element end in group order.
    std::vector<HarmonicValues> amplitudes(solutions);
    std::vector<HarmonicValues> sums(angles.size());

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
                for (std::size_t s = 0; s < solutions; ++s) {
                    const HarmonicValues& own =
                        results.solutions[s].elementEnds[static_cast<std::size_t>(e)]
                                                        [static_cast<std::size_t>(end)];
                    for (std::size_t k = 0; k < own.size(); ++k)
                        amplitudes[s][k] = own[groups.order[k]];
                }
                const double position = end == 0 ? element.startPosition : element.endPosition;
                sumOverHarmonics(amplitudes.data(), solutions, factors.data(), angles.size(),
                                 sums.data());
                for (std::size_t a = 0; a < angles.size(); ++a) {
                    HarmonicValues v{};
                    for (std::size_t k = 0; k < v.size(); ++k)
                        v[groups.order[k]] = sums[a][k];
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
