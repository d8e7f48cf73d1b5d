#pragma once

#include "graphics/ValueLabel.h"

#include <vector>

namespace venkar {

class PlotResults;
struct PlotContext;

// The layers of a plot that show the results of a calculation. Each needs
// the context's results (a no-op without them) and draws with the settings
// times the reference length.

// Support reactions at every supported node: force arrows ending at the
// node, scaled so that the largest reaction is a tenth of the reference
// length long at function scale 1, and moment arcs sweeping up to 270
// degrees.
void drawSupportReactions(PlotContext& context);

// The factor the deformed shape multiplies the displacements by: the
// largest displacement is drawn a fifth of the reference length `h` long at
// displacement scale 1 (a model without displacements counts 1 as the
// largest).
double displacementFactor(const PlotResults& results, double h, double displacementScale);

// The deformed shape: every element as a line between its displaced nodes,
// the displaced nodes and ring beams, and (with the values switch) the
// displacement components at the output intervals, the nodes and both sides
// of every hinge, leaving out a text that would overlap one placed before.
// Element ends and nodes closer to the ones drawn before than the diagram
// resolution are joined.
void drawDeformation(PlotContext& context);

// The diagram of a shell result component (0 "N-Phi" ... 6 "Eps-Theta")
// along every shell, perpendicular to the meridian: positive values on the
// side opposite to the shell normal, the largest magnitude a sixth of the
// reference length long (0.16) at function scale 1. Every element end
// carries an ordinate; element starts get one at a shell's start, at jumps
// and (with the extrema switch) at local extrema. Positive stretches are
// blue, the others red; with the values switch the ordinates that matter
// are labelled. Values below the round-off limit of their kind are drawn as
// zero and not labelled; element ends closer than the diagram resolution
// merge into one ordinate keeping their extremes. The labels are placed
// last, clear of each other and of the texts already in the context's
// layout.
void drawDiagram(PlotContext& context, int component);

// The two halves of drawDiagram, so that other texts can be placed between
// them: the hatching, which gives the labels waiting for their place, and
// the placing of the labels over it, extrema first and larger values first:
// each at the middle of its ordinate, else moved along it (inwards,
// outwards, then beyond its outer end), else left out.
struct PendingLabel {
    OrdinateLabel label;
    bool extremum = false;
};
std::vector<PendingLabel> drawDiagramLines(PlotContext& context, int component);
void placeDiagramLabels(PlotContext& context, std::vector<PendingLabel>& labels);

// The factor a diagram turns values into model lengths: the largest
// magnitude of `component` becomes 0.16 * h * `functionScale` (0 without
// values).
double diagramScale(const PlotResults& results, int component, double h, double functionScale);

// With the values switch, the hoop force (" N=") or the moment (" M=", the
// moment negated) of every ring beam beside its node, on a white ground,
// clear of the texts and symbols placed before (else on another side of
// the node, or left out).
enum class RingBeamValue { NormalForce, Moment };
void drawRingBeamValues(PlotContext& context, RingBeamValue value);

} // namespace venkar
