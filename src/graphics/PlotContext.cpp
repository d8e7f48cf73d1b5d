#include "graphics/PlotContext.h"

#include "geometry/ShellGeometry.h"
#include "graphics/StrokeFont.h"
#include "model/Model.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace venkar {

ReadableText readableText(double angle, unsigned placement) {
    if (std::cos(angle) >= -1e-9)
        return {angle, placement};
    // Turned by pi the text's "above" lies where "below" was.
    unsigned turned =
        placement & ~static_cast<unsigned>(TextAbove | TextBelow | TextLeft | TextRight);
    if (placement & TextAbove)
        turned |= TextBelow;
    else if (placement & TextBelow)
        turned |= TextAbove;
    if (placement & TextLeft)
        turned |= TextRight;
    if (placement & TextRight)
        turned |= TextLeft;
    return {angle + std::numbers::pi, turned};
}

bool isDefinedNode(const Model& model, int number) {
    return number >= 1 && number <= model.nodes.count() && model.nodes.isDefined(number - 1);
}

bool isDrawableShell(const Model& model, int number) {
    return number >= 1 && number <= model.shells.count() && model.shells.isDefined(number - 1) &&
           geometryValid(model, number - 1);
}

std::string formatNumber(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace venkar
