#pragma once

#include "graphics/AroundView.h"

#include <vector>

namespace venkar {

class Picture;

// The plan view "Grundriss": the circle of one station seen from above
// with a polar diagram of a quantity around it.
//
// Orientation: the angle φ runs clockwise seen from above (right-handed
// about the downward z axis), 0° at the left where the wind comes from; a
// point at φ on a circle of radius R lies at (-R cos φ, -R sin φ) in picture
// units (y down). The wind arrow stands left of the circle pointing right.

// The diagram of the plan view: the values at every degree from 0° to 359°
// at the station, the station's radius, and the largest and smallest value
// (the first occurrence by ascending angle wins a tie). Empty values when
// the shell has no elements.
struct PlanDiagram {
    std::vector<double> angles; // degrees
    std::vector<double> values;
    double radius = 0.0; // r of the station
    AroundExtreme maximum;
    AroundExtreme minimum;
};
PlanDiagram planDiagram(const Model& model, const HarmonicCase& harmonicCase,
                        const AroundSelection& selection);

// Draws the plan view into `picture` (which it clears first): the circle,
// the diagram as ordinates from the circle outwards for positive values and
// inwards for negative ones (the largest a third of the radius long at
// function scale 1), blue for positive and red for negative as the meridian
// diagrams, the angles 0°, 90°, 180° and 270°, the wind arrow, the station's
// name and the labelled extremes. Returns the reference length the texts
// and symbols are fractions of.
double drawPlanView(const AroundViewInput& input, Picture& picture);

} // namespace venkar
