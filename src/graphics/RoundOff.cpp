#include "graphics/RoundOff.h"

#include "graphics/PlotResults.h"

#include <algorithm>
#include <initializer_list>

namespace venkar {

namespace {

double largestOf(const PlotResults& results, std::initializer_list<int> components) {
    double largest = 0.0;
    for (const int component : components)
        largest = std::max(largest, results.maxShellResult(component));
    return largest;
}

} // namespace

double roundOffLimit(const PlotResults& results, int component, double extent) {
    double scale = 0.0;
    switch (component) {
    case 0:
    case 1:
    case 4:
        scale = largestOf(results, {0, 1, 4});
        break;
    case 2:
    case 3:
        scale = largestOf(results, {0, 1, 4}) * extent;
        break;
    case 5:
    case 6:
        scale = largestOf(results, {5, 6});
        break;
    default:
        scale = results.maxShellResult(component);
        break;
    }
    return roundOffFraction * scale;
}

DisplacementRoundOff displacementRoundOff(const PlotResults& results, double extent) {
    const double largest = results.maxDisplacement();
    return {roundOffFraction * largest, extent > 0 ? roundOffFraction * largest / extent : 0.0};
}

ReactionRoundOff reactionRoundOff(const PlotResults& results, double extent) {
    const double force = std::max(largestOf(results, {0, 1, 4}), results.maxReactionForce());
    return {roundOffFraction * force,
            roundOffFraction * std::max(force * extent, results.maxReactionMoment())};
}

} // namespace venkar
