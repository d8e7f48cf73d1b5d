#include "graphics/AroundView.h"

#include "graphics/PlotContext.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

AroundSelection nearestReportStation(const Model& model, AroundQuantity quantity, int shell,
                                     double x) {
    if (!model.shells.isDefined(shell))
        return {quantity, shell, std::clamp(x, 0.0, 1.0)};
    const int n = std::max(model.shells.row(shell).intervals, 1);
    const double k = std::round(std::clamp(x, 0.0, 1.0) * n);
    return {quantity, shell, k * (1.0 / n)};
}

std::string aroundNumber(double value) {
    // Adding 0.0 turns a negative zero into 0.
    return formatNumber("%.4g", value + 0.0);
}

} // namespace venkar
