#pragma once

#include "geometry/Vector2.h"
#include "graphics/Colour.h"

namespace venkar {

class LabelLayout;
class Picture;

// Compound primitives of the plots, built from the shapes and the stroke
// font. All lengths are model units unless a parameter says otherwise.

// Flags of the arrow primitives; they combine.
enum ArrowFlags : unsigned {
    HeadIfLong = 2, // no head when the arrow is shorter than its head
    FromPoint = 4,  // force arrow: starts at the point instead of ending there
    SideHead = 8,   // half head (shape SideArrowHead) turned across the arrow
    Label = 16,     // force arrow and moment arc: write the value
};

// A plain line, or with `patterned` a dash-dot line: the pattern shape is
// repeated with a period of 19 pen widths from p1 while the period's start
// lies before p2 (the last period may reach past p2). A pen width that gives
// no positive period draws the plain line.
void drawPatternedLine(Picture& picture, Vector2 p1, Vector2 p2, double penWidth, Colour penColour,
                       bool patterned);

// A line from p1 to p2 with a head of `headSize` at p2 (flags HeadIfLong,
// SideHead).
void drawArrow(Picture& picture, Vector2 p1, Vector2 p2, double headSize, double penWidth,
               Colour penColour, unsigned flags);

// The arrow of a force `vector` drawn with length `factor` * |vector|, its tip
// at `point` (or, with FromPoint, its tail). With Label the length of
// `vector` is written ("%.3g") beside the tail, on the side away from the
// head; `textScale` * `textHeight` is the text height in model units. With
// `labels` the text keeps clear of what they hold: it moves above or below
// the tail or to the middle of the arrow, or is left out.
void drawForceArrow(Picture& picture, double textScale, Vector2 point, double factor,
                    Vector2 vector, double penWidth, double headSize, double textHeight,
                    Colour colour, unsigned flags, LabelLayout* labels = nullptr);

// The arc of a moment: it starts straight above `centre` at `radius` and
// sweeps `angleFactor` * `moment` radians (positive clockwise on the device,
// as y points down), with an arrow head of 0.4 * radius at its end. With
// Label the moment is written ("%.3g") at the start of the arc; with
// `labels` it keeps clear of what they hold (above the start, or beside the
// lowest point of the circle), or is left out.
void drawMomentArc(Picture& picture, double textScale, Vector2 centre, double radius,
                   double angleFactor, double moment, double penWidth, double textHeight,
                   Colour colour, unsigned flags, LabelLayout* labels = nullptr);

} // namespace venkar
