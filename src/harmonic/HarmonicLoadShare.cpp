#include "harmonic/HarmonicLoadShare.h"

#include <cmath>
#include <numbers>

namespace venkar {

LoadShare loadShare(Harmonic h, double phaseDegrees) {
    if (h.n == 0)
        return h.set == HarmonicSet::symmetric ? LoadShare{1.0, 0.0} : LoadShare{0.0, 1.0};
    const double angle = h.n * phaseDegrees * std::numbers::pi / 180.0;
    if (h.set == HarmonicSet::symmetric)
        return {std::cos(angle), std::cos(angle)};
    return {std::sin(angle), -std::sin(angle)};
}

} // namespace venkar
