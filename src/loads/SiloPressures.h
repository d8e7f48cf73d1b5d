#pragma once

namespace venkar {

// Pressures of a stored bulk solid on the walls of a circular silo after
// EN 1991-4: the vertical wall (cylinder) and a conical hopper below it.
// Pure functions of the solid's properties and the silo's dimensions; depths
// z point down, as everywhere in the program. Units are the user's (a unit
// weight in kN/m³ and lengths in m give pressures in kN/m²).

// The filling or the discharge of the silo.
enum class SiloState : int { filling = 1, discharge = 2 };

// Slender silos (h_c/d_c >= 2) follow Janssen's theory; intermediate and squat
// ones (h_c/d_c < 2) the modified theory that starts below the highest
// contact of the heap with the wall.
enum class SiloSlenderness : int { slender, intermediate, squat };

// h_c/d_c >= 2 slender, 1 < h_c/d_c < 2 intermediate, below squat.
SiloSlenderness siloSlenderness(double height, double diameter);

// The stored solid and the filled vertical wall.
struct SiloWall {
    double unitWeight = 0.0;      // γ
    double pressureRatio = 0.0;   // K, lateral pressure ratio
    double wallFriction = 0.0;    // μ
    double surfaceDepth = 0.0;    // z_s, z of the equivalent surface
    double radius = 0.0;          // r of the cylinder
    double transitionDepth = 0.0; // z at the bottom of the vertical wall
    SiloState state = SiloState::filling;
    double dischargeHoop = 1.0;     // C_h, on p_h during discharge
    double dischargeFriction = 1.0; // C_w, on p_w during discharge
    double reposeAngle = 0.0;       // φ_r in radians (intermediate and squat silos)

    // h_c: from the equivalent surface down to the transition.
    double height() const { return transitionDepth - surfaceDepth; }
    SiloSlenderness slenderness() const { return siloSlenderness(height(), 2.0 * radius); }
};

// Janssen's characteristic depth z₀ = A/(K·μ·U) = r/(2·K·μ) of a circular
// cross-section (area A, perimeter U).
double janssenDepth(double radius, double pressureRatio, double wallFriction);

// The depth h₀ of the highest solid-wall contact below the equivalent surface
// of a centrally filled circular silo: h₀ = r·tan φ_r / 3.
double heapDepth(double radius, double reposeAngle);

// Pressures on the vertical wall at one depth.
struct WallPressure {
    double horizontal = 0.0; // p_h, normal to the wall, outward
    double friction = 0.0;   // p_w, along the wall, downward
    double vertical = 0.0;   // p_v, mean vertical stress in the solid
};

// The pressures at depth z (absolute, as the nodes give it).
//
// Slender, with ζ = z - z_s and Y_J = 1 - exp(-ζ/z₀):
//   p_h = γ·K·z₀·Y_J,  p_w = μ·p_h,  p_v = p_h/K = γ·z₀·Y_J.
// Intermediate and squat, with h₀ = r·tan φ_r/3 and
//   n = -(1 + tan φ_r)·(1 - h₀/z₀),
//   Y_R = 1 - ((ζ - h₀)/(z₀ - h₀) + 1)^n           (0 above the contact),
//   p_h = γ·K·z₀·Y_R,  p_w = μ·p_h,  p_v = γ·z_V,
//   z_V = h₀ - (z₀ - h₀ - (ζ + z₀ - 2h₀)^(n+1)/(z₀ - h₀)^n)/(n + 1),
// z_V from the vertical equilibrium of a slice (dz_V/dζ = 1 - Y_R).
// Discharge multiplies p_h by C_h and p_w by C_w; p_v stays the filling
// value. Above the equivalent surface everything is 0.
WallPressure wallPressure(const SiloWall& wall, double z);

// The steepness of a hopper: steep when tan β < (1 - K)/(2·μ_h), β the
// hopper's half angle from the vertical; shallow otherwise.
bool steepHopper(double halfAngle, double pressureRatio, double hopperFriction);

// A conical hopper below the wall and the solid in it.
struct Hopper {
    double halfAngle = 0.0;        // β, from the vertical, in radians
    double height = 0.0;           // h_h, from the apex up to the transition
    double hopperFriction = 0.0;   // μ_h
    double factorB = 0.2;          // b
    double bottomMagnifier = 1.0;  // C_b, on the vertical stress at the transition
    double internalFriction = 0.0; // φ_i in radians
};

// The load parameters of a hopper for a state of the silo.
struct HopperLoadParameters {
    bool steep = false;
    double friction = 0.0;         // μ_h, or μ_heff = (1 - K)/(2·tan β) in a shallow hopper
    double pressureFactor = 0.0;   // F: p_n = F·p_v
    double exponent = 0.0;         // n of the vertical stress
    double transitionStress = 0.0; // p_vft = C_b·p_vf
};

// Steep, filling:   F_f = 1 - b/(1 + tan β/μ_h),  n = S·(1 - b)·μ_h·cot β.
// Steep, discharge: F_e = (1 + sin φ_i·cos ε)/(1 - sin φ_i·cos(2β + ε)),
//   ε = φ_wh + arcsin(sin φ_wh/sin φ_i), φ_wh = arctan μ_h,
//   n = S·(F_e·μ_h·cot β + F_e) - 2.
// Shallow, filling and discharge: F_f with μ_heff in place of μ_h.
// S = 2 for a cone. p_vf is the wall's vertical stress at the transition
// under filling. Precondition for a steep hopper under discharge:
// sin φ_wh < sin φ_i (the checks refuse other input).
HopperLoadParameters hopperLoadParameters(const Hopper& hopper, double pressureRatio,
                                          SiloState state, double transitionStress);

// Pressures on the hopper wall at one height.
struct HopperPressure {
    double normal = 0.0;   // p_n, normal to the wall, outward
    double friction = 0.0; // p_t, along the wall, down towards the apex
    double vertical = 0.0; // p_v
};

// At height x above the apex (0 <= x <= h_h):
//   p_v = γ·h_h/(n - 1)·(x/h_h - (x/h_h)^n) + p_vft·(x/h_h)^n,
//   p_n = F·p_v, p_t = μ·F·p_v.
// The vertical stress follows from the equilibrium of a slice of the cone,
// dp_v/dx = n·p_v/x - γ; n = 1 takes the limit γ·x·ln(h_h/x) + p_vft·x/h_h.
HopperPressure hopperPressure(const HopperLoadParameters& parameters, double unitWeight,
                              double hopperHeight, double x);

} // namespace venkar
