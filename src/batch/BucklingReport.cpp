#include "batch/BucklingReport.h"

#include "batch/JsonWriter.h"

namespace venkar {

void writeBucklingJson(JsonWriter& json, const BucklingResult& result) {
    json.beginObject();
    json.key("per_harmonic");
    json.beginArray();
    for (const HarmonicFactor& f : result.perHarmonic) {
        json.beginObject();
        json.field("n", f.n);
        json.key("factor");
        if (f.found)
            json.value(f.factor);
        else
            json.null();
        json.endObject();
    }
    json.endArray();
    json.key("critical");
    if (result.buckles) {
        json.beginObject();
        json.field("n", result.criticalHarmonic);
        json.field("factor", result.criticalFactor);
        json.endObject();
    } else {
        json.null();
        json.field("message", result.message);
    }
    json.key("plateau");
    json.beginArray();
    for (int n : result.plateau)
        json.value(n);
    json.endArray();
    json.key("proven");
    json.beginArray();
    for (int n : result.provenHarmonics)
        json.value(n);
    json.endArray();
    json.field("first_harmonic", result.firstHarmonic);
    json.field("last_harmonic", result.lastHarmonic);
    json.key("mode");
    json.beginArray();
    for (const BucklingModeShell& shell : result.mode) {
        json.beginObject();
        json.field("shell", shell.number);
        json.key("stations");
        json.beginArray();
        for (const BucklingModeStation& s : shell.stations) {
            json.beginObject();
            json.field("x", s.x);
            json.field("r", s.r);
            json.field("z", s.z);
            json.field("wr", s.wr);
            json.field("wz", s.wz);
            json.field("v", s.v);
            json.field("rotation", s.rotation);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

} // namespace venkar
