#pragma once

#include <string>
#include <vector>

namespace venkar {

class Results;

// The report stations of every shell as CSV, one row per station in shell
// and station order, for spreadsheets and scripts. The header line is
//   shell,xi,s,r,z,wr,wz,rotation,N_phi,N_theta,M_phi,M_theta,Q_theta,
//   eps_phi,eps_theta,sigma_meridional_pos,sigma_meridional_neg,
//   sigma_hoop_pos,sigma_hoop_neg,von_mises_pos,von_mises_neg
// (one line; s is the arc length from the shell's start, r and z the
// station's point). Numbers carry full precision with a decimal point
// whatever the locale; a number that is not finite is an empty field. Rows
// end in CR LF and no field needs quoting (RFC 4180), so LibreOffice and
// pandas read the file without options.
std::string resultsCsv(const Results& results);

// The header line without its line end.
const char* resultsCsvHeader();

// The stations of a load case with loads around the circumference at each
// of the meridians' angles (see Results::angle), one row per station and
// angle, stations in shell and station order, angles in the given order.
// The header line is the one above with "angle" after "z", "v" after "wz",
// "N_phitheta" after "N_theta", "M_phitheta" after "M_theta", "Q_phi" after
// "Q_theta" and "tau_pos", "tau_neg" at the end; von Mises includes the
// shear. Every meridian comes from the same calculation.
std::string resultsCsv(const std::vector<Results>& meridians);
const char* harmonicCsvHeader();

} // namespace venkar
