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

Meridian meridianOf(const Model& model, int shell) {
    const ShellRecord& record = shellRow(model, shell);
    Meridian m;
    m.start = startPoint(model, shell);
    m.end = endPoint(model, shell);
    m.radius = record.radius;
    const Vector2 s = m.start;
    const Vector2 e = m.end;
    const double chord = length(e - s);
    m.halfChord = 0.5 * chord;
    const double radius = record.radius;

    if (radius == 0.0 || std::fabs(radius) < m.halfChord) {
        // Straight (or a radius too short for the chord, refused by the
        // plausibility check): only the chord direction.
        m.angle = angleOf(e - s);
        return m;
    }

    // The chord subtends the half opening angle alpha at the centre:
    // sin(alpha) = (L/2) / |R|. The longer arc ("Außen") turns by pi - alpha.
    double alpha = std::asin(m.halfChord / std::fabs(radius));
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
    m.centre = middle + scaled(-chord / (2.0 * std::tan(alpha)), normal);
    m.angle = alpha;
    m.arc = true;
    return m;
}

double Meridian::chordLength() const {
    return venkar::length(end - start);
}

double Meridian::length() const {
    if (!arc)
        return chordLength();
    return 2.0 * std::fabs(radius * angle);
}

double Meridian::tangentAngle(double x) const {
    if (!arc)
        return angle;
    // The radius to the start point turned by the swept angle 2 alpha x, plus
    // a quarter turn from radius to tangent, both in the sense of the bulge.
    const double s = signum(radius);
    double phi = angleOf(start - centre) + s * (2.0 * angle * x + pi / 2);
    if (phi < 0.0)
        phi += 2.0 * pi;
    if (phi >= 2.0 * pi)
        phi -= 2.0 * pi;
    return phi;
}

Vector2 Meridian::pointAt(double x, double offset) const {
    if (!arc) {
        const Vector2 onChord = scaled(1.0 - x, start) + scaled(x, end);
        // (offset, 0) turned from +r onto the normal phi - pi/2.
        Vector2 shift{offset, 0.0};
        turn(shift, angle - pi / 2);
        return onChord + shift;
    }

    const double s = signum(radius);
    Vector2 radial = start - centre;
    if (offset != 0.0) {
        // Lengthen the radius: outwards for R > 0, inwards for R < 0.
        const double rho = venkar::length(radial);
        radial = scaled((s * offset + rho) / rho, radial);
    }
    turn(radial, 2.0 * s * angle * x);
    return centre + radial;
}

int Meridian::arcSegmentCount(double step) const {
    if (!arc)
        return 1;
    return static_cast<int>(2.0 * angle / step + 1.0);
}

double Meridian::secondRadius(double x) const {
    const Vector2 p = pointAt(x);
    return std::fabs(p.x / std::sin(tangentAngle(x)));
}

bool geometryValid(const Model& model, int shell) {
    const ShellRecord& record = shellRow(model, shell);
    if (record.startNode == record.endNode)
        return false;
    if (!model.nodes.isDefined(record.startNode - 1) || !model.nodes.isDefined(record.endNode - 1))
        return false;
    const double halfChord = meridianOf(model, shell).halfChord;
    if (!(halfChord > 0.0))
        return false;
    return record.radius == 0.0 || std::fabs(record.radius) >= halfChord;
}

bool isArc(const Model& model, int shell) {
    return meridianOf(model, shell).arc;
}

double chordLength(const Model& model, int shell) {
    return length(endPoint(model, shell) - startPoint(model, shell));
}

double meridianLength(const Model& model, int shell) {
    return meridianOf(model, shell).length();
}

double tangentAngle(const Model& model, int shell, double x) {
    return meridianOf(model, shell).tangentAngle(x);
}

Vector2 pointAt(const Model& model, int shell, double x, double offset) {
    return meridianOf(model, shell).pointAt(x, offset);
}

int arcSegmentCount(const Model& model, int shell, double step) {
    return meridianOf(model, shell).arcSegmentCount(step);
}

double secondRadius(const Model& model, int shell, double x) {
    return meridianOf(model, shell).secondRadius(x);
}

} // namespace venkar
