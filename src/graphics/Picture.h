#pragma once

#include "geometry/BoundingBox.h"
#include "geometry/Vector2.h"
#include "graphics/Colour.h"

#include <array>
#include <span>
#include <variant>
#include <vector>

namespace venkar {

// The commands a picture records; all coordinates are model units with the
// y axis pointing down, as on the device.
struct LineCommand {
    Vector2 start;
    Vector2 end;
};
struct PolygonCommand {
    std::vector<Vector2> points; // filled with the current brush, outlined with the pen
};
struct BrushColourCommand {
    Colour colour = colours::black;
};
struct PenColourCommand {
    Colour colour = colours::black;
};
struct PenWidthCommand {
    double width = 0.0; // model units; the replay scales it to pixels
};
using PictureCommand = std::variant<LineCommand, PolygonCommand, BrushColourCommand,
                                    PenColourCommand, PenWidthCommand>;

// A resolution-independent plot: the drawing commands in the order they were
// issued, and the bounding box of every point of a line or polygon. Built
// once per content change and replayed (see Canvas.h) at every paint.
class Picture {
public:
    static constexpr int cursorCount = 5;
    // The corners of the empty box: the largest single-precision value.
    static constexpr double emptyBoxLimit = 3.4028234663852886e38;

    Picture() { clear(); }

    // Drops every command, forgets the pen state (width -1.0, colour -1) and
    // empties the bounding box. The cursors keep their positions.
    void clear();

    // Records a pen colour and a pen width command, each only when it differs
    // from the last one recorded, so that runs of equal style need no switch.
    void setPen(Colour colour, double width);
    // Always records a brush colour command.
    void setBrush(Colour colour);

    // Records a line and extends the bounding box by both end points.
    void addLine(Vector2 p1, Vector2 p2);
    // Polyline drawing on one of `cursorCount` independent cursors
    // (0 <= slot < cursorCount): `lineTo` adds a line from the cursor to p
    // and moves the cursor there.
    void moveTo(int slot, Vector2 p);
    void lineTo(int slot, Vector2 p);
    // `setPen`, then a filled polygon; the box is extended by every point.
    void addPolygon(Colour penColour, double penWidth, std::span<const Vector2> points);

    const std::vector<PictureCommand>& commands() const { return commands_; }
    int commandCount() const { return static_cast<int>(commands_.size()); }
    const BoundingBox& boundingBox() const { return box_; }
    Colour lastPenColour() const { return lastPenColour_; }
    double lastPenWidth() const { return lastPenWidth_; }
    Vector2 cursor(int slot) const { return cursors_.at(static_cast<std::size_t>(slot)); }

private:
    std::vector<PictureCommand> commands_;
    std::array<Vector2, cursorCount> cursors_{};
    double lastPenWidth_ = -1.0;
    Colour lastPenColour_ = -1;
    BoundingBox box_;
};

} // namespace venkar
