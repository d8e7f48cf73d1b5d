#include "graphics/AroundField.h"

#include "analysis/ResultRecovery.h"
#include "analysis/SurfaceStresses.h"
#include "geometry/ShellMaterial.h"
#include "harmonic/HarmonicCase.h"
#include "loads/WindLoadDirection.h"
#include "model/Model.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

struct QuantityNames {
    const char* name;
    const char* caption;
};
constexpr std::array<QuantityNames, aroundQuantityCount> quantityNames{{
    {"verformung", "Verschiebung wr"},
    {"n-phi", "Normalkraft Phi"},
    {"n-theta", "Normalkraft Theta"},
    {"n-phitheta", "Normalkraft PhiTheta"},
    {"m-phi", "Momente Phi"},
    {"m-theta", "Momente Theta"},
    {"m-phitheta", "Momente PhiTheta"},
    {"q-theta", "Querkraft Theta"},
    {"q-phi", "Querkraft Phi"},
    {"sigma-vm", "Vergleichsspannung"},
    {"last", "Last cp·q"},
}};

// The harmonic quantity each element quantity reads; -1 for the two that
// are not one of them.
constexpr std::array<int, aroundQuantityCount> harmonicQuantityOf{harmonicWr,
                                                                  harmonicNPhi,
                                                                  harmonicNTheta,
                                                                  harmonicNPhiTheta,
                                                                  harmonicMPhi,
                                                                  harmonicMTheta,
                                                                  harmonicMPhiTheta,
                                                                  harmonicQTheta,
                                                                  harmonicQPhi,
                                                                  -1,
                                                                  -1};

// What von Mises needs at an angle.
constexpr std::array<int, 6> stressQuantities{harmonicNPhi,   harmonicNTheta,    harmonicMPhi,
                                              harmonicMTheta, harmonicNPhiTheta, harmonicMPhiTheta};

double linear(double start, double end, double l) {
    return (1.0 - l) * start + l * end;
}

} // namespace

const char* aroundQuantityName(AroundQuantity quantity) {
    return quantityNames.at(static_cast<std::size_t>(quantity)).name;
}

const char* aroundQuantityCaption(AroundQuantity quantity) {
    return quantityNames.at(static_cast<std::size_t>(quantity)).caption;
}

std::optional<AroundQuantity> aroundQuantityByName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int q = 0; q < aroundQuantityCount; ++q)
        if (lower == quantityNames[static_cast<std::size_t>(q)].name)
            return static_cast<AroundQuantity>(q);
    return std::nullopt;
}

double aroundSweep(const HarmonicCase& harmonicCase) {
    return harmonicCase.symmetric() ? 180.0 : 360.0;
}

AroundField::AroundField(const Model& model, const HarmonicCase& harmonicCase,
                         AroundQuantity quantity, std::vector<double> anglesDegrees)
    : model_(model), case_(harmonicCase), quantity_(quantity), angles_(std::move(anglesDegrees)) {
    const std::vector<HarmonicSolution>& solutions = case_.results.solutions;
    factors_.resize(solutions.size() * angles_.size());
    for (std::size_t s = 0; s < solutions.size(); ++s)
        for (std::size_t a = 0; a < angles_.size(); ++a) {
            const double phi = angles_[a] * std::numbers::pi / 180.0;
            factors_[s * angles_.size() + a] = {angleFactor(solutions[s].harmonic, false, phi),
                                                angleFactor(solutions[s].harmonic, true, phi)};
        }
}

void AroundField::sample(int element, double l, std::vector<double>& out) const {
    const std::size_t count = angles_.size();
    out.assign(count, 0.0);
    const AnalysisModel& mesh = case_.results.mesh;
    const ShellElement& e = mesh.shellElements.at(static_cast<std::size_t>(element));
    if (quantity_ == AroundQuantity::Load) {
        // p(x, φ) = Σ p_n(x)·cos n(φ - φₙ) of the loads on the element's
        // shell, turned from the element normal to the outside face.
        const double x = linear(e.startPosition, e.endPosition, l);
        const ShellRecord& shell = model_.shells.row(e.shellIndex());
        const NodeRecord& start = model_.nodes.row(shell.startNode - 1);
        const NodeRecord& end = model_.nodes.row(shell.endNode - 1);
        const double outside = windNormalLoadFactor(start.r, start.z, end.r, end.z);
        for (const HarmonicShellLoad& load : case_.input.shellLoads) {
            if (load.shell != e.shellNumber)
                continue;
            const double p = outside * linear(load.normalStart, load.normalEnd, x);
            for (std::size_t a = 0; a < count; ++a)
                out[a] += p * std::cos(load.harmonic * (angles_[a] - load.phase) *
                                       std::numbers::pi / 180.0);
        }
        return;
    }
    const std::vector<HarmonicSolution>& solutions = case_.results.solutions;
    const auto index = static_cast<std::size_t>(element);
    if (quantity_ != AroundQuantity::VonMises) {
        const int q = harmonicQuantityOf[static_cast<std::size_t>(quantity_)];
        const std::size_t likeV = variesLikeV(q) ? 1 : 0;
        for (std::size_t s = 0; s < solutions.size(); ++s) {
            const std::array<HarmonicValues, 2>& ends = solutions[s].elementEnds[index];
            const double amplitude = linear(ends[0][static_cast<std::size_t>(q)],
                                            ends[1][static_cast<std::size_t>(q)], l);
            const std::array<double, 2>* f = &factors_[s * count];
            for (std::size_t a = 0; a < count; ++a)
                out[a] += amplitude * f[a][likeV];
        }
        return;
    }
    // von Mises of the summed section values and the faces' shear.
    constexpr std::size_t parts = stressQuantities.size();
    std::array<std::size_t, parts> likeV{};
    for (std::size_t k = 0; k < parts; ++k)
        likeV[k] = variesLikeV(stressQuantities[k]) ? 1 : 0;
    std::vector<std::array<double, parts>>& sums = stressSums_;
    sums.assign(count, {});
    for (std::size_t s = 0; s < solutions.size(); ++s) {
        const std::array<HarmonicValues, 2>& ends = solutions[s].elementEnds[index];
        std::array<double, parts> amplitude{};
        for (std::size_t k = 0; k < parts; ++k) {
            const auto q = static_cast<std::size_t>(stressQuantities[k]);
            amplitude[k] = linear(ends[0][q], ends[1][q], l);
        }
        const std::array<double, 2>* f = &factors_[s * count];
        for (std::size_t a = 0; a < count; ++a)
            for (std::size_t k = 0; k < parts; ++k)
                sums[a][k] += amplitude[k] * f[a][likeV[k]];
    }
    const double t = wallThickness(model_, e.shellIndex());
    for (std::size_t a = 0; a < count; ++a) {
        SectionValues section{};
        section[resultNPhi] = sums[a][0];
        section[resultNTheta] = sums[a][1];
        section[resultMPhi] = sums[a][2];
        section[resultMTheta] = sums[a][3];
        out[a] = largerVonMises(section, t, faceShear(sums[a][4], sums[a][5], t));
    }
}

std::optional<ElementAt> elementAt(const HarmonicCase& harmonicCase, int shell, double x) {
    const AnalysisModel& mesh = harmonicCase.results.mesh;
    if (mesh.shellChain(shell).empty())
        return std::nullopt;
    const ElementPosition at = locateOnShell(mesh, shell, x);
    return ElementAt{static_cast<int>(&at.element - mesh.shellElements.data()), at.l};
}

} // namespace venkar
