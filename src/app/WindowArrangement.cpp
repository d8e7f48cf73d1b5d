#include "app/WindowArrangement.h"

#include <algorithm>

namespace venkar {

namespace {

// Splits `length` into `count` parts; the last one takes the remainder.
std::vector<std::pair<int, int>> split(int start, int length, int count) {
    std::vector<std::pair<int, int>> parts; // (start, length)
    const int part = count > 0 ? length / count : 0;
    for (int i = 0; i < count; ++i) {
        const int begin = start + i * part;
        parts.emplace_back(begin, i + 1 == count ? start + length - begin : part);
    }
    return parts;
}

} // namespace

std::vector<QRect> tileSideBySide(const QRect& area, int count) {
    std::vector<QRect> rects;
    for (const auto& [x, width] : split(area.left(), area.width(), count))
        rects.emplace_back(x, area.top(), width, area.height());
    return rects;
}

std::vector<QRect> tileBelow(const QRect& area, int count) {
    std::vector<QRect> rects;
    for (const auto& [y, height] : split(area.top(), area.height(), count))
        rects.emplace_back(area.left(), y, area.width(), height);
    return rects;
}

std::vector<QPoint> iconPositions(const QRect& area, const QSize& iconSize, int count) {
    std::vector<QPoint> corners;
    const int perRow = std::max(1, area.width() / std::max(1, iconSize.width()));
    for (int i = 0; i < count; ++i) {
        const int column = i % perRow;
        const int row = i / perRow;
        corners.emplace_back(area.left() + column * iconSize.width(),
                             area.bottom() + 1 - (row + 1) * iconSize.height());
    }
    return corners;
}

} // namespace venkar
