#include "harmonic/HarmonicStiffnessSeries.h"

#include "analysis/AnalysisModel.h"
#include "harmonic/HarmonicSystem.h"

namespace venkar {

HarmonicSquare HarmonicStiffnessSeries::at(Harmonic h) const {
    const double n = h.n;
    const double a = h.factorA();
    const double b = h.factorB();
    HarmonicSquare k{};
    double power = 1.0;
    for (std::size_t p = 0; p < membraneTerms; ++p, power *= n) {
        const double fa = a * power;
        const double fb = p < shearTerms ? b * power : 0.0;
        if (fa == 0.0 && fb == 0.0)
            continue;
        for (std::size_t i = 0; i < 8; ++i)
            for (std::size_t j = 0; j < 8; ++j) {
                double value = fa * membrane[p][i][j];
                if (fb != 0.0)
                    value += fb * shear[p][i][j];
                k[i][j] += value;
            }
    }
    if (h.vSign() < 0.0)
        for (std::size_t i = 0; i < 8; ++i)
            for (std::size_t j = 0; j < 8; ++j)
                if ((i % 4 == 3) != (j % 4 == 3))
                    k[i][j] = -k[i][j];
    return k;
}

MeshStiffnessSeries::MeshStiffnessSeries(const Model& model, const AnalysisModel& analysis) {
    elements_.reserve(analysis.shellElements.size());
    for (const ShellElement& element : analysis.shellElements)
        elements_.push_back(
            harmonicElement(model, analysis, element, Harmonic{}).stiffnessSeries());
}

} // namespace venkar
