#include "app/ToolBarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace venkar {

QIcon toolBarIcon(const QString& name) {
    QSvgRenderer renderer(QStringLiteral(":/venkar/toolbar/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    // Drawn here rather than by the icon engine plugin, so that the pictures
    // do not depend on which Qt plugins are installed; the doubled sizes
    // serve screens with a device pixel ratio of 2.
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace venkar
