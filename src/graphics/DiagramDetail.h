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
// Element ends are grouped along the shell into runs that reach at most
// `resolution` beyond their first end. A run of one end is left as it is, so
// a diagram whose ends all lie farther apart comes back unchanged. The
// spans inside a longer run are replaced by a chain from the run's first to
// its last value through the run's smallest and largest value (in their
// order along the shell) where these reach beyond the two; jumps at the
// run's edges stay. Every value of the result is one of the input values at
// its own position, so each extremum keeps its height, and the result has
// at most four spans per run.
std::vector<DiagramSpan> mergeDiagramSpans(std::span<const DiagramSpan> spans,
                                           double meridianLength, double resolution);

} // namespace venkar
