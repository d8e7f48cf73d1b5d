#pragma once

#include "analysis/ShellElement.h"

#include <array>

namespace venkar {

// Stresses at the two faces of a shell wall from its section values.
//
// The faces are named by the element normal n = (-sin ψ, cos ψ), the
// meridian tangent turned by +90° in the r–z plane: "pos" is the face on
// n's side (at +t/2 along n), "neg" the other one. The analysis bends with
// ε = ε_m - z·w'' (z along n) and reports M = -D·w'', so a positive moment
// stretches the pos face:
//   σ_pos = N/t + 6·M/t²,   σ_neg = N/t - 6·M/t²
// with N-Theta, M-Theta for the meridional and N-Phi, M-Phi for the hoop
// stresses. The transverse shear vanishes at the faces, so each face is in
// plane stress and its von Mises stress is √(σ_m² - σ_m·σ_h + σ_h²).
// Forces per unit length and t in consistent units give stresses in
// force per area (kN/m and m give kN/m²).

enum StressComponent : int {
    stressMeridionalPos = 0,
    stressMeridionalNeg = 1,
    stressHoopPos = 2,
    stressHoopNeg = 3,
    stressVonMisesPos = 4,
    stressVonMisesNeg = 5,
};
inline constexpr int stressComponentCount = 6;

using StressValues = std::array<double, stressComponentCount>;

// The key of a stress component in the JSON and CSV outputs:
// "sigma_meridional_pos", "sigma_meridional_neg", "sigma_hoop_pos",
// "sigma_hoop_neg", "von_mises_pos", "von_mises_neg".
const char* stressComponentKey(int component);

// The von Mises equivalent stress of a plane stress state with the principal
// stresses `first` and `second` (no shear between them).
double vonMises(double first, double second);

// The six face stresses of `values` for the wall thickness t > 0.
StressValues surfaceStresses(const SectionValues& values, double wallThickness);

// The shear stresses of the two faces under a load around the
// circumference, from the in-plane shear force and the twisting moment as
// the normal stresses come from N and M: τ = N-PhiTheta/t ± 6·M-PhiTheta/t².
struct FaceShear {
    double pos = 0.0;
    double neg = 0.0;
};
FaceShear faceShear(double inPlaneShear, double twistingMoment, double wallThickness);

// The face stresses with the shear in von Mises: √(σm² − σm·σh + σh² + 3τ²).
StressValues surfaceStresses(const SectionValues& values, double wallThickness, FaceShear shear);

// The larger von Mises stress of the two faces with the shear, as
// surfaceStresses(values, t, shear) gives it, computed without the rest.
double largerVonMises(const SectionValues& values, double wallThickness, FaceShear shear);

// The larger von Mises stress of the two faces.
inline double largerVonMises(const StressValues& stresses) {
    return stresses[stressVonMisesPos] > stresses[stressVonMisesNeg] ? stresses[stressVonMisesPos]
                                                                     : stresses[stressVonMisesNeg];
}

} // namespace venkar
