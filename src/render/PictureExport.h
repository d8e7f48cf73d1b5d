#pragma once

#include "geometry/BoundingBox.h"
#include "graphics/ViewTransform.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace venkar {

class Picture;

// Fits the model rectangle `world` (a graph window's view) into `target`
// (device pixels of the painter's device, with the usual tenth of margin)
// and replays the picture through that transform; what lies outside `world`
// is drawn as far as the painter's clipping lets it. `aspect` is the
// horizontal over the vertical resolution of the device. Switches the
// painter to antialiased drawing; with `exact` the points and pens keep
// their fractions of a pixel (the screen), otherwise they are rounded to
// whole pixels. Returns the transform used; a world without extent paints
// nothing and gives a transform with zero scales.
ViewTransform paintView(const Picture& picture, const BoundingBox& world, QPainter& painter,
                        const QRect& target, double aspect = 1.0, bool exact = false);

// paintView of the picture's whole bounding box.
void paintPicture(const Picture& picture, QPainter& painter, const QRect& target,
                  double aspect = 1.0);

// Paints `heading` as a line of text at the top left of `target` (a sans
// serif font of a fortieth of the target's height, at least 12 pixels) and
// returns the part of `target` below it; an empty heading leaves `target`
// as it is.
QRect paintHeading(QPainter& painter, const QRect& target, const QString& heading);

// The part `world` of the picture fitted into an image of `size` pixels on a
// white ground; the whole picture without `world`. With a heading, the
// heading stands above the picture.
QImage renderToImage(const Picture& picture, QSize size, const QString& heading = {});
QImage renderToImage(const Picture& picture, const BoundingBox& world, QSize size,
                     const QString& heading = {});

// The picture, or its part `world`, as an SVG document of `size` pixels
// (white ground); `title` names the document, `heading` stands above the
// picture.
QByteArray renderToSvg(const Picture& picture, QSize size, const QString& title = {},
                       const QString& heading = {});
QByteArray renderToSvg(const Picture& picture, const BoundingBox& world, QSize size,
                       const QString& title = {}, const QString& heading = {});

// Writes the picture, or its part `world`, to a PNG or an SVG file of `size`
// pixels, or to a one-page PDF file (A4 landscape, 10 mm margins), with
// `heading` above the picture when given. Each returns false when the file
// could not be written.
bool writePng(const Picture& picture, const QString& path, QSize size, const QString& heading = {});
bool writeSvg(const Picture& picture, const QString& path, QSize size, const QString& title = {},
              const QString& heading = {});
bool writePdf(const Picture& picture, const QString& path, const QString& title = {},
              const QString& heading = {});
bool writePng(const Picture& picture, const BoundingBox& world, const QString& path, QSize size,
              const QString& heading = {});
bool writeSvg(const Picture& picture, const BoundingBox& world, const QString& path, QSize size,
              const QString& title = {}, const QString& heading = {});
bool writePdf(const Picture& picture, const BoundingBox& world, const QString& path,
              const QString& title = {}, const QString& heading = {});

// Makes sure a QGuiApplication exists, as Qt's painting of images and
// documents expects one; command-line tools and tests call it once before
// painting. Without a display it chooses the "offscreen" platform. Keeps
// LC_NUMERIC at "C" so that numbers in files stay locale independent. Does
// nothing when an application object already exists.
void ensureGuiApplication();

} // namespace venkar
