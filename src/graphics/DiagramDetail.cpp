#include "graphics/DiagramDetail.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace venkar {

namespace {

struct Sample {
    double position = 0.0;
    double value = 0.0;
};

// Appends the condensed chain of the spans [first, last]: from the first
// start value through the smallest and the largest value in between, where
// these reach more than `tolerance` beyond the range of the chain's two
// ends, to the last end value.
void appendChain(std::vector<DiagramSpan>& merged, std::span<const DiagramSpan> spans,
                 std::size_t first, std::size_t last, double tolerance) {
    const Sample start{spans[first].startPosition, spans[first].startValue};
    const Sample end{spans[last].endPosition, spans[last].endValue};
    std::optional<Sample> lowest;
    std::optional<Sample> highest;
    std::size_t lowestOrder = 0;
    std::size_t highestOrder = 0;
    std::size_t order = 0;
    auto consider = [&](Sample sample) {
        if (!lowest || sample.value < lowest->value) {
            lowest = sample;
            lowestOrder = order;
        }
        if (!highest || sample.value > highest->value) {
            highest = sample;
            highestOrder = order;
        }
        ++order;
    };
    // The values between the two ends, in order along the shell.
    for (std::size_t i = first; i < last; ++i) {
        consider({spans[i].endPosition, spans[i].endValue});
        consider({spans[i + 1].startPosition, spans[i + 1].startValue});
    }
    std::vector<Sample> chain{start};
    const bool keepLowest = lowest && lowest->value < std::min(start.value, end.value) - tolerance;
    const bool keepHighest =
        highest && highest->value > std::max(start.value, end.value) + tolerance;
    if (keepLowest && keepHighest) {
        chain.push_back(lowestOrder < highestOrder ? *lowest : *highest);
        chain.push_back(lowestOrder < highestOrder ? *highest : *lowest);
    } else if (keepLowest) {
        chain.push_back(*lowest);
    } else if (keepHighest) {
        chain.push_back(*highest);
    }
    chain.push_back(end);
    for (std::size_t k = 0; k + 1 < chain.size(); ++k)
        merged.push_back(
            {chain[k].position, chain[k + 1].position, chain[k].value, chain[k + 1].value});
}

} // namespace

std::vector<DiagramSpan> mergeDiagramSpans(std::span<const DiagramSpan> spans,
                                           double meridianLength, double resolution,
                                           double valueTolerance) {
    std::vector<DiagramSpan> merged;
    merged.reserve(spans.size());
    for (std::size_t first = 0; first < spans.size();) {
        std::size_t last = first;
        while (last + 1 < spans.size() &&
               (spans[last + 1].endPosition - spans[first].startPosition) * meridianLength <=
                   resolution)
            ++last;
        appendChain(merged, spans, first, last, valueTolerance);
        first = last + 1;
    }
    if (merged.size() < spans.size() / 2)
        merged.shrink_to_fit();
    return merged;
}

} // namespace venkar
