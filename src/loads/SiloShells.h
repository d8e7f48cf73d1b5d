#pragma once

#include "geometry/Vector2.h"
#include "loads/SiloPressures.h"

#include <optional>
#include <vector>

namespace venkar {

class Model;
struct HopperLoadRecord;
struct SiloLoadRecord;

// What is wrong with the shells a silo or hopper load row names.
enum class SiloShapeFault {
    none,
    notChain,         // consecutive shells do not share a node, or the chain turns back
    wallNotVertical,  // a wall shell is curved, not vertical or off the wall's radius
    hopperNotConical, // a hopper shell is curved or off the cone, or the cone widens downwards
    noWallAbove,      // the hopper does not start at the bottom of a filled wall
};

// The meridian of a chain of straight shells from its top (smallest z) to its
// bottom: the points where the shells meet, in order.
struct ShellChainPoints {
    SiloShapeFault fault = SiloShapeFault::none;
    std::vector<Vector2> points; // top first
};

// The shells fromShell..toShell (1-based) as one chain: every shell defined
// and evaluable, each sharing a node with the next, and z growing strictly
// along the chain. Curved shells are refused as not vertical or not conical
// by the wall and hopper below.
ShellChainPoints shellChain(const Model& model, int fromShell, int toShell);

// The vertical wall of a silo load row: one radius, straight shells.
struct WallShape {
    SiloShapeFault fault = SiloShapeFault::none;
    double radius = 0.0;
    double top = 0.0;    // z of the wall's top
    double bottom = 0.0; // z of the transition
};
WallShape wallShape(const Model& model, const SiloLoadRecord& load);

// The conical hopper of a hopper load row: straight shells on one cone that
// narrows downwards, starting at `top` (the transition).
struct HopperShape {
    SiloShapeFault fault = SiloShapeFault::none;
    Vector2 top{};          // (r, z) at the transition
    double halfAngle = 0.0; // β from the vertical
    double apexDepth = 0.0; // z of the cone's apex
};
HopperShape hopperShape(const Model& model, const HopperLoadRecord& load);

// The silo load row (0-based) whose wall ends where the hopper starts; none
// when no defined row's wall does.
std::optional<int> wallAboveHopper(const Model& model, const HopperShape& hopper);

// The solid and wall of a silo load row, for a wall of that shape.
SiloWall siloWall(const SiloLoadRecord& load, const WallShape& shape);
// The hopper of a hopper load row, for a cone of that shape.
Hopper siloHopper(const HopperLoadRecord& load, const HopperShape& shape);

// Degrees to radians.
double radiansOf(double degrees);

} // namespace venkar
