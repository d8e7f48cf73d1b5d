#pragma once

#include "analysis/AnalysisModel.h"
#include "analysis/SkylineMatrix.h"
#include "buckling/Prebuckling.h"
#include "harmonic/HarmonicInput.h"

#include <string>

namespace venkar {

class BucklingSeries;
class Model;

inline constexpr const char* stateMismatchMessage = "Vorbeulzustand passt nicht zum Netz";

// The pencil of one harmonic n (symmetric set; the antisymmetric set of
// n >= 1 is the same problem with v mirrored, and the torsion set of n = 0
// meets no shear force in an axisymmetric prebuckling state):
//   (K_n + λ·G_n)·φ = 0,   G_n = K_G,n + K_p,n,
// both in the profile of the harmonic statics with its supports, hinges,
// rings, bedding and axis conditions. Prescribed displacements enter only
// the prebuckling state: the buckling mode meets them as held directions.
struct BucklingPencil {
    AnalysisModel analysis;
    SkylineMatrix stiffness{0};
    SkylineMatrix geometric{0};
};

// Builds the pencil of harmonic n. Returns false with `error` set when the
// constraints contradict or a ring beam lacks its section data for n >= 1.
// The prebuckling state must come from the same model and input.
bool buildBucklingPencil(const Model& model, const HarmonicInput& input,
                         const PrebucklingState& state, int n, int flags, BucklingPencil& pencil,
                         std::string& error);
// The same with the element matrices of the mesh built once for every
// harmonic, from the same state.
bool buildBucklingPencil(const Model& model, const HarmonicInput& input,
                         const PrebucklingState& state, int n, int flags,
                         const BucklingSeries& series, BucklingPencil& pencil, std::string& error);

// Whether the state holds one value set per shell and ring element of
// `mesh` (a state and a mesh of the same model and input do).
bool stateFitsMesh(const PrebucklingState& state, const AnalysisModel& mesh);

// K + σ·G in the common profile.
SkylineMatrix shiftedMatrix(const SkylineMatrix& k, const SkylineMatrix& g, double sigma);

} // namespace venkar
