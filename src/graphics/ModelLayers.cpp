#include "graphics/ModelLayers.h"

#include "geometry/ShellGeometry.h"
#include "geometry/ShellMaterial.h"
#include "graphics/LabelLayout.h"
#include "graphics/LoadSymbols.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/Shape.h"
#include "graphics/StrokeFont.h"
#include "model/Error.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace venkar {

namespace {

constexpr double pi = std::numbers::pi;

// Labels keep clear of the symbol drawn with these arguments.
void blockSymbol(PlotContext& context, const Shape& shape, double size, double pen, double angle,
                 Vector2 position) {
    if (context.labels)
        context.labels->block(boxFrame(shapeBox(shape, size, pen, angle, position)));
}

void drawRingBeams(PlotContext& context) {
    const Model& model = context.model;
    const GeometrySettings& settings = context.settings.geometry;
    for (const int row : model.rings.definedRows()) {
        const RingRecord& ring = model.rings.row(row);
        if (!isDefinedNode(model, ring.node))
            continue;
        // The square shows the cross-section to scale: its side is sqrt(A)
        // in model units, whatever the reference length.
        drawShape(context.picture, standardShape(ShapeId::ClampSquare),
                  std::sqrt(std::max(ring.area, 0.0)), context.size(settings.ringLineWidth), 0.0,
                  settings.ringColour, nodePoint(model, ring.node));
    }
}

void drawShellLine(PlotContext& context, int shell) {
    const Model& model = context.model;
    const GeometrySettings& settings = context.settings.geometry;
    Picture& picture = context.picture;
    picture.setPen(settings.shellColour, context.size(settings.shellLineWidth));
    const int n = arcSegmentCount(model, shell, 0.05);
    picture.moveTo(1, pointAt(model, shell, 0.0));
    for (int k = 1; k <= n; ++k)
        picture.lineTo(1, pointAt(model, shell, static_cast<double>(k) / n));
}

void drawShellNumber(PlotContext& context, int shell) {
    const Model& model = context.model;
    const GeometrySettings& settings = context.settings.geometry;
    // The arrow starts at the shell's start, set off to the side of the
    // number, and points the way the shell runs.
    drawShape(context.picture, standardShape(ShapeId::DirectionArrow),
              context.size(settings.directionArrowSize), context.size(settings.directionLineWidth),
              tangentAngle(model, shell, 0.0), settings.directionColour,
              pointAt(model, shell, 0.0, -context.size(settings.directionGap)));
    const double angle = tangentAngle(model, shell, 0.5);
    const ReadableText above = readableText(angle, TextCentred | TextAbove);
    const ReadableText below = readableText(angle, TextCentred | TextBelow);
    const Vector2 middle = pointAt(model, shell, 0.5);
    const double gap = context.size(settings.shellNumberGap);
    placeText(
        context.picture, context.labels, context.textScale,
        {{middle, above.angle, gap, above.placement}, {middle, below.angle, gap, below.placement}},
        context.size(settings.shellNumberHeight), settings.shellNumberColour,
        formatText("S%d", shell + 1));
}

void drawBedding(PlotContext& context, int shell) {
    const Model& model = context.model;
    const ShellRecord& record = model.shells.row(shell);
    if (record.material < 1 || record.material > model.materials.count() ||
        !model.materials.isDefined(record.material - 1))
        return;
    if (beddingModulus(model, shell) <= 0)
        return;
    const GeometrySettings& settings = context.settings.geometry;
    const double spacing = context.size(settings.beddingSize);
    // At least two intervals, so that a short shell still gets its middle
    // spring.
    const int m = static_cast<int>(std::max(2.0, meridianLength(model, shell) * 0.7 / spacing));
    for (int k = 1; k < m; ++k) {
        const double x = static_cast<double>(k) / m;
        drawShape(context.picture, standardShape(ShapeId::Spring), spacing,
                  context.size(settings.beddingLineWidth), tangentAngle(model, shell, x),
                  settings.shellColour, pointAt(model, shell, x));
    }
}

void drawMaterialNumber(PlotContext& context, int shell) {
    const GeometrySettings& settings = context.settings.geometry;
    const Vector2 p = pointAt(context.model, shell, 0.7);
    placeText(context.picture, context.labels, context.textScale,
              {{p, 0.0, 0.0, TextRight | TextAbove}, {p, 0.0, 0.0, TextLeft | TextBelow}},
              context.size(settings.materialNumberHeight), settings.materialNumberColour,
              formatText("M%d", context.model.shells.row(shell).material));
}

void drawHinges(PlotContext& context) {
    const Model& model = context.model;
    const GeometrySettings& settings = context.settings.geometry;
    const Shape& rectangle = standardShape(ShapeId::SmallRectangle);
    const double size = context.size(settings.hingeSize);
    const double pen = context.size(settings.hingeLineWidth);
    for (const int row : model.hinges.definedRows()) {
        const HingeRecord& hinge = model.hinges.row(row);
        if (!isDrawableShell(model, hinge.shell))
            continue;
        const int shell = hinge.shell - 1;
        const Vector2 p = pointAt(model, shell, hinge.xPosition);
        const double phi = tangentAngle(model, shell, hinge.xPosition);
        // White fills first: they hide the shell line under the symbol.
        if (hinge.releaseN)
            fillShape(context.picture, rectangle, size, pen, phi, colours::white, colours::white,
                      p);
        if (hinge.releaseQ)
            fillShape(context.picture, rectangle, size, pen, phi + pi / 2, colours::white,
                      colours::white, p);
        if (hinge.releaseM)
            fillShape(context.picture, standardShape(ShapeId::Circle), size, pen, 0.0,
                      settings.hingeColour, colours::white, p);
        // Mask 5 draws the two long sides only: two parallel strokes.
        if (hinge.releaseN)
            drawShape(context.picture, rectangle, size, pen, phi, settings.hingeColour, p, 5);
        if (hinge.releaseQ)
            drawShape(context.picture, rectangle, size, pen, phi + pi / 2, settings.hingeColour, p,
                      5);
        blockSymbol(context, standardShape(ShapeId::Circle), size, pen, 0.0, p);
    }
}

void drawNodes(PlotContext& context) {
    const Model& model = context.model;
    const GeometrySettings& settings = context.settings.geometry;
    for (const int row : model.nodes.definedRows()) {
        const Vector2 p = nodePoint(model, row + 1);
        drawShape(context.picture, standardShape(ShapeId::NodeSquare),
                  context.size(settings.nodeSize), context.size(settings.nodeLineWidth), 0.0,
                  settings.nodeColour, p);
        if (context.isOn(ShowNodeNumbers)) {
            const double gap = context.size(settings.nodeTextGap);
            placeText(context.picture, context.labels, context.textScale,
                      {{p, 0.0, gap, TextRight | TextAbove},
                       {p, 0.0, gap, TextLeft | TextAbove},
                       {p, 0.0, gap, TextRight | TextBelow},
                       {p, 0.0, gap, TextLeft | TextBelow}},
                      context.size(settings.nodeTextHeight), settings.nodeColour,
                      std::to_string(row + 1));
        }
    }
}

} // namespace

void drawSymmetryAxis(PlotContext& context) {
    const AxisSettings& settings = context.settings.axis;
    const double u = context.size(settings.overhang);
    const Vector2 top{0.0, context.box.minY - u};
    const Vector2 bottom{0.0, context.box.maxY + u};
    drawPatternedLine(context.picture, top, bottom, context.size(settings.lineWidth),
                      settings.lineColour, true);
    // The texts read upwards (angle -pi/2); to stand beyond the ends of the
    // line the upper one starts after its anchor and the lower one ends
    // before it.
    const double height = context.size(settings.textHeight);
    const double gap = context.size(settings.textGap);
    const std::pair<Vector2, unsigned> ends[] = {{top, TextRight | TextAbove},
                                                 {bottom, TextLeft | TextAbove}};
    for (const auto& [anchor, placement] : ends) {
        drawText(context.picture, context.textScale, anchor, -pi / 2, gap, height,
                 settings.textColour, settings.text, placement);
        // Value labels keep clear of the axis texts.
        if (context.labels)
            context.labels->occupy(textFrame(context.textScale, anchor, -pi / 2, gap, height,
                                             settings.text, placement));
    }
}

void drawSupports(PlotContext& context) {
    const Model& model = context.model;
    const GeometrySettings& settings = context.settings.geometry;
    const double size = context.size(settings.supportSize);
    const double pen = context.size(settings.supportLineWidth);
    for (const int row : model.nodes.definedRows()) {
        const NodeRecord& node = model.nodes.row(row);
        if (!node.supportR && !node.supportZ && !node.supportRot)
            continue;
        const double a = node.skewAngle * pi / 180.0;
        const Vector2 p{node.r, node.z};
        auto draw = [&](ShapeId shape, double angle) {
            drawShape(context.picture, standardShape(shape), size, pen, angle,
                      settings.supportColour, p);
            blockSymbol(context, standardShape(shape), size, pen, angle, p);
        };
        // A bar stands for a free translation: the support rolls across it.
        if (!node.supportR)
            draw(ShapeId::SupportBar, a);
        if (!node.supportZ)
            draw(ShapeId::SupportBar, a - pi / 2);
        if (node.supportRot)
            draw(ShapeId::ClampSquare, a);
        else
            draw(ShapeId::SupportTriangle, a + (node.supportZ ? 0.0 : -pi / 2));
    }
}

void drawGeometry(PlotContext& context) {
    const Model& model = context.model;
    drawRingBeams(context);
    for (const int row : model.shells.definedRows()) {
        if (!geometryValid(model, row))
            continue;
        drawShellLine(context, row);
        if (context.isOn(ShowShellNumbers))
            drawShellNumber(context, row);
        drawBedding(context, row);
        if (context.isOn(ShowMaterialNumbers))
            drawMaterialNumber(context, row);
    }
    drawHinges(context);
    drawNodes(context);
}

} // namespace venkar
