#include "loads/SiloShells.h"

#include "geometry/ShellGeometry.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// Coordinates that differ by less than this share of the chain's size count
// as equal: a wall typed with a radius of 5.0 and 5.0000000001 is vertical.
constexpr double relativeTolerance = 1e-7;

double chainSize(const std::vector<Vector2>& points) {
    double size = 0.0;
    for (const Vector2& p : points)
        size = std::max({size, std::fabs(p.x), std::fabs(p.y)});
    return std::max(size, 1.0);
}

// The node the shell has besides `node`; 0 when `node` is not one of its two.
int otherNode(const ShellRecord& shell, int node) {
    if (shell.startNode == node)
        return shell.endNode;
    if (shell.endNode == node)
        return shell.startNode;
    return 0;
}

} // namespace

double radiansOf(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

ShellChainPoints shellChain(const Model& model, int fromShell, int toShell) {
    ShellChainPoints chain;
    for (int shell = fromShell; shell <= toShell; ++shell)
        if (!model.shells.isDefined(shell - 1) || !geometryValid(model, shell - 1)) {
            chain.fault = SiloShapeFault::notChain;
            return chain;
        }
    if (toShell < fromShell) {
        chain.fault = SiloShapeFault::notChain;
        return chain;
    }
    const ShellRecord& first = model.shells.row(fromShell - 1);
    std::vector<int> nodes{first.startNode, first.endNode};
    if (toShell > fromShell) {
        const ShellRecord& second = model.shells.row(fromShell);
        if (otherNode(second, first.startNode) != 0)
            std::swap(nodes[0], nodes[1]);
    }
    for (int shell = fromShell + 1; shell <= toShell; ++shell) {
        const int next = otherNode(model.shells.row(shell - 1), nodes.back());
        if (next == 0 || next == nodes.back()) {
            chain.fault = SiloShapeFault::notChain;
            return chain;
        }
        nodes.push_back(next);
    }
    for (int node : nodes)
        chain.points.push_back(nodePoint(model, node));
    if (chain.points.front().y > chain.points.back().y)
        std::reverse(chain.points.begin(), chain.points.end());
    for (std::size_t i = 1; i < chain.points.size(); ++i)
        if (!(chain.points[i].y > chain.points[i - 1].y))
            chain.fault = SiloShapeFault::notChain;
    return chain;
}

WallShape wallShape(const Model& model, const SiloLoadRecord& load) {
    WallShape shape;
    const ShellChainPoints chain = shellChain(model, load.fromShell, load.toShell);
    if (chain.fault != SiloShapeFault::none) {
        shape.fault = chain.fault;
        return shape;
    }
    for (int shell = load.fromShell; shell <= load.toShell; ++shell)
        if (isArc(model, shell - 1)) {
            shape.fault = SiloShapeFault::wallNotVertical;
            return shape;
        }
    const double tolerance = relativeTolerance * chainSize(chain.points);
    shape.radius = chain.points.front().x;
    shape.top = chain.points.front().y;
    shape.bottom = chain.points.back().y;
    for (const Vector2& p : chain.points)
        if (std::fabs(p.x - shape.radius) > tolerance)
            shape.fault = SiloShapeFault::wallNotVertical;
    if (shape.radius <= tolerance)
        shape.fault = SiloShapeFault::wallNotVertical;
    return shape;
}

HopperShape hopperShape(const Model& model, const HopperLoadRecord& load) {
    HopperShape shape;
    const ShellChainPoints chain = shellChain(model, load.fromShell, load.toShell);
    if (chain.fault != SiloShapeFault::none) {
        shape.fault = chain.fault;
        return shape;
    }
    for (int shell = load.fromShell; shell <= load.toShell; ++shell)
        if (isArc(model, shell - 1)) {
            shape.fault = SiloShapeFault::hopperNotConical;
            return shape;
        }
    const Vector2 top = chain.points.front();
    const Vector2 bottom = chain.points.back();
    const Vector2 axis = bottom - top;
    const double tolerance = relativeTolerance * chainSize(chain.points);
    // Narrowing downwards: the radius falls along the whole chain, and every
    // point lies on the line from the top to the bottom.
    for (std::size_t i = 1; i < chain.points.size(); ++i) {
        const Vector2 p = chain.points[i] - top;
        const double offLine = std::fabs(p.x * axis.y - p.y * axis.x) / length(axis);
        if (!(chain.points[i].x < chain.points[i - 1].x) || offLine > tolerance) {
            shape.fault = SiloShapeFault::hopperNotConical;
            return shape;
        }
    }
    shape.top = top;
    shape.halfAngle = std::atan2(top.x - bottom.x, bottom.y - top.y);
    shape.apexDepth = top.y + top.x * (bottom.y - top.y) / (top.x - bottom.x);
    return shape;
}

std::optional<int> wallAboveHopper(const Model& model, const HopperShape& hopper) {
    for (int row : model.siloLoads.definedRows()) {
        const WallShape wall = wallShape(model, model.siloLoads.row(row));
        if (wall.fault != SiloShapeFault::none)
            continue;
        const double tolerance =
            relativeTolerance * std::max({1.0, wall.radius, std::fabs(wall.bottom)});
        if (std::fabs(wall.radius - hopper.top.x) <= tolerance &&
            std::fabs(wall.bottom - hopper.top.y) <= tolerance)
            return row;
    }
    return std::nullopt;
}

SiloWall siloWall(const SiloLoadRecord& load, const WallShape& shape) {
    SiloWall wall;
    wall.unitWeight = load.unitWeight;
    wall.pressureRatio = load.pressureRatio;
    wall.wallFriction = load.wallFriction;
    wall.surfaceDepth = load.surfaceDepth;
    wall.radius = shape.radius;
    wall.transitionDepth = shape.bottom;
    wall.state = load.state == 2 ? SiloState::discharge : SiloState::filling;
    wall.dischargeHoop = load.dischargeHoop;
    wall.dischargeFriction = load.dischargeFriction;
    wall.reposeAngle = radiansOf(load.reposeAngle);
    return wall;
}

Hopper siloHopper(const HopperLoadRecord& load, const HopperShape& shape) {
    Hopper hopper;
    hopper.halfAngle = shape.halfAngle;
    hopper.height = shape.apexDepth - shape.top.y;
    hopper.hopperFriction = load.hopperFriction;
    hopper.factorB = load.factorB;
    hopper.bottomMagnifier = load.bottomMagnifier;
    hopper.internalFriction = radiansOf(load.internalFriction);
    return hopper;
}

} // namespace venkar
