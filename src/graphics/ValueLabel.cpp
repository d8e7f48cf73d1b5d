#include "graphics/ValueLabel.h"

#include "geometry/Interpolate.h"
#include "graphics/LabelLayout.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/StrokeFont.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace venkar {

namespace {

constexpr const char* valueFormat = "%#.4lg";

// The arguments of drawText for a label whose middle is at `middle`.
struct LabelText {
    Vector2 anchor;
    double angle = 0.0;
    unsigned placement = 0;
    std::string text;
};

LabelText labelText(double value, Vector2 shellPoint, Vector2 outerPoint, Vector2 middle,
                    LabelSide side, bool magnitude) {
    double angle = angleOf(outerPoint - shellPoint);
    if (value < 0)
        angle += std::numbers::pi;
    const ReadableText text =
        readableText(angle, TextCentred | (side == LabelSide::Above ? TextAbove : TextBelow));
    return {middle, text.angle, text.placement,
            formatNumber(valueFormat, magnitude ? std::fabs(value) : value)};
}

} // namespace

void drawValueLabel(PlotContext& context, double value, Vector2 shellPoint, Vector2 outerPoint,
                    Colour colour, LabelSide side, bool magnitude, double tolerance) {
    if (std::fabs(value) < 1e-5 * tolerance)
        return;
    if (context.labels) {
        const OrdinateLabel label{value, shellPoint, outerPoint, colour, side, magnitude, false};
        const double quarter = 0.25 * length(outerPoint - shellPoint);
        for (const double shift : {0.0, quarter, -quarter})
            if (placeValueLabel(context, label, shift, *context.labels))
                return;
        return;
    }
    const LabelText text =
        labelText(value, shellPoint, outerPoint, interpolatePoint(shellPoint, outerPoint, 0.5),
                  side, magnitude);
    const ValueTextSettings& settings = context.settings.valueText;
    drawText(context.picture, context.textScale, text.anchor, text.angle,
             context.size(settings.gap), context.size(settings.height), colour, text.text,
             text.placement);
}

bool placeValueLabel(PlotContext& context, const OrdinateLabel& label, double shift,
                     LabelLayout& layout) {
    const Vector2 ordinate = label.outerPoint - label.shellPoint;
    const double length = venkar::length(ordinate);
    Vector2 middle = interpolatePoint(label.shellPoint, label.outerPoint, 0.5);
    if (length > 0)
        middle = middle + (shift / length) * ordinate;
    const LabelText text = labelText(label.value, label.shellPoint, label.outerPoint, middle,
                                     label.side, label.magnitude);
    const ValueTextSettings& settings = context.settings.valueText;
    const double gap = context.size(settings.gap);
    const double height = context.size(settings.height);
    const TextFrame frame = textFrame(context.textScale, text.anchor, text.angle, gap, height,
                                      text.text, text.placement);
    if (!layout.tryOccupy(frame))
        return false;
    if (label.ground) {
        // A white ground keeps the hatching drawn before out of the text; it
        // reaches half the gap the layout keeps between texts.
        const std::array<Vector2, 4> ground = frame.widened(0.05 * frame.height).corners();
        context.picture.setBrush(colours::white);
        context.picture.addPolygon(colours::white, 0.0, ground);
    }
    drawText(context.picture, context.textScale, text.anchor, text.angle, gap, height, label.colour,
             text.text, text.placement);
    return true;
}

double valueLabelWidth(const PlotContext& context, double value) {
    return textWidth(formatNumber(valueFormat, value)) * 0.001 * context.textScale *
           context.size(context.settings.valueText.height);
}

} // namespace venkar
