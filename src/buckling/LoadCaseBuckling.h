#pragma once

#include "buckling/BucklingAnalysis.h"

#include <string>

namespace venkar {

class Model;

// The linear buckling analysis of the load case of `model` as entered, over
// the harmonics `firstHarmonic` .. `lastHarmonic`: the system's supports
// around the circumference and ring sections go in, a load case with loads
// around the circumference is refused (bucklingHarmonicLoadsMessage).
// Returns false with `error` set when the analysis cannot be done; an
// error the calculation raises (too many elements, a mechanism) ends up
// there as well. Precondition: the system and the load case passed their
// checks.
bool analyseLoadCaseBuckling(const Model& model, int firstHarmonic, int lastHarmonic,
                             BucklingResult& result, std::string& error);

} // namespace venkar
