#include "batch/MeshCheck.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "batch/JsonWriter.h"
#include "checks/InputFault.h"
#include "harmonic/LoadCaseCalculation.h"
#include "model/Error.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace venkar {

namespace {

// The values compared per shell: wr, wz, rotation, then the five section
// forces and moments in component order.
constexpr int valueCount = 8;
constexpr int firstSectionValue = 3;
constexpr double numericalZero = 1e-10;

int quantityOf(int value) {
    return value < firstSectionValue ? meshDisplacement : value - firstSectionValue + 1;
}

struct ValueRange {
    double maximum = -HUGE_VAL;
    double minimum = HUGE_VAL;
    void add(double v) {
        maximum = std::max(maximum, v);
        minimum = std::min(minimum, v);
    }
    double magnitude() const { return std::max(std::fabs(maximum), std::fabs(minimum)); }
};

struct ShellExtremes {
    int number = 0;
    double thickness = 0.0;
    std::array<ValueRange, valueCount> values;
};
using Snapshot = std::vector<ShellExtremes>;

double wallThickness(const Model& model, int material) {
    const int row = material - 1;
    return row >= 0 && row < model.materials.count() ? model.materials.row(row).wallThickness : 0.0;
}

// Calculates `model` and reads the extremes of every shell; throws
// VenkarError with the calculation's message when it fails.
Snapshot calculateExtremes(const Model& model) {
    AnalysisModel analysis;
    QuietCalculation quiet;
    if (!calculateLoadCase(model, analysis, quiet, quiet))
        throw VenkarError(quiet.error.empty() ? "Berechnung fehlgeschlagen" : quiet.error);
    Snapshot snapshot;
    for (const ShellResults& shell : analysis.results.shells) {
        ShellExtremes extremes;
        extremes.number = shell.number;
        extremes.thickness = wallThickness(model, model.shells.row(shell.number - 1).material);
        for (const StationResult& station : shell.stations) {
            extremes.values[0].add(station.displacement.wr);
            extremes.values[1].add(station.displacement.wz);
            extremes.values[2].add(station.displacement.rotation);
        }
        for (int c = 0; c < valueCount - firstSectionValue; ++c) {
            const ResultExtremes& e = shell.extremes[static_cast<std::size_t>(c)];
            extremes.values[static_cast<std::size_t>(firstSectionValue + c)] = {e.maximum,
                                                                                e.minimum};
        }
        snapshot.push_back(extremes);
    }
    return snapshot;
}

double effectiveFactor(double factor) {
    return factor == 0.0 ? 1.0 : factor;
}

// What the changes of one doubling are measured against.
class ChangeScales {
public:
    ChangeScales(const Snapshot& coarse, const Snapshot& fine, double extent) {
        for (const Snapshot* snapshot : {&coarse, &fine})
            for (const ShellExtremes& shell : *snapshot) {
                for (std::size_t v = 0; v < valueCount; ++v)
                    magnitude_[v] = std::max(magnitude_[v], shell.values[v].magnitude());
                maxThickness_ = std::max(maxThickness_, shell.thickness);
            }
        membrane_ = std::max(magnitude_[3], magnitude_[4]);
        turn_ = extent > 0.0 ? std::max(magnitude_[0], magnitude_[1]) / extent : 0.0;
    }

    // The relative change of value `v` of a shell between two calculations.
    double change(int v, const ShellExtremes& coarse, const ShellExtremes& fine) const {
        const auto i = static_cast<std::size_t>(v);
        if (!(magnitude_[i] > numericalZero * kindScale(v)))
            return 0.0;
        const double difference =
            std::max(std::fabs(fine.values[i].maximum - coarse.values[i].maximum),
                     std::fabs(fine.values[i].minimum - coarse.values[i].minimum));
        return difference / std::max(magnitude_[i], floor(v, fine.thickness));
    }

private:
    // The least magnitude a value is measured against on a shell of wall
    // thickness t: moments by their bending stress, the shear force by its
    // shear stress, against the largest membrane stress; the rotation against
    // the turn of the whole model that moves it by the largest displacement.
    double floor(int v, double t) const {
        if (v == 2)
            return turn_;
        const int quantity = quantityOf(v);
        if (quantity == meshMPhi || quantity == meshMTheta)
            return membrane_ * t / 6.0;
        if (quantity == meshQTheta)
            return membrane_;
        return 0.0;
    }
    double kindScale(int v) const {
        switch (quantityOf(v)) {
        case meshDisplacement:
            return v == 2 ? std::max(magnitude_[2], turn_) : std::max(magnitude_[0], magnitude_[1]);
        case meshNPhi:
        case meshNTheta:
            return membrane_;
        case meshMPhi:
        case meshMTheta:
            return std::max({magnitude_[5], magnitude_[6], floor(5, maxThickness_)});
        default:
            return std::max(magnitude_[7], membrane_);
        }
    }

    std::array<double, valueCount> magnitude_{};
    double membrane_ = 0.0;
    double maxThickness_ = 0.0;
    double turn_ = 0.0; // rotation of the model that moves it by the largest displacement
};

// The larger side of the box around the defined nodes.
double modelExtent(const Model& model) {
    ValueRange r;
    ValueRange z;
    for (int row : model.nodes.definedRows()) {
        r.add(model.nodes.row(row).r);
        z.add(model.nodes.row(row).z);
    }
    return r.maximum < r.minimum ? 0.0 : std::max(r.maximum - r.minimum, z.maximum - z.minimum);
}

void addDoubling(MeshCheck& check, const Snapshot& coarse, const Snapshot& fine, double extent) {
    const ChangeScales scales(coarse, fine, extent);
    for (std::size_t s = 0; s < check.shells.size() && s < coarse.size() && s < fine.size(); ++s) {
        std::array<double, meshQuantityCount> change{};
        for (int v = 0; v < valueCount; ++v) {
            double& c = change[static_cast<std::size_t>(quantityOf(v))];
            c = std::max(c, scales.change(v, coarse[s], fine[s]));
        }
        for (std::size_t q = 0; q < meshQuantityCount; ++q)
            check.shells[s].changes[q].push_back(change[q]);
    }
    ++check.doublings;
}

bool allWithinTolerance(const MeshCheck& check) {
    for (const ShellMeshCheck& shell : check.shells)
        for (const std::vector<double>& changes : shell.changes)
            if (!changes.empty() && changes.back() > MeshCheck::tolerance)
                return false;
    return true;
}

// The factor from which every later doubling stays within the tolerance.
void setConvergedFactors(MeshCheck& check) {
    for (ShellMeshCheck& shell : check.shells)
        for (std::size_t q = 0; q < meshQuantityCount; ++q) {
            const std::vector<double>& changes = shell.changes[q];
            int first = static_cast<int>(changes.size());
            while (first > 0 &&
                   changes[static_cast<std::size_t>(first - 1)] <= MeshCheck::tolerance)
                --first;
            if (first < static_cast<int>(changes.size()))
                shell.convergedFactor[q] = shell.factor * std::ldexp(1.0, first);
        }
}

// Whole percent; a flagged change that would round to 2 % or less keeps one
// decimal (German comma) so that it reads as above the tolerance.
std::string percent(double fraction) {
    const double value = fraction * 100.0;
    if (value >= 2.5)
        return std::to_string(std::lround(value));
    const long tenths = std::lround(value * 10.0);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

std::string factorText(double factor) {
    std::ostringstream text;
    text << factor;
    return text.str();
}

} // namespace

const char* meshQuantityName(int quantity) {
    static constexpr std::array<const char*, meshQuantityCount> names{
        "Verschiebung", "N-Phi", "N-Theta", "M-Phi", "M-Theta", "Q-Theta"};
    return names.at(static_cast<std::size_t>(quantity));
}

Model withDoubledFactors(const Model& model, int doublings) {
    Model refined = model;
    const std::vector<int> rows = refined.shells.definedRows();
    for (int row : rows) {
        ShellRecord& shell = refined.shells.rowAt(row);
        shell.discretisationFactor =
            effectiveFactor(shell.discretisationFactor) * std::ldexp(1.0, doublings);
    }
    return refined;
}

bool ShellMeshCheck::flagged(int quantity) const {
    const std::vector<double>& c = changes.at(static_cast<std::size_t>(quantity));
    return !c.empty() && c.front() > MeshCheck::tolerance;
}

MeshCheck checkMesh(const Model& model) {
    Snapshot coarse;
    try {
        coarse = calculateExtremes(model);
    } catch (const VenkarError& error) {
        throw std::invalid_argument(error.what());
    }
    MeshCheck check;
    for (const ShellExtremes& shell : coarse) {
        ShellMeshCheck s;
        s.number = shell.number;
        s.factor = effectiveFactor(model.shells.row(shell.number - 1).discretisationFactor);
        check.shells.push_back(s);
    }
    while (check.doublings < MeshCheck::maxDoublings) {
        Snapshot fine;
        try {
            fine = calculateExtremes(withDoubledFactors(model, check.doublings + 1));
        } catch (const VenkarError& error) {
            check.failure = error.what();
            break;
        }
        addDoubling(check, coarse, fine, modelExtent(model));
        coarse = std::move(fine);
        if (allWithinTolerance(check))
            break;
    }
    setConvergedFactors(check);
    return check;
}

std::string meshCheckText(const MeshCheck& check) {
    std::string text;
    for (const ShellMeshCheck& shell : check.shells)
        for (int q = 0; q < meshQuantityCount; ++q) {
            if (!shell.flagged(q))
                continue;
            text += "Netz zu grob: Schale " + std::to_string(shell.number) + ", " +
                    meshQuantityName(q) + " ändert sich um " +
                    percent(shell.changes[static_cast<std::size_t>(q)].front()) + " %; ";
            const std::optional<double>& converged =
                shell.convergedFactor[static_cast<std::size_t>(q)];
            text += converged ? "ab Faktor " + factorText(*converged) + " unter 2 %"
                              : "auch mit Faktor " +
                                    factorText(shell.factor * std::ldexp(1.0, check.doublings)) +
                                    " nicht unter 2 %";
            text += "\n";
        }
    if (check.failure)
        text += "Netzprüfung nach " + std::to_string(check.doublings) +
                " Verdopplungen abgebrochen: " + *check.failure + "\n";
    if (text.empty())
        text = "Netz ausreichend fein\n";
    return text;
}

void writeMeshCheckJson(JsonWriter& json, const MeshCheck& check) {
    json.beginObject();
    json.field("doublings", check.doublings);
    json.key("failure");
    if (check.failure)
        json.value(*check.failure);
    else
        json.null();
    json.key("shells");
    json.beginArray();
    for (const ShellMeshCheck& shell : check.shells) {
        json.beginObject();
        json.field("number", shell.number);
        json.field("factor", shell.factor);
        json.key("quantities");
        json.beginObject();
        for (std::size_t q = 0; q < meshQuantityCount; ++q) {
            json.key(meshQuantityName(static_cast<int>(q)));
            json.beginObject();
            json.key("changes");
            json.beginArray();
            for (double change : shell.changes[q])
                json.value(change);
            json.endArray();
            json.key("converged_factor");
            if (shell.convergedFactor[q])
                json.value(*shell.convergedFactor[q]);
            else
                json.null();
            json.endObject();
        }
        json.endObject();
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

} // namespace venkar
