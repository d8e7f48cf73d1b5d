#pragma once

#include "geometry/Vector2.h"
#include "loads/SiloPressures.h"

#include <vector>

namespace venkar {

class Model;

// The surface loads of the stored solids on one shell: every silo load row
// whose wall and every hopper load row whose hopper includes the shell. The
// loads are global vectors (r outward from the axis, z down), so they act
// outward and downward whichever way the shell was entered.
//
// Rows whose shells do not form a wall or hopper are left out, and values
// the checks refuse give no load, so that a picture of unchecked input can
// ask too.
class SiloLoading {
public:
    SiloLoading(const Model& model, int shellNumber);

    bool empty() const { return walls_.empty() && hoppers_.empty(); }
    // The load per unit area of the shell's surface at the meridian point.
    Vector2 at(Vector2 point) const;

private:
    struct HopperPart {
        HopperLoadParameters parameters;
        double unitWeight = 0.0;
        double height = 0.0;    // h_h
        double apexDepth = 0.0; // z of the apex
        double halfAngle = 0.0; // β
    };
    std::vector<SiloWall> walls_;
    std::vector<HopperPart> hoppers_;
};

// The largest component (r or z) of the silo loads on any shell, sampled
// along each shell; 0 without silo loads. Safe for any input.
double maxSiloPressure(const Model& model);

} // namespace venkar
