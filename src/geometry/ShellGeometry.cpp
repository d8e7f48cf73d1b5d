#include "geometry/ShellGeometry.h"

#include "model/Model.h"

#include <cmath>
#include <numbers>

namespace venkar {

namespace {

constexpr double pi = std::numbers::pi;

const ShellRecord& shellRow(const Model& model, int shell) {
    return model.shells.row(shell);
}

Vector2 centreOf(const ShellGeometryCache& cache) {
    return {cache.centreR, cache.centreZ};
}

} // namespace

Vector2 nodePoint(const Model& model, int nodeNumber) {
    const NodeRecord& node = model.nodes.row(nodeNumber - 1);
    return {node.r, node.z};
}

Vector2 startPoint(const Model& model, int shell) {
    return nodePoint(model, shellRow(model, shell).startNode);
}

Vector2 endPoint(const Model& model, int shell) {
    return nodePoint(model, shellRow(model, shell).endNode);
}

void prepareGeometry(const Model& model, int shell) {
    const ShellRecord& record = shellRow(model, shell);
    ShellGeometryCache& cache = record.geometry;
    if (cache.ready)
        return;

    const Vector2 s = startPoint(model, shell);
    const Vector2 e = endPoint(model, shell);
    const double chord = length(e - s);
    cache.halfChord = 0.5 * chord;
    const double radius = record.radius;

    if (radius == 0.0 || std::fabs(radius) < cache.halfChord) {
        // Straight (or a radius too short for the chord, refused by the
        // plausibility check): only the chord direction, recomputed each time.
        cache.meridianAngle = angleOf(e - s);
        return;
    }

    // The chord subtends the half opening angle alpha at the centre:
    // sin(alpha) = (L/2) / |R|. The longer arc ("Außen") turns by pi - alpha.
    double alpha = std::asin(cache.halfChord / std::fabs(radius));
    if (record.curvature == 1)
        alpha = pi - alpha;

    const Vector2 middle = scaled(0.5, sum(e, s));
    Vector2 direction = e - s;
    if (chord != 0.0)
        direction = scaled(1.0 / chord, direction);
    // Normal of the chord towards the bulge.
    Vector2 normal = direction;
    turn(normal, -signum(radius) * pi / 2);
    // The centre lies (L/2) / tan(alpha) from the chord middle, on the far
    // side of the bulge for alpha < pi/2 and on the bulge side beyond.
    const Vector2 centre = middle + scaled(-chord / (2.0 * std::tan(alpha)), normal);

    cache.centreR = centre.x;
    cache.centreZ = centre.y;
    cache.meridianAngle = alpha;
    cache.ready = true;
}

bool geometryValid(const Model& model, int shell) {
    const ShellRecord& record = shellRow(model, shell);
    if (record.startNode == record.endNode)
        return false;
    if (!model.nodes.isDefined(record.startNode - 1) || !model.nodes.isDefined(record.endNode - 1))
        return false;
    prepareGeometry(model, shell);
    const double halfChord = record.geometry.halfChord;
    if (!(halfChord > 0.0))
        return false;
    return record.radius == 0.0 || std::fabs(record.radius) >= halfChord;
}

bool isArc(const Model& model, int shell) {
    prepareGeometry(model, shell);
    return shellRow(model, shell).geometry.ready;
}

double chordLength(const Model& model, int shell) {
    return length(endPoint(model, shell) - startPoint(model, shell));
}

double meridianLength(const Model& model, int shell) {
    if (!isArc(model, shell))
        return chordLength(model, shell);
    const ShellRecord& record = shellRow(model, shell);
    return 2.0 * std::fabs(record.radius * record.geometry.meridianAngle);
}

double tangentAngle(const Model& model, int shell, double x) {
    prepareGeometry(model, shell);
    const ShellRecord& record = shellRow(model, shell);
    const ShellGeometryCache& cache = record.geometry;
    if (!cache.ready)
        return cache.meridianAngle;

    // The radius to the start point turned by the swept angle 2 alpha x, plus
    // a quarter turn from radius to tangent, both in the sense of the bulge.
    const double s = signum(record.radius);
    double phi = angleOf(startPoint(model, shell) - centreOf(cache)) +
                 s * (2.0 * cache.meridianAngle * x + pi / 2);
    if (phi < 0.0)
        phi += 2.0 * pi;
    if (phi >= 2.0 * pi)
        phi -= 2.0 * pi;
    return phi;
}

Vector2 pointAt(const Model& model, int shell, double x, double offset) {
    prepareGeometry(model, shell);
    const ShellRecord& record = shellRow(model, shell);
    const ShellGeometryCache& cache = record.geometry;
    const Vector2 start = startPoint(model, shell);

    if (!cache.ready) {
        const Vector2 onChord = scaled(1.0 - x, start) + scaled(x, endPoint(model, shell));
        // (offset, 0) turned from +r onto the normal phi - pi/2.
        Vector2 shift{offset, 0.0};
        turn(shift, cache.meridianAngle - pi / 2);
        return onChord + shift;
    }

    const double s = signum(record.radius);
    const Vector2 centre = centreOf(cache);
    Vector2 radial = start - centre;
    if (offset != 0.0) {
        // Lengthen the radius: outwards for R > 0, inwards for R < 0.
        const double rho = length(radial);
        radial = scaled((s * offset + rho) / rho, radial);
    }
    turn(radial, 2.0 * s * cache.meridianAngle * x);
    return centre + radial;
}

int arcSegmentCount(const Model& model, int shell, double step) {
    if (!isArc(model, shell))
        return 1;
    const double alpha = shellRow(model, shell).geometry.meridianAngle;
    return static_cast<int>(2.0 * alpha / step + 1.0);
}

double secondRadius(const Model& model, int shell, double x) {
    const Vector2 p = pointAt(model, shell, x);
    return std::fabs(p.x / std::sin(tangentAngle(model, shell, x)));
}

} // namespace venkar
