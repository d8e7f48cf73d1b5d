#pragma once

#include <cstddef>
#include <vector>

namespace venkar {

class AnalysisModel;
class Model;
class ShellsAtNode;

// A position on a shell where the discretisation places a node.
struct DivisionPoint {
    enum Kind : int { division = 0, hinge = 1, pointLoad = 2 };
    int kind = division;
    double x = 0.0;  // relative position on the shell
    int source = -1; // row of the hinge or point load; -1 for a division point
};

// The node positions of shell row `shellIndex`, ascending: its ends, each
// hinge twice (the pair becomes two nodes at one place), each point load,
// and between these fixed positions points spaced by the admissible element
// length (scaled down by the discretisation factor) and shrunk evenly so
// that each interval ends exactly at its end. Coincident positions merge,
// except that a hinge pair stays a pair. Raises "Zu viele Elemente" when the
// shell alone would need more than maxAnalysisElements elements.
std::vector<DivisionPoint> divideShell(const Model& model, const ShellsAtNode& shellsAtNode,
                                       int shellIndex);

// The most elements a calculation may have. A shell divided into more (a
// huge discretisation factor, a very thin wall on a long shell) ends the
// calculation with "Zu viele Elemente" instead of exhausting the memory.
inline constexpr std::size_t maxAnalysisElements = 1000000;

// What the discretisation generates besides the mesh. Today's calculation
// takes the defaults; the harmonics of a load around the circumference
// generate their own axis conditions and, beyond n = 0, support every
// direction a support holds, prescribed displacement or not.
struct DiscretisationOptions {
    bool axisConstraints = true;           // wr = rotation = 0 on the axis
    bool supportsYieldToPrescribed = true; // a prescribed direction is left to it
};

// Clears `analysis` and builds its nodes, elements and the constraints of
// supports, hinges, the axis and ring beams, and its numbering of the input
// (`nodeOfRow`, `firstElementOfShell`). The model is only read.
// Precondition: the system passed its plausibility check.
void discretise(const Model& model, AnalysisModel& analysis,
                const DiscretisationOptions& options = {});

} // namespace venkar
