#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace venkar {

class Picture;

// Fits `picture` into `target` (device pixels of the painter's device, with
// the usual tenth of margin) and replays it. `aspect` is the horizontal over
// the vertical resolution of the device. Switches the painter to
// antialiased drawing. A picture without extent paints nothing.
void paintPicture(const Picture& picture, QPainter& painter, const QRect& target,
                  double aspect = 1.0);

// The picture fitted into an image of `size` pixels on a white ground.
QImage renderToImage(const Picture& picture, QSize size);

// The picture as an SVG document of `size` pixels (white ground).
QByteArray renderToSvg(const Picture& picture, QSize size, const QString& title = {});

// Writes the picture to a PNG or an SVG file of `size` pixels, or to a
// one-page PDF file (A4 landscape, 10 mm margins). Each returns false when the
// file could not be written.
bool writePng(const Picture& picture, const QString& path, QSize size);
bool writeSvg(const Picture& picture, const QString& path, QSize size, const QString& title = {});
bool writePdf(const Picture& picture, const QString& path, const QString& title = {});

// Makes sure a QGuiApplication exists, as Qt's painting of images and
// documents expects one; command-line tools and tests call it once before
// painting. Without a display it chooses the "offscreen" platform. Keeps
// LC_NUMERIC at "C" so that numbers in files stay locale independent. Does
// nothing when an application object already exists.
void ensureGuiApplication();

} // namespace venkar
