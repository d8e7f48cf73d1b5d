#include "buckling/BucklingSystem.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/RealMatrix.h"
#include "buckling/BucklingSeries.h"
#include "buckling/GeometricStiffness.h"
#include "harmonic/HarmonicAnalysis.h"
#include "harmonic/HarmonicSystem.h"
#include "model/Model.h"

#include <optional>

namespace venkar {

namespace {

// The homogeneous expansions u = Σ a·U(e) of an element's DOFs: the
// constants of prescribed displacements belong to the prebuckling state.
template <std::size_t count>
std::array<DofExpansion, count> expansions(const AnalysisModel& analysis,
                                           const std::array<int, count>& dofs) {
    std::array<DofExpansion, count> out;
    for (std::size_t k = 0; k < count; ++k)
        analysis.dofs.expand(dofs[k], out[k]);
    return out;
}

template <std::size_t count, class Square>
void addElement(const AnalysisModel& analysis, const std::array<int, count>& dofs, const Square& k,
                SkylineMatrix& matrix) {
    const std::array<DofExpansion, count> e = expansions(analysis, dofs);
    for (std::size_t p = 0; p < count; ++p)
        for (std::size_t q = 0; q < count; ++q) {
            const double kpq = k[p][q];
            if (kpq == 0.0)
                continue;
            for (const EquationTerm& i : e[p].terms)
                for (const EquationTerm& j : e[q].terms)
                    if (j.equation >= i.equation)
                        matrix.addEntry(j.equation, i.equation, i.factor * kpq * j.factor);
        }
}

// Builds the pencil with the mesh's element matrices, made here for this
// harmonic when `series` is null.
bool buildPencil(const Model& model, const HarmonicInput& input, const PrebucklingState& state,
                 int n, int flags, const BucklingSeries* series, BucklingPencil& pencil,
                 std::string& error) {
    const Harmonic h{n, HarmonicSet::symmetric};
    pencil.analysis = AnalysisModel{};
    AnalysisModel& analysis = pencil.analysis;
    if (!buildHarmonicSystem(model, input, h, analysis)) {
        error = std::string(contradictionMessage) + "\n" + harmonicName(h);
        return false;
    }
    if (n >= 1) {
        for (int row : model.rings.definedRows())
            if (ringSection(input, row) == nullptr) {
                error = "Ringbalken " + std::to_string(row + 1) +
                        ": Iz, It und G fehlen für die Harmonischen n >= 1";
                return false;
            }
    }
    if (!stateFitsMesh(state, analysis)) {
        error = stateMismatchMessage;
        return false;
    }
    std::optional<BucklingSeries> own;
    if (series == nullptr)
        series = &own.emplace(model, analysis, state);
    const int equations = analysis.dofs.equationCount();
    pencil.stiffness = SkylineMatrix(equations);
    RealMatrix loads(equations, 1);
    assembleHarmonicSystem(model, input, h, analysis, flags, series->stiffness(), pencil.stiffness,
                           loads);

    pencil.geometric = SkylineMatrix(equations);
    for (int row = 0; row < equations; ++row)
        pencil.geometric.noteHeight(row, pencil.stiffness.height(row));
    pencil.geometric.finaliseProfile();

    for (std::size_t e = 0; e < analysis.shellElements.size(); ++e) {
        const ShellElement& element = analysis.shellElements[e];
        std::array<int, 8> dofs{};
        for (int k = 0; k < 4; ++k) {
            dofs[static_cast<std::size_t>(k)] = analysis.dofIndex(element.startNode, k);
            dofs[static_cast<std::size_t>(k + 4)] = analysis.dofIndex(element.endNode, k);
        }
        addElement(analysis, dofs, series->geometric(e, h), pencil.geometric);
    }
    for (std::size_t e = 0; e < analysis.ringElements.size(); ++e) {
        const RingElement& ring = analysis.ringElements[e];
        const int node = ring.node(0);
        const double r = analysis.nodes[static_cast<std::size_t>(node)].r;
        const RingSquare g = ringGeometricStiffness(r, state.ringHoopForces[e], h);
        std::array<int, 4> dofs{};
        for (int k = 0; k < 4; ++k)
            dofs[static_cast<std::size_t>(k)] = analysis.dofIndex(node, k);
        addElement(analysis, dofs, g, pencil.geometric);
    }
    return true;
}

} // namespace

bool buildBucklingPencil(const Model& model, const HarmonicInput& input,
                         const PrebucklingState& state, int n, int flags, BucklingPencil& pencil,
                         std::string& error) {
    return buildPencil(model, input, state, n, flags, nullptr, pencil, error);
}

bool buildBucklingPencil(const Model& model, const HarmonicInput& input,
                         const PrebucklingState& state, int n, int flags,
                         const BucklingSeries& series, BucklingPencil& pencil, std::string& error) {
    return buildPencil(model, input, state, n, flags, &series, pencil, error);
}

bool stateFitsMesh(const PrebucklingState& state, const AnalysisModel& mesh) {
    return mesh.shellElements.size() == state.shellForces.size() &&
           mesh.shellElements.size() == state.pressures.size() &&
           mesh.ringElements.size() == state.ringHoopForces.size();
}

SkylineMatrix shiftedMatrix(const SkylineMatrix& k, const SkylineMatrix& g, double sigma) {
    SkylineMatrix out(k.order());
    for (int row = 0; row < k.order(); ++row)
        out.noteHeight(row, k.height(row));
    out.finaliseProfile();
    for (int row = 0; row < k.order(); ++row)
        for (int col = row - k.height(row) + 1; col <= row; ++col)
            out.addEntry(row, col, k.entry(row, col) + sigma * g.entry(row, col));
    return out;
}

} // namespace venkar
