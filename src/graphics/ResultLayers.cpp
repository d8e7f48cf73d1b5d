#include "graphics/ResultLayers.h"

#include "geometry/Interpolate.h"
#include "geometry/ShellGeometry.h"
#include "graphics/DiagramDetail.h"
#include "graphics/LabelLayout.h"
#include "graphics/LoadSymbols.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/PlotResults.h"
#include "graphics/RoundOff.h"
#include "graphics/Shape.h"
#include "graphics/StrokeFont.h"
#include "graphics/ValueLabel.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string>

namespace venkar {

namespace {

constexpr double pi = std::numbers::pi;

std::string formatDisplacement(const char* number, const PlotDisplacement& d) {
    const std::string format = std::string("(") + number + ", " + number + ", " + number + ")";
    char buffer[128];
    // Adding 0.0 turns a negative zero (a fixed degree of freedom) into 0.
    std::snprintf(buffer, sizeof buffer, format.c_str(), d.radial + 0.0, d.axial + 0.0,
                  d.rotation + 0.0);
    return buffer;
}

Colour signColour(double value) {
    return value > 0 ? colours::blue : colours::red;
}

// The undeformed and the displaced meridian with the factor of a plot.
class DisplacedShape {
public:
    DisplacedShape(const PlotResults& results, double factor)
        : results_(results), factor_(factor) {}

    Vector2 node(int node) const {
        return move(results_.nodePoint(node), results_.nodeDisplacement(node));
    }
    // The point at the local position l of an element (its chord runs
    // between its nodes) moved by its displacement there.
    Vector2 inside(const PlotElement& e, double l) const {
        const Vector2 p =
            interpolatePoint(results_.nodePoint(e.startNode), results_.nodePoint(e.endNode), l);
        return move(p, results_.elementDisplacement(e.element, l));
    }

private:
    Vector2 move(Vector2 p, const PlotDisplacement& d) const {
        return p + factor_ * Vector2{d.radial, d.axial};
    }

    const PlotResults& results_;
    double factor_;
};

// The deformed elements of one shell as lines between their displaced end
// nodes; element ends closer than `resolution` to the last drawn point are
// joined into the next line. The line breaks where an element does not
// start at the node the one before ended at (a hinge).
void drawDisplacedElements(Picture& picture, const DisplacedShape& shape,
                           const std::vector<PlotElement>& elements, double resolution) {
    Vector2 drawnTo;
    std::optional<Vector2> pending;
    int lastNode = -1;
    auto flush = [&] {
        if (pending)
            picture.addLine(drawnTo, *pending);
        pending.reset();
    };
    for (const PlotElement& e : elements) {
        if (e.startNode != lastNode) {
            flush();
            drawnTo = shape.node(e.startNode);
        }
        const Vector2 end = shape.node(e.endNode);
        if (length(end - drawnTo) > resolution) {
            picture.addLine(drawnTo, end);
            drawnTo = end;
            pending.reset();
        } else {
            pending = end;
        }
        lastNode = e.endNode;
    }
    flush();
}

void drawDisplacementValues(PlotContext& context, const DisplacedShape& shape) {
    const Model& model = context.model;
    const PlotResults& results = *context.results;
    const ResultSettings& settings = context.settings.results;
    const double height = context.size(settings.deformationTextHeight);
    const double gap = context.size(settings.deformationTextGap);
    const DisplacementRoundOff roundOff = displacementRoundOff(results, context.extent());
    auto displacementText = [&](const char* number, PlotDisplacement d) {
        d.radial = withoutRoundOff(d.radial, roundOff.translation);
        d.axial = withoutRoundOff(d.axial, roundOff.translation);
        d.rotation = withoutRoundOff(d.rotation, roundOff.rotation);
        return formatDisplacement(number, d);
    };
    // A text that would overlap one placed before is left out.
    auto write = [&](Vector2 p, double angle, const std::string& text, unsigned placement) {
        if (context.labels && !context.labels->tryOccupy(textFrame(context.textScale, p, angle, gap,
                                                                   height, text, placement)))
            return;
        drawText(context.picture, context.textScale, p, angle, gap, height,
                 settings.deformationTextColour, text, placement);
    };

    // Inside the shells at the output intervals of the reports.
    for (const int row : model.shells.definedRows()) {
        if (!geometryValid(model, row))
            continue;
        const int n = model.shells.row(row).intervals;
        const std::vector<PlotElement> elements = results.shellElements(row);
        for (int i = 1; i < n; ++i) {
            const double x = static_cast<double>(i) / n;
            for (const PlotElement& e : elements) {
                if (e.startPosition <= x && x <= e.endPosition) {
                    const double l = (x - e.startPosition) / (e.endPosition - e.startPosition);
                    write(shape.inside(e, l), 0.0,
                          displacementText("%.5g", results.elementDisplacement(e.element, l)),
                          TextRight | TextAbove);
                    break;
                }
            }
        }
    }
    // At the input nodes.
    for (const int row : model.nodes.definedRows()) {
        const int node = results.analysisNode(row);
        if (node < 0 || node >= results.nodeCount())
            continue;
        write(shape.node(node), 0.0, displacementText("%.5g", results.nodeDisplacement(node)),
              TextRight | TextAbove);
    }
    // On both sides of every hinge, across the shell: the side before the
    // hinge below its point, the side after it above.
    for (int node = 0; node < results.nodeCount(); ++node) {
        const int side = results.hingeSide(node);
        if (side == 0)
            continue;
        const double angle =
            tangentAngle(model, results.nodeShell(node), results.nodePosition(node)) + pi / 2;
        const ReadableText text =
            readableText(angle, TextCentred | (side == 1 ? TextBelow : TextAbove));
        write(shape.node(node), text.angle,
              displacementText("%.3g", results.nodeDisplacement(node)), text.placement);
    }
}

} // namespace

void drawSupportReactions(PlotContext& context) {
    if (!context.results)
        return;
    const PlotResults& results = *context.results;
    const ReactionRoundOff roundOff = reactionRoundOff(results, context.extent());
    const double forces = withoutRoundOff(results.maxReactionForce(), roundOff.force);
    const double moments = withoutRoundOff(results.maxReactionMoment(), roundOff.moment);
    if (forces == 0 && moments == 0)
        return;
    const double f = forces != 0 ? context.functionScale * 0.1 * context.h / forces : 0.0;
    const double g = moments != 0 ? 1.5 * pi / moments : 0.0;

    const Model& model = context.model;
    const ResultSettings& settings = context.settings.results;
    const double pen = context.size(settings.reactionLineWidth);
    const double textHeight = context.size(settings.reactionTextHeight);
    const unsigned flags = context.isOn(ShowValues) ? Label : 0u;
    for (const int row : model.nodes.definedRows()) {
        const NodeRecord& node = model.nodes.row(row);
        const int calcNode = results.analysisNode(row);
        if (calcNode < 0 || calcNode >= results.nodeCount())
            continue;
        PlotReaction reaction = results.reaction(calcNode);
        reaction.forceR = withoutRoundOff(reaction.forceR, roundOff.force) + 0.0;
        reaction.forceZ = withoutRoundOff(reaction.forceZ, roundOff.force) + 0.0;
        reaction.moment = withoutRoundOff(reaction.moment, roundOff.moment) + 0.0;
        const Vector2 p{node.r, node.z};
        if (node.supportR || node.supportZ)
            drawForceArrow(context.picture, context.textScale, p, f,
                           {reaction.forceR, reaction.forceZ}, pen,
                           context.size(settings.reactionHeadSize), textHeight,
                           settings.reactionColour, flags, context.labels);
        if (node.supportRot)
            drawMomentArc(context.picture, context.textScale, p,
                          context.size(settings.reactionMomentSize), signum(reaction.moment) * g,
                          std::fabs(reaction.moment), pen, textHeight, settings.reactionColour,
                          flags, context.labels);
    }
}

double displacementFactor(const PlotResults& results, double h, double displacementScale) {
    double d = results.maxDisplacement();
    if (d == 0)
        d = 1;
    return displacementScale * 0.2 * h / d;
}

void drawDeformation(PlotContext& context) {
    if (!context.results)
        return;
    const PlotResults& results = *context.results;
    const Model& model = context.model;
    const ResultSettings& settings = context.settings.results;
    const DisplacedShape shape(results,
                               displacementFactor(results, context.h, context.displacementScale));
    const double resolution = context.h * diagramResolution;

    Picture& picture = context.picture;
    for (const int row : model.shells.definedRows()) {
        picture.setPen(settings.deformationColour, context.size(settings.deformationLineWidth));
        drawDisplacedElements(picture, shape, results.shellElements(row), resolution);
    }
    // Squares closer to the one drawn before than the resolution would not
    // show apart.
    std::optional<Vector2> drawn;
    for (int node = 0; node < results.nodeCount(); ++node) {
        const Vector2 p = shape.node(node);
        if (drawn && length(p - *drawn) <= resolution)
            continue;
        drawShape(picture, standardShape(ShapeId::NodeSquare),
                  context.size(settings.deformedNodeSize),
                  context.size(settings.deformedNodeLineWidth), 0.0, settings.deformationColour, p);
        drawn = p;
    }
    const GeometrySettings& geometry = context.settings.geometry;
    for (const PlotRingBeam& ring : results.ringBeams())
        drawShape(picture, standardShape(ShapeId::ClampSquare), ring.sqrtArea,
                  context.size(geometry.ringLineWidth), 0.0, geometry.ringColour,
                  shape.node(ring.node));
    if (context.isOn(ShowValues))
        drawDisplacementValues(context, shape);
}

namespace {

// Draws the diagram of one shell from its (merged) spans and collects its
// labels. Zero values draw no ordinate, and the outline leaves out stretches
// that lie on the shell; `roundOff` says that zeros are round-off and get no
// label.
class ShellDiagram {
public:
    ShellDiagram(PlotContext& context, int row, double scale, double tolerance, bool roundOff,
                 std::vector<PendingLabel>& labels)
        : context_(context), row_(row), scale_(scale), tolerance_(tolerance), roundOff_(roundOff),
          labels_(labels), pen_(context.size(context.settings.results.diagramLineWidth)) {}

    void draw(const std::vector<DiagramSpan>& spans) {
        Picture& picture = context_.picture;
        const bool values = context_.isOn(ShowValues);
        double slope = 0.0;
        double previous = 0.0;
        double cursorValue = 0.0;
        Ordinate previousEnd;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const DiagramSpan& e = spans[i];
            const double v0 = e.startValue;
            const double v1 = e.endValue;
            const Colour colour = signColour(v1);
            const bool first = i == 0;
            const bool jump = !first && std::fabs(v0 - previous) > tolerance_;
            const bool extremum = context_.isOn(ShowExtrema) && signum(v1 - v0) != slope;
            picture.setPen(colour, pen_);
            if (first || jump || extremum) {
                const Ordinate start = ordinate(e.startPosition, v0);
                drawOrdinate(start, v0);
                picture.moveTo(3, start.outer);
                cursorValue = v0;
                if (values && jump)
                    addLabel(previous, previousEnd, LabelSide::Below, false);
                if (values && (first || std::fabs(v0 - v1) > tolerance_))
                    addLabel(v0, start, LabelSide::Above,
                             first ? std::fabs(v0) >= std::fabs(v1) : !jump);
            }
            const Ordinate end = ordinate(e.endPosition, v1);
            drawOrdinate(end, v1);
            if (cursorValue == 0 && v1 == 0)
                picture.moveTo(3, end.outer); // on the shell: nothing to draw
            else
                picture.lineTo(3, end.outer);
            cursorValue = v1;
            slope = signum(v1 - v0);
            previous = v1;
            previousEnd = end;
        }
        if (values && !spans.empty())
            addLabel(previous, previousEnd, LabelSide::Below,
                     std::fabs(spans.back().endValue) >= std::fabs(spans.back().startValue));
    }

private:
    struct Ordinate {
        Vector2 base;
        Vector2 outer;
    };

    // The ordinate of v at x: positive values opposite to the normal.
    Ordinate ordinate(double x, double v) const {
        return {pointAt(context_.model, row_, x), pointAt(context_.model, row_, x, -scale_ * v)};
    }

    void drawOrdinate(const Ordinate& o, double v) {
        if (v != 0)
            context_.picture.addLine(o.base, o.outer);
    }

    void addLabel(double v, const Ordinate& o, LabelSide side, bool extremum) {
        if (std::fabs(v) < 1e-5 * tolerance_ || (roundOff_ && v == 0))
            return;
        labels_.push_back({{v, o.base, o.outer, signColour(v), side}, extremum});
    }

    PlotContext& context_;
    int row_;
    double scale_;
    double tolerance_;
    bool roundOff_;
    std::vector<PendingLabel>& labels_;
    double pen_;
};

// The spans of a shell's diagram with round-off drawn as zero.
std::vector<DiagramSpan> diagramSpans(const PlotResults& results, int row, int component,
                                      double limit) {
    const std::vector<PlotElement> elements = results.shellElements(row);
    std::vector<DiagramSpan> spans;
    spans.reserve(elements.size());
    for (const PlotElement& e : elements)
        spans.push_back({e.startPosition, e.endPosition,
                         withoutRoundOff(results.elementValue(e.element, component, 0.0), limit),
                         withoutRoundOff(results.elementValue(e.element, component, 1.0), limit)});
    return spans;
}

} // namespace

void placeDiagramLabels(PlotContext& context, std::vector<PendingLabel>& labels) {
    std::stable_sort(labels.begin(), labels.end(),
                     [](const PendingLabel& a, const PendingLabel& b) {
                         if (a.extremum != b.extremum)
                             return a.extremum;
                         return std::fabs(a.label.value) > std::fabs(b.label.value);
                     });
    LabelLayout local;
    LabelLayout& layout = context.labels ? *context.labels : local;
    const double gap = context.size(context.settings.valueText.height) * context.textScale;
    for (const PendingLabel& pending : labels) {
        const OrdinateLabel& label = pending.label;
        const double length = venkar::length(label.outerPoint - label.shellPoint);
        const double beyond = length / 2 + valueLabelWidth(context, label.value) / 2 + gap;
        for (const double shift : {0.0, 0.25 * length, -0.25 * length, beyond})
            if (placeValueLabel(context, label, shift, layout))
                break;
    }
}

double diagramScale(const PlotResults& results, int component, double h, double functionScale) {
    const double largest = results.maxShellResult(component);
    return largest > 1e-8 ? functionScale * 0.16 * h / largest : 0.0;
}

void drawDiagram(PlotContext& context, int component) {
    std::vector<PendingLabel> labels = drawDiagramLines(context, component);
    placeDiagramLabels(context, labels);
}

std::vector<PendingLabel> drawDiagramLines(PlotContext& context, int component) {
    if (!context.results)
        return {};
    const PlotResults& results = *context.results;
    const Model& model = context.model;
    const double largest = results.maxShellResult(component);
    const double s = diagramScale(results, component, context.h, context.functionScale);
    const double t = 1e-5 * largest; // smaller differences are no jumps
    const double limit = roundOffLimit(results, component, context.extent());
    const double resolution = context.h * diagramResolution;

    // All hatching first, then the labels over it.
    std::vector<PendingLabel> labels;
    for (const int row : model.shells.definedRows()) {
        if (!geometryValid(model, row))
            continue;
        const std::vector<DiagramSpan> spans = diagramSpans(results, row, component, limit);
        if (spans.empty())
            continue;
        // Values that differ by less than the resolution on the page merge
        // like positions do.
        ShellDiagram(context, row, s, t, limit > 0, labels)
            .draw(mergeDiagramSpans(spans, meridianLength(model, row), resolution,
                                    s > 0 ? resolution / s : 0.0));
    }
    return labels;
}

void drawRingBeamValues(PlotContext& context, RingBeamValue value) {
    if (!context.results || !context.isOn(ShowValues))
        return;
    const ResultSettings& settings = context.settings.results;
    for (const PlotRingBeam& ring : context.results->ringBeams()) {
        const bool force = value == RingBeamValue::NormalForce;
        // Adding 0.0 writes a vanishing moment as "0", not "-0".
        const double shown = (force ? ring.normalForce : -ring.moment) + 0.0;
        // The colour follows the sign of the force or moment itself.
        const Colour colour = signColour(force ? ring.normalForce : ring.moment);
        // Beyond the ring's square and its outline, whatever the text scale;
        // on a white ground, as it stands over the diagram, which keeps a
        // tenth of the text height clear of the outline.
        const Vector2 node = context.results->nodePoint(ring.node);
        const double outline = context.size(context.settings.geometry.ringLineWidth);
        const double gap = 0.5 * (ring.sqrtArea + outline) / context.textScale +
                           0.1 * context.size(settings.ringTextHeight);
        placeText(context.picture, context.labels, context.textScale,
                  {{node, 0.0, gap, TextRight},
                   {node, 0.0, gap, TextLeft},
                   {node, 0.0, gap, TextRight | TextAbove},
                   {node, 0.0, gap, TextRight | TextBelow},
                   {node, 0.0, gap, TextLeft | TextAbove},
                   {node, 0.0, gap, TextLeft | TextBelow}},
                  context.size(settings.ringTextHeight), colour,
                  formatNumber(force ? " N=%.5g" : " M=%.5g", shown), true);
    }
}

} // namespace venkar
