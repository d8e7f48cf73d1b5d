#pragma once

#include "buckling/BucklingAnalysis.h"
#include "reports/BucklingSection.h"

#include <string>

namespace venkar {

class JsonWriter;

// The JSON object `buckling`: per_harmonic (n, factor; factor null where no
// positive λ exists), critical (n, factor; null without buckling, with the
// message beside it), plateau, proven (the harmonics the counts proved) and
// mode (per shell its stations x, r, z, wr, wz, v, rotation).
void writeBucklingJson(JsonWriter& json, const BucklingResult& result);

} // namespace venkar
