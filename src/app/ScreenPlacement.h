#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace venkar {

// The frame rectangle of a window `wanted` large (frame included) on a
// screen whose free area is `available`: no larger than that area, its
// centre at `centre` as far as the area allows, and wholly inside it.
QRect placeWithin(const QSize& wanted, const QPoint& centre, const QRect& available);

// Moves and, where needed, shrinks the top-level `window` so that it lies
// fully visible on the screen that shows the global point `centre` (the
// primary screen when no screen does), centred at that point as far as the
// screen allows. The window manager's frame counts: known after the first
// showing, estimated from the style before.
void placeOnScreenAt(QWidget& window, const QPoint& centre);

// placeOnScreenAt at the centre of `other`'s window (a program's main
// window): the way a window opens "over" another.
void placeOnScreenOf(QWidget& window, const QWidget& other);

} // namespace venkar
