#include "graphics/ValueLabel.h"

#include "geometry/Interpolate.h"
#include "graphics/PlotContext.h"
#include "graphics/StrokeFont.h"

#include <cmath>
#include <numbers>

namespace venkar {

void drawValueLabel(PlotContext& context, double value, Vector2 shellPoint, Vector2 outerPoint,
                    Colour colour, LabelSide side, bool magnitude, double tolerance) {
    if (std::fabs(value) < 1e-5 * tolerance)
        return;
    double angle = angleOf(outerPoint - shellPoint);
    if (value < 0)
        angle += std::numbers::pi;
    const ReadableText text =
        readableText(angle, TextCentred | (side == LabelSide::Above ? TextAbove : TextBelow));
    const ValueTextSettings& settings = context.settings.valueText;
    drawText(context.picture, context.textScale, interpolatePoint(shellPoint, outerPoint, 0.5),
             text.angle, context.size(settings.gap), context.size(settings.height), colour,
             formatNumber("%#.4lg", magnitude ? std::fabs(value) : value), text.placement);
}

} // namespace venkar
