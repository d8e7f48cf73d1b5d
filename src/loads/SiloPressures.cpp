#include "loads/SiloPressures.h"

#include <cmath>

namespace venkar {

namespace {

// S of a conical hopper in the exponent of the vertical stress.
constexpr double coneShape = 2.0;

// Exponents this close to 1 take the logarithmic limit of the hopper stress.
constexpr double unitExponentTolerance = 1e-9;

// The wall pressure factor Y (Y_J or Y_R) at depth ζ below the equivalent
// surface, and the mean vertical stress there.
struct WallState {
    double factor = 0.0;
    double vertical = 0.0;
};

// Y_J = 1 - exp(-ζ/z₀), p_v = γ·z₀·Y_J.
WallState janssen(const SiloWall& wall, double zeta) {
    const double z0 = janssenDepth(wall.radius, wall.pressureRatio, wall.wallFriction);
    const double factor = 1.0 - std::exp(-zeta / z0);
    return {factor, wall.unitWeight * z0 * factor};
}

// The modified theory of intermediate and squat silos: pressures start at
// the highest contact h₀ of the heap with the wall.
WallState belowHeap(const SiloWall& wall, double zeta) {
    const double z0 = janssenDepth(wall.radius, wall.pressureRatio, wall.wallFriction);
    const double h0 = heapDepth(wall.radius, wall.reposeAngle);
    if (zeta <= h0)
        return {0.0, wall.unitWeight * zeta};
    const double n = -(1.0 + std::tan(wall.reposeAngle)) * (1.0 - h0 / z0);
    const double span = z0 - h0;
    const double ratio = (zeta - h0) / span + 1.0; // (ζ + z₀ - 2h₀)/(z₀ - h₀)
    const double factor = 1.0 - std::pow(ratio, n);
    // z_V = h₀ + ∫ from h₀ to ζ of ratio^n, in closed form.
    const double zv = std::fabs(n + 1.0) < unitExponentTolerance
                          ? h0 + span * std::log(ratio)
                          : h0 + span * (std::pow(ratio, n + 1.0) - 1.0) / (n + 1.0);
    return {factor, wall.unitWeight * zv};
}

} // namespace

SiloSlenderness siloSlenderness(double height, double diameter) {
    const double ratio = height / diameter;
    if (ratio >= 2.0)
        return SiloSlenderness::slender;
    if (ratio > 1.0)
        return SiloSlenderness::intermediate;
    return SiloSlenderness::squat;
}

double janssenDepth(double radius, double pressureRatio, double wallFriction) {
    return radius / (2.0 * pressureRatio * wallFriction);
}

double heapDepth(double radius, double reposeAngle) {
    return radius * std::tan(reposeAngle) / 3.0;
}

WallPressure wallPressure(const SiloWall& wall, double z) {
    const double zeta = z - wall.surfaceDepth;
    if (zeta <= 0.0)
        return {};
    const WallState state = wall.slenderness() == SiloSlenderness::slender ? janssen(wall, zeta)
                                                                           : belowHeap(wall, zeta);
    const double z0 = janssenDepth(wall.radius, wall.pressureRatio, wall.wallFriction);
    const double horizontal = wall.unitWeight * wall.pressureRatio * z0 * state.factor;
    WallPressure p{horizontal, wall.wallFriction * horizontal, state.vertical};
    if (wall.state == SiloState::discharge) {
        p.horizontal *= wall.dischargeHoop;
        p.friction *= wall.dischargeFriction;
    }
    return p;
}

bool steepHopper(double halfAngle, double pressureRatio, double hopperFriction) {
    return std::tan(halfAngle) < (1.0 - pressureRatio) / (2.0 * hopperFriction);
}

HopperLoadParameters hopperLoadParameters(const Hopper& hopper, double pressureRatio,
                                          SiloState state, double transitionStress) {
    HopperLoadParameters p;
    p.steep = steepHopper(hopper.halfAngle, pressureRatio, hopper.hopperFriction);
    p.transitionStress = hopper.bottomMagnifier * transitionStress;
    const double tanBeta = std::tan(hopper.halfAngle);
    // A shallow hopper does not mobilise the full wall friction.
    p.friction = p.steep ? hopper.hopperFriction : (1.0 - pressureRatio) / (2.0 * tanBeta);
    if (p.steep && state == SiloState::discharge) {
        const double wallAngle = std::atan(hopper.hopperFriction);
        const double sinInternal = std::sin(hopper.internalFriction);
        const double epsilon = wallAngle + std::asin(std::sin(wallAngle) / sinInternal);
        p.pressureFactor = (1.0 + sinInternal * std::cos(epsilon)) /
                           (1.0 - sinInternal * std::cos(2.0 * hopper.halfAngle + epsilon));
        p.exponent = coneShape * (p.pressureFactor * p.friction / tanBeta + p.pressureFactor) - 2.0;
        return p;
    }
    p.pressureFactor = 1.0 - hopper.factorB / (1.0 + tanBeta / p.friction);
    p.exponent = coneShape * (1.0 - hopper.factorB) * p.friction / tanBeta;
    return p;
}

HopperPressure hopperPressure(const HopperLoadParameters& parameters, double unitWeight,
                              double hopperHeight, double x) {
    const double s = x / hopperHeight;
    const double n = parameters.exponent;
    const double vertical =
        std::fabs(n - 1.0) < unitExponentTolerance
            ? (x > 0.0 ? unitWeight * x * std::log(1.0 / s) : 0.0) + parameters.transitionStress * s
            : unitWeight * hopperHeight / (n - 1.0) * (s - std::pow(s, n)) +
                  parameters.transitionStress * std::pow(s, n);
    const double normal = parameters.pressureFactor * vertical;
    return {normal, parameters.friction * normal, vertical};
}

} // namespace venkar
