#include "harmonic/HarmonicResults.h"

#include <cmath>

namespace venkar {

namespace {

constexpr std::array<const char*, harmonicQuantityCount> quantityNames{
    "wr",         "wz",    "v",       "rotation",   "N-Phi",   "N-Theta",
    "N-PhiTheta", "M-Phi", "M-Theta", "M-PhiTheta", "Q-Theta", "Q-Phi"};

} // namespace

const char* harmonicQuantityName(int quantity) {
    return quantityNames[static_cast<std::size_t>(quantity)];
}

bool variesLikeV(int quantity) {
    return quantity == harmonicV || quantity == harmonicNPhiTheta ||
           quantity == harmonicMPhiTheta || quantity == harmonicQPhi;
}

// Symmetric set: u-like cos nφ, v-like sin nφ; antisymmetric: the reverse.
double angleFactor(Harmonic h, bool likeV, double angle) {
    const bool cosine = likeV == (h.set == HarmonicSet::antisymmetric);
    return cosine ? std::cos(h.n * angle) : std::sin(h.n * angle);
}

double HarmonicResults::elementValue(int element, double l, int quantity, double angle) const {
    const auto e = static_cast<std::size_t>(element);
    const auto q = static_cast<std::size_t>(quantity);
    double sum = 0.0;
    for (const HarmonicSolution& solution : solutions) {
        const std::array<HarmonicValues, 2>& ends = solution.elementEnds[e];
        sum += ((1.0 - l) * ends[0][q] + l * ends[1][q]) *
               angleFactor(solution.harmonic, variesLikeV(quantity), angle);
    }
    return sum;
}

double HarmonicResults::nodeValue(int node, int k, double angle) const {
    double sum = 0.0;
    for (const HarmonicSolution& solution : solutions)
        sum += solution.nodeValues[static_cast<std::size_t>(node)][static_cast<std::size_t>(k)] *
               angleFactor(solution.harmonic, k == 3, angle);
    return sum;
}

double HarmonicResults::reaction(int node, int k, double angle) const {
    double sum = 0.0;
    for (const HarmonicSolution& solution : solutions)
        sum += solution.reactions[static_cast<std::size_t>(node)][static_cast<std::size_t>(k)] *
               angleFactor(solution.harmonic, k == 3, angle);
    return sum;
}

// N, Mz and My vary as wr does; the torque as v.
HarmonicRingForces HarmonicResults::ringForces(int ring, double angle) const {
    HarmonicRingForces sum;
    for (const HarmonicSolution& solution : solutions) {
        const HarmonicRingForces& f = solution.rings[static_cast<std::size_t>(ring)];
        const double u = angleFactor(solution.harmonic, false, angle);
        sum.hoopForce += f.hoopForce * u;
        sum.inPlaneMoment += f.inPlaneMoment * u;
        sum.outOfPlaneMoment += f.outOfPlaneMoment * u;
        sum.torque += f.torque * angleFactor(solution.harmonic, true, angle);
    }
    return sum;
}

} // namespace venkar
