#include "app/ProgramPicture.h"

#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace venkar {

namespace {

QSvgRenderer& pictureRenderer() {
    static QSvgRenderer renderer(QStringLiteral(":/venkar/venkar.svg"));
    return renderer;
}

} // namespace

void paintProgramPicture(QPainter& painter, const QRectF& box) {
    pictureRenderer().render(&painter, box);
}

QPixmap programPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintProgramPicture(painter, QRectF(0, 0, size, size));
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(programPixmap(size));
    return icon;
}

} // namespace venkar
