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
    for (Harmonic h : candidateHarmonics(input)) {
        AnalysisModel analysis;
        if (!buildHarmonicSystem(model, input, h, analysis)) {
            error = std::string(contradictionMessage) + "\n" + harmonicName(h);
            return false;
        }
        if (!stiffness)
            stiffness.emplace(model, analysis);
        const int equations = analysis.dofs.equationCount();
        SkylineMatrix matrix(equations);
        RealMatrix rightHandSide(equations, 1);
        assembleHarmonicSystem(model, input, h, analysis, options, *stiffness, matrix,
                               rightHandSide);
        if (!anyLoad(analysis, rightHandSide))
            continue;
        if (h.n >= 1) {
            if (const int ring = ringWithoutSection(model, input)) {
                error = "Ringbalken " + std::to_string(ring) +
                        ": Iz, It und G fehlen für die Harmonischen n >= 1";
                return false;
            }
        }
        if (matrix.solve(rightHandSide) != solveSolved) {
            error = std::string(singularMessage) + "\n" + harmonicName(h);
            return false;
        }
        storeSolution(analysis, rightHandSide);
        results.solutions.push_back(
            recoverHarmonic(model, input, h, analysis, *stiffness, options));
        if (results.mesh.nodes.empty())
            results.mesh = std::move(analysis);
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
