#include "buckling/LoadCaseBuckling.h"

#include "harmonic/HarmonicLoadInput.h"
#include "model/Error.h"
#include "model/Model.h"

namespace venkar {

bool analyseLoadCaseBuckling(const Model& model, int firstHarmonic, int lastHarmonic,
                             BucklingResult& result, std::string& error) {
    BucklingOptions options;
    options.firstHarmonic = firstHarmonic;
    options.lastHarmonic = lastHarmonic;
    options.hasHarmonicLoads = model.hasHarmonicLoads();
    // The v supports and the ring sections of the system; the loads around
    // the circumference are refused through hasHarmonicLoads.
    HarmonicExpansion expansion;
    HarmonicInput system = harmonicInput(model, expansion);
    system.shellLoads.clear();
    system.bandLoads.clear();
    system.nodeLoads.clear();
    try {
        return analyseBuckling(model, system, options, result, error);
    } catch (const VenkarError& failure) {
        error = failure.what();
        return false;
    }
}

} // namespace venkar
