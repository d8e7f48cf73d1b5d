#include "harmonic/HarmonicRecovery.h"

#include "analysis/AnalysisModel.h"
#include "geometry/ShellGeometry.h"
#include "harmonic/HarmonicStiffnessSeries.h"
#include "harmonic/HarmonicSystem.h"
#include "model/Model.h"

#include <cmath>

namespace venkar {

namespace {

constexpr double axisTolerance = 1e-10;
constexpr double horizontalTolerance = 1e-5;

double dot(const HarmonicRow& a, const HarmonicRow& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < 8; ++i)
        sum += a[i] * b[i];
    return sum;
}

HarmonicRow times(const PackedHarmonicSquare& k, const HarmonicRow& d) {
    HarmonicRow f{};
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t j = 0; j < 8; ++j)
            f[i] += k(i, j) * d[j];
    return f;
}

// The section values at both ends of one shell element.
std::array<HarmonicValues, 2> endValues(const Model& model, Harmonic h,
                                        const AnalysisModel& analysis, const ShellElement& element,
                                        const RecoveryElement& shape,
                                        const HarmonicStiffnessSeries& series, const HarmonicRow& d,
                                        const HarmonicRow& f) {
    const ElementMaterial& material = shape.material;
    const double e = material.youngsModulus;
    const double nu = material.poissonRatio;
    const double t = material.wallThickness;
    const double n = h.n;
    const double sv = h.vSign();
    const double a = h.factorA();
    const double b = h.factorB();
    const double sinPsi = shape.sinPsi;
    double meanStrain = 0.0;
    double thermalCurvature = 0.0;
    if (h.n == 0 && h.set == HarmonicSet::symmetric) {
        const ThermalStrains thermal = thermalStrains(model, element.shellNumber);
        meanStrain = (thermal.plus + thermal.minus) / 2.0;
        thermalCurvature = (thermal.plus - thermal.minus) / t;
    }

    const std::array<int, 2> node{element.startNode, element.endNode};
    const std::array<double, 2>& cosPhi = shape.cosPhi;
    const std::array<double, 2>& sinPhi = shape.sinPhi;
    std::array<double, 2> radius{};
    std::array<double, 2> tangential{};
    std::array<double, 2> normal{};
    std::array<double, 2> moment{};
    std::array<double, 2> shear{};
    std::array<double, 2> twisting{};
    std::array<bool, 2> onAxis{};
    for (std::size_t end = 0; end < 2; ++end) {
        const double sigma = end == 0 ? -1.0 : 1.0;
        const std::size_t o = 4 * end;
        radius[end] = analysis.nodes[static_cast<std::size_t>(node[end])].r;
        onAxis[end] = radius[end] < axisTolerance;
        tangential[end] = sigma * (f[o] * cosPhi[end] + f[o + 1] * sinPhi[end]);
        normal[end] = sigma * (-f[o] * sinPhi[end] + f[o + 1] * cosPhi[end]);
        moment[end] = -sigma * f[o + 2];
        shear[end] = sigma * f[o + 3];
        if (!onAxis[end])
            twisting[end] = e * t * t * t / (24.0 * (1.0 + nu)) * sv *
                            dot(series.twistAt(static_cast<int>(end), h), d);
    }

    std::array<HarmonicValues, 2> values{};
    std::array<double, 2> mPhi{};
    for (std::size_t end = 0; end < 2; ++end) {
        HarmonicValues& out = values[end];
        for (int k = 0; k < 4; ++k) {
            static constexpr std::array<int, 4> quantity{harmonicWr, harmonicWz, harmonicRotation,
                                                         harmonicV};
            out[static_cast<std::size_t>(quantity[static_cast<std::size_t>(k)])] =
                d[4 * end + static_cast<std::size_t>(k)];
        }
        if (onAxis[end] && std::fabs(sinPhi[end]) > horizontalTolerance)
            continue;
        const std::size_t at = onAxis[end] ? 1 - end : end;
        const double r = radius[at];
        const double wr = d[4 * at];
        const double w = -wr * shape.sinPsi + d[4 * at + 1] * shape.cosPsi; // along the normal
        const double rotation = d[4 * at + 2];
        const double v = d[4 * at + 3];
        const double nTheta = a > 0.0 ? tangential[at] / (a * r) : 0.0;
        const double mTheta = a > 0.0 ? moment[at] / (a * r) : 0.0;
        const double kirchhoff = a > 0.0 ? normal[at] / (a * r) : 0.0;
        const double effectiveShear = b > 0.0 ? shear[at] / (b * r) : 0.0;
        const double hoopStrain = (n * sv * v + wr) / r;
        const double hoopCurvature =
            -cosPhi[at] * rotation / r + (n * n * w - n * sv * sinPsi * v) / (r * r);
        out[harmonicNTheta] = nTheta;
        out[harmonicMTheta] = mTheta;
        out[harmonicNPhi] = e * t * (hoopStrain - meanStrain) + nu * nTheta;
        mPhi[end] = nu * mTheta + e * t * t * t / 12.0 * (hoopCurvature - thermalCurvature);
        out[harmonicMPhi] = mPhi[end];
        out[harmonicMPhiTheta] = twisting[at];
        out[harmonicQTheta] = onAxis[end] ? 0.0 : kirchhoff - n * sv * twisting[at] / r;
        out[harmonicNPhiTheta] = effectiveShear + 1.5 * sinPsi / r * twisting[at];
    }
    // Q-Phi from the twisting moments of both ends (none on the axis).
    if (!onAxis[0] && !onAxis[1]) {
        const double derivative =
            (radius[1] * radius[1] * twisting[1] - radius[0] * radius[0] * twisting[0]) /
            shape.length;
        for (std::size_t end = 0; end < 2; ++end)
            values[end][harmonicQPhi] =
                derivative / (radius[end] * radius[end]) - n * sv * mPhi[end] / radius[end];
    }
    return values;
}

void addToForceSums(AnalysisModel& analysis, int node, const double* f) {
    const int partner = analysis.nodes[static_cast<std::size_t>(node)].partner;
    for (int k = 0; k < 4; ++k)
        analysis.dof(partner, k).force += f[k];
}

} // namespace

std::vector<RecoveryElement> recoveryElements(const Model& model, const AnalysisModel& analysis) {
    std::vector<RecoveryElement> elements;
    elements.reserve(analysis.shellElements.size());
    for (const ShellElement& element : analysis.shellElements) {
        const HarmonicElement shape = harmonicElement(model, analysis, element, Harmonic{});
        RecoveryElement out;
        out.material = harmonicMaterial(model, element);
        out.sinPsi = std::sin(shape.angle());
        out.cosPsi = std::cos(shape.angle());
        out.length = shape.length();
        const std::array<double, 2> phi{
            tangentAngle(model, element.shellIndex(), element.startPosition),
            tangentAngle(model, element.shellIndex(), element.endPosition)};
        for (std::size_t end = 0; end < 2; ++end) {
            out.cosPhi[end] = std::cos(phi[end]);
            out.sinPhi[end] = std::sin(phi[end]);
        }
        elements.push_back(out);
    }
    return elements;
}

HarmonicSolution recoverHarmonic(const Model& model, const HarmonicInput& input, Harmonic h,
                                 AnalysisModel& analysis, const MeshStiffnessSeries& stiffness,
                                 const std::vector<RecoveryElement>& elements,
                                 const HarmonicElementTerms& terms) {
    HarmonicSolution solution;
    solution.harmonic = h;
    const std::size_t nodeCount = analysis.nodes.size();
    solution.nodeValues.resize(nodeCount);
    for (std::size_t node = 0; node < nodeCount; ++node)
        for (int k = 0; k < 4; ++k)
            solution.nodeValues[node][static_cast<std::size_t>(k)] =
                analysis.dof(static_cast<int>(node), k).value;

    solution.elementEnds.reserve(analysis.shellElements.size());
    for (std::size_t e = 0; e < analysis.shellElements.size(); ++e) {
        const ShellElement& element = analysis.shellElements[e];
        HarmonicRow d{};
        for (int k = 0; k < 4; ++k) {
            d[static_cast<std::size_t>(k)] = analysis.dof(element.startNode, k).value;
            d[static_cast<std::size_t>(k + 4)] = analysis.dof(element.endNode, k).value;
        }
        const HarmonicRow kd = times(terms.stiffness[e], d);
        addToForceSums(analysis, element.startNode, &kd[0]);
        addToForceSums(analysis, element.endNode, &kd[4]);
        HarmonicRow f = kd;
        const HarmonicRow& load = terms.loads[e];
        for (std::size_t p = 0; p < 8; ++p)
            f[p] -= load[p];
        solution.elementEnds.push_back(
            endValues(model, h, analysis, element, elements[e], stiffness.series(e), d, f));
    }

    for (const RingElement& ring : analysis.ringElements) {
        const int node = ring.node(0);
        const double r = analysis.nodes[static_cast<std::size_t>(node)].r;
        const RingRecord& record = model.rings.row(ring.ringIndex());
        const HarmonicRingSection* section = ringSection(input, ring.ringIndex());
        std::array<double, 4> d{};
        for (int k = 0; k < 4; ++k)
            d[static_cast<std::size_t>(k)] = analysis.dof(node, k).value;
        const RingSquare k = harmonicRingStiffness(r, record, section, h);
        std::array<double, 4> kd{};
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = 0; j < 4; ++j)
                kd[i] += k[i][j] * d[j];
        addToForceSums(analysis, node, kd.data());
        solution.rings.push_back(harmonicRingForces(r, record, section, h, d));
    }

    solution.reactions.resize(nodeCount);
    for (std::size_t node = 0; node < nodeCount; ++node) {
        const double r = analysis.nodes[node].r;
        for (int k = 0; k < 4; ++k) {
            const double factor = k < 3 ? h.factorA() : h.factorB();
            const double force = analysis.dof(static_cast<int>(node), k).force;
            solution.reactions[node][static_cast<std::size_t>(k)] =
                r > axisTolerance && factor > 0.0 ? force / (factor * r) : 0.0;
        }
    }
    return solution;
}

} // namespace venkar
