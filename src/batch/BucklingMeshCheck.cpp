#include "batch/BucklingMeshCheck.h"

#include "batch/MeshCheck.h"
#include "buckling/LoadCaseBuckling.h"
#include "model/Model.h"

#include <cmath>
#include <sstream>

namespace venkar {

namespace {

std::optional<double> sharedFactor(const Model& model) {
    std::optional<double> shared;
    for (int row : model.shells.definedRows()) {
        const double entered = model.shells.row(row).discretisationFactor;
        const double factor = entered == 0.0 ? 1.0 : entered;
        if (shared && *shared != factor)
            return std::nullopt;
        shared = factor;
    }
    return shared;
}

// A percentage with a decimal comma: whole from 10 % on, else one decimal,
// two where one would not show a change at or above the tolerance as such.
std::string percent(double fraction) {
    const double value = fraction * 100.0;
    std::ostringstream text;
    text.setf(std::ios::fixed);
    const bool flaggedNearTolerance =
        fraction >= BucklingMeshCheck::tolerance &&
        std::round(value * 10.0) / 10.0 <= BucklingMeshCheck::tolerance * 100.0;
    text.precision(value >= 10.0 ? 0 : flaggedNearTolerance ? 2 : 1);
    text << value;
    std::string out = text.str();
    for (char& c : out)
        if (c == '.')
            c = ',';
    return out;
}

std::string number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

// "Faktor 4" for a shared factor, else "4-fachem Faktor".
std::string factorName(const BucklingMeshCheck& check, int multiple) {
    if (check.sharedFactor)
        return "Faktor " + number(*check.sharedFactor * multiple);
    return std::to_string(multiple) + "-fachem Faktor";
}

} // namespace

BucklingMeshCheck checkBucklingMesh(const Model& model, const BucklingResult& entered) {
    BucklingMeshCheck check;
    check.sharedFactor = sharedFactor(model);
    check.factors.push_back(entered.criticalFactor);
    for (int doubling = 1; doubling <= BucklingMeshCheck::maxDoublings; ++doubling) {
        BucklingResult refined;
        std::string error;
        if (!analyseLoadCaseBuckling(withDoubledFactors(model, doubling), entered.firstHarmonic,
                                     entered.lastHarmonic, refined, error)) {
            check.failure = error;
            break;
        }
        if (!refined.buckles) {
            check.failure = refined.message;
            break;
        }
        const double before = check.factors.back();
        check.factors.push_back(refined.criticalFactor);
        check.changes.push_back(std::fabs(refined.criticalFactor - before) / before);
        if (check.changes.back() < BucklingMeshCheck::tolerance)
            break;
    }
    // The first doubling from which every later one stays below the
    // tolerance; it starts from 2^first times the entered factors.
    int first = static_cast<int>(check.changes.size());
    while (first > 0 &&
           check.changes[static_cast<std::size_t>(first - 1)] < BucklingMeshCheck::tolerance)
        --first;
    if (first < static_cast<int>(check.changes.size()))
        check.convergedMultiple = 1 << first;
    return check;
}

std::string bucklingMeshCheckText(const BucklingMeshCheck& check) {
    std::string text;
    if (check.flagged()) {
        text = "Netz zu grob für die Beulanalyse: r_Rcr ändert sich um " +
               percent(check.changes.front()) + " %; ";
        text += check.convergedMultiple
                    ? "ab " + factorName(check, *check.convergedMultiple) + " unter 1 %"
                    : "auch mit " + factorName(check, 1 << static_cast<int>(check.changes.size())) +
                          " nicht unter 1 %";
        text += "\n";
    } else if (!check.changes.empty()) {
        text = "Netz ausreichend fein für die Beulanalyse\n";
    }
    if (check.failure)
        text += "Netzprüfung der Beulanalyse nach " + std::to_string(check.changes.size()) +
                " Verdopplungen abgebrochen: " + *check.failure + "\n";
    return text;
}

} // namespace venkar
