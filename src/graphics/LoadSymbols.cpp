#include "graphics/LoadSymbols.h"

#include "graphics/LabelLayout.h"
#include "graphics/Picture.h"
#include "graphics/Shape.h"
#include "graphics/StrokeFont.h"
#include "model/Error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// The label gap is a fifth of the text height.
constexpr double labelGapFactor = 0.2;
constexpr int maxArcSegments = 100000;

} // namespace

void drawPatternedLine(Picture& picture, Vector2 p1, Vector2 p2, double penWidth, Colour penColour,
                       bool patterned) {
    picture.setPen(penColour, penWidth);
    const Shape& pattern = standardShape(ShapeId::DashDot);
    const double period = pattern.referenceSize * penWidth;
    // Without a positive period the repetition below would never advance.
    if (!patterned || !(period > 0.0) || !std::isfinite(period)) {
        picture.addLine(p1, p2);
        return;
    }
    const Vector2 along = p2 - p1;
    const double lineLength = length(along);
    const double angle = angleOf(along);
    const Vector2 step = (period / lineLength) * along;
    // Counting the periods keeps the starts exact multiples of the step.
    for (int i = 0; i * period < lineLength; ++i)
        drawShape(picture, pattern, period, penWidth, angle, penColour, p1 + double(i) * step, 5);
}

void drawArrow(Picture& picture, Vector2 p1, Vector2 p2, double headSize, double penWidth,
               Colour penColour, unsigned flags) {
    drawPatternedLine(picture, p1, p2, penWidth, penColour, false);
    const Vector2 along = p2 - p1;
    if ((flags & HeadIfLong) && length(along) < headSize)
        return;
    if (flags & SideHead)
        drawShape(picture, standardShape(ShapeId::SideArrowHead), headSize, penWidth,
                  angleOf(along) - std::numbers::pi / 2, penColour, p2);
    else
        drawShape(picture, standardShape(ShapeId::ArrowHead), headSize, penWidth, angleOf(along),
                  penColour, p2);
}

void drawForceArrow(Picture& picture, double textScale, Vector2 point, double factor,
                    Vector2 vector, double penWidth, double headSize, double textHeight,
                    Colour colour, unsigned flags, LabelLayout* labels) {
    const Vector2 drawn = factor * vector;
    const Vector2 tail = (flags & FromPoint) ? point : point - drawn;
    const Vector2 head = (flags & FromPoint) ? point + drawn : point;
    drawArrow(picture, tail, head, headSize, penWidth, colour, flags);
    if (flags & Label) {
        const unsigned side = head.x > tail.x ? TextLeft : TextRight;
        const double gap = labelGapFactor * textHeight;
        const Vector2 middle = 0.5 * (tail + head);
        placeText(picture, labels, textScale,
                  {{tail, 0.0, gap, side},
                   {tail, 0.0, gap, TextCentred | TextAbove},
                   {tail, 0.0, gap, TextCentred | TextBelow},
                   {middle, 0.0, gap, TextRight | TextAbove},
                   {middle, 0.0, gap, TextLeft | TextBelow}},
                  textHeight, colour, formatText("%.3g", length(vector)));
    }
}

void drawMomentArc(Picture& picture, double textScale, Vector2 centre, double radius,
                   double angleFactor, double moment, double penWidth, double textHeight,
                   Colour colour, unsigned flags, LabelLayout* labels) {
    picture.setPen(colour, penWidth);
    const double sweep = angleFactor * moment;
    // Five segments per radian, at least one; the bound only keeps absurd
    // sweeps (and not-a-number) from exhausting memory.
    const double segments = std::round(std::fabs(sweep) * 5 + 1);
    const int n = segments <= maxArcSegments ? std::max(1, static_cast<int>(segments))
                                             : (std::isnan(segments) ? 1 : maxArcSegments);
    Vector2 end{};
    for (int i = 0; i <= n; ++i) {
        const double a = i * sweep / n;
        end = centre + Vector2{radius * std::sin(a), -radius * std::cos(a)};
        if (i == 0)
            picture.moveTo(0, end);
        else
            picture.lineTo(0, end);
    }
    // The head follows the direction of the sweep; a sweep of 0 still shows
    // one, turned as for a negative moment.
    const double headAngle = sweep > 0.0 ? sweep : sweep + std::numbers::pi;
    drawShape(picture, standardShape(ShapeId::ArrowHead), 0.4 * radius, penWidth, headAngle, colour,
              end);
    if (flags & Label) {
        const unsigned side = moment > 0.0 ? TextLeft : TextRight;
        const double gap = labelGapFactor * textHeight;
        const Vector2 top = centre - Vector2{0.0, radius};
        const Vector2 bottom = centre + Vector2{0.0, radius};
        placeText(picture, labels, textScale,
                  {{top, 0.0, gap, side},
                   {top, 0.0, gap, TextCentred | TextAbove},
                   {bottom, 0.0, gap, side},
                   {bottom, 0.0, gap, TextCentred | TextBelow}},
                  textHeight, colour, formatText("%.3g", moment));
    }
}

} // namespace venkar
