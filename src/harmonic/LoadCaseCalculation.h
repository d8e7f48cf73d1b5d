#pragma once

#include "analysis/AnalysisDriver.h"

namespace venkar {

// One complete calculation of the load case of `model`, as `calculate` does
// it, for every kind of load: an axisymmetric load case takes today's path
// unchanged; one with loads around the circumference is checked the same
// way, expanded into harmonics and solved harmonic by harmonic, and
// `analysis` then holds the meridian at 0° (see meridianAt) with the
// amplitudes in analysis.results.harmonic. A harmonic that fails names
// itself in the calculation error.
bool calculateLoadCase(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
                       UserMessages& messages, int flags = 0);

} // namespace venkar
