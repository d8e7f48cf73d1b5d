#include "geometry/ElementLength.h"

#include "geometry/ShellGeometry.h"
#include "geometry/ShellMaterial.h"
#include "geometry/ShellsAtNode.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace venkar {

namespace {

constexpr double unlimited = std::numeric_limits<double>::max();
constexpr double onAxis = 1e-10;
constexpr double horizontalTangent = 1e-5;
// Held in extended precision; the product with the wave length is formed in
// it too and rounded once when stored.
constexpr long double oneFifteenth = 1.0L / 15.0L;

// The part of the element length that the shell decides on its own.
struct OwnLength {
    double length;
    bool decided; // set by the bending wave length; the neighbours do not matter
};

OwnLength ownElementLength(const Model& model, int shell, double x) {
    // On the axis R2 vanishes; sample a little way into the shell instead.
    if (pointAt(model, shell, x).x < onAxis)
        x = x - (x - 0.5) * 0.1;

    double result = unlimited;
    const double radius = model.shells.row(shell).radius;
    if (radius != 0.0)
        result = std::min(result, std::fabs(0.05 * radius));

    const Vector2 p = pointAt(model, shell, x);
    if (std::fabs(p.x) > onAxis &&
        std::fabs(std::sin(tangentAngle(model, shell, x))) > horizontalTangent) {
        const long double fifteenth =
            static_cast<long double>(bendingWaveLength(model, shell, x)) * oneFifteenth;
        result = static_cast<double>(std::min(static_cast<long double>(result), fifteenth));
        return {result, true};
    }
    return {result, false};
}

double withNeighbours(const Model& model, const ShellsAtNode& shellsAtNode, int shell, double own) {
    const ShellRecord& record = model.shells.row(shell);
    double result = std::min({own, nodeElementLength(model, shellsAtNode, record.startNode, shell),
                              nodeElementLength(model, shellsAtNode, record.endNode, shell)});
    if (result == unlimited)
        result = 0.1 * chordLength(model, shell);
    return result;
}

} // namespace

double decayFactor(const Model& model, int shell, double x) {
    const double nu = poissonRatio(model, shell);
    const double t = wallThickness(model, shell);
    const double r2 = secondRadius(model, shell, x);
    return std::pow((1.0 - nu * nu) * 3.0 * (r2 * r2 / (t * t)), 0.25);
}

double bendingWaveLength(const Model& model, int shell, double x) {
    return secondRadius(model, shell, x) * 2.0 * std::numbers::pi / decayFactor(model, shell, x);
}

double elementLength(const Model& model, int shell, double x, bool neighboursOnly) {
    const OwnLength own = ownElementLength(model, shell, x);
    if (own.decided || neighboursOnly)
        return own.length;
    return withNeighbours(model, ShellsAtNode(model), shell, own.length);
}

double elementLength(const Model& model, const ShellsAtNode& shellsAtNode, int shell, double x) {
    const OwnLength own = ownElementLength(model, shell, x);
    if (own.decided)
        return own.length;
    return withNeighbours(model, shellsAtNode, shell, own.length);
}

double nodeElementLength(const Model& model, const ShellsAtNode& shellsAtNode, int nodeNumber,
                         int ownShell) {
    double result = unlimited;
    for (const ShellsAtNode::ShellEnd& end : shellsAtNode.at(nodeNumber))
        if (end.shell != ownShell)
            result = std::min(result, elementLength(model, end.shell, end.x, true));
    return result;
}

double nodeElementLength(const Model& model, int nodeNumber, int ownShell) {
    return nodeElementLength(model, ShellsAtNode(model), nodeNumber, ownShell);
}

} // namespace venkar
