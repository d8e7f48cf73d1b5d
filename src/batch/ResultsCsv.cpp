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

constexpr const char* harmonicHeader =
    "shell,xi,s,r,z,angle,wr,wz,v,rotation,N_phi,N_theta,N_phitheta,M_phi,M_theta,M_phitheta,"
    "Q_theta,Q_phi,eps_phi,eps_theta,sigma_meridional_pos,sigma_meridional_neg,sigma_hoop_pos,"
    "sigma_hoop_neg,von_mises_pos,von_mises_neg,tau_pos,tau_neg";

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

// A station of a meridian at `angle` with the values only a load around
// the circumference has, each after its neighbour of the axisymmetric row.
void appendAroundStation(std::string& text, int shell, double angle, const StationResult& station) {
    const SectionValues& v = station.values;
    const CircumferentialValues& a = station.around;
    text += std::to_string(shell);
    for (double value :
         {station.x, station.arcLength, station.r, station.z, angle, station.displacement.wr,
          station.displacement.wz, a.v, station.displacement.rotation, v[resultNPhi],
          v[resultNTheta], a.nPhiTheta, v[resultMPhi], v[resultMTheta], a.mPhiTheta,
          v[resultQTheta], a.qPhi, v[resultEpsPhi], v[resultEpsTheta]})
        appendNumber(text, value);
    for (double value : station.stresses)
        appendNumber(text, value);
    appendNumber(text, a.tauPos);
    appendNumber(text, a.tauNeg);
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

const char* harmonicCsvHeader() {
    return harmonicHeader;
}

std::string resultsCsv(const std::vector<Results>& meridians) {
    std::string text = std::string(harmonicHeader) + lineEnd;
    if (meridians.empty())
        return text;
    const Results& first = meridians.front();
    for (std::size_t s = 0; s < first.shells.size(); ++s)
        for (std::size_t k = 0; k < first.shells[s].stations.size(); ++k)
            for (const Results& meridian : meridians)
                appendAroundStation(text, first.shells[s].number, meridian.angle,
                                    meridian.shells[s].stations[k]);
    return text;
}

} // namespace venkar
