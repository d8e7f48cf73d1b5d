#include "loads/SiloLoading.h"

#include "geometry/ShellGeometry.h"
#include "loads/SiloShells.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

// Points along a shell at which the largest pressure is sought.
constexpr int pressureSamples = 20;

// Input the checks would refuse (K or μ of 0) gives no load instead of an
// infinite one in a picture drawn before any check.
Vector2 finiteOrZero(Vector2 q) {
    return std::isfinite(q.x) && std::isfinite(q.y) ? q : Vector2{};
}

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
        q = q + finiteOrZero({p.horizontal, p.friction});
    }
    for (const HopperPart& part : hoppers_) {
        const double x = std::clamp(part.apexDepth - point.y, 0.0, part.height);
        const HopperPressure p = hopperPressure(part.parameters, part.unitWeight, part.height, x);
        const double c = std::cos(part.halfAngle);
        const double s = std::sin(part.halfAngle);
        q = q + finiteOrZero({p.normal * c - p.friction * s, p.normal * s + p.friction * c});
    }
    return q;
}

double maxSiloPressure(const Model& model) {
    double largest = 0.0;
    std::vector<bool> seen(static_cast<std::size_t>(model.shells.count()) + 1, false);
    const auto sample = [&](int from, int to) {
        for (int shell = std::max(from, 1); shell <= to && shell <= model.shells.count(); ++shell) {
            if (seen[static_cast<std::size_t>(shell)] || !model.shells.isDefined(shell - 1) ||
                !geometryValid(model, shell - 1))
                continue;
            seen[static_cast<std::size_t>(shell)] = true;
            const SiloLoading loading(model, shell);
            if (loading.empty())
                continue;
            for (int i = 0; i <= pressureSamples; ++i) {
                const Vector2 q =
                    loading.at(pointAt(model, shell - 1, double(i) / pressureSamples));
                largest = std::max({largest, std::fabs(q.x), std::fabs(q.y)});
            }
        }
    };
    for (int row : model.siloLoads.definedRows())
        sample(model.siloLoads.row(row).fromShell, model.siloLoads.row(row).toShell);
    for (int row : model.hopperLoads.definedRows())
        sample(model.hopperLoads.row(row).fromShell, model.hopperLoads.row(row).toShell);
    return largest;
}

} // namespace venkar
