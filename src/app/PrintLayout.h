#pragma once

#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

namespace venkar {

// The geometry of a sheet with graph windows, in device pixels of the
// printer page (origin at the page's corner). Pure functions: the printing
// code draws with them, the tests check them without a printer.

// The four page margins in millimetres as set for the sheet in portrait
// orientation ("Links", "Rechts", "Oben", "Unten").
struct PageMargins {
    double left = 5.0;
    double right = 5.0;
    double top = 5.0;
    double bottom = 5.0;
};

// The printer's resolution and the page size.
struct PageDevice {
    int width = 0; // pixels of the whole page
    int height = 0;
    double dotsPerInchX = 0.0;
    double dotsPerInchY = 0.0;
    bool landscape = false;

    double pixelsPerMmX() const { return dotsPerInchX / 25.4; }
    double pixelsPerMmY() const { return dotsPerInchY / 25.4; }
    // Horizontal over vertical resolution.
    double aspect() const { return pixelsPerMmX() / pixelsPerMmY(); }
};

// The drawing area within the margins and its footer band.
struct PageFrame {
    int left = 0;
    int top = 0;
    int right = 0;      // exclusive edges, measured from the page's width ...
    int bottom = 0;     // ... and height
    int penWidth = 1;   // 0.5 mm, truncated (at least one pixel)
    int footerTop = 0;  // upper edge of the footer band: bottom - 15 mm (8 mm landscape)
    int footerLine = 0; // the separating line: footerTop + pen width
    double aspect = 1.0;

    // The area the cells share: from the top margin down to the footer line.
    int cellAreaWidth() const { return right - left; }
    int cellAreaHeight() const { return footerLine - top; }
};

// The margins turn with the sheet: in landscape the "Links" margin lies at
// the top, "Unten" at the left, "Oben" at the right and "Rechts" at the
// bottom. Each is converted to pixels and truncated.
PageFrame pageFrame(const PageDevice& device, const PageMargins& margins);

// The cells of `count` windows on an area of width w and height h (pixels):
// starting with one column and one row, while there are fewer cells than
// windows a row is added when aspect * (h / rows) >= w / columns, else a
// column (integer divisions). Cells fill the rows from left to right; the
// cell of the last window stretches to the right end of its row.
struct CellLayout {
    int columns = 1;
    int rows = 1;
    int cellWidth = 0;
    int cellHeight = 0;
    std::vector<QRect> cells; // one per window, in window order
};
CellLayout cellLayout(int count, const QRect& area, double aspect);

// A cell shrunk by 0.3 mm on every side, so that neighbouring frames do not
// touch.
QRect shrunkCell(const QRect& cell, const PageDevice& device);

// The title strip in the footer band: the program icon, the version text and
// the two file names, separated by lines. In landscape everything stands in
// one row; in portrait the strip has two rows, the file names in the lower
// one right of the icon and the version under the icon.
struct TitleStripLayout {
    QRect icon;
    // Where the texts go: each is drawn from x at `textLeft`, vertically
    // centred between `textTop` and `textBottom`, fitted into `textWidth`
    // and `textHeight`.
    struct TextBox {
        int textLeft = 0;
        int textTop = 0;
        int textBottom = 0;
        int textWidth = 0;
        int textHeight = 0;
    };
    TextBox mainText;    // landscape: version and files; portrait: the files
    TextBox versionText; // portrait only: the version under the icon
    int middle = 0;      // portrait: the line between the two rows
    int rowLineLeft = 0; // portrait: the vertical line beside the icon, and
                         // the left end of the middle line
};
TitleStripLayout titleStripLayout(const PageFrame& frame, const PageDevice& device);

// Decreases `size` by one while `measure(size)` is wider than `width` or
// higher than `height`, and the size is above 0. Returns the size reached.
int fitFontSize(int size, int width, int height, const std::function<QSize(int)>& measure);

} // namespace venkar
