#include "batch/ResultsJson.h"

#include "analysis/AnalysisModel.h"
#include "analysis/HingeLines.h"
#include "analysis/ResultRecovery.h"
#include "batch/BatchStatus.h"
#include "batch/JsonWriter.h"
#include "model/Model.h"

#include <algorithm>

namespace venkar {

namespace {

void writeStatus(JsonWriter& json, const BatchStatus& status) {
    json.key("status");
    json.beginObject();
    const std::pair<const char*, StatusCount> figures[] = {
        {"nodes", StatusCount::nodes},
        {"elements", StatusCount::elements},
        {"dofs", StatusCount::dofs},
        {"constraints", StatusCount::constraints},
        {"memoryBytes", StatusCount::memoryBytes},
        {"bandwidth", StatusCount::bandwidth}};
    for (const auto& [name, which] : figures)
        json.field(name, static_cast<double>(status.count(which)));
    json.endObject();
}

void writeNodes(JsonWriter& json, const Model& model, const AnalysisModel& analysis) {
    json.key("nodes");
    json.beginArray();
    for (int row : model.nodes.definedRows()) {
        const int node = model.nodes.row(row).calcNode;
        if (node < 0)
            continue;
        json.beginObject();
        json.field("number", row + 1);
        json.field("r", model.nodes.row(row).r);
        json.field("z", model.nodes.row(row).z);
        json.field("wr", analysis.dof(node, 0).value);
        json.field("wz", analysis.dof(node, 1).value);
        json.field("rotation", analysis.dof(node, 2).value);
        json.endObject();
    }
    json.endArray();
}

void writeReactions(JsonWriter& json, const Model& model, const AnalysisModel& analysis) {
    json.key("reactions");
    json.beginArray();
    for (int row : model.nodes.definedRows()) {
        const NodeRecord& record = model.nodes.row(row);
        if (!(record.supportR || record.supportZ || record.supportRot) || record.calcNode < 0)
            continue;
        json.beginObject();
        json.field("number", row + 1);
        json.field("r", analysis.dof(record.calcNode, 0).force);
        json.field("z", analysis.dof(record.calcNode, 1).force);
        json.field("moment", analysis.dof(record.calcNode, 2).force);
        json.endObject();
    }
    json.endArray();
}

void writeComponents(JsonWriter& json, const ShellElement& element, double l) {
    for (int j = 0; j < resultComponentCount; ++j)
        json.field(resultComponentName(j), element.resultValue(l, j));
}

void writeStations(JsonWriter& json, const Model& model, const AnalysisModel& analysis, int shell) {
    const int n = std::max(model.shells.row(shell).intervals, 1);
    json.key("stations");
    json.beginArray();
    for (int k = 0; k <= n; ++k) {
        const double x = k * (1.0 / n);
        const auto [element, l] = locateOnShell(model, analysis, shell, x);
        json.beginObject();
        json.field("x", x);
        json.field("wr", element.displacementAt(model, analysis, 0, l));
        json.field("wz", element.displacementAt(model, analysis, 1, l));
        json.field("rotation", element.displacementAt(model, analysis, 2, l));
        writeComponents(json, element, l);
        json.endObject();
    }
    json.endArray();
}

void writeExtremes(JsonWriter& json, const Model& model, const AnalysisModel& analysis, int shell) {
    json.key("extremes");
    json.beginObject();
    for (int j = 0; j < resultComponentCount; ++j) {
        const ResultExtremes e = extremes(model, analysis, shell, j);
        json.key(resultComponentName(j));
        json.beginObject();
        json.field("max", e.maximum);
        json.field("xMax", e.maximumPosition);
        json.field("min", e.minimum);
        json.field("xMin", e.minimumPosition);
        json.endObject();
    }
    json.endObject();
}

void writeElements(JsonWriter& json, const Model& model, const AnalysisModel& analysis, int shell) {
    json.key("elements");
    json.beginArray();
    for (int index = model.shells.row(shell).firstElement; index >= 0;) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(index)];
        json.beginObject();
        json.field("x0", element.startPosition);
        json.field("x1", element.endPosition);
        json.key("start");
        json.beginObject();
        writeComponents(json, element, 0.0);
        json.endObject();
        json.key("end");
        json.beginObject();
        writeComponents(json, element, 1.0);
        json.endObject();
        json.endObject();
        index = element.next;
    }
    json.endArray();
}

void writeShells(JsonWriter& json, const Model& model, const AnalysisModel& analysis) {
    json.key("shells");
    json.beginArray();
    for (int shell : model.shells.definedRows()) {
        json.beginObject();
        json.field("number", shell + 1);
        writeStations(json, model, analysis, shell);
        writeExtremes(json, model, analysis, shell);
        writeElements(json, model, analysis, shell);
        json.endObject();
    }
    json.endArray();
}

void writeRings(JsonWriter& json, const Model& model, const AnalysisModel& analysis) {
    json.key("rings");
    json.beginArray();
    for (const RingElement& ring : analysis.ringElements) {
        const int node = ring.node(0);
        json.beginObject();
        json.field("number", ring.ringIndex() + 1);
        json.field("node", model.rings.row(ring.ringIndex()).node);
        json.field("wr", analysis.dof(node, 0).value);
        json.field("rotation", analysis.dof(node, 2).value);
        json.field("M", ring.moment());
        json.field("N", ring.hoopForce());
        json.endObject();
    }
    json.endArray();
}

void writeHinges(JsonWriter& json, const AnalysisModel& analysis) {
    json.key("hinges");
    json.beginArray();
    for (const HingeLine& line : hingeLines(analysis)) {
        json.beginObject();
        json.field("shell", line.shell + 1);
        json.field("x", line.position);
        json.key("sides");
        json.beginArray();
        for (int node : line.nodes) {
            json.beginObject();
            json.field("wr", analysis.dof(node, 0).value);
            json.field("wz", analysis.dof(node, 1).value);
            json.field("rotation", analysis.dof(node, 2).value);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

} // namespace

std::string resultsJson(const Model& model, const AnalysisModel& analysis,
                        const BatchStatus& status) {
    JsonWriter json;
    json.beginObject();
    writeStatus(json, status);
    writeNodes(json, model, analysis);
    writeReactions(json, model, analysis);
    writeShells(json, model, analysis);
    writeRings(json, model, analysis);
    writeHinges(json, analysis);
    json.endObject();
    return json.text();
}

} // namespace venkar
