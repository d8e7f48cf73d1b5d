#include "checks/InputWarnings.h"

#include "geometry/ShellGeometry.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

// Samples along a shell: fine enough to find the crest of an arc.
constexpr int meridianSamples = 64;

// True when some point of the shell lies above `zeroLevel`, beyond rounding.
bool reachesAbove(const Model& model, int shell, double zeroLevel) {
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(zeroLevel));
    for (int i = 0; i <= meridianSamples; ++i) {
        const double z = pointAt(model, shell, static_cast<double>(i) / meridianSamples).y;
        if (z < zeroLevel - tolerance)
            return true;
    }
    return false;
}

} // namespace

std::vector<std::string> unknownSectionWarnings(std::string_view text,
                                                const std::string& fileName) {
    std::vector<std::string> warnings;
    for (const std::string& keyword : unknownSections(text))
        warnings.push_back("Unbekannter Abschnitt " + keyword + " in " + fileName +
                           ", wird überlesen");
    return warnings;
}

std::vector<std::string> emptyLoadWarnings(const Model& model) {
    if (model.selfWeight())
        return {};
    for (const InputContainer* table : model.loadTables())
        if (table->definedCount() > 0)
            return {};
    return {"Der Lastfall ist leer: keine Lasten und kein Eigengewicht."};
}

std::vector<std::string> waterSuctionWarnings(const Model& model) {
    std::vector<std::string> warnings;
    for (int row : model.waterLoads.definedRows()) {
        const WaterLoadRecord& load = model.waterLoads.row(row);
        const int last = std::min(load.toShell, model.shells.count());
        for (int number = std::max(load.fromShell, 1); number <= last; ++number) {
            const int shell = number - 1;
            if (!model.shells.isDefined(shell) || !geometryValid(model, shell))
                continue;
            if (reachesAbove(model, shell, load.zeroLevel))
                warnings.push_back(formatText(
                    "Wasserlast %d: Schale %d reicht über den Nullpunkt z = %g hinaus; dort "
                    "zieht der Wasserdruck an der Schale (Sog).",
                    row + 1, number, load.zeroLevel));
        }
    }
    return warnings;
}

std::vector<std::string> loadCaseWarnings(const Model& model) {
    std::vector<std::string> warnings = emptyLoadWarnings(model);
    for (std::string& warning : waterSuctionWarnings(model))
        warnings.push_back(std::move(warning));
    return warnings;
}

} // namespace venkar
