#include "batch/ResultsJson.h"

#include "batch/BucklingReport.h"

#include "analysis/Results.h"
#include "batch/BatchStatus.h"
#include "batch/HarmonicJson.h"
#include "batch/JsonWriter.h"
#include "batch/MeshCheck.h"
#include "model/Error.h"

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

void writeDisplacement(JsonWriter& json, const Displacement& d) {
    json.field("wr", d.wr);
    json.field("wz", d.wz);
    json.field("rotation", d.rotation);
}

void writeNodes(JsonWriter& json, const Results& results) {
    json.key("nodes");
    json.beginArray();
    for (const NodeResult& node : results.nodes) {
        json.beginObject();
        json.field("number", node.number);
        json.field("r", node.r);
        json.field("z", node.z);
        writeDisplacement(json, node.displacement);
        json.endObject();
    }
    json.endArray();
}

void writeReactions(JsonWriter& json, const Results& results) {
    json.key("reactions");
    json.beginArray();
    for (const ReactionResult& reaction : results.reactions) {
        json.beginObject();
        json.field("number", reaction.number);
        json.field("r", reaction.forceR);
        json.field("z", reaction.forceZ);
        json.field("moment", reaction.moment);
        json.endObject();
    }
    json.endArray();
}

void writeComponents(JsonWriter& json, const SectionValues& values) {
    for (int j = 0; j < resultComponentCount; ++j)
        json.field(resultComponentName(j), values[static_cast<std::size_t>(j)]);
}

void writeStresses(JsonWriter& json, const StressValues& stresses) {
    for (int j = 0; j < stressComponentCount; ++j)
        json.field(stressComponentKey(j), stresses[static_cast<std::size_t>(j)]);
}

void writeStations(JsonWriter& json, const ShellResults& shell, std::size_t shellIndex,
                   const std::vector<Results>* around) {
    if (shell.stations.empty())
        raiseError("Schale nicht gefunden");
    json.key("stations");
    json.beginArray();
    for (std::size_t k = 0; k < shell.stations.size(); ++k) {
        const StationResult& station = shell.stations[k];
        json.beginObject();
        json.field("x", station.x);
        json.field("s", station.arcLength);
        json.field("r", station.r);
        json.field("z", station.z);
        writeDisplacement(json, station.displacement);
        writeComponents(json, station.values);
        writeStresses(json, station.stresses);
        if (around)
            writeStationAngles(json, *around, shellIndex, k);
        json.endObject();
    }
    json.endArray();
}

void writeExtreme(JsonWriter& json, const char* name, const ResultExtremes& e) {
    json.key(name);
    json.beginObject();
    json.field("max", e.maximum);
    json.field("xMax", e.maximumPosition);
    json.field("min", e.minimum);
    json.field("xMin", e.minimumPosition);
    json.endObject();
}

void writeExtremes(JsonWriter& json, const ShellResults& shell) {
    json.key("extremes");
    json.beginObject();
    for (int j = 0; j < resultComponentCount; ++j)
        writeExtreme(json, resultComponentName(j), shell.extremes[static_cast<std::size_t>(j)]);
    json.endObject();
    json.key("stress_extremes");
    json.beginObject();
    for (int j = 0; j < stressComponentCount; ++j)
        writeExtreme(json, stressComponentKey(j),
                     shell.stressExtremes[static_cast<std::size_t>(j)]);
    json.endObject();
}

void writeElements(JsonWriter& json, const ShellResults& shell) {
    json.key("elements");
    json.beginArray();
    for (const ElementResult& element : shell.elements) {
        json.beginObject();
        json.field("x0", element.startPosition);
        json.field("x1", element.endPosition);
        json.key("start");
        json.beginObject();
        writeComponents(json, element.start);
        writeStresses(json, element.startStresses);
        json.endObject();
        json.key("end");
        json.beginObject();
        writeComponents(json, element.end);
        writeStresses(json, element.endStresses);
        json.endObject();
        json.endObject();
    }
    json.endArray();
}

void writeShells(JsonWriter& json, const Results& results, const std::vector<Results>* around) {
    json.key("shells");
    json.beginArray();
    for (std::size_t s = 0; s < results.shells.size(); ++s) {
        const ShellResults& shell = results.shells[s];
        json.beginObject();
        json.field("number", shell.number);
        json.field("wall_thickness", shell.wallThickness);
        writeStations(json, shell, s, around);
        writeExtremes(json, shell);
        writeElements(json, shell);
        json.endObject();
    }
    json.endArray();
}

void writeRings(JsonWriter& json, const Results& results) {
    json.key("rings");
    json.beginArray();
    for (const RingResult& ring : results.rings) {
        json.beginObject();
        json.field("number", ring.number);
        json.field("node", ring.node);
        json.field("wr", ring.displacement.wr);
        json.field("rotation", ring.displacement.rotation);
        json.field("M", ring.moment);
        json.field("N", ring.hoopForce);
        json.endObject();
    }
    json.endArray();
}

void writeHinges(JsonWriter& json, const Results& results) {
    json.key("hinges");
    json.beginArray();
    for (const HingeResult& hinge : results.hinges) {
        json.beginObject();
        json.field("shell", hinge.shell);
        json.field("x", hinge.position);
        json.key("sides");
        json.beginArray();
        for (const Displacement& side : hinge.sides) {
            json.beginObject();
            writeDisplacement(json, side);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

} // namespace

std::string resultsJson(const Results& results, const BatchStatus& status,
                        const MeshCheck* meshCheck, const std::vector<Results>* around,
                        const BucklingResult* buckling) {
    JsonWriter json;
    json.beginObject();
    writeStatus(json, status);
    writeNodes(json, results);
    writeReactions(json, results);
    writeShells(json, results, results.harmonic ? around : nullptr);
    writeRings(json, results);
    writeHinges(json, results);
    if (results.harmonic && around)
        writeHarmonicsJson(json, results, *around);
    if (meshCheck) {
        json.key("mesh_check");
        writeMeshCheckJson(json, *meshCheck);
    }
    if (buckling) {
        json.key("buckling");
        writeBucklingJson(json, *buckling);
    }
    json.endObject();
    return json.text();
}

} // namespace venkar
