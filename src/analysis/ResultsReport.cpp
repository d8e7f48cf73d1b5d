#include "analysis/ResultsReport.h"

#include "analysis/AnalysisModel.h"
#include "analysis/HingeLines.h"
#include "analysis/ResultRecovery.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/ReportHead.h"

#include <algorithm>

namespace venkar {

namespace {

const char* const dashLine =
    "------------------------------------------------------------------------------------\n";

void writeNodeDisplacements(std::string& out, const Model& model, const AnalysisModel& analysis) {
    out +=
        "\n---------------------------------- Knotenverschiebung ------------------------------\n";
    out += "Knoten      wr         wz     Rotation\n";
    out += dashLine;
    for (int row : model.nodes.definedRows()) {
        const int node = model.nodes.row(row).calcNode;
        if (node == -1)
            continue;
        appendFormat(out, "%5d %#10.4g %#10.4g %#10.4g\n", row + 1, analysis.dof(node, 0).value,
                     analysis.dof(node, 1).value, analysis.dof(node, 2).value);
    }
}

void writeShellDisplacements(std::string& out, const Model& model, const AnalysisModel& analysis) {
    for (int shell : model.shells.definedRows()) {
        const int n = model.shells.row(shell).intervals;
        if (n <= 1)
            continue;
        appendFormat(out,
                     "\n------------------- Verschiebung der Schale %3d in 1/%-3d Punkten "
                     "-------------------\n",
                     shell + 1, n);
        out += "xi-Position      wr         wz     Rotation\n";
        out += dashLine;
        for (int i = 1; i < n; ++i) {
            const double x = i * (1.0 / n);
            const ElementPosition at = locateOnShell(model, analysis, shell, x);
            appendFormat(out, "%#10.4g %#10.4g %#10.4g %#10.4g\n", x,
                         at.element.displacementAt(model, analysis, 0, at.l),
                         at.element.displacementAt(model, analysis, 1, at.l),
                         at.element.displacementAt(model, analysis, 2, at.l));
        }
    }
}

// One line per hinge: the node before the hinge, then the node after it.
void writeHingeDisplacements(std::string& out, const Model& model, const AnalysisModel& analysis) {
    if (model.hinges.definedCount() == 0)
        return;
    out +=
        "\n-------------------------------- Gelenkverschiebungen ------------------------------\n";
    out += "\nSchale Nr. xi-Pos.      wr         wz         Rot        wr         wz         Rot\n";
    out += "------------------------------------------------------------------------------------";
    for (const HingeLine& line : hingeLines(analysis)) {
        for (std::size_t side = 0; side < line.nodes.size(); ++side) {
            const int node = line.nodes[side];
            const double wr = analysis.dof(node, 0).value;
            const double wz = analysis.dof(node, 1).value;
            const double rotation = analysis.dof(node, 2).value;
            if (side == 0)
                appendFormat(out, "\n %5d %#10.4g %#10.4g %#10.4g %#10.4g", line.shell + 1,
                             line.position, wr, wz, rotation);
            else
                appendFormat(out, " %#10.4g %#10.4g %#10.4g ", wr, wz, rotation);
        }
    }
}

void writeExtremes(std::string& out, const Model& model, const AnalysisModel& analysis) {
    out += "\n\n---------------------------------- Schnittkräfte "
           "-----------------------------------\n";
    for (int shell : model.shells.definedRows()) {
        appendFormat(out, "\nSchale Nr.%d\n", shell + 1);
        out += "Kraft      Maximum     Xi-Max    Minimum     Xi-Min\n";
        out += dashLine;
        for (int j = 0; j < resultComponentCount; ++j) {
            const ResultExtremes e = extremes(model, analysis, shell, j);
            appendFormat(out, "%7.7s %#10.4g %#10.4g %#10.4g %#10.4g\n", resultComponentName(j),
                         e.maximum, e.maximumPosition, e.minimum, e.minimumPosition);
        }
    }
}

void writeSectionForces(std::string& out, const Model& model, const AnalysisModel& analysis) {
    for (int shell : model.shells.definedRows()) {
        const int n = std::max(model.shells.row(shell).intervals, 1);
        appendFormat(out,
                     "\n------------------ Schnittkräfte der Schale %3d in 1/%-3d Punkten "
                     "-------------------\n",
                     shell + 1, n);
        out += " Xi-Pos  ";
        for (int j = 0; j < resultComponentCount; ++j)
            appendFormat(out, "  %7.7s  ", resultComponentName(j));
        out += "\n";
        for (int k = 0; k <= n; ++k) {
            const double x = k * (1.0 / n);
            appendFormat(out, "%#7.4g", x);
            // On an element boundary the first element holding x is the one
            // before it, so its end values are printed.
            const ElementPosition at = locateOnShell(model, analysis, shell, x);
            for (int j = 0; j < resultComponentCount; ++j)
                appendFormat(out, " %#10.4g", at.element.resultValue(at.l, j));
            out += "\n";
        }
    }
}

void writeReactions(std::string& out, const Model& model, const AnalysisModel& analysis) {
    out +=
        "\n------------------------------------- Auflagerkräfte -------------------------------\n";
    out += "Knoten       r          z     Rotation\n";
    out += dashLine;
    for (int row : model.nodes.definedRows()) {
        const NodeRecord& record = model.nodes.row(row);
        // A supported node that no shell and no ring beam uses has no
        // analysis node and so no reaction: it is left out.
        if (!(record.supportR || record.supportZ || record.supportRot) || record.calcNode < 0)
            continue;
        const int node = record.calcNode;
        appendFormat(out, "%5d %#10.4g %#10.4g %#10.4g\n", row + 1, analysis.dof(node, 0).force,
                     analysis.dof(node, 1).force, analysis.dof(node, 2).force);
    }
}

void writeRingBeams(std::string& out, const Model& model, const AnalysisModel& analysis) {
    if (model.rings.definedCount() == 0)
        return;
    out +=
        "\n------------------------------------- Kreisringträger ------------------------------\n";
    out += "Ring.Nr.       wr       Rot             M          N\n";
    out += dashLine;
    for (const RingElement& ring : analysis.ringElements) {
        const int node = ring.node(0);
        appendFormat(out, "%5d     %#10.4g %#10.4g  %#10.4g %#10.4g\n", ring.ringIndex() + 1,
                     analysis.dof(node, 0).value, analysis.dof(node, 2).value, ring.moment(),
                     ring.hoopForce());
    }
}

} // namespace

std::string writeResultsReport(const Model& model, const AnalysisModel& analysis,
                               const ReportHead& head) {
    std::string out = "Venkar - Ausdruck der Ergebnisse\n\n";
    writeReportHead(out, head);
    writeNodeDisplacements(out, model, analysis);
    writeShellDisplacements(out, model, analysis);
    writeHingeDisplacements(out, model, analysis);
    writeExtremes(out, model, analysis);
    writeSectionForces(out, model, analysis);
    writeReactions(out, model, analysis);
    writeRingBeams(out, model, analysis);
    return out;
}

} // namespace venkar
