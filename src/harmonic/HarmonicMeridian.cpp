#include "harmonic/HarmonicMeridian.h"

#include "analysis/AnalysisModel.h"
#include "analysis/Results.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/HarmonicSystem.h"
#include "model/Model.h"

#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// Today's section values of a shell element end from the summed values.
SectionValues sectionValues(const HarmonicValues& v, const ElementMaterial& material,
                            double meanThermalStrain) {
    const double et = material.youngsModulus * material.wallThickness;
    const double nu = material.poissonRatio;
    SectionValues s{};
    s[resultNPhi] = v[harmonicNPhi];
    s[resultNTheta] = v[harmonicNTheta];
    s[resultMPhi] = v[harmonicMPhi];
    s[resultMTheta] = v[harmonicMTheta];
    s[resultQTheta] = v[harmonicQTheta];
    s[resultEpsPhi] = (v[harmonicNPhi] - nu * v[harmonicNTheta]) / et + meanThermalStrain;
    s[resultEpsTheta] = (v[harmonicNTheta] - nu * v[harmonicNPhi]) / et + meanThermalStrain;
    return s;
}

} // namespace

void meridianAt(const Model& model, const std::shared_ptr<const HarmonicCase>& harmonicCase,
                double angleDegrees, AnalysisModel& out) {
    const HarmonicResults& harmonics = harmonicCase->results;
    const double angle = angleDegrees * std::numbers::pi / 180.0;
    const std::vector<std::array<double, 2>> factors = harmonics.angleFactors(angle);
    out = harmonics.mesh;
    for (int node = 0; node < static_cast<int>(out.nodes.size()); ++node)
        for (int k = 0; k < 4; ++k) {
            Dof& dof = out.dof(node, k);
            dof.value = harmonics.nodeValue(node, k, factors);
            dof.force = harmonics.reaction(node, k, factors);
        }
    out.circumferential.assign(out.shellElements.size(), {});
    for (int e = 0; e < static_cast<int>(out.shellElements.size()); ++e) {
        ShellElement& element = out.shellElements[static_cast<std::size_t>(e)];
        const ElementMaterial material = harmonicMaterial(model, element);
        const ThermalStrains thermal = thermalStrains(model, element.shellNumber);
        const double mean = (thermal.plus + thermal.minus) / 2.0;
        for (int end = 0; end < 2; ++end) {
            HarmonicValues v{};
            for (int q = 0; q < harmonicQuantityCount; ++q)
                v[static_cast<std::size_t>(q)] = harmonics.elementValue(e, end, q, factors);
            const SectionValues s = sectionValues(v, material, mean);
            auto& around = out.circumferential[static_cast<std::size_t>(e)];
            around[static_cast<std::size_t>(3 * end)] = v[harmonicNPhiTheta];
            around[static_cast<std::size_t>(3 * end + 1)] = v[harmonicMPhiTheta];
            around[static_cast<std::size_t>(3 * end + 2)] = v[harmonicQPhi];
            for (int c = 0; c < resultComponentCount; ++c)
                element.results[static_cast<std::size_t>(end * resultComponentCount + c)] =
                    s[static_cast<std::size_t>(c)];
        }
    }
    for (int r = 0; r < static_cast<int>(out.ringElements.size()); ++r) {
        const HarmonicRingForces forces = harmonics.ringForces(r, angle);
        out.ringElements[static_cast<std::size_t>(r)].setResults(forces.hoopForce,
                                                                 forces.outOfPlaneMoment);
    }
    out.results = collectResults(model, out);
    out.results.harmonic = harmonicCase;
    out.results.angle = angleDegrees;
    out.resultsValid = 1;
}

std::vector<Results> meridianResults(const Model& model,
                                     const std::shared_ptr<const HarmonicCase>& harmonicCase,
                                     const std::vector<double>& anglesDegrees) {
    std::vector<Results> meridians;
    AnalysisModel meridian;
    for (double angle : anglesDegrees) {
        meridianAt(model, harmonicCase, angle, meridian);
        meridians.push_back(std::move(meridian.results));
    }
    return meridians;
}

} // namespace venkar
