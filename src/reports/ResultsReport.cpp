#include "reports/ResultsReport.h"

#include "analysis/Results.h"
#include "model/Error.h"
#include "reports/HarmonicReport.h"
#include "reports/ReportHead.h"

#include <algorithm>

namespace venkar {

namespace {

const char* const dashLine =
    "------------------------------------------------------------------------------------\n";

void writeDisplacement(std::string& out, const Displacement& d) {
    appendFormat(out, " %#10.4g %#10.4g %#10.4g\n", d.wr, d.wz, d.rotation);
}

void writeNodeDisplacements(std::string& out, TableHeadRecorder& heads, const Results& results) {
    out += "\n";
    heads.beginHead();
    out += "---------------------------------- Knotenverschiebung ------------------------------\n";
    out += "Knoten      wr         wz     Rotation\n";
    out += dashLine;
    heads.beginBody();
    for (const NodeResult& node : results.nodes) {
        appendFormat(out, "%5d", node.number);
        writeDisplacement(out, node.displacement);
    }
    heads.endTable();
}

// The stations of a shell; a shell without elements has none and cannot be
// reported.
const std::vector<StationResult>& stationsOf(const ShellResults& shell) {
    if (shell.stations.empty())
        raiseError("Schale nicht gefunden");
    return shell.stations;
}

void writeShellDisplacements(std::string& out, TableHeadRecorder& heads, const Results& results) {
    for (const ShellResults& shell : results.shells) {
        const int n = shell.intervals;
        if (n <= 1)
            continue;
        out += "\n";
        heads.beginHead();
        appendFormat(out,
                     "------------------- Verschiebung der Schale %3d in 1/%-3d Punkten "
                     "-------------------\n",
                     shell.number, n);
        out += "xi-Position      wr         wz     Rotation\n";
        out += dashLine;
        heads.beginBody();
        const std::vector<StationResult>& stations = stationsOf(shell);
        for (int i = 1; i < n; ++i) {
            const StationResult& station = stations[static_cast<std::size_t>(i)];
            appendFormat(out, "%#10.4g", station.x);
            writeDisplacement(out, station.displacement);
        }
        heads.endTable();
    }
}

// One line per hinge: the node before the hinge, then the node after it.
void writeHingeDisplacements(std::string& out, TableHeadRecorder& heads, const Results& results) {
    if (!results.anyHinge)
        return;
    out += "\n";
    heads.beginHead();
    out += "-------------------------------- Gelenkverschiebungen ------------------------------\n";
    out += "\nSchale Nr. xi-Pos.      wr         wz         Rot        wr         wz         Rot\n";
    out += "------------------------------------------------------------------------------------";
    // Each row begins with the line end of the line before.
    heads.beginBody();
    for (const HingeResult& hinge : results.hinges) {
        for (std::size_t side = 0; side < hinge.sides.size(); ++side) {
            const Displacement& d = hinge.sides[side];
            if (side == 0)
                appendFormat(out, "\n %5d %#10.4g %#10.4g %#10.4g %#10.4g", hinge.shell,
                             hinge.position, d.wr, d.wz, d.rotation);
            else
                appendFormat(out, " %#10.4g %#10.4g %#10.4g ", d.wr, d.wz, d.rotation);
        }
    }
    heads.endTable();
}

void writeExtremes(std::string& out, TableHeadRecorder& heads, const Results& results) {
    out += "\n\n---------------------------------- Schnittkräfte "
           "-----------------------------------\n";
    for (const ShellResults& shell : results.shells) {
        out += "\n";
        heads.beginHead();
        appendFormat(out, "Schale Nr.%d\n", shell.number);
        out += "Kraft      Maximum     Xi-Max    Minimum     Xi-Min\n";
        out += dashLine;
        heads.beginBody();
        for (int j = 0; j < resultComponentCount; ++j) {
            const ResultExtremes& e = shell.extremes[static_cast<std::size_t>(j)];
            appendFormat(out, "%7.7s %#10.4g %#10.4g %#10.4g %#10.4g\n", resultComponentName(j),
                         e.maximum, e.maximumPosition, e.minimum, e.minimumPosition);
        }
        heads.endTable();
    }
}

void writeSectionForces(std::string& out, TableHeadRecorder& heads, const Results& results) {
    for (const ShellResults& shell : results.shells) {
        const int n = std::max(shell.intervals, 1);
        out += "\n";
        heads.beginHead();
        appendFormat(out,
                     "------------------ Schnittkräfte der Schale %3d in 1/%-3d Punkten "
                     "-------------------\n",
                     shell.number, n);
        out += " Xi-Pos  ";
        for (int j = 0; j < resultComponentCount; ++j)
            appendFormat(out, "  %7.7s  ", resultComponentName(j));
        out += "\n";
        heads.beginBody();
        for (const StationResult& station : stationsOf(shell)) {
            appendFormat(out, "%#7.4g", station.x);
            for (double value : station.values)
                appendFormat(out, " %#10.4g", value);
            out += "\n";
        }
        heads.endTable();
    }
}

void writeReactions(std::string& out, TableHeadRecorder& heads, const Results& results) {
    out += "\n";
    heads.beginHead();
    out += "------------------------------------- Auflagerkräfte -------------------------------\n";
    out += "Knoten       r          z     Rotation\n";
    out += dashLine;
    heads.beginBody();
    for (const ReactionResult& reaction : results.reactions)
        appendFormat(out, "%5d %#10.4g %#10.4g %#10.4g\n", reaction.number, reaction.forceR,
                     reaction.forceZ, reaction.moment);
    heads.endTable();
}

void writeRingBeams(std::string& out, TableHeadRecorder& heads, const Results& results) {
    if (!results.anyRing)
        return;
    out += "\n";
    heads.beginHead();
    out += "------------------------------------- Kreisringträger ------------------------------\n";
    out += "Ring.Nr.       wr       Rot             M          N\n";
    out += dashLine;
    heads.beginBody();
    for (const RingResult& ring : results.rings)
        appendFormat(out, "%5d     %#10.4g %#10.4g  %#10.4g %#10.4g\n", ring.number,
                     ring.displacement.wr, ring.displacement.rotation, ring.moment, ring.hoopForce);
    heads.endTable();
}

// Today's sections of one meridian.
void writeMeridian(std::string& out, TableHeadRecorder& heads, const Results& results) {
    writeNodeDisplacements(out, heads, results);
    writeShellDisplacements(out, heads, results);
    writeHingeDisplacements(out, heads, results);
    writeExtremes(out, heads, results);
    writeSectionForces(out, heads, results);
    writeReactions(out, heads, results);
    writeRingBeams(out, heads, results);
}

} // namespace

ReportText composeResultsReport(const Results& results, const ReportHead& head) {
    return composeResultsReport(std::vector<const Results*>{&results}, head);
}

ReportText composeResultsReport(const std::vector<const Results*>& meridians,
                                const ReportHead& head) {
    ReportText report;
    std::string& out = report.text;
    TableHeadRecorder heads(out, report.tableHeads);
    out = "Venkar - Ausdruck der Ergebnisse\n\n";
    writeReportHead(out, head);
    for (const Results* meridian : meridians) {
        if (meridian->harmonic)
            appendFormat(out,
                         "\n================================ Meridian bei Winkel %g° "
                         "===========================\n",
                         meridian->angle);
        writeMeridian(out, heads, *meridian);
    }
    if (!meridians.empty() && meridians.front()->harmonic)
        writeHarmonicSections(out, heads, *meridians.front(), *meridians.front()->harmonic);
    return report;
}

std::string writeResultsReport(const Results& results, const ReportHead& head) {
    return composeResultsReport(results, head).text;
}

} // namespace venkar
