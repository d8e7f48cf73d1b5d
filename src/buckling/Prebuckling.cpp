#include "buckling/Prebuckling.h"

#include "geometry/ShellGeometry.h"
#include "harmonic/HarmonicAnalysis.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

template <class Record> bool coversShell(const Record& load, int shellNumber) {
    return load.fromShell <= shellNumber && shellNumber <= load.toShell;
}

double along(double atStart, double atEnd, double x) {
    return (1.0 - x) * atStart + x * atEnd;
}

} // namespace

bool PrebucklingState::anyCompression() const {
    // Shell forces per unit length and ring forces (totals) each against
    // their own largest value.
    const auto compressive = [](const std::vector<double>& values) {
        double largest = 0.0;
        double lowest = 0.0;
        for (double value : values) {
            largest = std::max(largest, std::fabs(value));
            lowest = std::min(lowest, value);
        }
        return largest > 0.0 && lowest < -1e-6 * largest;
    };
    std::vector<double> shell;
    for (const PrebucklingForces& f : shellForces)
        shell.insert(shell.end(), {f.meridionalStart, f.meridionalEnd, f.hoopStart, f.hoopEnd});
    return compressive(shell) || compressive(ringHoopForces);
}

std::array<double, 2> followerPressure(const Model& model, int shellIndex, double x0, double x1) {
    const int shellNumber = shellIndex + 1;
    std::array<double, 2> p{0.0, 0.0};
    for (int row : model.shellLoads.definedRows()) {
        const ShellLoadRecord& load = model.shellLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        p[0] += along(load.transverseStart, load.transverseEnd, x0);
        p[1] += along(load.transverseStart, load.transverseEnd, x1);
    }
    for (int row : model.waterLoads.definedRows()) {
        const WaterLoadRecord& load = model.waterLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        p[0] += (pointAt(model, shellIndex, x0, 0.0).y - load.zeroLevel) * load.unitWeight;
        p[1] += (pointAt(model, shellIndex, x1, 0.0).y - load.zeroLevel) * load.unitWeight;
    }
    return p;
}

bool prebucklingState(const Model& model, const HarmonicInput& input, int flags,
                      PrebucklingState& state, std::string& error) {
    state = PrebucklingState{};
    HarmonicInput system;
    system.ringSections = input.ringSections;
    system.circumferentialSupports = input.circumferentialSupports;
    HarmonicResults results;
    if (!analyseHarmonics(model, system, results, error, flags))
        return false;
    if (results.solutions.empty())
        return true; // no load: no prebuckling forces
    const HarmonicSolution& solution = results.solutions.front();
    const AnalysisModel& mesh = results.mesh;
    for (std::size_t e = 0; e < mesh.shellElements.size(); ++e) {
        const auto& ends = solution.elementEnds[e];
        state.shellForces.push_back({ends[0][harmonicNTheta], ends[1][harmonicNTheta],
                                     ends[0][harmonicNPhi], ends[1][harmonicNPhi]});
        const ShellElement& element = mesh.shellElements[e];
        state.pressures.push_back(followerPressure(model, element.shellIndex(),
                                                   element.startPosition, element.endPosition));
    }
    for (const HarmonicRingForces& ring : solution.rings)
        state.ringHoopForces.push_back(ring.hoopForce);
    return true;
}

} // namespace venkar
