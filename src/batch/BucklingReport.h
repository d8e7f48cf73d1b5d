#pragma once

#include "buckling/BucklingAnalysis.h"

#include <string>

namespace venkar {

class JsonWriter;

// The section "Beulanalyse (LBA)" of the batch command: λ per calculated
// harmonic, the critical harmonic and factor r_Rcr, the plateau of harmonics
// within 1 % of it, or the message why nothing buckles.
std::string bucklingText(const BucklingResult& result);

// The JSON object `buckling`: per_harmonic (n, factor; factor null where no
// positive λ exists), critical (n, factor; null without buckling, with the
// message beside it), plateau, proven (the harmonics the counts proved) and
// mode (per shell its stations x, r, z, wr, wz, v, rotation).
void writeBucklingJson(JsonWriter& json, const BucklingResult& result);

} // namespace venkar
