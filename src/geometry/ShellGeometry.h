#pragma once

#include "geometry/Vector2.h"

namespace venkar {

class Model;

// The meridian of one shell: a straight segment or a circular arc from its
// start node S to its end node E.
//
// A shell is addressed by its 0-based row index in `model.shells`. A position
// along the shell is relative: x = 0 at the start node, x = 1 at the end
// node, proportional to the meridian length (linear along the chord of a
// straight shell, proportional to the turned angle of an arc). Values outside
// [0, 1] are evaluated by the same formulas.
//
// Radius R of the shell: 0 means straight; otherwise |R| is the arc radius
// and its sign the side of the bulge. With R > 0 the arc bulges towards
// (u.y, -u.x), u the unit chord direction (drawn with r to the right and z
// up: to the right of the way from start to end), with R < 0 to the other
// side. Curvature "Innen" (0) takes the shorter, "Außen" (1) the longer of
// the two arcs bulging to that side.
//
// Precondition of every operation except `geometryValid`: the shell passes
// `geometryValid` (the plausibility check guarantees it for every defined
// shell before an analysis). For other shells the results mean nothing; node
// numbers outside the node table throw std::out_of_range.
//
// The operations taking (model, shell) build the shell's `Meridian` from the
// tables on every call, so they always follow the current input; code that
// evaluates one shell many times builds the Meridian once and asks it.

// The construction of one shell's meridian from its two nodes, radius and
// curvature: a plain value, valid as long as those inputs are unchanged.
struct Meridian {
    Vector2 start;       // the start node's point
    Vector2 end;         // the end node's point
    double radius = 0.0; // R as entered; its sign is the side of the bulge
    bool arc = false;    // R != 0 and |R| >= L/2
    double halfChord = 0.0;
    Vector2 centre{}; // arc only
    // Arc: half the opening angle alpha, pi - alpha for the longer arc;
    // straight: the chord direction.
    double angle = 0.0;

    double chordLength() const;
    double length() const;
    double tangentAngle(double x) const;
    Vector2 pointAt(double x, double offset = 0.0) const;
    int arcSegmentCount(double step) const;
    double secondRadius(double x) const;
};

// Builds the meridian of a shell whose nodes are held by the node table.
Meridian meridianOf(const Model& model, int shell);

// The point of node number `nodeNumber` (1-based): (r, z).
Vector2 nodePoint(const Model& model, int nodeNumber);
Vector2 startPoint(const Model& model, int shell);
Vector2 endPoint(const Model& model, int shell);

// True when the shell can be evaluated: two different, defined nodes at
// different places, and for an arc a radius of at least half the chord.
bool geometryValid(const Model& model, int shell);

// True when the shell is a circular arc (R != 0, long enough).
bool isArc(const Model& model, int shell);

// L: the distance from start to end node.
double chordLength(const Model& model, int shell);

// Length of the meridian: L for a straight shell, 2 |R alpha| for an arc of
// opening angle 2 alpha.
double meridianLength(const Model& model, int shell);

// Direction of the tangent at x in radians, counter-clockwise from +r,
// pointing from start to end. Straight shell: the chord direction in
// (-pi/2, 3pi/2]; arc: in [0, 2pi) for x in [0, 1].
double tangentAngle(const Model& model, int shell, double x);

// The meridian point at x, moved by `offset` along the normal
// (sin phi, -cos phi), phi = tangentAngle(x): drawn with r to the right and
// z up the right-hand side of the direction of travel. On an arc a positive
// offset moves away from the centre when R > 0 and towards it when R < 0.
Vector2 pointAt(const Model& model, int shell, double x, double offset = 0.0);

// Number of chords with which to draw the shell at an angular step `step`
// (radians): 1 for a straight shell, trunc(2 alpha / step + 1) for an arc.
int arcSegmentCount(const Model& model, int shell, double step);

// Second principal radius of curvature at x: |r(x) / sin phi(x)|, the
// distance from the meridian point to the axis along the normal. Unbounded
// (division by zero) where the tangent is horizontal.
double secondRadius(const Model& model, int shell, double x);

} // namespace venkar
