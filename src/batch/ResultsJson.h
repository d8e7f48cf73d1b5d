#pragma once

#include <string>
#include <vector>

namespace venkar {

struct BucklingResult;

class BatchStatus;
struct MeshCheck;
class Results;

// Every result of a valid calculation as JSON, at full precision: the status
// figures, the node displacements, the reactions, per shell the stations of
// the report with displacements, section values and face stresses, the
// extremes and the element end values, the ring beams and the hinge displacements; with a
// mesh check (not owned, may be null) also its figures under "mesh_check".
//
// A load case with loads around the circumference (results.harmonic set)
// also gives every station its values at each meridian of `around` (under
// "angles") and the object "harmonics" (see writeHarmonicsJson).
std::string resultsJson(const Results& results, const BatchStatus& status,
                        const MeshCheck* meshCheck = nullptr,
                        const std::vector<Results>* around = nullptr,
                        const BucklingResult* buckling = nullptr);

} // namespace venkar
