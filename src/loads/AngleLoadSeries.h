#pragma once

#include <vector>

namespace venkar {

// The most harmonics a load at one angle is expanded into, and the count
// taken when none is set.
inline constexpr int angleLoadMaximumHarmonics = 400;
inline constexpr int angleLoadDefaultHarmonics = 40;

// A whole force F (not per metre) acting at the angle φ₀ on the circle of
// radius r, at a point (width 0) or spread evenly over `widthDegrees` of
// the circumference (an intensity F/(r·w) per unit length on the band),
// expanded into line-load amplitudes per unit length of circumference:
//   p(φ) = a_0 + Σ_{n=1}^{N} a_n·cos n(φ − φ₀),
//   a_0 = F/(2π·r),  a_n = F/(π·r)·sin(n·w/2)/(n·w/2)  (F/(π·r) for a point).
// The returned vector holds a_0 … a_N, N = `harmonicCount`.
//
// The sum of the amplitudes over the circumference, 2π·r·a_0, is F for any
// width. The resultant of a radial force, π·r·a_1, is F for a point and
// F·sin(w/2)/(w/2) for a band: the pieces of a spread radial load push in
// directions that fan out over the band.
//
// Throws std::invalid_argument unless r > 0, 0 ≤ w ≤ 360 and
// 0 ≤ N ≤ angleLoadMaximumHarmonics.
std::vector<double> angleLoadAmplitudes(double force, double radius, double widthDegrees,
                                        int harmonicCount = angleLoadDefaultHarmonics);

} // namespace venkar
