#pragma once

namespace venkar {

class Model;
class ShellsAtNode;

// How finely a shell may be divided into elements: the bending wave length
// of a shell of revolution and the element length derived from it. Shells
// are 0-based rows of `model.shells`, positions x relative along the
// meridian (see ShellGeometry.h, whose preconditions hold here too), and the
// shell's material must be held (see ShellMaterial.h).

// Decay factor of the edge disturbance at x:
// lambda = (3 (1 - nu^2) R2^2 / t^2)^(1/4), R2 the second radius, t the wall
// thickness, nu the Poisson ratio.
double decayFactor(const Model& model, int shell, double x);

// Bending wave length at x: 2 pi R2 / lambda = 2 pi sqrt(R2 t) / (3 (1 - nu^2))^(1/4).
double bendingWaveLength(const Model& model, int shell, double x);

// The largest admissible element length at x:
// - a point on the axis (r < 1e-10) is evaluated at x moved a tenth of the
//   way towards the middle of the shell;
// - an arc allows at most 5 % of its radius;
// - away from the axis and from a horizontal tangent (|sin phi| > 1e-5) the
//   result is at most a fifteenth of the bending wave length, and final;
// - otherwise (a plate, or a point on the axis) with `neighboursOnly` the
//   result so far is returned, which may still be the largest double;
//   without it the smallest length the other shells allow at the shell's two
//   nodes is taken, and a shell without such information gets a tenth of its
//   chord.
// This overload finds the neighbours by building a ShellsAtNode, a scan of
// all shells: for dividing a whole model use the overload below.
double elementLength(const Model& model, int shell, double x, bool neighboursOnly);

// As above without `neighboursOnly`, with the neighbours taken from `shellsAtNode`.
double elementLength(const Model& model, const ShellsAtNode& shellsAtNode, int shell, double x);

// The smallest element length the shells other than `ownShell` allow at node
// number `nodeNumber`: each evaluated at its end at the node (x = 0 or 1)
// with `neighboursOnly` set, so the look-up goes one level deep only. The
// largest double when no other shell gives a length.
double nodeElementLength(const Model& model, const ShellsAtNode& shellsAtNode, int nodeNumber,
                         int ownShell);
// The same for a single call (builds the index).
double nodeElementLength(const Model& model, int nodeNumber, int ownShell);

} // namespace venkar
