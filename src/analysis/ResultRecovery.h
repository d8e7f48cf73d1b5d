#pragma once

namespace venkar {

class AnalysisModel;
class Model;
class RealMatrix;
class ShellElement;

// The results of a solved calculation and the ways reports and plots read
// them. Positions x are relative positions along a shell (0 at its start
// node, 1 at its end node); shells are 0-based rows of the shell table.

// Stores the solution: every independent DOF takes its equation's value
// from column 0 of `solution`, then every dependent DOF, in table order,
// the value of its constraint.
void storeSolution(AnalysisModel& analysis, const RealMatrix& solution);

// Recovers every element in element order, turns the force sums of the
// input nodes' analysis nodes into support reactions per unit length of
// circumference (0 on the axis) and collects `analysis.results`.
void recoverResults(const Model& model, AnalysisModel& analysis, int flags);

// The first element of the shell's chain with start ≤ x ≤ end; raises
// "Schale nicht gefunden" when there is none.
const ShellElement& findElement(const AnalysisModel& analysis, int shell, double x);

// The element of the shell that holds position x (as findElement) and the
// relative position l = (x - start)/(end - start) of x inside it: where the
// reports read displacements and section values.
struct ElementPosition {
    const ShellElement& element;
    double l;
};
ElementPosition locateOnShell(const AnalysisModel& analysis, int shell, double x);

// Largest and smallest value of a result component along a shell with their
// positions; the first occurrence wins a tie. A shell without elements keeps
// the initial values (the lowest and the largest double) and positions 0.
struct ResultExtremes {
    double maximum = -1.7976931348623157e308;
    double maximumPosition = 0.0;
    double minimum = 1.7976931348623157e308;
    double minimumPosition = 0.0;
};
ResultExtremes extremes(const AnalysisModel& analysis, int shell, int component);

// Scales of the result plots, each starting from 0: the largest length of
// (wr, wz), the largest |result| at an element end, the largest length of
// the reaction (r, z), the largest |reaction moment|, over all nodes or
// shell elements.
double maximumDisplacement(const AnalysisModel& analysis);
double maximumShellResult(const AnalysisModel& analysis, int component);
double maximumReactionForce(const AnalysisModel& analysis);
double maximumReactionMoment(const AnalysisModel& analysis);

} // namespace venkar
