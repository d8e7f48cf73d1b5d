#pragma once

#include "geometry/Vector2.h"

#include <optional>
#include <string>

namespace venkar {

class Model;
class PlotResults;

// A point of a shell diagram where the results hold a value: one end of a
// result element.
struct DiagramStation {
    int shell = 0;         // 0-based shell row
    double position = 0.0; // relative position on the shell, in [0, 1]
    int component = 0;     // the shell result component
    double value = 0.0;
};

// The station of the diagram of `component` nearest to `point` (model
// units). The diagram stands as drawDiagram draws it: each element a
// quadrilateral between the shell and its ordinates of `scale` model units
// per unit of value; values below `roundOff` count as zero. The element whose
// area holds the point, or failing that the nearest within `reach`, is
// chosen, and of its two ends the one whose ordinate is nearer. Nothing when
// no element lies within `reach` or the results have no elements.
std::optional<DiagramStation> nearestStation(const Model& model, const PlotResults& results,
                                             int component, double scale, double roundOff,
                                             Vector2 point, double reach);

// The status line text of a station with German decimal commas and a true
// minus sign: "Schale 2, x = 0,35: M-Theta = −0,3686" (four significant
// digits).
std::string stationText(const DiagramStation& station);

} // namespace venkar
