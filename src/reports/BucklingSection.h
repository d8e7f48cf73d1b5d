#pragma once

#include "buckling/BucklingAnalysis.h"

#include <string>

namespace venkar {

// The report section "Beulanalyse (LBA)": λ per calculated harmonic, the
// critical harmonic and factor r_Rcr, the plateau of harmonics within 1 %
// of it, or the message why nothing buckles. The batch command appends it
// to the results report, the window program to the results it shows.
std::string bucklingText(const BucklingResult& result);

} // namespace venkar
