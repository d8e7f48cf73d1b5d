#include "graphics/DiagramStation.h"

#include "analysis/ShellElement.h"
#include "geometry/ShellGeometry.h"
#include "graphics/PlotContext.h"
#include "graphics/PlotResults.h"
#include "graphics/RoundOff.h"
#include "model/Error.h"
#include "model/Model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace venkar {

namespace {

double dot(Vector2 a, Vector2 b) {
    return a.x * b.x + a.y * b.y;
}

double distanceToSegment(Vector2 p, Vector2 a, Vector2 b) {
    const Vector2 d = b - a;
    const double squared = dot(d, d);
    const double t = squared > 0 ? std::clamp(dot(p - a, d) / squared, 0.0, 1.0) : 0.0;
    return length(p - (a + t * d));
}

// Even-odd rule: a quadrilateral whose ordinates change sign (a bow tie)
// holds the two triangles on either side of its crossing.
bool inside(Vector2 p, const std::array<Vector2, 4>& polygon) {
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Vector2 a = polygon[i];
        const Vector2 b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

// Spells a number with "%.4g", a decimal comma and the minus sign U+2212.
std::string germanNumber(double value) {
    const std::string plain = formatNumber("%.4g", value + 0.0);
    std::string german;
    for (const char c : plain) {
        if (c == '.')
            german += ',';
        else if (c == '-')
            german += "\u2212";
        else
            german += c;
    }
    return german;
}

} // namespace

std::optional<DiagramStation> nearestStation(const Model& model, const PlotResults& results,
                                             int component, double scale, double roundOff,
                                             Vector2 point, double reach) {
    std::optional<DiagramStation> best;
    double bestDistance = std::numeric_limits<double>::max();
    for (const int row : model.shells.definedRows()) {
        if (!geometryValid(model, row))
            continue;
        for (const PlotElement& e : results.shellElements(row)) {
            const double v0 =
                withoutRoundOff(results.elementValue(e.element, component, 0.0), roundOff);
            const double v1 =
                withoutRoundOff(results.elementValue(e.element, component, 1.0), roundOff);
            // Positive values stand opposite to the normal, as drawn.
            const std::array<Vector2, 4> area{pointAt(model, row, e.startPosition),
                                              pointAt(model, row, e.startPosition, -scale * v0),
                                              pointAt(model, row, e.endPosition, -scale * v1),
                                              pointAt(model, row, e.endPosition)};
            const double toStart = distanceToSegment(point, area[0], area[1]);
            const double toEnd = distanceToSegment(point, area[3], area[2]);
            double distance = 0.0;
            if (!inside(point, area))
                distance = std::min({toStart, toEnd, distanceToSegment(point, area[1], area[2]),
                                     distanceToSegment(point, area[0], area[3])});
            if (distance > reach || distance >= bestDistance)
                continue;
            bestDistance = distance;
            const bool start = toStart <= toEnd;
            best = DiagramStation{row, start ? e.startPosition : e.endPosition, component,
                                  start ? v0 : v1};
        }
    }
    return best;
}

std::string stationText(const DiagramStation& station) {
    const char* name = plotComponentName(station.component);
    return formatText("Schale %d, x = ", station.shell + 1) + germanNumber(station.position) +
           ": " + name + " = " + germanNumber(station.value);
}

} // namespace venkar
