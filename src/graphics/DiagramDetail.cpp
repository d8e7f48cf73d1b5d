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

// Appends the condensed chain of the spans [first, last] (all inside one
// run): from the first start value through the run's extremes beyond the
// range of its two ends to the last end value.
void appendChain(std::vector<DiagramSpan>& merged, std::span<const DiagramSpan> spans,
                 std::size_t first, std::size_t last) {
    const Sample start{spans[first].startPosition, spans[first].startValue};
    const Sample end{spans[last].endPosition, spans[last].endValue};
    // The values between the two ends, in order along the shell.
    std::optional<std::size_t> lowest;
    std::optional<std::size_t> highest;
    std::vector<Sample> inner;
    inner.reserve(2 * (last - first + 1));
    for (std::size_t i = first; i <= last; ++i) {
        if (i != first)
            inner.push_back({spans[i].startPosition, spans[i].startValue});
        if (i != last)
            inner.push_back({spans[i].endPosition, spans[i].endValue});
    }
    for (std::size_t k = 0; k < inner.size(); ++k) {
        if (!lowest || inner[k].value < inner[*lowest].value)
            lowest = k;
        if (!highest || inner[k].value > inner[*highest].value)
            highest = k;
    }
    std::vector<Sample> chain{start};
    std::vector<std::size_t> kept;
    if (lowest && inner[*lowest].value < std::min(start.value, end.value))
        kept.push_back(*lowest);
    if (highest && inner[*highest].value > std::max(start.value, end.value))
        kept.push_back(*highest);
    std::sort(kept.begin(), kept.end());
    for (const std::size_t k : kept)
        chain.push_back(inner[k]);
    chain.push_back(end);
    for (std::size_t k = 0; k + 1 < chain.size(); ++k)
        merged.push_back(
            {chain[k].position, chain[k + 1].position, chain[k].value, chain[k + 1].value});
}

} // namespace

std::vector<DiagramSpan> mergeDiagramSpans(std::span<const DiagramSpan> spans,
                                           double meridianLength, double resolution) {
    std::vector<DiagramSpan> merged;
    if (spans.empty())
        return merged;
    // Span i runs from end i to end i + 1; ends belong to runs by distance
    // from the run's first end.
    const std::size_t count = spans.size();
    auto endPosition = [&](std::size_t end) {
        return end == 0 ? spans[0].startPosition : spans[end - 1].endPosition;
    };
    std::vector<std::size_t> runOfEnd(count + 1);
    std::size_t run = 0;
    double runStart = endPosition(0);
    for (std::size_t end = 1; end <= count; ++end) {
        const double position = endPosition(end);
        if ((position - runStart) * meridianLength > resolution) {
            ++run;
            runStart = position;
        }
        runOfEnd[end] = run;
    }
    if (run == count)
        return {spans.begin(), spans.end()}; // every end apart: nothing to merge

    merged.reserve(std::min(count, 4 * (run + 1)));
    std::size_t i = 0;
    while (i < count) {
        if (runOfEnd[i] != runOfEnd[i + 1]) {
            merged.push_back(spans[i]); // a span between two runs stays
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 < count && runOfEnd[last + 2] == runOfEnd[i])
            ++last;
        appendChain(merged, spans, i, last);
        i = last + 1;
    }
    return merged;
}

} // namespace venkar
