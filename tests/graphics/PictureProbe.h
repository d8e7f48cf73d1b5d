#pragma once

#include "geometry/BoundingBox.h"
#include "graphics/Picture.h"
#include "graphics/StrokeFont.h"

#include <cmath>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace venkar::test {

// A line of a picture with the pen it was drawn with.
struct DrawnLine {
    Vector2 start;
    Vector2 end;
    Colour colour = -1;
    double width = -1.0;

    double length() const { return venkar::length(end - start); }
};

// Replays the pen state of a picture and lists its lines.
inline std::vector<DrawnLine> drawnLines(const Picture& picture) {
    std::vector<DrawnLine> lines;
    Colour colour = -1;
    double width = -1.0;
    for (const PictureCommand& command : picture.commands()) {
        if (const auto* pen = std::get_if<PenColourCommand>(&command))
            colour = pen->colour;
        else if (const auto* w = std::get_if<PenWidthCommand>(&command))
            width = w->width;
        else if (const auto* line = std::get_if<LineCommand>(&command))
            lines.push_back({line->start, line->end, colour, width});
    }
    return lines;
}

inline std::vector<DrawnLine> linesWhere(const std::vector<DrawnLine>& lines,
                                         const std::function<bool(const DrawnLine&)>& keep) {
    std::vector<DrawnLine> kept;
    for (const DrawnLine& line : lines)
        if (keep(line))
            kept.push_back(line);
    return kept;
}

inline std::vector<DrawnLine> linesWhere(const Picture& picture,
                                         const std::function<bool(const DrawnLine&)>& keep) {
    std::vector<DrawnLine> kept;
    for (const DrawnLine& line : drawnLines(picture))
        if (keep(line))
            kept.push_back(line);
    return kept;
}

// The lines drawn with a pen of `colour` and (when given) of `width` model
// units, to a relative tolerance.
inline std::vector<DrawnLine> linesWithPen(const Picture& picture, Colour colour,
                                           double width = -1.0) {
    return linesWhere(picture, [&](const DrawnLine& l) {
        return l.colour == colour &&
               (width < 0 || std::fabs(l.width - width) <= 1e-9 * std::fabs(width));
    });
}

inline BoundingBox boxOf(const std::vector<DrawnLine>& lines) {
    BoundingBox box;
    for (const DrawnLine& l : lines) {
        extend(box, l.start);
        extend(box, l.end);
    }
    return box;
}

inline Vector2 centreOf(const BoundingBox& box) {
    return {(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2};
}

// How many lines the stroke font draws for `text`.
inline int textLineCount(std::string_view text) {
    Picture scratch;
    drawText(scratch, 1.0, {0, 0}, 0.0, 0.0, 1.0, colours::black, text, 0);
    int count = 0;
    for (const PictureCommand& command : scratch.commands())
        count += std::holds_alternative<LineCommand>(command) ? 1 : 0;
    return count;
}

// The width of `text` in model units at a text height.
inline double textLength(std::string_view text, double height) {
    return textWidth(text) * height * 0.001;
}

// True when the text cells overlap, tested independently of the label
// layout: a grid of points inside one cell lies inside the other.
inline bool cellsOverlap(const TextFrame& a, const TextFrame& b) {
    auto inside = [](const TextFrame& f, Vector2 p) {
        Vector2 local = p - f.origin;
        turn(local, -f.angle);
        return local.x > 0 && local.x < f.width && local.y < 0 && local.y > -f.height;
    };
    for (const auto& [one, other] : {std::pair{&a, &b}, {&b, &a}})
        for (int i = 1; i < 20; ++i)
            for (int j = 1; j < 8; ++j) {
                Vector2 step{one->width * i / 20.0, -one->height * j / 8.0};
                turn(step, one->angle);
                if (inside(*other, one->origin + step))
                    return true;
            }
    return false;
}

} // namespace venkar::test
