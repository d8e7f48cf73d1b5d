#include "harmonic/HarmonicRing.h"

#include "harmonic/HarmonicInput.h"
#include "model/RingClass.h"

namespace venkar {

namespace {

double dot(const std::array<double, 4>& a, const std::array<double, 4>& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
}

void addProduct(RingSquare& k, const std::array<double, 4>& row, double factor) {
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            k[i][j] += factor * row[i] * row[j];
}

} // namespace

// DOF order (wr, wz, rotation, v).
HarmonicRingStrains harmonicRingStrains(double radius, Harmonic harmonic) {
    const double n = harmonic.n;
    const double sv = harmonic.vSign();
    const double r = radius;
    HarmonicRingStrains s;
    s.extension = {1.0 / r, 0.0, 0.0, sv * n / r};
    s.inPlane = {n * n / (r * r), 0.0, 0.0, sv * n / (r * r)};
    s.outOfPlane = {0.0, -n * n / (r * r), 1.0 / r, 0.0};
    s.torsion = {0.0, -sv * n / (r * r), sv * n / r, 0.0};
    return s;
}

RingSquare harmonicRingStiffness(double radius, const RingRecord& ring,
                                 const HarmonicRingSection* section, Harmonic harmonic) {
    const HarmonicRingStrains s = harmonicRingStrains(radius, harmonic);
    const double a = harmonic.factorA() * radius;
    const double b = harmonic.factorB() * radius;
    RingSquare k{};
    addProduct(k, s.extension, a * ring.modulus * ring.area);
    addProduct(k, s.outOfPlane, a * ring.modulus * ring.inertia);
    if (section != nullptr) {
        addProduct(k, s.inPlane, a * ring.modulus * section->inertiaZ);
        addProduct(k, s.torsion, b * section->shearModulus * section->torsionConstant);
    }
    return k;
}

HarmonicRingForces harmonicRingForces(double radius, const RingRecord& ring,
                                      const HarmonicRingSection* section, Harmonic harmonic,
                                      const std::array<double, 4>& d) {
    const HarmonicRingStrains s = harmonicRingStrains(radius, harmonic);
    HarmonicRingForces forces;
    forces.hoopForce = ring.modulus * ring.area * dot(s.extension, d);
    forces.outOfPlaneMoment = ring.modulus * ring.inertia * dot(s.outOfPlane, d);
    if (section != nullptr) {
        forces.inPlaneMoment = ring.modulus * section->inertiaZ * dot(s.inPlane, d);
        forces.torque = section->shearModulus * section->torsionConstant * dot(s.torsion, d);
    }
    return forces;
}

} // namespace venkar
