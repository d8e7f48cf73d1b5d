#include "harmonic/HarmonicStiffnessSeries.h"

#include "analysis/AnalysisModel.h"
#include "harmonic/HarmonicSystem.h"

namespace venkar {

namespace {

void addScaled(PackedHarmonicSquare& k, const PackedHarmonicSquare& term, double factor) {
    for (std::size_t i = 0; i < k.entries.size(); ++i)
        k.entries[i] += factor * term.entries[i];
}

} // namespace

PackedHarmonicSquare HarmonicStiffnessSeries::pack(const HarmonicSquare& upper) {
    PackedHarmonicSquare packed;
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t j = i; j < 8; ++j)
            packed.entries[PackedHarmonicSquare::index(i, j)] = upper[i][j];
    return packed;
}

PackedHarmonicSquare HarmonicStiffnessSeries::packedAt(Harmonic h) const {
    const double n = h.n;
    const double a = h.factorA();
    const double b = h.factorB();
    PackedHarmonicSquare k;
    double power = 1.0;
    for (std::size_t p = 0; p < membraneTerms; ++p, power *= n) {
        if (a * power != 0.0)
            addScaled(k, membrane[p], a * power);
        if (p < shearTerms && b * power != 0.0)
            addScaled(k, shear[p], b * power);
    }
    // The antisymmetric set flips the sign of the entries coupling v with
    // the other DOFs.
    if (h.vSign() < 0.0)
        for (std::size_t i = 0; i < 8; ++i)
            for (std::size_t j = i; j < 8; ++j)
                if ((i % 4 == 3) != (j % 4 == 3))
                    k.entries[PackedHarmonicSquare::index(i, j)] *= -1.0;
    return k;
}

HarmonicSquare HarmonicStiffnessSeries::at(Harmonic h) const {
    const PackedHarmonicSquare packed = packedAt(h);
    HarmonicSquare k{};
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t j = 0; j < 8; ++j)
            k[i][j] = packed(i, j);
    return k;
}

HarmonicRow HarmonicStiffnessSeries::twistAt(int end, Harmonic h) const {
    const std::array<HarmonicRow, 2>& series = endTwist[static_cast<std::size_t>(end)];
    const double n = h.n;
    HarmonicRow row{};
    for (std::size_t i = 0; i < 8; ++i)
        row[i] = series[0][i] + n * series[1][i];
    row[3] *= h.vSign();
    row[7] *= h.vSign();
    return row;
}

MeshStiffnessSeries::MeshStiffnessSeries(const Model& model, const AnalysisModel& analysis) {
    elements_.reserve(analysis.shellElements.size());
    for (const ShellElement& element : analysis.shellElements)
        elements_.emplace_back(
            harmonicElement(model, analysis, element, Harmonic{}).stiffnessSeries());
}

} // namespace venkar
