#pragma once

#include "graphics/ValueLabel.h"

#include <functional>
#include <vector>

namespace venkar {

struct PlotContext;

// How a distributed load is laid out along its shell.
enum class DistributionKind {
    Transverse,   // normal to the shell ("Querrichtung")
    Longitudinal, // along the shell ("Längsrichtung"); arrows with side heads
    Water,        // water pressure, normal to the shell
    Snow,         // vertical, over the horizontal extent of the shell
};

// The load distribution p(x) (x the relative position on the shell, 0-based
// row `shell`, which must pass geometryValid) drawn with the force factor f
// (model length per unit of load): a row of stations set off from the shell
// by the surface-load gap (to the other side when p(0.5) < 0), each with its
// ordinate f * p; the base points and the outer points joined by lines, the
// end ordinates drawn plain and, with the values switch, labelled with |p|;
// the stations between carry arrows from the outer point to the shell.
// Nothing is drawn when f * max(|p(0)|, |p(1)|) is 0. With `endLabels` the
// two end values are not written but handed back there (start, then end),
// for the caller to place.
void drawLoadDistribution(PlotContext& context, int shell,
                          const std::function<double(double)>& load, DistributionKind kind,
                          double forceFactor, std::vector<OrdinateLabel>* endLabels = nullptr);

// The loads of the load case: self weight, temperature, surface, water and
// snow loads, the stored solid of silos (pressure and wall friction), the
// loads around the circumference on the meridian at the context's angle
// (wind, harmonic surface and node loads), node loads, point loads, the
// whole forces at one place of the circumference that act on that meridian
// and prescribed displacements, in this order; with loads around the
// circumference a note names the angle. Forces are scaled so that the largest one is a tenth of
// the reference length long at function scale 1, moments so that the largest sweeps 270 degrees.
void drawLoads(PlotContext& context);

} // namespace venkar
