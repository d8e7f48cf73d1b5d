#include "reports/HarmonicReport.h"

#include "analysis/Results.h"
#include "harmonic/HarmonicCase.h"
#include "model/Error.h"

#include <cmath>
#include <numbers>

namespace venkar {

namespace {

const char* const dashLine =
    "------------------------------------------------------------------------------------\n";

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

void writeSummary(std::string& out, const HarmonicCase& harmonicCase) {
    const HarmonicExpansion& expansion = harmonicCase.expansion;
    out += "\n\n================================ Lasten am Umfang "
           "==================================\n";
    appendFormat(out, "Berechnete Harmonische: %zu, höchste n = %d\n",
                 harmonicCase.results.solutions.size(), harmonicCase.highestHarmonic());
    if (!expansion.windCoefficients.empty())
        appendFormat(out,
                     "Wind: Reihe der Druckbeiwerte bis n = %d, größte Abweichung %.2f %% der "
                     "Spannweite von cp\n",
                     expansion.windHarmonics, 100.0 * expansion.windDeviation);
    if (expansion.angleLoadHarmonics > 0)
        appendFormat(out, "Einzellasten am Umfang: in %d Harmonische entwickelt\n",
                     expansion.angleLoadHarmonics);
    for (std::size_t k = 0; k < expansion.siloPatches.size(); ++k) {
        const SiloPatch& patch = expansion.siloPatches[k];
        appendFormat(out,
                     "Teilflächenlast %zu: z = %#.4g bis %#.4g (s = %#.4g), Beiwert %#.4g, "
                     "p = %#.4g·cos(Winkel), Resultierende %#.4g\n",
                     k + 1, patch.top(), patch.bottom(), patch.height, patch.factor, patch.pressure,
                     patch.resultant());
    }
    for (const std::string& warning : harmonicWarnings(harmonicCase))
        out += "Warnung: " + warning + "\n";
}

void writeExtremes(std::string& out, TableHeadRecorder& heads, const HarmonicCase& harmonicCase) {
    for (const ShellAngleExtremes& shell : harmonicCase.extremes) {
        out += "\n";
        heads.beginHead();
        appendFormat(out,
                     "------------------- Extremwerte am Umfang der Schale %3d "
                     "----------------------------\n",
                     shell.shell);
        out += "Größe         Maximum     Xi-Max Winkel    Minimum     Xi-Min Winkel\n";
        out += dashLine;
        heads.beginBody();
        for (int q = 0; q < circumferentialExtremeCount; ++q) {
            const AngleExtremes& e = shell.values[static_cast<std::size_t>(q)];
            const char* name = q == vonMisesExtreme ? "Vergl.-Sp." : harmonicQuantityName(q);
            appendFormat(out, "%-10.10s %#10.4g %#10.4g %6.1f %#10.4g %#10.4g %6.1f\n", name,
                         e.maximum, e.maximumPosition, e.maximumAngle, e.minimum, e.minimumPosition,
                         e.minimumAngle);
        }
        heads.endTable();
    }
}

void writeReactions(std::string& out, TableHeadRecorder& heads, const Results& meridian,
                    const HarmonicCase& harmonicCase) {
    if (meridian.reactions.empty())
        return;
    const HarmonicResults& results = harmonicCase.results;
    out += "\n";
    heads.beginHead();
    out += "-------------------------------- Auflagerkräfte am Umfang --------------------------\n";
    out += "Knoten Winkel          r          z   Rotation          v\n";
    out += dashLine;
    heads.beginBody();
    for (const ReactionResult& reaction : meridian.reactions)
        for (double angle : tableAngles(harmonicCase)) {
            const double phi = radians(angle);
            const int node = reaction.analysisNode;
            appendFormat(out, "%5d %6.1f %#10.4g %#10.4g %#10.4g %#10.4g\n", reaction.number, angle,
                         results.reaction(node, 0, phi), results.reaction(node, 1, phi),
                         results.reaction(node, 2, phi), results.reaction(node, 3, phi));
        }
    heads.endTable();
}

void writeRings(std::string& out, TableHeadRecorder& heads, const Results& meridian,
                const HarmonicCase& harmonicCase) {
    if (meridian.rings.empty())
        return;
    out += "\n";
    heads.beginHead();
    out += "-------------------------------- Kreisringträger am Umfang -------------------------\n";
    out += "Ring.Nr. Winkel          N         Mz         My          T\n";
    out += dashLine;
    heads.beginBody();
    for (std::size_t r = 0; r < meridian.rings.size(); ++r)
        for (double angle : tableAngles(harmonicCase)) {
            const HarmonicRingForces f =
                harmonicCase.results.ringForces(static_cast<int>(r), radians(angle));
            appendFormat(out, "%5d    %6.1f %#10.4g %#10.4g %#10.4g %#10.4g\n",
                         meridian.rings[r].number, angle, f.hoopForce, f.inPlaneMoment,
                         f.outOfPlaneMoment, f.torque);
        }
    heads.endTable();
}

} // namespace

std::vector<std::string> harmonicWarnings(const HarmonicCase& harmonicCase) {
    const HarmonicExpansion& expansion = harmonicCase.expansion;
    std::vector<std::string> warnings;
    if (!expansion.windCoefficients.empty() && !expansion.windWithinTolerance)
        warnings.push_back(formatText(
            "Die Reihe der Druckbeiwerte weicht mit %d Harmonischen um %.2f %% der Spannweite "
            "von cp ab (mehr als 1 %%)",
            expansion.windHarmonics, 100.0 * expansion.windDeviation));
    return warnings;
}

void writeHarmonicSections(std::string& out, TableHeadRecorder& heads, const Results& meridian,
                           const HarmonicCase& harmonicCase) {
    writeSummary(out, harmonicCase);
    writeExtremes(out, heads, harmonicCase);
    writeReactions(out, heads, meridian, harmonicCase);
    writeRings(out, heads, meridian, harmonicCase);
}

} // namespace venkar
