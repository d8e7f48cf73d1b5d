#pragma once

#include "harmonic/HarmonicElement.h"

namespace venkar {

// The displacements and the rotations of the harmonic element at one
// meridian point as rows over its eight global DOFs (wr, wz, rotation, v per
// node) in the symmetric set. Amplitudes of the symmetric set (u, w ∝ cos nφ, v ∝ sin nφ), with
// ' = d/ds and the chord angle ψ; the normal n = (-sin ψ, cos ψ):
//   rotation about e_φ            φ_s = -w'                    ∝ cos nφ
//   rotation about the meridian   φ_φ = (n·w - sin ψ·v)/r      ∝ sin nφ
//   rotation about the normal     ω   = ½(v' + n·u/r + cos ψ·v/r)  ∝ sin nφ
//   surface dilatation            e   = ε_s + ε_φ
//                                     = u' + (n·v + cos ψ·u - sin ψ·w)/r   ∝ cos nφ
// These are the amplitudes of φ_s = -w,s, φ_φ = -(w,φ + sin ψ·v)/r and
// ω = ½((r·v),s/r - u,φ/r), the rotations of Sanders' theory for a surface
// whose meridian is straight (1/R_s = 0) and whose hoop curvature is
// -sin ψ/r.
struct ShellRotationRows {
    HarmonicRow u{};          // along the chord tangent t
    HarmonicRow w{};          // along the normal n
    HarmonicRow v{};          // along e_φ
    HarmonicRow meridional{}; // φ_s
    HarmonicRow hoop{};       // φ_φ
    HarmonicRow normal{};     // ω
    HarmonicRow dilatation{}; // ε_s + ε_φ
    double r = 0.0;
};

// The rows as polynomials in n: rows(n) = constant + n·perN (φ_φ, ω and e
// are linear in n, the others independent of it; perN.r is 0).
struct ShellRotationSeries {
    ShellRotationRows constant;
    ShellRotationRows perN;
};

// The rows of the frustum from `start` to `end` at ξ ∈ [-1, 1].
ShellRotationSeries shellRotationSeries(Vector2 start, Vector2 end, double xi);

} // namespace venkar
