#include "harmonic/HarmonicAnalysis.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/ResultRecovery.h"
#include "analysis/SkylineMatrix.h"
#include "harmonic/HarmonicLoadShare.h"
#include "harmonic/HarmonicRecovery.h"
#include "harmonic/HarmonicStiffnessSeries.h"
#include "harmonic/HarmonicSystem.h"
#include "model/Model.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace venkar {

namespace {

bool anyLoad(const AnalysisModel& analysis, const RealMatrix& rightHandSide) {
    for (int i = 0; i < rightHandSide.rows(); ++i)
        if (rightHandSide.at(i) != 0.0)
            return true;
    for (int i = 0; i < analysis.dofs.size(); ++i)
        if (analysis.dofs[i].dependent && analysis.dofs[i].constant != 0.0)
            return true;
    return false;
}

// A ring beam without its section data cannot be calculated beyond n = 0.
int ringWithoutSection(const Model& model, const HarmonicInput& input) {
    for (int row : model.rings.definedRows())
        if (ringSection(input, row) == nullptr)
            return row + 1;
    return 0;
}

// The systems of the harmonics on one mesh differ only in the conditions of
// n = 0 (per set) and of n = 1 at the axis (per set): all harmonics of one
// class share constraints, equation numbers and profile.
int constraintClass(Harmonic h) {
    return h.n >= 2 ? 4 : 2 * h.n + static_cast<int>(h.set);
}

// A built system and its profile, reused by every harmonic of its class.
struct PreparedSystem {
    AnalysisModel analysis;
    std::optional<HarmonicAssemblyMap> map;
    SkylineMatrix matrix{0};
};

void clearSolution(PreparedSystem& system) {
    DofTable& dofs = system.analysis.dofs;
    for (int i = 0; i < dofs.size(); ++i) {
        dofs[i].value = 0.0;
        dofs[i].force = 0.0;
    }
    system.matrix.clearEntries();
}

} // namespace

std::vector<Harmonic> candidateHarmonics(const HarmonicInput& input) {
    // Each load's share of each set of its harmonic: a wind load at phase 0
    // has none in the antisymmetric sets, which need not be assembled.
    std::set<std::pair<int, HarmonicSet>> loaded{{0, HarmonicSet::symmetric}};
    const auto note = [&](int n, double phase) {
        if (n < 0)
            return;
        for (HarmonicSet set : {HarmonicSet::symmetric, HarmonicSet::antisymmetric}) {
            const LoadShare share = loadShare({n, set}, phase);
            if (share.likeU != 0.0 || share.likeV != 0.0)
                loaded.insert({n, set});
        }
    };
    for (const HarmonicShellLoad& load : input.shellLoads)
        note(load.harmonic, load.phase);
    for (const HarmonicBandLoad& load : input.bandLoads)
        note(load.harmonic, load.phase);
    for (const HarmonicNodeLoad& load : input.nodeLoads)
        note(load.harmonic, load.phase);
    std::vector<Harmonic> harmonics;
    for (const auto& [n, set] : loaded)
        harmonics.push_back({n, set});
    return harmonics;
}

std::string harmonicName(Harmonic h) {
    return "Harmonische n = " + std::to_string(h.n) +
           (h.set == HarmonicSet::symmetric ? " (symmetrisch)" : " (antisymmetrisch)");
}

bool analyseHarmonics(const Model& model, const HarmonicInput& input, HarmonicResults& results,
                      std::string& error, int flags) {
    results = HarmonicResults{};
    error.clear();
    const int options = flags | (model.selfWeight() ? selfWeightFlag : 0);
    // Every harmonic's mesh is the same discretisation: its element
    // matrices are built once, with the first.
    std::optional<MeshStiffnessSeries> stiffness;
    std::vector<RecoveryElement> elements;
    std::map<int, PreparedSystem> systems;
    // The element terms of a few harmonics are evaluated in one pass.
    constexpr std::size_t termsBatch = 4;
    const std::vector<Harmonic> harmonics = candidateHarmonics(input);
    std::vector<HarmonicElementTerms> batch;
    for (std::size_t index = 0; index < harmonics.size(); ++index) {
        const Harmonic h = harmonics[index];
        const int kind = constraintClass(h);
        // A class whose last harmonic this is gives its system up after it.
        const bool lastOfClass = std::none_of(
            harmonics.begin() + static_cast<std::ptrdiff_t>(index) + 1, harmonics.end(),
            [&](Harmonic later) { return constraintClass(later) == kind; });
        const auto [slot, created] = systems.try_emplace(kind);
        PreparedSystem& system = slot->second;
        AnalysisModel& analysis = system.analysis;
        if (created) {
            if (!buildHarmonicSystem(model, input, h, analysis)) {
                error = std::string(contradictionMessage) + "\n" + harmonicName(h);
                return false;
            }
            system.map.emplace(analysis);
            system.matrix = SkylineMatrix(analysis.dofs.equationCount());
            system.map->noteProfile(system.matrix);
        } else {
            clearSolution(system);
        }
        if (!stiffness) {
            stiffness.emplace(model, analysis);
            elements = recoveryElements(model, analysis);
        }
        if (index % termsBatch == 0)
            harmonicElementTerms(
                model, input,
                std::span(harmonics).subspan(index, std::min(termsBatch, harmonics.size() - index)),
                analysis, options, *stiffness, batch);
        const HarmonicElementTerms& terms = batch[index % termsBatch];
        RealMatrix rightHandSide(analysis.dofs.equationCount(), 1);
        assembleHarmonicTerms(model, input, h, analysis, *system.map, terms, system.matrix,
                              rightHandSide);
        if (!anyLoad(analysis, rightHandSide)) {
            if (lastOfClass)
                systems.erase(kind);
            continue;
        }
        if (h.n >= 1) {
            if (const int ring = ringWithoutSection(model, input)) {
                error = "Ringbalken " + std::to_string(ring) +
                        ": Iz, It und G fehlen für die Harmonischen n >= 1";
                return false;
            }
        }
        if (system.matrix.solve(rightHandSide) != solveSolved) {
            error = std::string(singularMessage) + "\n" + harmonicName(h);
            return false;
        }
        storeSolution(analysis, rightHandSide);
        results.solutions.push_back(
            recoverHarmonic(model, input, h, analysis, *stiffness, elements, terms));
        if (results.mesh.nodes.empty()) {
            if (lastOfClass)
                results.mesh = std::move(analysis);
            else
                results.mesh = analysis;
        }
        if (lastOfClass)
            systems.erase(kind);
    }
    // Without any load the mesh still carries the (zero) results.
    if (results.mesh.nodes.empty() &&
        !buildHarmonicSystem(model, input, Harmonic{}, results.mesh)) {
        error = contradictionMessage;
        return false;
    }
    return true;
}

} // namespace venkar
