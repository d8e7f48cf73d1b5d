#include "loads/SiloLoading.h"

#include "loads/SiloShells.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

template <class Record> bool coversShell(const Record& load, int shellNumber) {
    return load.fromShell <= shellNumber && shellNumber <= load.toShell;
}

} // namespace

SiloLoading::SiloLoading(const Model& model, int shellNumber) {
    for (int row : model.siloLoads.definedRows()) {
        const SiloLoadRecord& load = model.siloLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        const WallShape shape = wallShape(model, load);
        if (shape.fault == SiloShapeFault::none)
            walls_.push_back(siloWall(load, shape));
    }
    for (int row : model.hopperLoads.definedRows()) {
        const HopperLoadRecord& load = model.hopperLoads.row(row);
        if (!coversShell(load, shellNumber))
            continue;
        const HopperShape shape = hopperShape(model, load);
        if (shape.fault != SiloShapeFault::none)
            continue;
        const std::optional<int> wallRow = wallAboveHopper(model, shape);
        if (!wallRow)
            continue;
        const SiloLoadRecord& solid = model.siloLoads.row(*wallRow);
        SiloWall wall = siloWall(solid, wallShape(model, solid));
        const Hopper hopper = siloHopper(load, shape);
        // The hopper carries the vertical stress of the filled wall above it.
        wall.state = SiloState::filling;
        const double transition = wallPressure(wall, wall.transitionDepth).vertical;
        const SiloState state = solid.state == 2 ? SiloState::discharge : SiloState::filling;
        hoppers_.push_back({hopperLoadParameters(hopper, solid.pressureRatio, state, transition),
                            solid.unitWeight, hopper.height, shape.apexDepth, hopper.halfAngle});
    }
}

// Wall: p_h along +r, p_w along +z. Hopper: p_n along the outward normal
// (cos β, sin β), p_t down the wall along (-sin β, cos β).
Vector2 SiloLoading::at(Vector2 point) const {
    Vector2 q{};
    for (const SiloWall& wall : walls_) {
        const WallPressure p = wallPressure(wall, point.y);
        q = q + Vector2{p.horizontal, p.friction};
    }
    for (const HopperPart& part : hoppers_) {
        const double x = std::clamp(part.apexDepth - point.y, 0.0, part.height);
        const HopperPressure p = hopperPressure(part.parameters, part.unitWeight, part.height, x);
        const double c = std::cos(part.halfAngle);
        const double s = std::sin(part.halfAngle);
        q = q + Vector2{p.normal * c - p.friction * s, p.normal * s + p.friction * c};
    }
    return q;
}

} // namespace venkar
