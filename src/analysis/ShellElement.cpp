#include "analysis/ShellElement.h"

#include "analysis/AnalysisModel.h"
#include "geometry/ShellGeometry.h"
#include "geometry/ShellMaterial.h"
#include "loads/SiloLoading.h"
#include "model/Model.h"

#include <cmath>

namespace venkar {

namespace {

constexpr std::array<const char*, resultComponentCount> componentNames{
    "N-Phi", "N-Theta", "M-Phi", "M-Theta", "Q-Theta", "Eps-Phi", "Eps-Theta"};

// Points closer to the axis than this count as lying on it.
constexpr double axisTolerance = 1e-10;
// |sin φ| up to this counts as a horizontal tangent.
constexpr double horizontalTolerance = 1e-5;

template <class Record> bool coversShell(const Record& load, int shellNumber) {
    return load.fromShell <= shellNumber && shellNumber <= load.toShell;
}

// A value given at the shell's start and end, linear in x.
double alongShell(double atStart, double atEnd, double x) {
    return (1.0 - x) * atStart + x * atEnd;
}

ElementMaterial elementMaterial(const Model& model, int shellIndex) {
    const MatRecord& material = shellMaterial(model, shellIndex);
    return {material.youngsModulus,  material.poissonRatio,   material.wallThickness,
            material.specificWeight, material.beddingModulus, material.thermalCoefficient};
}

} // namespace

const char* resultComponentName(int component) {
    return componentNames[static_cast<std::size_t>(component)];
}

ThermalStrains thermalStrains(const Model& model, int shellNumber) {
    ThermalStrains strains;
    const double alpha = shellMaterial(model, shellNumber - 1).thermalCoefficient;
    for (int row : model.tempLoads.definedRows()) {
        const TempLoadRecord& load = model.tempLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        strains.plus = alpha * (load.uniformTemp - load.gradientTemp / 2.0);
        strains.minus = alpha * (load.uniformTemp + load.gradientTemp / 2.0);
    }
    return strains;
}

ShellElement::ShellElement(int shellNumber, double startPosition, double endPosition, int startNode,
                           int endNode)
    : shellNumber(shellNumber), startPosition(startPosition), endPosition(endPosition),
      startNode(startNode), endNode(endNode) {}

int ShellElement::globalDof(const AnalysisModel& analysis, int k) const {
    return k <= 2 ? analysis.nodes[static_cast<std::size_t>(startNode)].firstDof + k
                  : analysis.nodes[static_cast<std::size_t>(endNode)].firstDof + k - 3;
}

ConicalElement ShellElement::conical(const Model& model, const AnalysisModel& analysis) const {
    const AnalysisNode& start = analysis.nodes[static_cast<std::size_t>(startNode)];
    const AnalysisNode& end = analysis.nodes[static_cast<std::size_t>(endNode)];
    return ConicalElement({start.r, start.z}, {end.r, end.z}, elementMaterial(model, shellIndex()));
}

RealMatrix ShellElement::stiffness(const Model& model, const AnalysisModel& analysis,
                                   int /*flags*/) const {
    return conical(model, analysis).stiffness();
}

RealMatrix ShellElement::loadVector(const Model& model, const AnalysisModel& analysis,
                                    int flags) const {
    const ConicalElement element = conical(model, analysis);
    const double cosPsi = std::cos(element.angle());
    const double sinPsi = std::sin(element.angle());
    RealMatrix f(6, 1);

    for (int row : model.shellLoads.definedRows()) {
        const ShellLoadRecord& load = model.shellLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        addInPlace(f, element.distributedLoad(
                          alongShell(load.transverseStart, load.transverseEnd, startPosition),
                          alongShell(load.transverseStart, load.transverseEnd, endPosition),
                          alongShell(load.longitudinalStart, load.longitudinalEnd, startPosition),
                          alongShell(load.longitudinalStart, load.longitudinalEnd, endPosition)));
    }

    // Water pressure (z - z0)·γw on the true shell, not the chord; it is not
    // cut off above the water surface.
    for (int row : model.waterLoads.definedRows()) {
        const WaterLoadRecord& load = model.waterLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        const double zStart = pointAt(model, shellIndex(), startPosition, 0.0).y;
        const double zEnd = pointAt(model, shellIndex(), endPosition, 0.0).y;
        addInPlace(f, element.distributedLoad((zStart - load.zeroLevel) * load.unitWeight,
                                              (zEnd - load.zeroLevel) * load.unitWeight, 0.0, 0.0));
    }

    // The stored solid of a silo: pressures outward and wall friction
    // downward, evaluated where the element integrates its loads.
    const SiloLoading silo(model, shellNumber);
    if (!silo.empty())
        addInPlace(f, element.surfaceLoad([&](Vector2 point) { return silo.at(point); }));

    // Snow s per unit of horizontal projection, spread over the sloping
    // element and acting in +z: its normal part is cos ψ·s', its tangential
    // part sin ψ·s'.
    const AnalysisNode& start = analysis.nodes[static_cast<std::size_t>(startNode)];
    const AnalysisNode& end = analysis.nodes[static_cast<std::size_t>(endNode)];
    for (int row : model.snowLoads.definedRows()) {
        const SnowLoadRecord& load = model.snowLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        const double spread = std::fabs(end.r - start.r) * load.amount / element.length();
        addInPlace(f, element.distributedLoad(cosPsi * spread, cosPsi * spread, sinPsi * spread,
                                              sinPsi * spread));
    }

    // Without a temperature load the thermal vector is exactly zero.
    const ThermalStrains thermal = thermalStrains(model, shellNumber);
    if (thermal.plus != 0.0 || thermal.minus != 0.0)
        addInPlace(f, element.thermalLoad(thermal.plus, thermal.minus));

    if (flags & selfWeightFlag) {
        const MatRecord& material = shellMaterial(model, shellIndex());
        const double weight = material.specificWeight * material.wallThickness;
        addInPlace(f, element.distributedLoad(cosPsi * weight, cosPsi * weight, sinPsi * weight,
                                              sinPsi * weight));
    }
    return f;
}

ElementRow ShellElement::dofValues(const AnalysisModel& analysis) const {
    ElementRow d{};
    for (int k = 0; k < 6; ++k)
        d[static_cast<std::size_t>(k)] = analysis.dofs[globalDof(analysis, k)].value;
    return d;
}

double ShellElement::displacementAt(const Model& model, const AnalysisModel& analysis,
                                    int component, double l) const {
    if (component < 0 || component > 2)
        return 0.0;
    return conical(model, analysis)
        .displacementAt(dofValues(analysis), l)[static_cast<std::size_t>(component)];
}

// End forces f = K·d - f_load (ring totals, global directions) turned into
// the shell's own frame at each end (true tangent angle φ, not the chord),
// then the section forces per unit length of circumference:
//   N-Theta = Ft/(2πr), M-Theta = M/(2πr), Q-Theta = Fn/(2πr),
//   N-Phi = E·t·(wr/r - εm) + ν·N-Theta,
//   M-Phi = ν·M-Theta - (E·t³/12)·(cos φ·β/r + κT),
//   Eps-Phi = wr/r, Eps-Theta = (N-Theta - ν·N-Phi)/(E·t) + εm.
void ShellElement::recover(const Model& model, AnalysisModel& analysis, int flags) {
    const ElementRow d = dofValues(analysis);
    RealMatrix dColumn(6, 1);
    for (int i = 0; i < 6; ++i)
        dColumn(i, 0) = d[static_cast<std::size_t>(i)];
    RealMatrix f = multiply(stiffness(model, analysis, flags), dColumn);
    for (int i = 0; i < 6; ++i) {
        const int node = i <= 2 ? startNode : endNode;
        const int partner = analysis.nodes[static_cast<std::size_t>(node)].partner;
        analysis.dof(partner, i % 3).force += f(i, 0);
    }
    subtractInPlace(f, loadVector(model, analysis, flags));

    const std::array<double, 2> phi{tangentAngle(model, shellIndex(), startPosition),
                                    tangentAngle(model, shellIndex(), endPosition)};
    const std::array<double, 2> tangential{
        -(f(0, 0) * std::cos(phi[0]) + f(1, 0) * std::sin(phi[0])),
        f(3, 0) * std::cos(phi[1]) + f(4, 0) * std::sin(phi[1])};
    const std::array<double, 2> normal{f(0, 0) * std::sin(phi[0]) - f(1, 0) * std::cos(phi[0]),
                                       -f(3, 0) * std::sin(phi[1]) + f(4, 0) * std::cos(phi[1])};
    const std::array<double, 2> moment{f(2, 0), -f(5, 0)};
    const std::array<double, 2> radius{analysis.nodes[static_cast<std::size_t>(startNode)].r,
                                       analysis.nodes[static_cast<std::size_t>(endNode)].r};

    const MatRecord& material = shellMaterial(model, shellIndex());
    const double e = material.youngsModulus;
    const double nu = material.poissonRatio;
    const double t = material.wallThickness;
    const ThermalStrains thermal = thermalStrains(model, shellNumber);
    const double meanStrain = (thermal.plus + thermal.minus) / 2.0;
    const double thermalCurvature = (thermal.plus - thermal.minus) / t;

    for (int end = 0; end < 2; ++end) {
        double* values = &results[static_cast<std::size_t>(end * resultComponentCount)];
        const bool onAxis = radius[static_cast<std::size_t>(end)] < axisTolerance;
        if (onAxis &&
            std::fabs(std::sin(phi[static_cast<std::size_t>(end)])) > horizontalTolerance) {
            std::fill_n(values, resultComponentCount, 0.0);
            continue;
        }
        // An end on the axis with a horizontal tangent (a plate centre) takes
        // the values of the element's other end.
        const auto a = static_cast<std::size_t>(onAxis ? 1 - end : end);
        const double r = radius[a];
        const double wr = d[a * 3];
        const double rotation = d[a * 3 + 2];
        const double nTheta = tangential[a] / (fullCircle * r);
        const double nPhi = e * t * (wr / r - meanStrain) + nu * nTheta;
        const double mTheta = moment[a] / (fullCircle * r);
        values[resultNPhi] = nPhi;
        values[resultNTheta] = nTheta;
        values[resultMPhi] = nu * mTheta - (e * t * t * t * 0.08333333333333333) *
                                               (std::cos(phi[a]) * rotation / r + thermalCurvature);
        values[resultMTheta] = mTheta;
        values[resultQTheta] = onAxis ? 0.0 : normal[a] / (fullCircle * r);
        values[resultEpsPhi] = wr / r;
        values[resultEpsTheta] = (nTheta - nu * nPhi) / (e * t) + meanStrain;
    }
}

double ShellElement::resultValue(double l, int component) const {
    return (1.0 - l) * result(0, component) + l * result(1, component);
}

} // namespace venkar
