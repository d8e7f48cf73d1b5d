#include "harmonic/HarmonicLoadInput.h"

#include "loads/AngleLoadSeries.h"
#include "loads/SiloPatch.h"
#include "loads/SiloShells.h"
#include "loads/WindLoadDirection.h"
#include "loads/WindSeries.h"
#include "model/Model.h"

#include <algorithm>

namespace venkar {

namespace {

std::vector<PressurePoint> pressureTable(const Model& model) {
    std::vector<PressurePoint> table;
    for (int row : model.windCoefficients.definedRows()) {
        const WindCoefficientRecord& point = model.windCoefficients.row(row);
        table.push_back({point.angle, point.coefficient});
    }
    return table;
}

void addWind(const Model& model, HarmonicInput& input, HarmonicExpansion& expansion) {
    if (model.windLoads.definedCount() == 0)
        return;
    const WindSeries series = windSeries(pressureTable(model));
    expansion.windCoefficients = series.coefficients;
    expansion.windHarmonics = series.harmonicCount;
    expansion.windDeviation = series.largestDeviation;
    expansion.windWithinTolerance = series.withinTolerance;
    for (int row : model.windLoads.definedRows()) {
        const WindLoadRecord& wind = model.windLoads.row(row);
        const ShellRecord& shell = model.shells.row(wind.shell - 1);
        const NodeRecord& start = model.nodes.row(shell.startNode - 1);
        const NodeRecord& end = model.nodes.row(shell.endNode - 1);
        const double factor = windNormalLoadFactor(start.r, start.z, end.r, end.z);
        for (int n = 0; n <= series.harmonicCount; ++n) {
            const double a = series.coefficients[static_cast<std::size_t>(n)];
            if (a == 0.0)
                continue;
            HarmonicShellLoad load;
            load.shell = wind.shell;
            load.harmonic = n;
            load.normalStart = factor * a * wind.pressureStart;
            load.normalEnd = factor * a * wind.pressureEnd;
            input.shellLoads.push_back(load);
        }
    }
}

void addAngleLoads(const Model& model, HarmonicInput& input, HarmonicExpansion& expansion) {
    if (model.angleLoads.definedCount() == 0)
        return;
    const int count =
        model.harmonicCount() > 0 ? model.harmonicCount() : Model::defaultHarmonicCount;
    expansion.angleLoadHarmonics = count;
    for (int row : model.angleLoads.definedRows()) {
        const AngleLoadRecord& force = model.angleLoads.row(row);
        const double radius = model.nodes.row(force.node - 1).r;
        // The amplitudes per unit force: the radial and the axial force share them.
        const std::vector<double> share = angleLoadAmplitudes(1.0, radius, force.width, count);
        for (int n = 0; n <= count; ++n) {
            const double c = share[static_cast<std::size_t>(n)];
            if (c == 0.0)
                continue;
            HarmonicNodeLoad load;
            load.node = force.node;
            load.harmonic = n;
            load.forceR = force.forceR * c;
            load.forceZ = force.forceZ * c;
            load.phase = force.angle;
            input.nodeLoads.push_back(load);
        }
        expansion.loadAngles.push_back(force.angle);
    }
}

// Each patch as the first harmonic of a band on every shell of its wall
// (the shells the band misses take nothing), pressing outward at 0°.
void addSiloPatches(const Model& model, HarmonicInput& input, HarmonicExpansion& expansion) {
    for (int row : model.siloPatches.definedRows()) {
        const SiloPatchRecord& record = model.siloPatches.row(row);
        const SiloLoadRecord& solid = model.siloLoads.row(record.siloRow - 1);
        const SiloWall wall = siloWall(solid, wallShape(model, solid));
        const SiloPatch patch =
            siloPatch(wall, record.patchDepth, record.patchFactor, record.eccentricity);
        expansion.siloPatches.push_back(patch);
        for (int shell = solid.fromShell; shell <= solid.toShell; ++shell) {
            HarmonicBandLoad load;
            load.shell = shell;
            load.harmonic = 1;
            load.top = patch.top();
            load.bottom = patch.bottom();
            load.radial = patch.pressure;
            input.bandLoads.push_back(load);
        }
        expansion.loadAngles.push_back(0.0);
    }
}

} // namespace

HarmonicInput harmonicInput(const Model& model, HarmonicExpansion& expansion) {
    expansion = {};
    HarmonicInput input;
    addWind(model, input, expansion);
    for (int row : model.harmonicLoads.definedRows()) {
        const HarmonicLoadRecord& r = model.harmonicLoads.row(row);
        input.shellLoads.push_back({r.shell, r.harmonic, r.normalStart, r.normalEnd,
                                    r.meridionalStart, r.meridionalEnd, r.circumferentialStart,
                                    r.circumferentialEnd, r.phase});
        expansion.loadAngles.push_back(r.phase);
    }
    for (int row : model.harmonicNodeLoads.definedRows()) {
        const HarmonicNodeLoadRecord& r = model.harmonicNodeLoads.row(row);
        input.nodeLoads.push_back(
            {r.node, r.harmonic, r.forceR, r.forceZ, r.forceV, r.moment, r.phase});
        expansion.loadAngles.push_back(r.phase);
    }
    addAngleLoads(model, input, expansion);
    addSiloPatches(model, input, expansion);
    for (int row : model.circumferentialSupports.definedRows()) {
        const SupportVRecord& r = model.circumferentialSupports.row(row);
        input.circumferentialSupports.push_back({r.node, r.held});
    }
    for (int row : model.harmonicRings.definedRows()) {
        const HarmonicRingRecord& r = model.harmonicRings.row(row);
        input.ringSections.push_back({r.ring, r.inertiaZ, r.torsionConstant, r.shearModulus});
    }
    std::sort(expansion.loadAngles.begin(), expansion.loadAngles.end());
    expansion.loadAngles.erase(
        std::unique(expansion.loadAngles.begin(), expansion.loadAngles.end()),
        expansion.loadAngles.end());
    return input;
}

} // namespace venkar
