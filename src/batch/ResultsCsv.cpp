#include "batch/ResultsCsv.h"

#include "analysis/Results.h"

#include <charconv>
#include <cmath>

namespace venkar {

namespace {

constexpr const char* header =
    "shell,xi,s,r,z,wr,wz,rotation,N_phi,N_theta,M_phi,M_theta,Q_theta,eps_phi,eps_theta,"
    "sigma_meridional_pos,sigma_meridional_neg,sigma_hoop_pos,sigma_hoop_neg,von_mises_pos,"
    "von_mises_neg";

constexpr const char* lineEnd = "\r\n";

// ",<number>" with 17 significant digits. std::to_chars never looks at the
// locale, so a German desktop still gets a decimal point.
void appendNumber(std::string& row, double number) {
    row += ',';
    if (!std::isfinite(number))
        return;
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 17);
    row.append(buffer, written.ptr);
}

void appendStation(std::string& text, int shell, const StationResult& station) {
    text += std::to_string(shell);
    for (double value :
         {station.x, station.arcLength, station.r, station.z, station.displacement.wr,
          station.displacement.wz, station.displacement.rotation})
        appendNumber(text, value);
    for (double value : station.values)
        appendNumber(text, value);
    for (double value : station.stresses)
        appendNumber(text, value);
    text += lineEnd;
}

} // namespace

const char* resultsCsvHeader() {
    return header;
}

std::string resultsCsv(const Results& results) {
    std::string text = std::string(header) + lineEnd;
    for (const ShellResults& shell : results.shells)
        for (const StationResult& station : shell.stations)
            appendStation(text, shell.number, station);
    return text;
}

} // namespace venkar
