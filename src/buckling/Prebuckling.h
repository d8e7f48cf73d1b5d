#pragma once

#include "buckling/GeometricStiffness.h"
#include "harmonic/HarmonicInput.h"

#include <array>
#include <string>
#include <vector>

namespace venkar {

class Model;

// The prebuckling state of a load case: the linear axisymmetric solution
// under its loads (temperature and prescribed displacements included), read
// where the geometric and the pressure stiffness need it. Indices follow the
// mesh of the harmonic analysis, which every harmonic rebuilds identically.
struct PrebucklingState {
    // Per shell element: N-Theta and N-Phi at its ends.
    std::vector<PrebucklingForces> shellForces;
    // Per shell element: the pressure that follows the wall, along the
    // element normal, at its start and end.
    std::vector<std::array<double, 2>> pressures;
    // Per ring element: its hoop force N.
    std::vector<double> ringHoopForces;

    // Whether any membrane force is compressive beyond round-off (a
    // millionth of the largest membrane force), or any ring force (against
    // the largest ring force); without compression nothing buckles.
    bool anyCompression() const;
};

// Solves the load case of `model` axisymmetrically (the harmonic n = 0 of
// the harmonic analysis with `input`'s system data, no loads around the
// circumference) and collects its state. Returns false with `error` set as
// the harmonic analysis does.
bool prebucklingState(const Model& model, const HarmonicInput& input, int flags,
                      PrebucklingState& state, std::string& error);

// The normal pressure that follows the wall at the relative positions x0, x1
// of shell row `shellIndex`: the transverse part of every surface load on
// it and the water pressure (z - z0)·γ at the shell's true points.
std::array<double, 2> followerPressure(const Model& model, int shellIndex, double x0, double x1);

} // namespace venkar
