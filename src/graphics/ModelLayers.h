#pragma once

namespace venkar {

struct PlotContext;

// The layers of a plot that show the structure itself, drawn in this order
// by the graph view. Each draws with the settings times the reference length
// of the context and skips rows that refer to undefined nodes or shells and
// shells whose geometry is not valid.

// The dash-dot symmetry axis from above to below the structure's box,
// reaching beyond it by the axis overhang, with its text beyond both ends.
void drawSymmetryAxis(PlotContext& context);

// Support symbols at every node with a support: a bar for each free
// translation, the clamp square for a fixed rotation, else the triangle;
// all turned by the support's inclination.
void drawSupports(PlotContext& context);

// Ring beams, shells (with numbers and direction arrows, bedding springs and
// material numbers as the switches ask), hinges and nodes (with numbers).
void drawGeometry(PlotContext& context);

} // namespace venkar
