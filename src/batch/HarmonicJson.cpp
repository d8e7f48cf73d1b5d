#include "batch/HarmonicJson.h"

#include "analysis/ResultRecovery.h"
#include "analysis/Results.h"
#include "batch/JsonWriter.h"
#include "harmonic/HarmonicAnalysis.h"
#include "harmonic/HarmonicCase.h"

#include <cmath>
#include <numbers>

namespace venkar {

namespace {

void writeAngleValues(JsonWriter& json, double angle, const StationResult& station) {
    const SectionValues& v = station.values;
    const CircumferentialValues& a = station.around;
    json.beginObject();
    json.field("angle", angle);
    json.field("wr", station.displacement.wr);
    json.field("wz", station.displacement.wz);
    json.field("v", a.v);
    json.field("rotation", station.displacement.rotation);
    json.field("N-Phi", v[resultNPhi]);
    json.field("N-Theta", v[resultNTheta]);
    json.field("N-PhiTheta", a.nPhiTheta);
    json.field("M-Phi", v[resultMPhi]);
    json.field("M-Theta", v[resultMTheta]);
    json.field("M-PhiTheta", a.mPhiTheta);
    json.field("Q-Theta", v[resultQTheta]);
    json.field("Q-Phi", a.qPhi);
    json.field("Eps-Phi", v[resultEpsPhi]);
    json.field("Eps-Theta", v[resultEpsTheta]);
    for (int j = 0; j < stressComponentCount; ++j)
        json.field(stressComponentKey(j), station.stresses[static_cast<std::size_t>(j)]);
    json.field("tau_pos", a.tauPos);
    json.field("tau_neg", a.tauNeg);
    json.endObject();
}

void writeExpansion(JsonWriter& json, const HarmonicCase& harmonicCase) {
    const HarmonicExpansion& expansion = harmonicCase.expansion;
    json.field("count", static_cast<int>(harmonicCase.results.solutions.size()));
    json.field("highest_n", harmonicCase.highestHarmonic());
    json.field("symmetric", harmonicCase.symmetric());
    json.key("wind");
    if (expansion.windCoefficients.empty()) {
        json.null();
    } else {
        json.beginObject();
        json.field("harmonics", expansion.windHarmonics);
        json.field("cp_deviation", expansion.windDeviation);
        json.field("within_tolerance", expansion.windWithinTolerance);
        json.key("coefficients");
        json.beginArray();
        for (double a : expansion.windCoefficients)
            json.value(a);
        json.endArray();
        json.endObject();
    }
    json.field("angle_load_harmonics", expansion.angleLoadHarmonics);
}

// Per harmonic its amplitudes at the report stations, linear inside an
// element as the sums are.
void writeAmplitudes(JsonWriter& json, const Results& results, const HarmonicCase& harmonicCase) {
    const HarmonicResults& harmonics = harmonicCase.results;
    json.key("amplitudes");
    json.beginArray();
    for (const HarmonicSolution& solution : harmonics.solutions) {
        json.beginObject();
        json.field("n", solution.harmonic.n);
        json.field("set",
                   solution.harmonic.set == HarmonicSet::symmetric ? "symmetric" : "antisymmetric");
        json.key("shells");
        json.beginArray();
        for (const ShellResults& shell : results.shells) {
            json.beginObject();
            json.field("number", shell.number);
            json.key("stations");
            json.beginArray();
            for (const StationResult& station : shell.stations) {
                const ElementPosition at =
                    locateOnShell(harmonics.mesh, shell.number - 1, station.x);
                const auto e =
                    static_cast<std::size_t>(&at.element - harmonics.mesh.shellElements.data());
                const std::array<HarmonicValues, 2>& ends = solution.elementEnds[e];
                json.beginObject();
                json.field("x", station.x);
                for (int q = 0; q < harmonicQuantityCount; ++q) {
                    const auto k = static_cast<std::size_t>(q);
                    json.field(harmonicQuantityName(q),
                               (1.0 - at.l) * ends[0][k] + at.l * ends[1][k]);
                }
                json.endObject();
            }
            json.endArray();
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

void writeExtremes(JsonWriter& json, const HarmonicCase& harmonicCase) {
    json.key("extremes");
    json.beginArray();
    for (const ShellAngleExtremes& shell : harmonicCase.extremes) {
        json.beginObject();
        json.field("shell", shell.shell);
        for (int q = 0; q < circumferentialExtremeCount; ++q) {
            const AngleExtremes& e = shell.values[static_cast<std::size_t>(q)];
            json.key(q == vonMisesExtreme ? "von_mises" : harmonicQuantityName(q));
            json.beginObject();
            json.field("max", e.maximum);
            json.field("xMax", e.maximumPosition);
            json.field("angleMax", e.maximumAngle);
            json.field("min", e.minimum);
            json.field("xMin", e.minimumPosition);
            json.field("angleMin", e.minimumAngle);
            json.endObject();
        }
        json.endObject();
    }
    json.endArray();
}

void writeReactionsAround(JsonWriter& json, const Results& results,
                          const std::vector<Results>& around) {
    json.key("reactions");
    json.beginArray();
    for (std::size_t k = 0; k < results.reactions.size(); ++k) {
        json.beginObject();
        json.field("number", results.reactions[k].number);
        json.key("angles");
        json.beginArray();
        for (const Results& meridian : around) {
            const ReactionResult& reaction = meridian.reactions[k];
            const double phi = meridian.angle * std::numbers::pi / 180.0;
            json.beginObject();
            json.field("angle", meridian.angle);
            json.field("r", reaction.forceR);
            json.field("z", reaction.forceZ);
            json.field("moment", reaction.moment);
            json.field("v", meridian.harmonic->results.reaction(reaction.analysisNode, 3, phi));
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

} // namespace

void writeStationAngles(JsonWriter& json, const std::vector<Results>& around, std::size_t shell,
                        std::size_t station) {
    json.key("angles");
    json.beginArray();
    for (const Results& meridian : around)
        writeAngleValues(json, meridian.angle, meridian.shells[shell].stations[station]);
    json.endArray();
}

void writeHarmonicsJson(JsonWriter& json, const Results& results,
                        const std::vector<Results>& around) {
    const HarmonicCase& harmonicCase = *results.harmonic;
    json.key("harmonics");
    json.beginObject();
    writeExpansion(json, harmonicCase);
    writeAmplitudes(json, results, harmonicCase);
    writeExtremes(json, harmonicCase);
    writeReactionsAround(json, results, around);
    json.endObject();
}

} // namespace venkar
