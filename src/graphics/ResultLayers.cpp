#include "graphics/ResultLayers.h"

#include "geometry/Interpolate.h"
#include "geometry/ShellGeometry.h"
#include "graphics/LoadSymbols.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/PlotResults.h"
#include "graphics/Shape.h"
#include "graphics/StrokeFont.h"
#include "graphics/ValueLabel.h"
#include "model/Model.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace venkar {

namespace {

constexpr double pi = std::numbers::pi;

std::string displacementText(const char* number, const PlotDisplacement& d) {
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

void drawDisplacementValues(PlotContext& context, const DisplacedShape& shape) {
    const Model& model = context.model;
    const PlotResults& results = *context.results;
    const ResultSettings& settings = context.settings.results;
    const double height = context.size(settings.deformationTextHeight);
    const double gap = context.size(settings.deformationTextGap);
    auto write = [&](Vector2 p, double angle, const std::string& text, unsigned placement) {
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
    const double forces = results.maxReactionForce();
    const double moments = results.maxReactionMoment();
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
        const PlotReaction reaction = results.reaction(calcNode);
        const Vector2 p{node.r, node.z};
        if (node.supportR || node.supportZ)
            drawForceArrow(context.picture, context.textScale, p, f,
                           {reaction.forceR, reaction.forceZ}, pen,
                           context.size(settings.reactionHeadSize), textHeight,
                           settings.reactionColour, flags);
        if (node.supportRot)
            drawMomentArc(context.picture, context.textScale, p,
                          context.size(settings.reactionMomentSize), signum(reaction.moment) * g,
                          std::fabs(reaction.moment), pen, textHeight, settings.reactionColour,
                          flags);
    }
}

void drawDeformation(PlotContext& context) {
    if (!context.results)
        return;
    const PlotResults& results = *context.results;
    const Model& model = context.model;
    const ResultSettings& settings = context.settings.results;
    double d = results.maxDisplacement();
    if (d == 0)
        d = 1;
    const DisplacedShape shape(results, context.displacementScale * 0.2 * context.h / d);

    Picture& picture = context.picture;
    for (const int row : model.shells.definedRows()) {
        picture.setPen(settings.deformationColour, context.size(settings.deformationLineWidth));
        for (const PlotElement& e : results.shellElements(row))
            picture.addLine(shape.node(e.startNode), shape.node(e.endNode));
    }
    for (int node = 0; node < results.nodeCount(); ++node)
        drawShape(picture, standardShape(ShapeId::NodeSquare),
                  context.size(settings.deformedNodeSize),
                  context.size(settings.deformedNodeLineWidth), 0.0, settings.deformationColour,
                  shape.node(node));
    const GeometrySettings& geometry = context.settings.geometry;
    for (const PlotRingBeam& ring : results.ringBeams())
        drawShape(picture, standardShape(ShapeId::ClampSquare), ring.sqrtArea,
                  context.size(geometry.ringLineWidth), 0.0, geometry.ringColour,
                  shape.node(ring.node));
    if (context.isOn(ShowValues))
        drawDisplacementValues(context, shape);
}

void drawDiagram(PlotContext& context, int component) {
    if (!context.results)
        return;
    const PlotResults& results = *context.results;
    const Model& model = context.model;
    const double largest = results.maxShellResult(component);
    const double s = largest > 1e-8 ? context.functionScale * 0.16 * context.h / largest : 0.0;
    const double t = 1e-5 * largest; // smaller differences are no jumps
    const double pen = context.size(context.settings.results.diagramLineWidth);
    const bool values = context.isOn(ShowValues);
    Picture& picture = context.picture;

    for (const int row : model.shells.definedRows()) {
        if (!geometryValid(model, row))
            continue;
        const std::vector<PlotElement> elements = results.shellElements(row);
        if (elements.empty())
            continue;
        // The ordinate of v at x: positive values opposite to the normal.
        auto ordinate = [&](double x, double v) {
            return std::pair{pointAt(model, row, x), pointAt(model, row, x, -s * v)};
        };
        double slope = 0.0;
        double previous = 0.0;
        std::pair<Vector2, Vector2> previousEnd;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const PlotElement& e = elements[i];
            const double v0 = results.elementValue(e.element, component, 0.0);
            const double v1 = results.elementValue(e.element, component, 1.0);
            const Colour colour = signColour(v1);
            const bool first = i == 0;
            const bool jump = !first && std::fabs(v0 - previous) > t;
            const bool extremum = context.isOn(ShowExtrema) && signum(v1 - v0) != slope;
            picture.setPen(colour, pen);
            if (first || jump || extremum) {
                const auto [base, outer] = ordinate(e.startPosition, v0);
                picture.addLine(base, outer);
                picture.moveTo(3, outer);
                if (values && jump)
                    drawValueLabel(context, previous, previousEnd.first, previousEnd.second,
                                   signColour(previous), LabelSide::Below, false, t);
                if (values && (first || std::fabs(v0 - v1) > t))
                    drawValueLabel(context, v0, base, outer, signColour(v0), LabelSide::Above,
                                   false, t);
                picture.setPen(colour, pen);
            }
            const auto end = ordinate(e.endPosition, v1);
            picture.addLine(end.first, end.second);
            picture.lineTo(3, end.second);
            slope = signum(v1 - v0);
            previous = v1;
            previousEnd = end;
        }
        if (values)
            drawValueLabel(context, previous, previousEnd.first, previousEnd.second,
                           signColour(previous), LabelSide::Below, false, t);
    }
}

void drawRingBeamValues(PlotContext& context, RingBeamValue value) {
    if (!context.results || !context.isOn(ShowValues))
        return;
    const ResultSettings& settings = context.settings.results;
    for (const PlotRingBeam& ring : context.results->ringBeams()) {
        const bool force = value == RingBeamValue::NormalForce;
        const double shown = force ? ring.normalForce : -ring.moment;
        // The colour follows the sign of the force or moment itself.
        const Colour colour = signColour(force ? ring.normalForce : ring.moment);
        // Half the ring's square away from the node, whatever the text scale.
        drawText(context.picture, context.textScale, context.results->nodePoint(ring.node), 0.0,
                 0.5 * ring.sqrtArea / context.textScale, context.size(settings.ringTextHeight),
                 colour, formatNumber(force ? " N=%.5g" : " M=%.5g", shown), TextRight);
    }
}

} // namespace venkar
