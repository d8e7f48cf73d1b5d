#pragma once

#include "geometry/Vector2.h"
#include "graphics/Colour.h"

namespace venkar {

class LabelLayout;
struct PlotContext;

// Where a value label stands against the middle of its ordinate.
enum class LabelSide { Above, Below };

// Writes the value of an ordinate (a line from `shellPoint` on the shell to
// `outerPoint`) along the ordinate, centred on its middle and above or below
// it: "%#.4lg" of `value`, or of |value| with `magnitude`. The text reads
// from the shell point outwards (turned by pi for a negative value, and
// always kept readable); height and gap are the shared value-text settings
// times the reference length. Nothing is written when |value| < 1e-5 *
// `tolerance`. With a label layout in the context, a text that would
// overlap one placed before is moved along the ordinate by a quarter of its
// length or left out.
void drawValueLabel(PlotContext& context, double value, Vector2 shellPoint, Vector2 outerPoint,
                    Colour colour, LabelSide side, bool magnitude, double tolerance);

// One value label of a diagram waiting for its place.
struct OrdinateLabel {
    double value = 0.0;
    Vector2 shellPoint;
    Vector2 outerPoint;
    Colour colour = 0;
    LabelSide side = LabelSide::Above;
    bool magnitude = false; // write |value|
    bool ground = true;     // on a white ground
};

// Writes `label` as drawValueLabel does (without tolerance), its middle
// moved by `shift` model units along the ordinate (outwards for a positive
// shift), when its text stays clear of every text placed in `layout`; then
// records it there. With `ground` the text stands on a white ground the size
// of its frame, which hides what was drawn before under it. Says whether the
// label was written.
bool placeValueLabel(PlotContext& context, const OrdinateLabel& label, double shift,
                     LabelLayout& layout);

// The length of the label's text along its ordinate, in model units.
double valueLabelWidth(const PlotContext& context, double value);

} // namespace venkar
