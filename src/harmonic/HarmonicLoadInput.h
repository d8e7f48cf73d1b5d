#pragma once

#include "harmonic/HarmonicInput.h"
#include "loads/SiloPatch.h"

#include <vector>

namespace venkar {

class Model;

// What the expansion of a load case into harmonics did: the wind series and
// the count of the forces at one angle, for the report and the JSON output.
struct HarmonicExpansion {
    // The wind's cosine series a_0 … a_N of c_p, empty without wind.
    std::vector<double> windCoefficients;
    int windHarmonics = 0;      // N
    double windDeviation = 0.0; // largest |series − c_p| relative to the range of c_p
    bool windWithinTolerance = true;
    int angleLoadHarmonics = 0; // the count a force at one angle was expanded into, 0 without one
    // The band of every patch load, in row order.
    std::vector<SiloPatch> siloPatches;
    // The angles (degrees) the loads single out: every φ₀ of a force at one
    // angle and every phase of a harmonic load. The extremes around the
    // circumference look there too.
    std::vector<double> loadAngles;
};

// The loads around the circumference of the load case of `model` as the
// harmonic analysis takes them, with the system data only they need:
// - Windlast: q·c_p normal to the wall, c_p's cosine series cut at 1 % of
//   its range (at most 40 harmonics), each harmonic a surface load ∝ cos nφ
//   with q linear along the shell; which face is the outside follows from
//   the shell's chord (see windNormalLoadFactor).
// - Umfangslast, Umfangs-Knotenlast as entered.
// - Einzellast am Umfang: line loads on the node's circle, the force
//   expanded into the harmonic count of the load case (40 when not set).
// - Teilflächenlast: p·cos φ on the band of the wall (SiloPatch), the first
//   harmonic of a band load on each shell of the wall.
// - Umfangsauflager and Ringquerschnitt as entered.
// Precondition: the system and the load case passed their checks.
HarmonicInput harmonicInput(const Model& model, HarmonicExpansion& expansion);

} // namespace venkar
