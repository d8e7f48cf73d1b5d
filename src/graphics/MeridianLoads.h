#pragma once

#include <vector>

namespace venkar {

class Model;

// The loads around the circumference of a load case as they act on one
// meridian: every harmonic term taken at the angle, wind as q·c_p with c_p
// of the pressure table there. What acts across the meridian plane (the
// circumferential loads and forces ∝ sin n(φ − φₙ)) has no place in the
// meridian section and is left out.
struct MeridianLoads {
    // A surface load on a shell, linear from its start to its end: normal as
    // a surface load's "Querrichtung", meridional as its "Längsrichtung".
    struct ShellLoad {
        int shell = 0; // 0-based shell row
        double normalStart = 0.0;
        double normalEnd = 0.0;
        double meridionalStart = 0.0;
        double meridionalEnd = 0.0;
    };
    // Line loads at a node (per unit length of the circle, as node loads).
    struct NodeLoad {
        int node = 0; // node number
        double forceR = 0.0;
        double forceZ = 0.0;
        double moment = 0.0;
    };
    // A whole force at a node whose spread covers the angle.
    struct AngleForce {
        int node = 0; // node number
        double forceR = 0.0;
        double forceZ = 0.0;
    };

    std::vector<ShellLoad> shells;  // one per loaded shell, ascending rows
    std::vector<NodeLoad> nodes;    // one per loaded node, ascending numbers
    std::vector<AngleForce> forces; // in table order
    // The largest |force| of all angle loads at any angle: their arrows keep
    // one length while the angle changes.
    double largestAngleForce = 0.0;

    // The largest surface or line load magnitude, and the largest moment.
    double maxLoad() const;
    double maxMoment() const;
};

// The loads of `model` on the meridian at `angleDegrees` (from the windward
// one). Rows that name no drawable shell or defined node are left out, as
// is the wind while its pressure table is not one the check accepts. A load
// case without loads around the circumference gives an empty value.
MeridianLoads meridianLoadsAt(const Model& model, double angleDegrees);

} // namespace venkar
