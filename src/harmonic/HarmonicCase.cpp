#include "harmonic/HarmonicCase.h"

#include <algorithm>

namespace venkar {

bool HarmonicCase::symmetric() const {
    return std::all_of(
        results.solutions.begin(), results.solutions.end(),
        [](const HarmonicSolution& s) { return s.harmonic.set == HarmonicSet::symmetric; });
}

int HarmonicCase::highestHarmonic() const {
    int highest = 0;
    for (const HarmonicSolution& s : results.solutions)
        highest = std::max(highest, s.harmonic.n);
    return highest;
}

} // namespace venkar
