#include "graphics/LabelLayout.h"

#include "graphics/Picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace venkar {

namespace {

constexpr double marginOfHeight = 0.1;
// Frames reaching over more cells than this (or lying absurdly far out) are
// kept out of the grid and compared one by one.
constexpr std::int64_t maxCellsPerSide = 64;

std::array<Vector2, 4> widenedCorners(const TextFrame& frame) {
    return frame.widened(marginOfHeight * frame.height).corners();
}

double dot(Vector2 a, Vector2 b) {
    return a.x * b.x + a.y * b.y;
}

// True when the projections of both rectangles on `axis` are apart.
bool separatedOn(Vector2 axis, const std::array<Vector2, 4>& a, const std::array<Vector2, 4>& b) {
    auto range = [&](const std::array<Vector2, 4>& corners) {
        double low = std::numeric_limits<double>::max();
        double high = -low;
        for (const Vector2& c : corners) {
            low = std::min(low, dot(axis, c));
            high = std::max(high, dot(axis, c));
        }
        return std::pair{low, high};
    };
    const auto [lowA, highA] = range(a);
    const auto [lowB, highB] = range(b);
    return highA <= lowB || highB <= lowA;
}

} // namespace

bool framesOverlap(const TextFrame& a, const TextFrame& b) {
    const std::array<Vector2, 4> ca = widenedCorners(a);
    const std::array<Vector2, 4> cb = widenedCorners(b);
    // Two rectangles are apart exactly when one of their four edge
    // directions separates them.
    for (const auto* corners : {&ca, &cb})
        for (int edge = 0; edge < 2; ++edge) {
            const Vector2 d = (*corners)[edge + 1] - (*corners)[edge];
            if (separatedOn({-d.y, d.x}, ca, cb))
                return false;
        }
    return true;
}

void LabelLayout::clear() {
    texts_.clear();
    obstacles_.clear();
    all_.clear();
    cells_.clear();
    large_.clear();
    cellSize_ = 0.0;
}

std::optional<LabelLayout::CellRange> LabelLayout::cellsOf(const TextFrame& frame) const {
    double minX = std::numeric_limits<double>::max();
    double minY = minX;
    double maxX = -minX;
    double maxY = -minX;
    for (const Vector2& c : widenedCorners(frame)) {
        minX = std::min(minX, c.x);
        minY = std::min(minY, c.y);
        maxX = std::max(maxX, c.x);
        maxY = std::max(maxY, c.y);
    }
    const double cells = std::max(maxX - minX, maxY - minY) / cellSize_;
    // Not-a-number fails this test as well.
    if (!(cells <= maxCellsPerSide) || !(std::fabs(minX) / cellSize_ < 1e12) ||
        !(std::fabs(minY) / cellSize_ < 1e12))
        return std::nullopt;
    auto cell = [&](double v) { return static_cast<std::int64_t>(std::floor(v / cellSize_)); };
    return CellRange{cell(minX), cell(minY), cell(maxX), cell(maxY)};
}

bool LabelLayout::isFree(const TextFrame& frame) const {
    if (all_.empty())
        return true;
    auto apart = [&](std::size_t index) { return !framesOverlap(frame, all_[index]); };
    const std::optional<CellRange> range = cellsOf(frame);
    if (!range) {
        for (std::size_t index = 0; index < all_.size(); ++index)
            if (!apart(index))
                return false;
        return true;
    }
    if (!std::all_of(large_.begin(), large_.end(), apart))
        return false;
    for (std::int64_t x = range->minX; x <= range->maxX; ++x)
        for (std::int64_t y = range->minY; y <= range->maxY; ++y) {
            const auto found = cells_.find(key(x, y));
            if (found != cells_.end() &&
                !std::all_of(found->second.begin(), found->second.end(), apart))
                return false;
        }
    return true;
}

void LabelLayout::record(const TextFrame& frame) {
    if (all_.empty()) {
        cellSize_ = 4.0 * std::max(frame.height, frame.width / 4.0);
        if (!(cellSize_ > 0) || !std::isfinite(cellSize_))
            cellSize_ = 1.0;
    }
    const std::size_t index = all_.size();
    all_.push_back(frame);
    const std::optional<CellRange> range = cellsOf(frame);
    if (!range) {
        large_.push_back(index); // compared with every lookup
        return;
    }
    for (std::int64_t x = range->minX; x <= range->maxX; ++x)
        for (std::int64_t y = range->minY; y <= range->maxY; ++y)
            cells_[key(x, y)].push_back(index);
}

void LabelLayout::occupy(const TextFrame& frame) {
    texts_.push_back(frame);
    record(frame);
}

void LabelLayout::block(const TextFrame& area) {
    obstacles_.push_back(area);
    record(area);
}

bool LabelLayout::tryOccupy(const TextFrame& frame) {
    if (!isFree(frame))
        return false;
    occupy(frame);
    return true;
}

TextFrame boxFrame(const BoundingBox& box) {
    // The baseline runs along the lower edge (largest y); the cap line lies
    // above it.
    return {{box.minX, box.maxY}, 0.0, std::max(box.width(), 0.0), std::max(box.height(), 0.0)};
}

bool placeText(Picture& picture, LabelLayout* layout, double scale,
               std::initializer_list<TextSpot> spots, double height, Colour colour,
               std::string_view text, bool ground) {
    for (const TextSpot& spot : spots) {
        const TextFrame frame =
            textFrame(scale, spot.anchor, spot.angle, spot.gap, height, text, spot.placement);
        if (layout && !layout->tryOccupy(frame))
            continue;
        if (ground) {
            // The ground reaches half the gap the layout keeps between texts.
            const std::array<Vector2, 4> corners = frame.widened(0.05 * frame.height).corners();
            picture.setBrush(colours::white);
            picture.addPolygon(colours::white, 0.0, corners);
        }
        drawText(picture, scale, spot.anchor, spot.angle, spot.gap, height, colour, text,
                 spot.placement);
        return true;
    }
    return false;
}

} // namespace venkar
