#pragma once

#include <span>
#include <vector>

namespace venkar {

// One stretch of a shell diagram, usually one result element: its relative
// start and end positions on the shell (in [0, 1], in meridian order) and
// the values drawn there.
struct DiagramSpan {
    double startPosition = 0.0;
    double endPosition = 0.0;
    double startValue = 0.0;
    double endValue = 0.0;
};

// The resolution of diagrams as a fraction of the reference length: element
// ends closer together than this are drawn as one ordinate. It does not
// depend on the view, so a zoomed window still shows a fine diagram.
inline constexpr double diagramResolution = 1.0 / 20000.0;

// The level of detail of a shell's diagram. `spans` follow each other along
// the shell (each starts where the one before ends); `meridianLength` is the
// shell's length in model units and `resolution` the model length below
// which element ends merge.
//
// Consecutive spans are grouped along the shell so that each group reaches
// at most `resolution`; a longer span is a group of its own, so a diagram
// whose element ends all lie farther apart comes back unchanged. Each group
// becomes a chain from its first start value to its last end value through
// its smallest and largest value in between (in their order along the
// shell) where these reach more than `valueTolerance` beyond the chain's
// ends. Jumps between groups stay; jumps inside a group are drawn as steep
// lines. Every value of the result is one of the input values at its own
// position, so each extremum keeps its height (to the tolerance) within the
// resolution of its place. The result has at most three spans per group,
// and two neighbouring groups together reach farther than the resolution.
std::vector<DiagramSpan> mergeDiagramSpans(std::span<const DiagramSpan> spans,
                                           double meridianLength, double resolution,
                                           double valueTolerance = 0.0);

} // namespace venkar
