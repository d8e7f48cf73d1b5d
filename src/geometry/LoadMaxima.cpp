#include "geometry/LoadMaxima.h"

#include "geometry/ShellGeometry.h"
#include "model/Model.h"
#include "model/TableMaximum.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

constexpr int waterSamples = 10; // intervals per shell

double maxPressureOnShell(const Model& model, int shell, const WaterLoadRecord& load) {
    double maximum = 0.0;
    for (int i = 0; i <= waterSamples; ++i) {
        const double z = pointAt(model, shell, static_cast<double>(i) / waterSamples).y;
        maximum = std::max(maximum, std::fabs((z - load.zeroLevel) * load.unitWeight));
    }
    return maximum;
}

} // namespace

double maxWaterPressure(const Model& model) {
    return maximumOverDefinedRows(model.waterLoads, [&](const WaterLoadRecord& load) {
        double maximum = 0.0;
        // Shell numbers beyond the table are never defined: stop there.
        const int last = std::min(load.toShell, model.shells.count());
        for (int number = std::max(load.fromShell, 1); number <= last; ++number) {
            const int shell = number - 1;
            if (model.shells.isDefined(shell) && geometryValid(model, shell))
                maximum = std::max(maximum, maxPressureOnShell(model, shell, load));
        }
        return maximum;
    });
}

} // namespace venkar
