#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace venkar {

// The program's version as the about box and the print title strip show it.
inline constexpr const char* programVersion = "1.34";

// The program picture (a water tank's meridian section with its symmetry
// axis), drawn from the SVG that is also installed as the desktop icon.

// Draws the picture stretched into `box` (device coordinates of `painter`).
void paintProgramPicture(QPainter& painter, const QRectF& box);
// The picture as a square pixmap of `size` pixels.
QPixmap programPixmap(int size);
// The window icon, in the sizes desktops ask for.
QIcon programIcon();

} // namespace venkar
