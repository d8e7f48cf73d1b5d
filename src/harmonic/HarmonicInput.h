#pragma once

#include <vector>

namespace venkar {

// The loads around the circumference of a load case and the system data
// only they need, as the harmonic analysis reads them. Numbers are 1-based
// row numbers of the input; angles in degrees.

// A surface load on a shell, linear along it from its start (x = 0) to its
// end (x = 1): normal (along the element normal n = (-sin ψ, cos ψ), as
// today's surface loads) and meridional (along t) ∝ cos n(φ - φₙ),
// circumferential (along e_φ) ∝ sin n(φ - φₙ); at n = 0 the
// circumferential load is uniform around the circumference (a torsion load).
struct HarmonicShellLoad {
    int shell = 0;
    int harmonic = 0; // n >= 0
    double normalStart = 0.0;
    double normalEnd = 0.0;
    double meridionalStart = 0.0;
    double meridionalEnd = 0.0;
    double circumferentialStart = 0.0;
    double circumferentialEnd = 0.0;
    double phase = 0.0; // φₙ
};

// A surface load on the part of a shell between the depths top and bottom
// (z, pointing down), uniform there, with global components radial (along
// r, outward) and axial (along z) ∝ cos n(φ - φₙ): a band around the wall.
struct HarmonicBandLoad {
    int shell = 0;
    int harmonic = 0;
    double top = 0.0;
    double bottom = 0.0;
    double radial = 0.0;
    double axial = 0.0;
    double phase = 0.0;
};

// Line loads on a node per unit length of circumference, like today's node
// loads: Fr, Fz and M ∝ cos n(φ - φₙ), Fv ∝ sin n(φ - φₙ) (uniform at n = 0).
struct HarmonicNodeLoad {
    int node = 0;
    int harmonic = 0;
    double forceR = 0.0;
    double forceZ = 0.0;
    double forceV = 0.0;
    double moment = 0.0;
    double phase = 0.0;
};

// What a ring beam needs beyond today's A, Iy and E once it bends out of
// its circle: Iz (in-plane bending: fibres offset radially), It and G
// (torsion).
struct HarmonicRingSection {
    int ring = 0; // ring row number
    double inertiaZ = 0.0;
    double torsionConstant = 0.0;
    double shearModulus = 0.0;
};

// The circumferential support of a node: held (1) or free (0). A node
// without an entry has v held when its r support is set, whatever the skew
// angle.
struct CircumferentialSupport {
    int node = 0;
    int held = 0;
};

struct HarmonicInput {
    std::vector<HarmonicShellLoad> shellLoads;
    std::vector<HarmonicBandLoad> bandLoads;
    std::vector<HarmonicNodeLoad> nodeLoads;
    std::vector<HarmonicRingSection> ringSections;
    std::vector<CircumferentialSupport> circumferentialSupports;
};

} // namespace venkar
