#pragma once

#include "harmonic/HarmonicInput.h"
#include "harmonic/HarmonicResults.h"

#include <vector>

namespace venkar {

class AnalysisModel;
struct HarmonicElementTerms;
class MeshStiffnessSeries;
class Model;

// What the recovery needs of each shell element, the same for every
// harmonic of a mesh: its material, the direction (sin ψ, cos ψ) and length
// of its chord, and the shell's tangent angle φ at its ends as cos φ, sin φ.
struct RecoveryElement {
    ElementMaterial material;
    double sinPsi = 0.0;
    double cosPsi = 0.0;
    double length = 0.0;
    std::array<double, 2> cosPhi{};
    std::array<double, 2> sinPhi{};
};
std::vector<RecoveryElement> recoveryElements(const Model& model, const AnalysisModel& analysis);

// The amplitudes of harmonic h from its solved system (DOF values stored).
//
// Each shell element's end forces f = K·d - f_load give, per unit length
// (divided by π·r, or 2π·r at n = 0) and turned into the shell's true
// tangent frame at the end as today: N-Theta, M-Theta, the Kirchhoff shear
// V and Sanders' effective in-plane shear T, the forces the element's DOFs
// are conjugate to. The twisting moment comes from the strains at the node,
// M-PhiTheta = E·t³/(24(1 + ν))·2κ_sφ, and with it
//   Q-Theta    = V - (1/r)·∂M-PhiTheta/∂φ
//   N-PhiTheta = T + (3/2)·(sin ψ/r)·M-PhiTheta
// (the edge terms of the twist). The hoop values follow from the hoop
// strains at the node as today's do:
//   N-Phi = E·t·(ε_φ - ε_m) + ν·N-Theta, M-Phi = ν·M-Theta + E·t³/12·(κ_φ - κ_T)
// (thermal strains at the symmetric n = 0 only), and
//   Q-Phi = (1/r)·∂M-Phi/∂φ + (1/r²)·d(r²·M-PhiTheta)/ds
// with the derivative along the element from its two ends. An end on the
// axis takes the other end's section values where the shell is horizontal
// there (a plate's centre), else zeros; Q-Theta is 0 on the axis.
//
// The element and ring end forces K·d are added to the nodes' force sums
// (the loads were subtracted by the assembly); divided by the
// circumferential factor times r they are the reactions per unit length.
// `terms` are the element matrices and loads the system was assembled
// with; `stiffness` gives the twist rows at the element ends, `elements`
// the rest (recoveryElements of the mesh).
HarmonicSolution recoverHarmonic(const Model& model, const HarmonicInput& input, Harmonic h,
                                 AnalysisModel& analysis, const MeshStiffnessSeries& stiffness,
                                 const std::vector<RecoveryElement>& elements,
                                 const HarmonicElementTerms& terms);

} // namespace venkar
