#pragma once

#include <cstdint>

namespace venkar {

// A colour as the settings, the configuration file and the pictures keep it:
// 0x00BBGGRR, red in the low byte. Only the painting layer converts it.
using Colour = std::int32_t;

namespace colours {
inline constexpr Colour black = 0x000000;
inline constexpr Colour red = 0x0000FF;
inline constexpr Colour green = 0x008000;
inline constexpr Colour blue = 0xFF0000;
inline constexpr Colour grey = 0x808080;
inline constexpr Colour white = 0xFFFFFF;
} // namespace colours

inline constexpr int redOf(Colour c) {
    return c & 0xFF;
}
inline constexpr int greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
inline constexpr int blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

} // namespace venkar
