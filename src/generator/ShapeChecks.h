#pragma once

#include "generator/Shapes.h"
#include "model/Error.h"

#include <cmath>
#include <string>

namespace venkar::shapechecks {

// The most shells one part of a shape may be divided into.
inline constexpr int maxPieces = 1000;

// Refuses a dimension that is not a finite number above 0.
inline void requirePositive(double value, const char* name) {
    if (!(value > 0.0) || !std::isfinite(value))
        raiseError("%s muss größer als 0 sein.", name);
}

inline void requirePieces(int pieces, const char* name) {
    if (pieces < 1 || pieces > maxPieces)
        raiseError("%s muss zwischen 1 und %d liegen.", name, maxPieces);
}

// An angle in degrees strictly between `low` and 90.
inline void requireAngleBelowRight(double degrees, double low, bool lowIncluded, const char* name) {
    const bool aboveLow = lowIncluded ? degrees >= low : degrees > low;
    if (!aboveLow || !(degrees < 90.0))
        raiseError("%s muss %s %g° und kleiner als 90° sein.", name,
                   lowIncluded ? "mindestens" : "größer als", low);
}

inline double radians(double degrees) {
    return degrees * M_PI / 180.0;
}

// +1 when travelling down (towards larger z), -1 up.
inline double sense(Direction direction) {
    return direction == Direction::down ? 1.0 : -1.0;
}

} // namespace venkar::shapechecks
