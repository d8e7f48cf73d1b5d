#pragma once

#include "harmonic/HarmonicResults.h"

#include <array>
#include <vector>

namespace venkar {

class Model;
struct HarmonicCase;

// Where a load around the circumference is largest: extremes over the
// element ends of a shell and over the angles around it.

// The angles (degrees) the extremes look at: a grid no coarser than 5° and
// no coarser than 360°/(8·n) for the highest harmonic n, from 0° to 180°
// for a symmetric case (0° to 360° otherwise), and every angle the loads
// single out.
std::vector<double> extremeAngles(const HarmonicCase& harmonicCase);

// The angles of the tables: every 5° from 0° to 180° (to 360° when the
// case is not symmetric).
std::vector<double> tableAngles(const HarmonicCase& harmonicCase);

// The largest and smallest value with the relative position x along the
// shell and the angle (degrees) where each occurs; the first occurrence
// (meridian order, then ascending angle) wins a tie.
struct AngleExtremes {
    double maximum = -1.7976931348623157e308;
    double maximumPosition = 0.0;
    double maximumAngle = 0.0;
    double minimum = 1.7976931348623157e308;
    double minimumPosition = 0.0;
    double minimumAngle = 0.0;
};

// The extremes of one shell: the twelve quantities of HarmonicQuantity,
// then the larger von Mises stress of the two faces (shear included).
inline constexpr int vonMisesExtreme = harmonicQuantityCount;
inline constexpr int circumferentialExtremeCount = harmonicQuantityCount + 1;
struct ShellAngleExtremes {
    int shell = 0; // shell row number
    std::array<AngleExtremes, circumferentialExtremeCount> values{};
};

// Per defined shell with elements, in row order.
std::vector<ShellAngleExtremes> circumferentialExtremes(const Model& model,
                                                        const HarmonicCase& harmonicCase);

} // namespace venkar
