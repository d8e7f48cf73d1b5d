#pragma once

namespace venkar {

class PlotResults;

// Round-off is not a result: a plotted value whose magnitude lies below this
// fraction of the scale of its kind is drawn as zero and gets no label. A
// hundred-thousandth lies below what a diagram can show (its resolution is
// a twenty-thousandth of the reference length).
inline constexpr double roundOffFraction = 1e-5;

// The magnitude below which a value of shell result component `component`
// is round-off. The scale of its kind: for the forces (0 "N-Phi", 1
// "N-Theta", 4 "Q-Theta") the largest force of any of them; for the moments
// (2, 3) that force times `extent`, the model's largest extent (model
// units); for the strains (5, 6) the largest strain; any other component is
// measured against its own largest magnitude.
double roundOffLimit(const PlotResults& results, int component, double extent);

// The same for displacements: the largest displacement for the
// translations; for the rotation the angle by which that displacement
// turns a lever of `extent`.
struct DisplacementRoundOff {
    double translation = 0.0;
    double rotation = 0.0;
};
DisplacementRoundOff displacementRoundOff(const PlotResults& results, double extent);

// The same for support reactions: the forces against the largest shell
// force or reaction force, the moments against that force times `extent`
// or the largest reaction moment, so that a support the load does not reach
// shows 0 rather than a full-length arrow of round-off.
struct ReactionRoundOff {
    double force = 0.0;
    double moment = 0.0;
};
ReactionRoundOff reactionRoundOff(const PlotResults& results, double extent);

// `value`, or 0 when its magnitude lies below `limit`.
inline double withoutRoundOff(double value, double limit) {
    return value < limit && -value < limit ? 0.0 : value;
}

} // namespace venkar
