#include "graphics/DevelopedView.h"

#include "geometry/ShellGeometry.h"
#include "graphics/GraphSettings.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/StrokeFont.h"
#include "harmonic/HarmonicCase.h"
#include "model/Model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace venkar {

namespace {

constexpr int largestBandCount = 12;
// The width of the bands against the arc length of all of them.
constexpr double widthFraction = 1.3;
// The gap between two bands against the arc length of all of them.
constexpr double gapFraction = 0.04;

// One band: a shell's element ends in meridian order with their values at
// every angle.
struct Band {
    int shell = 0;
    double length = 0.0;                     // the shell's meridian length
    double top = 0.0;                        // where the band starts, picture units
    std::vector<double> positions;           // relative positions of the element ends
    std::vector<std::vector<double>> values; // per element end, per angle
};

Colour rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

int bandOf(const std::vector<double>& levels, double value) {
    const auto upper = std::upper_bound(levels.begin() + 1, levels.end() - 1, value);
    return static_cast<int>(upper - levels.begin()) - 1;
}

void consider(AroundExtreme& extreme, double value, bool larger, const Band& band, std::size_t end,
              double angle) {
    if (larger ? value > extreme.value : value < extreme.value)
        extreme = {value, angle, band.shell, band.positions[end]};
}

} // namespace

std::vector<double> colourLevels(double minimum, double maximum) {
    if (!(maximum > minimum)) {
        const double half = std::max(std::fabs(minimum) * 1e-3, 1e-12);
        return {minimum - half, minimum + half};
    }
    const double rough = (maximum - minimum) / largestBandCount;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (std::ceil(maximum / step - 1e-9) - std::floor(minimum / step + 1e-9) <=
            largestBandCount)
            break;
    }
    const double first = std::floor(minimum / step + 1e-9);
    const double last = std::ceil(maximum / step - 1e-9);
    std::vector<double> levels;
    for (double k = first; k <= last + 0.5; k += 1.0)
        levels.push_back(k * step + 0.0);
    if (levels.size() < 2)
        levels.push_back(levels.back() + step);
    return levels;
}

Colour bandColour(double value, double largest) {
    const double depth =
        largest > 0 ? 0.15 + 0.85 * std::min(1.0, std::fabs(value) / largest) : 0.15;
    const int light = static_cast<int>(std::lround(255.0 * (1.0 - depth)));
    return value >= 0 ? rgb(light, light, 255) : rgb(255, light, light);
}

double drawDevelopedView(const AroundViewInput& input, Picture& picture, DevelopedDiagram* drawn) {
    picture.clear();
    const Model& model = input.model;
    const HarmonicCase& harmonicCase = input.harmonicCase;
    const AnalysisModel& mesh = harmonicCase.results.mesh;
    const double sweep = aroundSweep(harmonicCase);
    DevelopedDiagram diagram;
    const int columns = static_cast<int>(std::lround(sweep / developedAngleStep));
    for (int k = 0; k <= columns; ++k)
        diagram.angles.push_back(sweep * k / columns);
    const AroundField field(model, harmonicCase, input.selection.quantity, diagram.angles);

    // The values at every element end of every shell.
    std::vector<Band> bands;
    double total = 0.0;
    for (int shell : model.shells.definedRows()) {
        const std::vector<int> chain = mesh.shellChain(shell);
        if (chain.empty())
            continue;
        Band band;
        band.shell = shell;
        band.length = meridianLength(model, shell);
        for (int e : chain) {
            const ShellElement& element = mesh.shellElements[static_cast<std::size_t>(e)];
            for (int end = 0; end < 2; ++end) {
                band.positions.push_back(end == 0 ? element.startPosition : element.endPosition);
                band.values.emplace_back();
                field.sample(e, end, band.values.back());
            }
        }
        total += band.length;
        bands.push_back(std::move(band));
    }
    if (bands.empty() || !(total > 0)) {
        if (drawn)
            *drawn = diagram;
        return 0.0;
    }
    const double gap = gapFraction * total;
    const double width = widthFraction * (total + gap * static_cast<double>(bands.size() - 1));
    double top = 0.0;
    for (Band& band : bands) {
        band.top = top;
        top += band.length + gap;
    }
    const double bottom = top - gap;
    const double h = std::hypot(1.35 * width, bottom);
    const double scale = h * input.annotation;
    const double textHeight = input.settings.valueText.height * input.textScale;
    const double textGap = input.settings.valueText.gap * input.textScale;

    // The extremes and the colour bands.
    diagram.maximum = {bands[0].values[0][0], 0.0, bands[0].shell, 0.0};
    diagram.minimum = diagram.maximum;
    for (const Band& band : bands)
        for (std::size_t end = 0; end < band.values.size(); ++end)
            for (std::size_t a = 0; a < diagram.angles.size(); ++a) {
                consider(diagram.maximum, band.values[end][a], true, band, end, diagram.angles[a]);
                consider(diagram.minimum, band.values[end][a], false, band, end, diagram.angles[a]);
            }
    diagram.levels = colourLevels(diagram.minimum.value, diagram.maximum.value);
    const double largest =
        std::max(std::fabs(diagram.levels.front()), std::fabs(diagram.levels.back()));
    std::vector<Colour> colours;
    for (std::size_t k = 0; k + 1 < diagram.levels.size(); ++k)
        colours.push_back(bandColour(0.5 * (diagram.levels[k] + diagram.levels[k + 1]), largest));

    // The cells: a run of equal colour across the angles is one rectangle,
    // and elements whose runs are all equal (many to a pixel on a fine mesh)
    // share their rectangles.
    auto xOf = [&](double angle) { return width * angle / sweep; };
    Colour brush = -1;
    const double cellPen = 0.0;
    auto drawRow = [&](const std::vector<int>& row, double y0, double y1) {
        for (std::size_t a = 0; a < row.size();) {
            std::size_t b = a + 1;
            while (b < row.size() && row[b] == row[a])
                ++b;
            const Colour colour = colours[static_cast<std::size_t>(row[a])];
            if (colour != brush) {
                picture.setBrush(colour);
                brush = colour;
            }
            const double x0 = xOf(diagram.angles[a]);
            const double x1 = xOf(diagram.angles[b]);
            const std::array<Vector2, 4> corners{Vector2{x0, y0}, Vector2{x1, y0}, Vector2{x1, y1},
                                                 Vector2{x0, y1}};
            picture.addPolygon(colour, cellPen, corners);
            a = b;
        }
    };
    std::vector<int> row(diagram.angles.size() - 1);
    std::vector<int> pending;
    for (const Band& band : bands) {
        double pendingTop = 0.0;
        double pendingBottom = 0.0;
        pending.clear();
        for (std::size_t end = 0; end + 1 < band.values.size(); end += 2) {
            const std::vector<double>& start = band.values[end];
            const std::vector<double>& finish = band.values[end + 1];
            for (std::size_t a = 0; a + 1 < diagram.angles.size(); ++a)
                row[a] = bandOf(diagram.levels,
                                0.25 * (start[a] + start[a + 1] + finish[a] + finish[a + 1]));
            const double y0 = band.top + band.length * band.positions[end];
            const double y1 = band.top + band.length * band.positions[end + 1];
            if (!pending.empty() && row == pending) {
                pendingBottom = y1;
                continue;
            }
            if (!pending.empty())
                drawRow(pending, pendingTop, pendingBottom);
            pending = row;
            pendingTop = y0;
            pendingBottom = y1;
        }
        if (!pending.empty())
            drawRow(pending, pendingTop, pendingBottom);
    }

    // Frames, shell numbers and arc lengths.
    const SettingValues& settings = input.settings;
    const double framePen = settings.geometry.shellLineWidth * scale * 0.5;
    picture.setPen(colours::black, framePen);
    for (const Band& band : bands) {
        const double y0 = band.top;
        const double y1 = band.top + band.length;
        picture.moveTo(1, {0.0, y0});
        picture.lineTo(1, {width, y0});
        picture.lineTo(1, {width, y1});
        picture.lineTo(1, {0.0, y1});
        picture.lineTo(1, {0.0, y0});
        drawText(picture, scale, {0.0, 0.5 * (y0 + y1)}, 0.0, 2.0 * textGap, textHeight,
                 colours::black, formatNumber("Schale %.0f", band.shell + 1.0), TextLeft);
        drawText(picture, scale, {0.0, y0}, 0.0, textGap, 0.8 * textHeight, colours::grey, "s = 0",
                 TextLeft | TextBelow);
        drawText(picture, scale, {0.0, y1}, 0.0, textGap, 0.8 * textHeight, colours::grey,
                 "s = " + aroundNumber(band.length), TextLeft | TextAbove);
    }
    // The angles above the first band, every 30°.
    for (double angle = 0.0; angle <= sweep + 1e-9; angle += 30.0) {
        picture.setPen(colours::black, framePen);
        picture.addLine({xOf(angle), 0.0}, {xOf(angle), -0.8 * textHeight * scale});
        drawText(picture, scale, {xOf(angle), -textHeight * scale}, 0.0, textGap, textHeight,
                 colours::black, formatNumber("%.0f°", angle), TextCentred | TextAbove);
    }
    drawText(picture, scale, {0.5 * width, bottom + 2.0 * textHeight * scale}, 0.0, textGap,
             textHeight, colours::black, "Winkel von 0° (Wind) im Uhrzeigersinn, von oben gesehen",
             TextCentred | TextBelow);

    // The legend: one box per colour band, the bounds beside them.
    const double legendLeft = width + 0.06 * width;
    const double legendWidth = 0.04 * width;
    const double boxHeight =
        std::min(bottom / static_cast<double>(colours.size()), 3.0 * textHeight * scale);
    for (std::size_t k = 0; k < colours.size(); ++k) {
        // The largest values at the top.
        const double y1 = boxHeight * static_cast<double>(colours.size() - k);
        const double y0 = y1 - boxHeight;
        picture.setBrush(colours[k]);
        const std::array<Vector2, 4> box{
            Vector2{legendLeft, y0}, Vector2{legendLeft + legendWidth, y0},
            Vector2{legendLeft + legendWidth, y1}, Vector2{legendLeft, y1}};
        picture.addPolygon(colours::black, framePen, box);
    }
    for (std::size_t k = 0; k < diagram.levels.size(); ++k) {
        const double y = boxHeight * static_cast<double>(colours.size() - k);
        drawText(picture, scale, {legendLeft + legendWidth, y}, 0.0, 2.0 * textGap, textHeight,
                 colours::black, aroundNumber(diagram.levels[k]), TextRight);
    }

    // The extremes.
    if (input.values || input.extremes)
        for (const auto& [extreme, name] :
             {std::pair{diagram.maximum, "max "}, std::pair{diagram.minimum, "min "}}) {
            const auto band = std::find_if(bands.begin(), bands.end(),
                                           [&](const Band& b) { return b.shell == extreme.shell; });
            const Vector2 at{xOf(extreme.angle), band->top + band->length * extreme.position};
            if (input.extremes) {
                const double mark = 0.7 * textHeight * scale;
                picture.setPen(colours::black, 2.0 * framePen);
                picture.addLine(at - Vector2{mark, mark}, at + Vector2{mark, mark});
                picture.addLine(at - Vector2{mark, -mark}, at + Vector2{mark, -mark});
            }
            if (input.values) {
                const unsigned side = at.x > 0.6 * width ? TextLeft : TextRight;
                const unsigned above =
                    at.y > band->top + 0.5 * band->length ? TextAbove : TextBelow;
                const std::string text =
                    name + aroundNumber(extreme.value) + formatNumber(" bei %.0f°", extreme.angle);
                // On a white ground, readable over the colours.
                const TextFrame frame =
                    textFrame(scale, at, 0.0, 2.0 * textGap, textHeight, text, side | above)
                        .widened(0.3 * textHeight * scale);
                const std::array<Vector2, 4> ground = frame.corners();
                picture.setBrush(colours::white);
                picture.addPolygon(colours::white, 0.0, ground);
                drawText(picture, scale, at, 0.0, 2.0 * textGap, textHeight, colours::black, text,
                         side | above);
            }
        }
    if (drawn)
        *drawn = std::move(diagram);
    return h;
}

} // namespace venkar
