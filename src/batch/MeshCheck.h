#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace venkar {

class Model;
class JsonWriter;

// The quantity groups the mesh check compares: the displacements (wr, wz,
// rotation together), the membrane forces, the moments and the shear force.
enum MeshQuantity : int {
    meshDisplacement = 0,
    meshNPhi,
    meshNTheta,
    meshMPhi,
    meshMTheta,
    meshQTheta,
};
inline constexpr int meshQuantityCount = 6;

// The German name of a quantity: "Verschiebung", "N-Phi", ... "Q-Theta".
const char* meshQuantityName(int quantity);

// The mesh check of one shell.
struct ShellMeshCheck {
    int number = 0;      // shell row number
    double factor = 1.0; // its discretisation factor as calculated (0 counts as 1)
    // Per quantity, the relative change of each doubling (0.14 = 14 %).
    std::array<std::vector<double>, meshQuantityCount> changes;
    // Per quantity, the factor from which every further doubling changes it by
    // at most the tolerance; none when no checked doubling got there.
    std::array<std::optional<double>, meshQuantityCount> convergedFactor;

    // True when the first doubling changed the quantity by more than the tolerance.
    bool flagged(int quantity) const;
};

struct MeshCheck {
    static constexpr double tolerance = 0.02;
    static constexpr int maxDoublings = 4;

    std::vector<ShellMeshCheck> shells; // defined shells in row order
    int doublings = 0;                  // the doublings calculated
    // Why a refined calculation failed; the doublings before it stay valid.
    std::optional<std::string> failure;
};

// Calculates `model` (which must calculate) again with every shell's
// discretisation factor doubled, up to maxDoublings times, until no quantity
// changes by more than the tolerance. The change of a quantity on a shell is
// the largest change of the shell's extremes between two successive
// calculations, relative to the quantity's largest magnitude over the model
// in either of them. A moment counts at least against the moment whose
// bending stress 6M/t² equals the model's largest membrane stress, the shear
// force at least against the largest membrane force: a moment that is small
// beside the membrane state does not matter however it changes. A quantity
// below 1e-10 of its kind's scale (numerical zero) counts as unchanged.
// Throws std::invalid_argument when `model` itself does not calculate.
MeshCheck checkMesh(const Model& model);

// A copy of `model` with every defined shell's discretisation factor (0
// counting as 1) multiplied by 2^doublings.
Model withDoubledFactors(const Model& model, int doublings);

// The lines for standard error: "Netz zu grob: ..." per flagged shell and
// quantity, or "Netz ausreichend fein".
std::string meshCheckText(const MeshCheck& check);

// The check as the JSON value of key "mesh_check".
void writeMeshCheckJson(JsonWriter& json, const MeshCheck& check);

} // namespace venkar
