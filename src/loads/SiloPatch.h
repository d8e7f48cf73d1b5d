#pragma once

#include "loads/SiloPressures.h"

namespace venkar {

// The patch load of a thin-walled circular silo after EN 1991-4: an extra
// horizontal pressure p·cos θ on a band of height s around the vertical
// wall, outward at θ = 0 and inward at θ = 180°, on top of the symmetrical
// pressures of the same state. Depths z point down; z_p is measured from
// the equivalent surface, as the standard measures it.

// The band's height s = π·d_c/16.
double patchBandHeight(double radius);

// The patch factor for the state of the silo, with the slenderness
// h_c/d_c, the solid's factor C_op and E = 2·e/d_c:
//   filling:   C_pf = 0.21·C_op·(1 + 2E²)·(1 - e^(-1.5·(h_c/d_c - 1)))
//   discharge: C_pe = 0.42·C_op·(1 + 2E²)·(1 - e^(-1.5·(h_c/d_c - 1)))  for h_c/d_c > 1.2,
//              C_pe = 0.272·C_op·(h_c/d_c - 1 + E)                      otherwise;
// never below 0 (a squat silo under filling has none).
double patchFactor(SiloState state, double slenderness, double solidFactor,
                   double relativeEccentricity);

// The depth of the band's centre below the equivalent surface that applies
// when none is given: the smaller of z₀ and h_c/2.
double defaultPatchDepth(const SiloWall& wall);

// The band of one patch load.
struct SiloPatch {
    double radius = 0.0; // r of the wall
    double centre = 0.0; // z of the band's centre (as the nodes give it)
    double height = 0.0; // s
    double factor = 0.0; // C_pf or C_pe
    double pressure =
        0.0; // p_pf = C_pf·p_hf or p_pe = C_pe·p_he at the centre: the amplitude of p·cos θ

    double top() const { return centre - height / 2.0; }
    double bottom() const { return centre + height / 2.0; }
    // The horizontal resultant of p·cos θ over the band: π/2·s·d_c·p.
    double resultant() const;
};

// The patch on `wall` with its centre `depth` below the equivalent surface
// (0: defaultPatchDepth), the factor C_op and the eccentricity e (E = 2·e/d_c).
// The pressure is uniform over the band: the wall's horizontal pressure at
// the centre times the factor.
SiloPatch siloPatch(const SiloWall& wall, double depth, double solidFactor, double eccentricity);

} // namespace venkar
