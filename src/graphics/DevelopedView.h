#pragma once

#include "graphics/AroundView.h"
#include "graphics/Colour.h"

#include <vector>

namespace venkar {

class Picture;

// The developed shell "Abwicklung": every shell unrolled into a band, the
// bands stacked in shell row order (a branched meridian does not unroll
// into one strip), the arc length along the meridian downwards and the
// angle from 0° to 180° (360° when the case is not symmetric) across,
// filled with colour bands of a quantity.

// Angles between two columns of the developed view, degrees.
inline constexpr double developedAngleStep = 2.5;

// The bounds of the colour bands for values from `minimum` to `maximum`:
// ascending multiples of a round step (1, 2 or 5 times a power of ten)
// giving at most twelve bands, the first at or below `minimum` and the
// last at or above `maximum`; two bounds around a single value.
std::vector<double> colourLevels(double minimum, double maximum);

// The colour of a value between two bounds: blue shades for positive
// values and red shades for negative ones, as the meridian diagrams, the
// deeper the larger the magnitude against `largest`.
Colour bandColour(double value, double largest);

// What the developed view drew: its angles, the bounds of its colour bands
// (the legend) and the largest and smallest value at the element ends and
// angles (the first occurrence in shell row order, meridian order, then
// ascending angle wins a tie).
struct DevelopedDiagram {
    std::vector<double> angles;
    std::vector<double> levels;
    AroundExtreme maximum;
    AroundExtreme minimum;
};

// Draws the developed view into `picture` (which it clears first): the
// bands with their colour cells (one per element and column, coloured by
// the mean of its four corners), the shell numbers and arc lengths beside
// them, the angles above, the legend with its bounds to the right, and
// the extremes marked and labelled. Returns the reference length; `drawn`,
// when not null, receives what was drawn.
double drawDevelopedView(const AroundViewInput& input, Picture& picture,
                         DevelopedDiagram* drawn = nullptr);

} // namespace venkar
