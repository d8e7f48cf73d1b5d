#pragma once

#include "graphics/StrokeFont.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace venkar {

// The texts placed so far on one picture, so that later labels keep clear
// of them. Frames are compared as turned rectangles, each widened by a
// tenth of its height on every side so that neighbouring texts keep a
// visible gap. Lookups go through a grid of cells, so placing n labels
// costs about n times the few frames near each.
class LabelLayout {
public:
    // Forgets every frame.
    void clear();
    // True when `frame` overlaps none of the placed frames.
    bool isFree(const TextFrame& frame) const;
    // Records `frame` as taken, whether or not it is free.
    void occupy(const TextFrame& frame);
    // Records `frame` when it is free; says whether it was.
    bool tryOccupy(const TextFrame& frame);

    // The placed frames in the order they were placed.
    const std::vector<TextFrame>& frames() const { return frames_; }

private:
    struct CellRange {
        std::int64_t minX = 0, minY = 0, maxX = 0, maxY = 0;
    };
    // The grid cells a frame covers; nothing for a frame too large for them.
    std::optional<CellRange> cellsOf(const TextFrame& frame) const;
    static std::int64_t key(std::int64_t x, std::int64_t y) { return x * 2000003 + y; }

    std::vector<TextFrame> frames_;
    std::unordered_map<std::int64_t, std::vector<std::size_t>> cells_;
    std::vector<std::size_t> large_; // frames outside the grid
    double cellSize_ = 0.0;          // set by the first frame: a few text heights
};

// True when the two frames, each widened by a tenth of its height, overlap
// (touching does not count).
bool framesOverlap(const TextFrame& a, const TextFrame& b);

} // namespace venkar
