#include "graphics/PlanView.h"

#include "geometry/ShellGeometry.h"
#include "graphics/GraphSettings.h"
#include "graphics/LoadSymbols.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/StrokeFont.h"
#include "harmonic/HarmonicCase.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// The diagram's largest ordinate as a fraction of the radius.
constexpr double diagramFraction = 1.0 / 3.0;
// The frame the angle texts stand on, as a multiple of the radius.
constexpr double frameFraction = 1.5;
// Angles between two ordinates of the hatching, degrees.
constexpr int hatchStep = 3;

Vector2 direction(double degrees) {
    const double phi = degrees * std::numbers::pi / 180.0;
    return {-std::cos(phi), -std::sin(phi)};
}

Colour signColour(double value) {
    return value > 0 ? colours::blue : colours::red;
}

} // namespace

PlanDiagram planDiagram(const Model& model, const HarmonicCase& harmonicCase,
                        const AroundSelection& selection) {
    PlanDiagram diagram;
    if (!isDrawableShell(model, selection.shell + 1))
        return diagram;
    diagram.radius = pointAt(model, selection.shell, selection.x).x;
    const std::optional<ElementAt> at = elementAt(harmonicCase, selection.shell, selection.x);
    if (!at)
        return diagram;
    for (int degrees = 0; degrees < 360; ++degrees)
        diagram.angles.push_back(degrees);
    const AroundField field(model, harmonicCase, selection.quantity, diagram.angles);
    field.sample(at->element, at->l, diagram.values);
    diagram.maximum = {diagram.values[0], 0.0, selection.shell, selection.x};
    diagram.minimum = diagram.maximum;
    for (std::size_t a = 1; a < diagram.values.size(); ++a) {
        if (diagram.values[a] > diagram.maximum.value)
            diagram.maximum = {diagram.values[a], diagram.angles[a], selection.shell, selection.x};
        if (diagram.values[a] < diagram.minimum.value)
            diagram.minimum = {diagram.values[a], diagram.angles[a], selection.shell, selection.x};
    }
    return diagram;
}

double drawPlanView(const AroundViewInput& input, Picture& picture) {
    picture.clear();
    const PlanDiagram diagram = planDiagram(input.model, input.harmonicCase, input.selection);
    // A station on the axis has no circle; it is drawn on a small one.
    double radius = diagram.radius;
    if (!(radius > 0)) {
        double largest = 0.0;
        for (int row : input.model.nodes.definedRows())
            largest = std::max(largest, input.model.nodes.row(row).r);
        radius = largest > 0 ? 0.2 * largest : 1.0;
    }
    const double frame = frameFraction * radius;
    const double h = 2.0 * std::sqrt(2.0) * frame;
    const double scale = h * input.annotation;
    const SettingValues& settings = input.settings;
    const double textHeight = settings.valueText.height * input.textScale;
    const double gap = settings.valueText.gap * input.textScale;

    // Cross hairs through the axis and the circle of the station.
    picture.setPen(settings.axis.lineColour, settings.axis.lineWidth * scale * 0.25);
    picture.addLine({-frame, 0.0}, {frame, 0.0});
    picture.addLine({0.0, -frame}, {0.0, frame});
    picture.setPen(settings.geometry.shellColour, settings.geometry.shellLineWidth * scale);
    picture.moveTo(1, radius * direction(0));
    for (int degrees = 1; degrees <= 360; ++degrees)
        picture.lineTo(1, radius * direction(degrees));

    // The diagram.
    double largest = 0.0;
    for (double v : diagram.values)
        largest = std::max(largest, std::fabs(v));
    const double ordinate =
        largest > 0 ? diagramFraction * radius * input.functionScale / largest : 0.0;
    auto outer = [&](std::size_t a) {
        return (radius + ordinate * diagram.values[a]) * direction(diagram.angles[a]);
    };
    const double pen = settings.results.diagramLineWidth * scale;
    if (ordinate > 0) {
        for (std::size_t a = 0; a < diagram.values.size(); a += hatchStep) {
            picture.setPen(signColour(diagram.values[a]), pen);
            picture.addLine(radius * direction(diagram.angles[a]), outer(a));
        }
        for (std::size_t a = 0; a < diagram.values.size(); ++a) {
            const std::size_t b = (a + 1) % diagram.values.size();
            picture.setPen(signColour(diagram.values[a] + diagram.values[b]), 2.0 * pen);
            picture.addLine(outer(a), outer(b));
        }
    }

    // The angles on the frame.
    const Colour textColour = colours::black;
    for (int degrees : {0, 90, 180, 270}) {
        const Vector2 anchor = (frame - 2.0 * textHeight * scale) * direction(degrees);
        drawText(picture, scale, anchor, 0.0, gap, textHeight, textColour,
                 formatNumber("%.0f°", degrees), TextCentred);
    }

    // The wind from the left.
    const Colour windColour = settings.loads.surfaceLoadColour;
    const Vector2 tail{-frame - 0.45 * radius, 0.0};
    const Vector2 tip{-frame - 0.05 * radius, 0.0};
    drawArrow(picture, tail, tip, 0.08 * radius, 2.0 * pen, windColour, 0);
    drawText(picture, scale, 0.5 * (tail + tip), 0.0, gap, textHeight, windColour, "Wind",
             TextCentred | TextAbove);

    // The station below the circle.
    drawText(picture, scale, {0.0, frame}, 0.0, gap, textHeight, textColour,
             formatNumber("Schale %.0f", input.selection.shell + 1.0) +
                 formatNumber(", x = %.3g", input.selection.x) +
                 formatNumber(", r = %.4g", diagram.radius),
             TextCentred | TextBelow);

    // The extremes, the largest first.
    if (ordinate > 0 && (input.values || input.extremes)) {
        for (const auto& [extreme, name] :
             {std::pair{diagram.maximum, "max "}, std::pair{diagram.minimum, "min "}}) {
            const auto a = static_cast<std::size_t>(extreme.angle);
            const Vector2 at = outer(a);
            const Colour colour = signColour(extreme.value);
            if (input.extremes) {
                const double mark = 0.6 * textHeight * scale;
                picture.setPen(colour, 2.0 * pen);
                picture.addLine(at - Vector2{mark, mark}, at + Vector2{mark, mark});
                picture.addLine(at - Vector2{mark, -mark}, at + Vector2{mark, -mark});
            }
            if (input.values) {
                // Beside the mark, away from the circle.
                const Vector2 out = direction(extreme.angle);
                const unsigned placement = (out.x < -0.3  ? TextLeft
                                            : out.x > 0.3 ? TextRight
                                                          : TextCentred) |
                                           (out.y < 0 ? TextAbove : TextBelow);
                const Vector2 anchor = at + (1.2 * textHeight * scale) * out;
                drawText(picture, scale, anchor, 0.0, 2.0 * gap, textHeight, colour,
                         name + aroundNumber(extreme.value) +
                             formatNumber(" bei %.0f°", extreme.angle),
                         placement);
            }
        }
    }
    return h;
}

} // namespace venkar
