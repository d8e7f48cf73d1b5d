#include "graphics/LoadLayer.h"

#include "geometry/Interpolate.h"
#include "geometry/LoadMaxima.h"
#include "geometry/ModelBoxes.h"
#include "geometry/ShellGeometry.h"
#include "graphics/LabelLayout.h"
#include "graphics/LoadSymbols.h"
#include "graphics/MeridianLoads.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/PlotResults.h"
#include "graphics/Shape.h"
#include "graphics/StrokeFont.h"
#include "graphics/ValueLabel.h"
#include "loads/SiloLoading.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// More stations than this add nothing visible; the bound keeps a load that
// is tiny against the largest one from asking for millions of arrows.
constexpr int maxStations = 1000;

// A station of a distribution: where the ordinate meets the base line, and
// its outer end.
struct Station {
    Vector2 base;
    Vector2 outer;
};

int stationCount(double minimum, double extent, double largestOrdinate) {
    const double n = std::max(minimum, 2.0 * extent / largestOrdinate);
    return static_cast<int>(std::clamp(n, 1.0, static_cast<double>(maxStations)));
}

Station stationAt(PlotContext& context, int shell, DistributionKind kind, const BoundingBox& box,
                  double x, double gap, double ordinate) {
    if (kind != DistributionKind::Snow)
        return {pointAt(context.model, shell, x, gap),
                pointAt(context.model, shell, x, gap + ordinate)};
    // Snow falls on the shell from above: its stations run along the upper
    // edge of the shell's box (minimum z, as z points down), from the left
    // end to the right end, and the ordinates stand upwards.
    const double r = interpolate(box.minX, box.maxX, x);
    return {{r, box.minY - gap}, {r, box.minY - gap - ordinate}};
}

} // namespace

void drawLoadDistribution(PlotContext& context, int shell,
                          const std::function<double(double)>& load, DistributionKind kind,
                          double forceFactor, std::vector<OrdinateLabel>* endLabels) {
    const Model& model = context.model;
    const LoadSettings& settings = context.settings.loads;
    double gap = context.size(settings.surfaceLoadGap);
    if (load(0.5) < 0)
        gap = -gap;
    const double largest = forceFactor * std::max(std::fabs(load(0.0)), std::fabs(load(1.0)));
    if (largest == 0.0)
        return;

    BoundingBox box;
    double extent = chordLength(model, shell);
    if (kind == DistributionKind::Snow) {
        box = shellBox(model, shell);
        extent = box.width();
        // A vertical shell has no horizontal extent to carry snow (the
        // analysis gives it no load either).
        if (extent <= 1e-10 * context.h)
            return;
    }
    const int n = stationCount(arcSegmentCount(model, shell, 0.1), extent, largest);

    Picture& picture = context.picture;
    const Colour colour = settings.surfaceLoadColour;
    const double pen = context.size(settings.surfaceLoadLineWidth);
    const double head = context.size(settings.surfaceLoadArrowHeight);
    const unsigned arrowFlags =
        HeadIfLong | (kind == DistributionKind::Longitudinal ? SideHead : 0u);
    for (int i = 0; i <= n; ++i) {
        const double x = static_cast<double>(i) / n;
        const double p = load(x);
        const Station s = stationAt(context, shell, kind, box, x, gap, forceFactor * p);
        picture.setPen(colour, pen);
        if (i == 0) {
            picture.moveTo(1, s.base);
            picture.moveTo(2, s.outer);
        } else {
            picture.lineTo(1, s.base);
            picture.lineTo(2, s.outer);
        }
        if (i == 0 || i == n) {
            picture.addLine(s.base, s.outer);
            const LabelSide side = i == 0 ? LabelSide::Above : LabelSide::Below;
            if (endLabels)
                endLabels->push_back({p, s.base, s.outer, colour, side, true, true});
            else if (context.isOn(ShowValues))
                drawValueLabel(context, p, s.base, s.outer, colour, side, true, 1e-5);
        } else {
            drawArrow(picture, s.outer, s.base, head, pen, colour, arrowFlags);
        }
    }
}

namespace {

constexpr double pi = std::numbers::pi;

// Calls `draw` with the 0-based row of every drawable shell of the range.
template <class Draw> void forShellRange(const Model& model, int from, int to, Draw draw) {
    for (int number = std::max(from, 1); number <= to && number <= model.shells.count(); ++number)
        if (isDrawableShell(model, number))
            draw(number - 1);
}

void drawSelfWeight(PlotContext& context) {
    const Model& model = context.model;
    const LoadSettings& settings = context.settings.loads;
    for (const int row : model.shells.definedRows()) {
        if (!geometryValid(model, row))
            continue;
        for (const double x : {0.25, 0.5, 0.75})
            drawShape(context.picture, standardShape(ShapeId::Cross),
                      context.size(settings.selfWeightSize),
                      context.size(settings.selfWeightLineWidth), 0.0, settings.selfWeightColour,
                      pointAt(model, row, x));
    }
}

void drawTemperatureSide(PlotContext& context, int shell, double side, double value,
                         Colour colour) {
    const Model& model = context.model;
    const LoadSettings& settings = context.settings.loads;
    Picture& picture = context.picture;
    const double offset = side * context.size(settings.temperatureLineGap);
    picture.setPen(colour, context.size(settings.temperatureLineWidth));
    const int n = arcSegmentCount(model, shell, 0.05);
    const double step = 0.8 / n;
    picture.moveTo(1, pointAt(model, shell, 0.1, offset));
    for (int k = 1; 0.1 + k * step <= 0.9001; ++k)
        picture.lineTo(1, pointAt(model, shell, 0.1 + k * step, offset));
    // The value stands beyond its line, on the line's side of the shell.
    const ReadableText text = readableText(tangentAngle(model, shell, 0.5),
                                           TextCentred | (side > 0 ? TextAbove : TextBelow));
    placeText(picture, context.labels, context.textScale,
              {{pointAt(model, shell, 0.5, side * context.size(settings.temperatureTextGap)),
                text.angle, context.size(settings.temperatureLineGap), text.placement}},
              context.size(settings.temperatureTextHeight), colour, formatNumber("%#.4lg", value));
}

void drawTemperatures(PlotContext& context) {
    const Model& model = context.model;
    for (const int row : model.tempLoads.definedRows()) {
        const TempLoadRecord& load = model.tempLoads.row(row);
        const double t = load.uniformTemp;
        const double dt = load.gradientTemp;
        // The warmer side is red, the colder blue; without a difference both
        // sides show the sign of the uniform part.
        Colour positive = t > 0 ? colours::red : colours::blue;
        Colour negative = positive;
        if (dt != 0) {
            positive = dt > 0 ? colours::red : colours::blue;
            negative = dt > 0 ? colours::blue : colours::red;
        }
        forShellRange(model, load.fromShell, load.toShell, [&](int shell) {
            drawTemperatureSide(context, shell, 1.0, t + dt / 2, positive);
            drawTemperatureSide(context, shell, -1.0, t - dt / 2, negative);
        });
    }
}

void drawSurfaceLoads(PlotContext& context, double f) {
    const Model& model = context.model;
    for (const int row : model.shellLoads.definedRows()) {
        const ShellLoadRecord& load = model.shellLoads.row(row);
        forShellRange(model, load.fromShell, load.toShell, [&](int shell) {
            if (load.transverseStart != 0 || load.transverseEnd != 0)
                drawLoadDistribution(
                    context, shell,
                    [&](double x) {
                        return interpolate(load.transverseStart, load.transverseEnd, x);
                    },
                    DistributionKind::Transverse, f);
            if (load.longitudinalStart != 0 || load.longitudinalEnd != 0)
                drawLoadDistribution(
                    context, shell,
                    [&](double x) {
                        return interpolate(load.longitudinalStart, load.longitudinalEnd, x);
                    },
                    DistributionKind::Longitudinal, f);
        });
    }
    for (const int row : model.waterLoads.definedRows()) {
        const WaterLoadRecord& load = model.waterLoads.row(row);
        forShellRange(model, load.fromShell, load.toShell, [&](int shell) {
            drawLoadDistribution(
                context, shell,
                [&](double x) {
                    return (pointAt(model, shell, x).y - load.zeroLevel) * load.unitWeight;
                },
                DistributionKind::Water, f);
        });
    }
    for (const int row : model.snowLoads.definedRows()) {
        const SnowLoadRecord& load = model.snowLoads.row(row);
        forShellRange(model, load.fromShell, load.toShell, [&](int shell) {
            drawLoadDistribution(
                context, shell, [&](double) { return load.amount; }, DistributionKind::Snow, f);
        });
    }
}

// The stored solid's loads on every shell of a silo or hopper row, once per
// shell: the pressure normal to the shell and the friction along it, as the
// element takes them (normal along (-sin φ, cos φ), friction along the
// tangent), so that the arrows point outward and downward.
//
// The values at the shell ends are written after every shell is drawn, on a
// white ground, so that the neighbouring shell's ordinates do not run
// through them; where a load runs on from one shell into the next without a
// jump, their common node carries its value once (two equal labels above and
// below one ordinate would cover each other).
void drawSiloLoads(PlotContext& context, double f) {
    const Model& model = context.model;
    std::vector<bool> drawn(static_cast<std::size_t>(model.shells.count()), false);
    struct EndLabel {
        int node;
        bool normal;
        OrdinateLabel label;
    };
    std::vector<EndLabel> ends;
    const auto drawRange = [&](int from, int to) {
        forShellRange(model, from, to, [&](int shell) {
            if (drawn[static_cast<std::size_t>(shell)])
                return;
            drawn[static_cast<std::size_t>(shell)] = true;
            const SiloLoading loading(model, shell + 1);
            if (loading.empty())
                return;
            const auto component = [&](double x, bool normal) {
                const Vector2 q = loading.at(pointAt(model, shell, x));
                const double phi = tangentAngle(model, shell, x);
                return normal ? -q.x * std::sin(phi) + q.y * std::cos(phi)
                              : q.x * std::cos(phi) + q.y * std::sin(phi);
            };
            const ShellRecord& record = model.shells.row(shell);
            for (const bool normal : {true, false}) {
                std::vector<OrdinateLabel> labels;
                drawLoadDistribution(
                    context, shell, [&](double x) { return component(x, normal); },
                    normal ? DistributionKind::Transverse : DistributionKind::Longitudinal, f,
                    &labels);
                if (labels.size() == 2) {
                    ends.push_back({record.startNode, normal, labels[0]});
                    ends.push_back({record.endNode, normal, labels[1]});
                }
            }
        });
    };
    for (const int row : model.siloLoads.definedRows())
        drawRange(model.siloLoads.row(row).fromShell, model.siloLoads.row(row).toShell);
    for (const int row : model.hopperLoads.definedRows())
        drawRange(model.hopperLoads.row(row).fromShell, model.hopperLoads.row(row).toShell);

    if (!context.isOn(ShowValues))
        return;
    const double same = 1e-9 * std::max(1.0, maxSiloPressure(model));
    for (std::size_t k = 0; k < ends.size(); ++k) {
        const EndLabel& end = ends[k];
        const bool repeated = std::any_of(ends.begin(), ends.begin() + k, [&](const EndLabel& e) {
            return e.node == end.node && e.normal == end.normal &&
                   std::fabs(e.label.value - end.label.value) <= same;
        });
        if (repeated || std::fabs(end.label.value) < 1e-10)
            continue;
        if (!context.labels) {
            drawValueLabel(context, end.label.value, end.label.shellPoint, end.label.outerPoint,
                           end.label.colour, end.label.side, true, 1e-5);
            continue;
        }
        const double quarter = 0.25 * length(end.label.outerPoint - end.label.shellPoint);
        for (const double shift : {0.0, quarter, -quarter})
            if (placeValueLabel(context, end.label, shift, *context.labels))
                break;
    }
}

unsigned labelFlag(const PlotContext& context) {
    return context.isOn(ShowValues) ? Label : 0u;
}

void drawNodeLoads(PlotContext& context, double f, double g) {
    const Model& model = context.model;
    const LoadSettings& settings = context.settings.loads;
    for (const int row : model.nodeLoads.definedRows()) {
        const NodeLoadRecord& load = model.nodeLoads.row(row);
        if (!isDefinedNode(model, load.node))
            continue;
        const Vector2 p = nodePoint(model, load.node);
        if (load.loadR != 0 || load.loadZ != 0)
            drawForceArrow(context.picture, context.textScale, p, f, {load.loadR, load.loadZ},
                           context.size(settings.nodeForceLineWidth),
                           context.size(settings.nodeForceHeadSize),
                           context.size(settings.nodeLoadTextHeight), settings.nodeLoadColour,
                           labelFlag(context), context.labels);
        // The arc takes the pen of the node forces: the moments' own line
        // width is bound to the same value as their radius, and a pen as
        // wide as the radius would paint a blob instead of an arc.
        if (load.loadM != 0)
            drawMomentArc(context.picture, context.textScale, p,
                          context.size(settings.nodeMomentSize), signum(load.loadM) * g,
                          std::fabs(load.loadM), context.size(settings.nodeForceLineWidth),
                          context.size(settings.nodeLoadTextHeight), settings.nodeLoadColour,
                          labelFlag(context), context.labels);
    }
}

void drawPointLoads(PlotContext& context, double f, double g) {
    const Model& model = context.model;
    const LoadSettings& settings = context.settings.loads;
    for (const int row : model.pointLoads.definedRows()) {
        const PointLoadRecord& load = model.pointLoads.row(row);
        if (!isDrawableShell(model, load.shell))
            continue;
        const Vector2 p = pointAt(model, load.shell - 1, load.xPosition);
        const double pen = context.size(settings.pointForceLineWidth);
        if (load.loadR != 0 || load.loadZ != 0)
            drawForceArrow(context.picture, context.textScale, p, f, {load.loadR, load.loadZ}, pen,
                           context.size(settings.pointForceHeadSize),
                           context.size(settings.nodeLoadTextHeight), settings.pointForceColour,
                           labelFlag(context), context.labels);
        if (load.loadM != 0)
            drawMomentArc(context.picture, context.textScale, p,
                          context.size(settings.pointMomentSize), signum(load.loadM) * g,
                          std::fabs(load.loadM), pen, context.size(settings.nodeLoadTextHeight),
                          settings.pointForceColour, labelFlag(context), context.labels);
    }
}

void drawPrescribedDisplacements(PlotContext& context) {
    const Model& model = context.model;
    const LoadSettings& settings = context.settings.loads;
    // With results the displacements share the scale of the deformed shape.
    double d = context.results ? context.results->maxDisplacement()
                               : model.constraintLoads.maxDisplacement();
    if (d == 0)
        d = 1;
    const double k = context.displacementScale * 0.2 * context.h / d;
    const double pen = context.size(settings.nodeForceLineWidth);
    const double textHeight = context.size(settings.nodeLoadTextHeight);
    const Colour colour = settings.prescribedDisplacementColour;
    for (const int row : model.constraintLoads.definedRows()) {
        const ZwvRecord& load = model.constraintLoads.row(row);
        if (!isDefinedNode(model, load.node))
            continue;
        const Vector2 p = nodePoint(model, load.node);
        if (load.dispR != 0 || load.dispZ != 0)
            drawForceArrow(context.picture, context.textScale, p, k, {load.dispR, load.dispZ}, pen,
                           context.size(settings.nodeForceHeadSize), textHeight, colour,
                           FromPoint | labelFlag(context), context.labels);
        if (load.dispRot != 0) {
            // The arc sweeps atan(k * phi): the turned tangent of the
            // displaced node at the scale of the displacements.
            const double sweep = std::atan(k * load.dispRot);
            drawMomentArc(context.picture, context.textScale, p,
                          context.size(settings.nodeMomentSize), sweep / std::fabs(load.dispRot),
                          std::fabs(load.dispRot), pen, textHeight, colour, labelFlag(context),
                          context.labels);
        }
    }
}

// The loads around the circumference on the meridian at the context's
// angle, with the symbols of the axisymmetric ones: surface loads along the
// shells, line loads and moments at the nodes.
void drawMeridianLoads(PlotContext& context, const MeridianLoads& around, double f, double g) {
    const LoadSettings& settings = context.settings.loads;
    for (const MeridianLoads::ShellLoad& load : around.shells) {
        if (load.normalStart != 0 || load.normalEnd != 0)
            drawLoadDistribution(
                context, load.shell,
                [&](double x) { return interpolate(load.normalStart, load.normalEnd, x); },
                DistributionKind::Transverse, f);
        if (load.meridionalStart != 0 || load.meridionalEnd != 0)
            drawLoadDistribution(
                context, load.shell,
                [&](double x) { return interpolate(load.meridionalStart, load.meridionalEnd, x); },
                DistributionKind::Longitudinal, f);
    }
    for (const MeridianLoads::NodeLoad& load : around.nodes) {
        const Vector2 p = nodePoint(context.model, load.node);
        if (load.forceR != 0 || load.forceZ != 0)
            drawForceArrow(context.picture, context.textScale, p, f, {load.forceR, load.forceZ},
                           context.size(settings.nodeForceLineWidth),
                           context.size(settings.nodeForceHeadSize),
                           context.size(settings.nodeLoadTextHeight), settings.nodeLoadColour,
                           labelFlag(context), context.labels);
        if (load.moment != 0)
            drawMomentArc(context.picture, context.textScale, p,
                          context.size(settings.nodeMomentSize), signum(load.moment) * g,
                          std::fabs(load.moment), context.size(settings.nodeForceLineWidth),
                          context.size(settings.nodeLoadTextHeight), settings.nodeLoadColour,
                          labelFlag(context), context.labels);
    }
}

// The whole forces at one place of the circumference that act on the
// meridian, scaled among themselves (they are no loads per unit length):
// the largest of the load case is a tenth of the reference length long.
void drawAngleForces(PlotContext& context, const MeridianLoads& around) {
    if (around.forces.empty() || around.largestAngleForce == 0)
        return;
    const LoadSettings& settings = context.settings.loads;
    const double f = context.functionScale * 0.1 * context.h / around.largestAngleForce;
    for (const MeridianLoads::AngleForce& force : around.forces)
        if (force.forceR != 0 || force.forceZ != 0)
            drawForceArrow(context.picture, context.textScale, nodePoint(context.model, force.node),
                           f, {force.forceR, force.forceZ},
                           context.size(settings.pointForceLineWidth),
                           context.size(settings.pointForceHeadSize),
                           context.size(settings.nodeLoadTextHeight), settings.pointForceColour,
                           labelFlag(context), context.labels);
}

// Names the meridian the loads around the circumference are drawn on: a
// line above everything drawn so far (the axis texts, the load values),
// starting at its left edge; later labels keep clear of it.
void drawAngleNote(PlotContext& context) {
    const BoundingBox drawn = context.picture.boundingBox();
    if (drawn.isEmpty())
        return;
    const LoadSettings& settings = context.settings.loads;
    const double height = context.size(settings.nodeLoadTextHeight);
    placeText(context.picture, context.labels, context.textScale,
              {{{drawn.minX, drawn.minY}, 0.0, height, TextAbove}}, height,
              settings.surfaceLoadColour,
              formatNumber("Lasten am Umfang bei Winkel %g Grad", context.angle));
}

} // namespace

void drawLoads(PlotContext& context) {
    const Model& model = context.model;
    if (model.selfWeight())
        drawSelfWeight(context);
    drawTemperatures(context);

    // Without loads around the circumference `around` is empty and adds
    // nothing to the scales.
    const MeridianLoads around = meridianLoadsAt(model, context.angle);
    const double forces =
        std::max({0.0, model.shellLoads.maxLoadMagnitude(), model.nodeLoads.maxForce(),
                  model.pointLoads.maxForce(), maxWaterPressure(model), model.snowLoads.maxAmount(),
                  maxSiloPressure(model), around.maxLoad()});
    const double moments =
        std::max({model.nodeLoads.maxMoment(), model.pointLoads.maxMoment(), around.maxMoment()});
    if (forces != 0 || moments != 0) {
        const double f = forces != 0 ? context.functionScale * 0.1 * context.h / forces : 0.0;
        const double g = moments != 0 ? 1.5 * pi / moments : 0.0;
        drawSurfaceLoads(context, f);
        drawSiloLoads(context, f);
        drawMeridianLoads(context, around, f, g);
        drawNodeLoads(context, f, g);
        drawPointLoads(context, f, g);
    }
    drawAngleForces(context, around);
    drawPrescribedDisplacements(context);
    if (model.hasHarmonicLoads())
        drawAngleNote(context);
}

} // namespace venkar
