#pragma once

#include "harmonic/HarmonicInput.h"
#include "harmonic/HarmonicResults.h"

#include <string>
#include <vector>

namespace venkar {

class Model;

// The harmonics a load case needs: (0, symmetric) for today's loads and the
// sets of every harmonic the input names in which a load has a share, n
// ascending, the symmetric set first. A set whose load turns out zero is
// not calculated.
std::vector<Harmonic> candidateHarmonics(const HarmonicInput& input);

// The name of a harmonic in messages: "Harmonische n = 2 (symmetrisch)",
// "(antisymmetrisch)".
std::string harmonicName(Harmonic h);

// Solves every harmonic of the load case of `model` with the loads around
// the circumference in `input` and keeps their amplitudes in `results`.
// Each harmonic is discretised, constrained, assembled and solved on its
// own; a harmonic whose load vector and prescribed displacements are all
// zero is left out. Returns false with `error` set when a harmonic's
// constraints contradict ("Wiederspruch in der Randbedingungen"), its
// stiffness is singular ("verschiebliches System", naming the harmonic),
// or a ring beam lacks its section data for n >= 1.
// Precondition: the system and today's load case passed their checks.
bool analyseHarmonics(const Model& model, const HarmonicInput& input, HarmonicResults& results,
                      std::string& error, int flags = 0);

} // namespace venkar
