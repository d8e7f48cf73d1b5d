#pragma once

#include <string>

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
std::string resultsJson(const Results& results, const BatchStatus& status,
                        const MeshCheck* meshCheck = nullptr,
                        const BucklingResult* buckling = nullptr);

} // namespace venkar
