#include "graphics/Picture.h"

namespace venkar {

void Picture::clear() {
    commands_.clear();
    lastPenWidth_ = -1.0;
    lastPenColour_ = -1;
    box_ = {emptyBoxLimit, emptyBoxLimit, -emptyBoxLimit, -emptyBoxLimit};
}

void Picture::setPen(Colour colour, double width) {
    if (colour != lastPenColour_) {
        commands_.emplace_back(PenColourCommand{colour});
        lastPenColour_ = colour;
    }
    if (width != lastPenWidth_) {
        commands_.emplace_back(PenWidthCommand{width});
        lastPenWidth_ = width;
    }
}

void Picture::setBrush(Colour colour) {
    commands_.emplace_back(BrushColourCommand{colour});
}

void Picture::addLine(Vector2 p1, Vector2 p2) {
    commands_.emplace_back(LineCommand{p1, p2});
    extend(box_, p1);
    extend(box_, p2);
}

void Picture::moveTo(int slot, Vector2 p) {
    cursors_.at(static_cast<std::size_t>(slot)) = p;
}

void Picture::lineTo(int slot, Vector2 p) {
    Vector2& cursor = cursors_.at(static_cast<std::size_t>(slot));
    addLine(cursor, p);
    cursor = p;
}

void Picture::addPolygon(Colour penColour, double penWidth, std::span<const Vector2> points) {
    setPen(penColour, penWidth);
    commands_.emplace_back(PolygonCommand{{points.begin(), points.end()}});
    for (const Vector2& p : points)
        extend(box_, p);
}

} // namespace venkar
