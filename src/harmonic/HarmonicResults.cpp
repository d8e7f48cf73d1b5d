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
    return elementValue(element, l, quantity, angleFactors(angle));
}

double HarmonicResults::nodeValue(int node, int k, double angle) const {
    return nodeValue(node, k, angleFactors(angle));
}

double HarmonicResults::reaction(int node, int k, double angle) const {
    return reaction(node, k, angleFactors(angle));
}

std::vector<std::array<double, 2>> HarmonicResults::angleFactors(double angle) const {
    std::vector<std::array<double, 2>> factors;
    factors.reserve(solutions.size());
    for (const HarmonicSolution& solution : solutions)
        factors.push_back({angleFactor(solution.harmonic, false, angle),
                           angleFactor(solution.harmonic, true, angle)});
    return factors;
}

double HarmonicResults::elementValue(int element, double l, int quantity,
                                     const std::vector<std::array<double, 2>>& factors) const {
    const auto e = static_cast<std::size_t>(element);
    const auto q = static_cast<std::size_t>(quantity);
    const std::size_t like = variesLikeV(quantity) ? 1 : 0;
    double sum = 0.0;
    for (std::size_t s = 0; s < solutions.size(); ++s) {
        const std::array<HarmonicValues, 2>& ends = solutions[s].elementEnds[e];
        sum += ((1.0 - l) * ends[0][q] + l * ends[1][q]) * factors[s][like];
    }
    return sum;
}

double HarmonicResults::nodeValue(int node, int k,
                                  const std::vector<std::array<double, 2>>& factors) const {
    double sum = 0.0;
    for (std::size_t s = 0; s < solutions.size(); ++s)
        sum +=
            solutions[s].nodeValues[static_cast<std::size_t>(node)][static_cast<std::size_t>(k)] *
            factors[s][k == 3 ? 1 : 0];
    return sum;
}

double HarmonicResults::reaction(int node, int k,
                                 const std::vector<std::array<double, 2>>& factors) const {
    double sum = 0.0;
    for (std::size_t s = 0; s < solutions.size(); ++s)
        sum += solutions[s].reactions[static_cast<std::size_t>(node)][static_cast<std::size_t>(k)] *
               factors[s][k == 3 ? 1 : 0];
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
