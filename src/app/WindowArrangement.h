#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace venkar {

// Where the window commands of the "&Fenster" menu put the child windows;
// `area` is the client area of the frame, `count` the number of windows.

// "&Nebeneinander": side by side, each the full height; the last window takes
// the pixels left over by the division.
std::vector<QRect> tileSideBySide(const QRect& area, int count);

// "&Untereinander": one below the other, each the full width.
std::vector<QRect> tileBelow(const QRect& area, int count);

// "&Symbole anordnen": the top-left corners of `count` minimised windows of
// `iconSize` in rows along the bottom edge, left to right, further rows
// stacked upwards.
std::vector<QPoint> iconPositions(const QRect& area, const QSize& iconSize, int count);

} // namespace venkar
