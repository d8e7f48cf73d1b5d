#include "graphics/MeridianLoads.h"

#include "graphics/PlotContext.h"
#include "loads/WindLoadDirection.h"
#include "loads/WindSeries.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace venkar {

namespace {

constexpr double degree = std::numbers::pi / 180.0;

// The angle from `centre` to `angle` on (-180°, 180°].
double angleFrom(double angle, double centre) {
    double d = std::fmod(angle - centre, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d <= -180.0)
        d += 360.0;
    return d;
}

// cos n(φ − φₙ), its rounding residue at a zero (cos 90° = 6·10⁻¹⁷) taken
// as the zero it is: the picture scales its loads to the largest one, and a
// residue alone would be drawn at full size.
double harmonicFactor(int n, double angle, double phase) {
    const double c = std::cos(n * (angle - phase) * degree);
    return std::fabs(c) < 1e-12 ? 0.0 : c;
}

std::vector<PressurePoint> pressureTable(const Model& model) {
    std::vector<PressurePoint> table;
    for (int row : model.windCoefficients.definedRows())
        table.push_back(
            {model.windCoefficients.row(row).angle, model.windCoefficients.row(row).coefficient});
    return table;
}

void addWind(const Model& model, double angle, std::map<int, MeridianLoads::ShellLoad>& shells) {
    if (model.windLoads.definedCount() == 0)
        return;
    const std::vector<PressurePoint> table = pressureTable(model);
    if (findPressureTableProblem(table))
        return;
    const double cp = pressureCoefficientAt(table, angle);
    for (int row : model.windLoads.definedRows()) {
        const WindLoadRecord& wind = model.windLoads.row(row);
        if (!isDrawableShell(model, wind.shell))
            continue;
        const ShellRecord& shell = model.shells.row(wind.shell - 1);
        const NodeRecord& start = model.nodes.row(shell.startNode - 1);
        const NodeRecord& end = model.nodes.row(shell.endNode - 1);
        const double factor = cp * windNormalLoadFactor(start.r, start.z, end.r, end.z);
        MeridianLoads::ShellLoad& load = shells[wind.shell - 1];
        load.normalStart += factor * wind.pressureStart;
        load.normalEnd += factor * wind.pressureEnd;
    }
}

void addHarmonicShellLoads(const Model& model, double angle,
                           std::map<int, MeridianLoads::ShellLoad>& shells) {
    for (int row : model.harmonicLoads.definedRows()) {
        const HarmonicLoadRecord& term = model.harmonicLoads.row(row);
        if (!isDrawableShell(model, term.shell))
            continue;
        const double c = harmonicFactor(term.harmonic, angle, term.phase);
        MeridianLoads::ShellLoad& load = shells[term.shell - 1];
        load.normalStart += c * term.normalStart;
        load.normalEnd += c * term.normalEnd;
        load.meridionalStart += c * term.meridionalStart;
        load.meridionalEnd += c * term.meridionalEnd;
    }
}

std::vector<MeridianLoads::NodeLoad> harmonicNodeLoads(const Model& model, double angle) {
    std::map<int, MeridianLoads::NodeLoad> nodes;
    for (int row : model.harmonicNodeLoads.definedRows()) {
        const HarmonicNodeLoadRecord& term = model.harmonicNodeLoads.row(row);
        if (!isDefinedNode(model, term.node))
            continue;
        const double c = harmonicFactor(term.harmonic, angle, term.phase);
        MeridianLoads::NodeLoad& load = nodes[term.node];
        load.node = term.node;
        load.forceR += c * term.forceR;
        load.forceZ += c * term.forceZ;
        load.moment += c * term.moment;
    }
    std::vector<MeridianLoads::NodeLoad> list;
    for (const auto& [number, load] : nodes)
        list.push_back(load);
    return list;
}

} // namespace

double MeridianLoads::maxLoad() const {
    double largest = 0.0;
    for (const ShellLoad& load : shells)
        largest = std::max({largest, std::fabs(load.normalStart), std::fabs(load.normalEnd),
                            std::fabs(load.meridionalStart), std::fabs(load.meridionalEnd)});
    for (const NodeLoad& load : nodes)
        largest = std::max(largest, std::hypot(load.forceR, load.forceZ));
    return largest;
}

double MeridianLoads::maxMoment() const {
    double largest = 0.0;
    for (const NodeLoad& load : nodes)
        largest = std::max(largest, std::fabs(load.moment));
    return largest;
}

MeridianLoads meridianLoadsAt(const Model& model, double angleDegrees) {
    MeridianLoads loads;
    std::map<int, MeridianLoads::ShellLoad> shells;
    addWind(model, angleDegrees, shells);
    addHarmonicShellLoads(model, angleDegrees, shells);
    for (auto& [row, load] : shells) {
        load.shell = row;
        loads.shells.push_back(load);
    }
    loads.nodes = harmonicNodeLoads(model, angleDegrees);
    for (int row : model.angleLoads.definedRows()) {
        const AngleLoadRecord& force = model.angleLoads.row(row);
        if (!isDefinedNode(model, force.node))
            continue;
        loads.largestAngleForce =
            std::max(loads.largestAngleForce, std::hypot(force.forceR, force.forceZ));
        // A point force acts on its meridian alone; a spread one on every
        // meridian of its width.
        const double off = std::fabs(angleFrom(angleDegrees, force.angle));
        if (off <= std::max(force.width / 2.0, 1e-9))
            loads.forces.push_back({force.node, force.forceR, force.forceZ});
    }
    return loads;
}

} // namespace venkar
