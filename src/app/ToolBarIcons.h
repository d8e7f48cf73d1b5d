#pragma once

#include <QIcon>
#include <QString>

namespace venkar {

// The picture of a graph window's tool button: the SVG drawing
// "<name>.svg" in the program's resources (src/app/resources/toolbar),
// rendered for the usual tool bar sizes. `name` is one of print, copy,
// save, zoom-window, show-all, pan, symmetry-axis, node-numbers,
// shell-numbers, material-numbers, values, extrema, loads, supports,
// reactions. An unknown name gives an empty icon (a programming error, also
// caught by the tests).
QIcon toolBarIcon(const QString& name);

} // namespace venkar
