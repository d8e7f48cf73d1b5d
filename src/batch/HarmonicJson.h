#pragma once

#include <cstddef>
#include <vector>

namespace venkar {

class JsonWriter;
class Results;

// The parts of the JSON output only a load around the circumference has.

// Under the station `station` of shell `shell` (indices into
// Results::shells and its stations): "angles", a list of objects, one per
// meridian of `around` in order, with the angle and every value there
// (displacements with v, the section values with N-PhiTheta, M-PhiTheta and
// Q-Phi, the face stresses, von Mises with the shear, tau_pos, tau_neg).
void writeStationAngles(JsonWriter& json, const std::vector<Results>& around, std::size_t shell,
                        std::size_t station);

// "harmonics": the harmonics calculated, how the loads were expanded (the
// wind's series with its count and deviation, the count of the forces at
// one angle), the amplitudes of every harmonic at the report stations, the
// extremes around the circumference per shell and the support reactions at
// the angles of `around`. `results` is the meridian at 0°.
void writeHarmonicsJson(JsonWriter& json, const Results& results,
                        const std::vector<Results>& around);

} // namespace venkar
