#pragma once

#include "harmonic/CircumferentialExtremes.h"
#include "harmonic/HarmonicInput.h"
#include "harmonic/HarmonicLoadInput.h"
#include "harmonic/HarmonicResults.h"

namespace venkar {

// A calculated load case with loads around the circumference: the loads as
// the harmonics took them, how they were expanded, and the amplitudes.
struct HarmonicCase {
    HarmonicInput input;
    HarmonicExpansion expansion;
    HarmonicResults results;
    // Per shell, found once after the solution.
    std::vector<ShellAngleExtremes> extremes;

    // True when every harmonic is of the symmetric set with its phase at
    // 0°: the results are then symmetric about the meridian at 0° and the
    // angles from 0° to 180° show all of them.
    bool symmetric() const;
    // The highest harmonic calculated (0 when only n = 0).
    int highestHarmonic() const;
};

} // namespace venkar
