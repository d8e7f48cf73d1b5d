#include "app/PrintLayout.h"

#include <algorithm>

namespace venkar {

namespace {

// Height of the footer band above the lower margin, in millimetres.
constexpr double portraitFooterMm = 15.0;
constexpr double landscapeFooterMm = 8.0;
// How far a cell's clipping keeps away from the cell's frame.
constexpr double cellInsetMm = 0.3;

int truncated(double value) {
    return static_cast<int>(value);
}

QRect rectFromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

PageFrame pageFrame(const PageDevice& device, const PageMargins& margins) {
    const double px = device.pixelsPerMmX();
    const double py = device.pixelsPerMmY();
    // The margins belong to the sheet: turning it to landscape turns them.
    const double leftMm = device.landscape ? margins.bottom : margins.left;
    const double rightMm = device.landscape ? margins.top : margins.right;
    const double topMm = device.landscape ? margins.left : margins.top;
    const double bottomMm = device.landscape ? margins.right : margins.bottom;

    PageFrame frame;
    frame.left = truncated(leftMm * px);
    frame.right = device.width - truncated(rightMm * px);
    frame.top = truncated(topMm * py);
    frame.bottom = device.height - truncated(bottomMm * py);
    frame.penWidth = std::max(1, truncated(0.5 * px));
    const double footerMm = device.landscape ? landscapeFooterMm : portraitFooterMm;
    frame.footerTop = truncated(frame.bottom - py * footerMm);
    frame.footerLine = frame.footerTop + frame.penWidth;
    frame.aspect = device.aspect();
    return frame;
}

CellLayout cellLayout(int count, const QRect& area, double aspect) {
    CellLayout layout;
    const int w = area.width();
    const int h = area.height();
    while (layout.columns * layout.rows < count) {
        if (aspect * (h / layout.rows) >= w / layout.columns)
            ++layout.rows;
        else
            ++layout.columns;
    }
    layout.cellWidth = w / layout.columns;
    layout.cellHeight = h / layout.rows;
    for (int k = 0; k < layout.rows; ++k) {
        for (int i = 0; i < layout.columns && i < count - k * layout.columns; ++i) {
            const int index = i + k * layout.columns;
            const int left = i * layout.cellWidth + area.left();
            const int right = index == count - 1 ? layout.columns * layout.cellWidth + area.left()
                                                 : (i + 1) * layout.cellWidth + area.left();
            const int top = k * layout.cellHeight + area.top();
            layout.cells.push_back(rectFromEdges(left, top, right, top + layout.cellHeight));
        }
    }
    return layout;
}

QRect shrunkCell(const QRect& cell, const PageDevice& device) {
    const int dx = truncated(cellInsetMm * device.pixelsPerMmX());
    const int dy = truncated(cellInsetMm * device.pixelsPerMmY());
    return cell.adjusted(dx, dy, -dx, -dy);
}

TitleStripLayout titleStripLayout(const PageFrame& frame, const PageDevice& device) {
    const double px = device.pixelsPerMmX();
    const double py = device.pixelsPerMmY();
    const double ratio = device.aspect();
    const int left = frame.left;
    const int right = frame.right;
    const int top = frame.footerLine;
    const int bottom = frame.bottom;

    TitleStripLayout strip;
    const int iconLeft = truncated(left + 3 * px);
    const int iconTop = truncated(top + 1 * py);
    if (device.landscape) {
        const int iconBottom = truncated(bottom - 1 * py);
        const int iconRight = truncated(truncated(left + 3 * (bottom - top) * ratio) - 1 * px);
        strip.icon = rectFromEdges(iconLeft, iconTop, iconRight, iconBottom);
        const int x0 = truncated(iconRight + 0.1 * strip.icon.width());
        strip.mainText = {x0, top, bottom, right - x0, truncated(0.5 * (bottom - top))};
        return strip;
    }
    const int middle = (top + bottom) / 2;
    const int iconBottom = truncated(middle - 1 * py);
    const int iconRight = truncated(truncated(left + 3 * (middle - top) * ratio) - 1 * px);
    strip.icon = rectFromEdges(iconLeft, iconTop, iconRight, iconBottom);
    strip.middle = middle;
    strip.rowLineLeft = truncated(iconRight + 0.1 * strip.icon.width());
    const int textHeight = truncated(0.5 * ((bottom - top) / 2));
    const int x2 = truncated(iconRight + 0.2 * strip.icon.width());
    strip.mainText = {x2, middle, bottom, right - x2, textHeight};
    const int x3 = truncated(iconLeft + 0.1 * strip.icon.width());
    strip.versionText = {x3, middle, bottom, iconRight - x3, textHeight};
    return strip;
}

int fitFontSize(int size, int width, int height, const std::function<QSize(int)>& measure) {
    while (size > 0) {
        const QSize extent = measure(size);
        if (extent.width() <= width && extent.height() <= height)
            break;
        --size;
    }
    return size;
}

} // namespace venkar
