#pragma once

#include "geometry/Vector2.h"
#include "graphics/Colour.h"

namespace venkar {

struct PlotContext;

// Where a value label stands against the middle of its ordinate.
enum class LabelSide { Above, Below };

// Writes the value of an ordinate (a line from `shellPoint` on the shell to
// `outerPoint`) along the ordinate, centred on its middle and above or below
// it: "%#.4lg" of `value`, or of |value| with `magnitude`. The text reads
// from the shell point outwards (turned by pi for a negative value, and
// always kept readable); height and gap are the shared value-text settings
// times the reference length. Nothing is written when |value| < 1e-5 *
// `tolerance`.
void drawValueLabel(PlotContext& context, double value, Vector2 shellPoint, Vector2 outerPoint,
                    Colour colour, LabelSide side, bool magnitude, double tolerance);

} // namespace venkar
