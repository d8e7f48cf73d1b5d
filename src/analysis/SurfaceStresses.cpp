#include "analysis/SurfaceStresses.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

constexpr std::array<const char*, stressComponentCount> stressKeys{
    "sigma_meridional_pos", "sigma_meridional_neg", "sigma_hoop_pos",
    "sigma_hoop_neg",       "von_mises_pos",        "von_mises_neg"};

} // namespace

const char* stressComponentKey(int component) {
    return stressKeys.at(static_cast<std::size_t>(component));
}

// The radicand is a positive semidefinite form; the bound keeps a rounding
// below zero (equal tiny stresses) from giving NaN.
double vonMises(double first, double second) {
    return std::sqrt(std::max(0.0, first * first - first * second + second * second));
}

StressValues surfaceStresses(const SectionValues& values, double wallThickness) {
    const double t = wallThickness;
    const double membraneMeridional = values[resultNTheta] / t;
    const double bendingMeridional = 6.0 * values[resultMTheta] / (t * t);
    const double membraneHoop = values[resultNPhi] / t;
    const double bendingHoop = 6.0 * values[resultMPhi] / (t * t);
    StressValues stresses{};
    stresses[stressMeridionalPos] = membraneMeridional + bendingMeridional;
    stresses[stressMeridionalNeg] = membraneMeridional - bendingMeridional;
    stresses[stressHoopPos] = membraneHoop + bendingHoop;
    stresses[stressHoopNeg] = membraneHoop - bendingHoop;
    stresses[stressVonMisesPos] = vonMises(stresses[stressMeridionalPos], stresses[stressHoopPos]);
    stresses[stressVonMisesNeg] = vonMises(stresses[stressMeridionalNeg], stresses[stressHoopNeg]);
    return stresses;
}

FaceShear faceShear(double inPlaneShear, double twistingMoment, double wallThickness) {
    const double t = wallThickness;
    const double membrane = inPlaneShear / t;
    const double bending = 6.0 * twistingMoment / (t * t);
    return {membrane + bending, membrane - bending};
}

namespace {

double radicandWithShear(double meridional, double hoop, double tau) {
    return meridional * meridional - meridional * hoop + hoop * hoop + 3.0 * tau * tau;
}

} // namespace

// The square root rises with its argument, so the larger root is the root
// of the larger radicand.
double largerVonMises(const SectionValues& values, double wallThickness, FaceShear shear) {
    const double t = wallThickness;
    const double membraneMeridional = values[resultNTheta] / t;
    const double bendingMeridional = 6.0 * values[resultMTheta] / (t * t);
    const double membraneHoop = values[resultNPhi] / t;
    const double bendingHoop = 6.0 * values[resultMPhi] / (t * t);
    const double pos = radicandWithShear(membraneMeridional + bendingMeridional,
                                         membraneHoop + bendingHoop, shear.pos);
    const double neg = radicandWithShear(membraneMeridional - bendingMeridional,
                                         membraneHoop - bendingHoop, shear.neg);
    return std::sqrt(pos > neg ? pos : neg);
}

StressValues surfaceStresses(const SectionValues& values, double wallThickness, FaceShear shear) {
    StressValues stresses = surfaceStresses(values, wallThickness);
    const auto withShear = [](double meridional, double hoop, double tau) {
        return std::sqrt(radicandWithShear(meridional, hoop, tau));
    };
    stresses[stressVonMisesPos] =
        withShear(stresses[stressMeridionalPos], stresses[stressHoopPos], shear.pos);
    stresses[stressVonMisesNeg] =
        withShear(stresses[stressMeridionalNeg], stresses[stressHoopNeg], shear.neg);
    return stresses;
}

} // namespace venkar
