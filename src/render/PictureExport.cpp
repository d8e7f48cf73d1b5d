#include "render/PictureExport.h"

#include "graphics/Picture.h"
#include "render/PainterCanvas.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <clocale>
#include <cstdlib>

namespace venkar {

ViewTransform paintView(const Picture& picture, const BoundingBox& world, QPainter& painter,
                        const QRect& target, double aspect, bool exact) {
    ViewTransform transform;
    fitView(transform, world,
            {target.left(), target.top(), target.left() + target.width(),
             target.top() + target.height()},
            aspect);
    if (transform.scaleX == 0.0 || transform.scaleY == 0.0)
        return transform;
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter);
    render(picture, canvas, transform, exact);
    return transform;
}

void paintPicture(const Picture& picture, QPainter& painter, const QRect& target, double aspect) {
    paintView(picture, picture.boundingBox(), painter, target, aspect);
}

QRect paintHeading(QPainter& painter, const QRect& target, const QString& heading) {
    if (heading.isEmpty())
        return target;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(12, target.height() / 40));
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, painter.device());
    const int inset = metrics.height() / 2;
    painter.drawText(target.left() + inset, target.top() + inset + metrics.ascent(), heading);
    painter.restore();
    const int strip = metrics.height() + inset;
    return target.adjusted(0, strip, 0, 0);
}

QImage renderToImage(const Picture& picture, QSize size, const QString& heading) {
    return renderToImage(picture, picture.boundingBox(), size, heading);
}

QImage renderToImage(const Picture& picture, const BoundingBox& world, QSize size,
                     const QString& heading) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintView(picture, world, painter, paintHeading(painter, QRect(QPoint(0, 0), size), heading));
    painter.end();
    return image;
}

QByteArray renderToSvg(const Picture& picture, QSize size, const QString& title,
                       const QString& heading) {
    return renderToSvg(picture, picture.boundingBox(), size, title, heading);
}

QByteArray renderToSvg(const Picture& picture, const BoundingBox& world, QSize size,
                       const QString& title, const QString& heading) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintView(picture, world, painter, paintHeading(painter, QRect(QPoint(0, 0), size), heading));
    painter.end();
    return buffer.data();
}

bool writePng(const Picture& picture, const QString& path, QSize size, const QString& heading) {
    return writePng(picture, picture.boundingBox(), path, size, heading);
}

bool writePng(const Picture& picture, const BoundingBox& world, const QString& path, QSize size,
              const QString& heading) {
    return renderToImage(picture, world, size, heading).save(path, "PNG");
}

bool writeSvg(const Picture& picture, const QString& path, QSize size, const QString& title,
              const QString& heading) {
    return writeSvg(picture, picture.boundingBox(), path, size, title, heading);
}

bool writeSvg(const Picture& picture, const BoundingBox& world, const QString& path, QSize size,
              const QString& title, const QString& heading) {
    const QByteArray svg = renderToSvg(picture, world, size, title, heading);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(svg) == svg.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool writePdf(const Picture& picture, const QString& path, const QString& title,
              const QString& heading) {
    return writePdf(picture, picture.boundingBox(), path, title, heading);
}

bool writePdf(const Picture& picture, const BoundingBox& world, const QString& path,
              const QString& title, const QString& heading) {
    {
        // QPdfWriter reports no open failure; check the file first.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
    }
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    // A view smaller than the picture must not reach into the margins.
    painter.setClipRect(QRect(QPoint(0, 0), page.size()));
    paintView(picture, world, painter,
              paintHeading(painter, QRect(QPoint(0, 0), page.size()), heading));
    return painter.end();
}

void ensureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The application keeps references to argc and argv for its lifetime.
    static int argc = 1;
    static char name[] = "venkar";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace venkar
