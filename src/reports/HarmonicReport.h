#pragma once

#include "reports/TableHeads.h"

#include <string>
#include <vector>

namespace venkar {

class Results;
struct HarmonicCase;

// The part of the results report only a load around the circumference has:
// the harmonics calculated and how the loads were expanded (a warning where
// the wind's series misses c_p by more than 1 % of its range), the extremes
// of every shell over the circumference with their positions and angles,
// the support reactions and the ring-beam forces every 5° around it.
// `meridian` is any meridian of the case (its node and ring numbers).
void writeHarmonicSections(std::string& out, TableHeadRecorder& heads, const Results& meridian,
                           const HarmonicCase& harmonicCase);

// The warnings of the expansion, also for the status line and standard
// error: none when the wind's series is within 1 %.
std::vector<std::string> harmonicWarnings(const HarmonicCase& harmonicCase);

} // namespace venkar
