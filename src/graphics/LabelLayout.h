#pragma once

#include "geometry/BoundingBox.h"
#include "graphics/StrokeFont.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace venkar {

class Picture;

// The texts placed so far on one picture, and the symbols they keep clear
// of, so that later labels keep clear of both. Frames are compared as turned
// rectangles, each widened by a tenth of its height on every side so that
// neighbouring texts keep a visible gap. Lookups go through a grid of cells,
// so placing n labels costs about n times the few frames near each.
class LabelLayout {
public:
    // Forgets every frame.
    void clear();
    // True when `frame` overlaps none of the placed texts and symbols.
    bool isFree(const TextFrame& frame) const;
    // Records the text `frame` as taken, whether or not it is free.
    void occupy(const TextFrame& frame);
    // Records the text `frame` when it is free; says whether it was.
    bool tryOccupy(const TextFrame& frame);
    // Records the area of a symbol (a support, a hinge, a ring beam) that
    // later texts keep clear of.
    void block(const TextFrame& area);

    // The placed texts in the order they were placed.
    const std::vector<TextFrame>& frames() const { return texts_; }
    // The areas of the symbols.
    const std::vector<TextFrame>& obstacles() const { return obstacles_; }

private:
    struct CellRange {
        std::int64_t minX = 0, minY = 0, maxX = 0, maxY = 0;
    };
    void record(const TextFrame& frame);
    // The grid cells a frame covers; nothing for a frame too large for them.
    std::optional<CellRange> cellsOf(const TextFrame& frame) const;
    static std::int64_t key(std::int64_t x, std::int64_t y) { return x * 2000003 + y; }

    std::vector<TextFrame> texts_;
    std::vector<TextFrame> obstacles_;
    std::vector<TextFrame> all_; // texts and symbols, indexed by the grid
    std::unordered_map<std::int64_t, std::vector<std::size_t>> cells_;
    std::vector<std::size_t> large_; // frames outside the grid
    double cellSize_ = 0.0;          // set by the first frame: a few text heights
};

// The frame of an upright box (model units, y pointing down).
TextFrame boxFrame(const BoundingBox& box);

// One place for a label: the arguments of drawText besides the text.
struct TextSpot {
    Vector2 anchor;
    double angle = 0.0;
    double gap = 0.0;
    unsigned placement = 0;
};

// Writes `text` (as drawText does, with `scale` and `height`) at the first
// of `spots` whose frame is clear of everything in `layout`, records it
// there and says so; a text for which no spot is free is left out. Without
// a layout the text goes to the first spot. With `ground` the text stands
// on a white ground the size of its frame, which hides what was drawn
// before under it.
bool placeText(Picture& picture, LabelLayout* layout, double scale,
               std::initializer_list<TextSpot> spots, double height, Colour colour,
               std::string_view text, bool ground = false);

// True when the two frames, each widened by a tenth of its height, overlap
// (touching does not count).
bool framesOverlap(const TextFrame& a, const TextFrame& b);

} // namespace venkar
