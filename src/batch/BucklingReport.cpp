#include "batch/BucklingReport.h"

#include "batch/JsonWriter.h"

#include <cstdio>

namespace venkar {

namespace {

std::string formatted(const char* format, double a, double b = 0.0) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

std::string numberList(const std::vector<int>& numbers) {
    std::string out;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        out += (i == 0 ? "" : ", ") + std::to_string(numbers[i]);
    return out;
}

} // namespace

std::string bucklingText(const BucklingResult& result) {
    std::string out = "\nBeulanalyse (LBA)\n=================\n\n";
    if (!result.buckles) {
        out += result.message + "\n";
        return out;
    }
    out += "Harmonische  Lastfaktor\n";
    for (const HarmonicFactor& f : result.perHarmonic)
        out += f.found ? formatted("%11.0f  %12.6g\n", f.n, f.factor)
                       : formatted("%11.0f  kein Beulen\n", f.n);
    out += "\nUntersucht: n = " + std::to_string(result.firstHarmonic) + " bis " +
           std::to_string(result.lastHarmonic) + "; ohne Berechnung über 1,01·r_Rcr " +
           "nachgewiesen: " + std::to_string(result.provenHarmonics.size()) + " Harmonische\n";
    out += formatted("Kritische Harmonische n = %.0f, r_Rcr = %.6g\n", result.criticalHarmonic,
                     result.criticalFactor);
    if (result.plateau.size() > 1)
        out += "Innerhalb 1 % des Minimums (Plateau): n = " + numberList(result.plateau) + "\n";
    return out;
}

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
