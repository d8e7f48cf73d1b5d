#pragma once

#include "harmonic/HarmonicElement.h"

namespace venkar {

// What a load of harmonic n with phase φₙ gives one set of that harmonic.
// cos n(φ - φₙ) = cos nφₙ·cos nφ + sin nφₙ·sin nφ and
// sin n(φ - φₙ) = cos nφₙ·sin nφ - sin nφₙ·cos nφ, so the parts varying as
// u and w (normal, meridional, r, z, moment) take cos nφₙ in the symmetric
// and sin nφₙ in the antisymmetric set, the parts varying as v take cos nφₙ
// and -sin nφₙ. At n = 0 the u-like parts are axisymmetric (symmetric set)
// and the v-like parts a uniform torsion load (antisymmetric set).
struct LoadShare {
    double likeU = 0.0;
    double likeV = 0.0;
};

LoadShare loadShare(Harmonic h, double phaseDegrees);

} // namespace venkar
