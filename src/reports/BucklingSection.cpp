#include "reports/BucklingSection.h"

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

} // namespace venkar
