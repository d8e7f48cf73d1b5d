#include "render/PainterCanvas.h"

#include <QBrush>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QPolygonF>

#include <cmath>

namespace venkar {

QColor toQColor(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

PainterCanvas::PainterCanvas(QPainter& painter)
    : painter_(painter), penColour_(toQColor(colours::black)) {
    applyPen();
    painter_.setBrush(QBrush(toQColor(colours::white)));
}

void PainterCanvas::applyPen() {
    QPen pen(penColour_);
    pen.setWidthF(penWidth_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
}

void PainterCanvas::setPenColour(Colour colour) {
    penColour_ = toQColor(colour);
    applyPen();
}

void PainterCanvas::setPenWidth(int pixels) {
    penWidth_ = pixels;
    applyPen();
}

void PainterCanvas::setBrushColour(Colour colour) {
    painter_.setBrush(QBrush(toQColor(colour)));
}

void PainterCanvas::drawLine(DevicePoint from, DevicePoint to) {
    painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void PainterCanvas::drawPolygon(std::span<const DevicePoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const DevicePoint& p : points)
        polygon.append(QPoint(p.x, p.y));
    painter_.drawPolygon(polygon);
}

void PainterCanvas::setPenWidthExact(double pixels) {
    penWidth_ = pixels >= 1.0 && std::isfinite(pixels) ? pixels : 1.0;
    applyPen();
}

void PainterCanvas::drawLineExact(Vector2 from, Vector2 to) {
    painter_.drawLine(QLineF(from.x, from.y, to.x, to.y));
}

void PainterCanvas::drawPolygonExact(std::span<const Vector2> points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Vector2& p : points)
        polygon.append(QPointF(p.x, p.y));
    painter_.drawPolygon(polygon);
}

} // namespace venkar
