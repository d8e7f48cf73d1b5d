#include "app/GraphPaintBox.h"

#include "graphics/GraphView.h"
#include "render/PictureExport.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

// Zoom steps: a tenth of the view on every side.
constexpr double zoomOutFactor = 1.2;
constexpr double zoomInFactor = 0.8;
// One notch of a mouse wheel in eighths of a degree.
constexpr int wheelNotch = 120;

} // namespace

GraphPaintBox::GraphPaintBox(GraphView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void GraphPaintBox::setMode(Mode mode) {
    mode_ = mode;
    switch (mode) {
    case Mode::ZoomArmed:
        setCursor(Qt::CrossCursor);
        break;
    case Mode::PanArmed:
        setCursor(Qt::SizeAllCursor);
        break;
    default:
        unsetCursor();
        break;
    }
    update();
}

ViewTransform GraphPaintBox::viewTransform() const {
    ViewTransform transform;
    fitView(transform, view_.view(), {0, 0, width(), height()}, 1.0);
    return transform;
}

ViewTransform GraphPaintBox::fitToBox() {
    return view_.fitToScreen({0, 0, width(), height()}, referencePixels());
}

double GraphPaintBox::referencePixels() const {
    return screenReferencePixels * logicalDpiY() / 96.0;
}

void GraphPaintBox::paintEvent(QPaintEvent*) {
    fitToBox();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintView(view_.picture(), view_.view(), painter, rect(), 1.0, true);
    if (mode_ == Mode::ZoomDragging) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(QRect(anchor_, corner_).normalized());
    }
}

void GraphPaintBox::changedByUser() {
    view_.setUserView(true);
    update();
    emit viewChanged();
}

void GraphPaintBox::scaleView(double factor, Vector2 about) {
    const BoundingBox& old = view_.view();
    view_.setView({about.x + (old.minX - about.x) * factor, about.y + (old.minY - about.y) * factor,
                   about.x + (old.maxX - about.x) * factor,
                   about.y + (old.maxY - about.y) * factor});
    changedByUser();
}

void GraphPaintBox::zoomOut() {
    const BoundingBox& v = view_.view();
    scaleView(zoomOutFactor, {(v.minX + v.maxX) / 2, (v.minY + v.maxY) / 2});
}

void GraphPaintBox::zoomIn() {
    const BoundingBox& v = view_.view();
    scaleView(zoomInFactor, {(v.minX + v.maxX) / 2, (v.minY + v.maxY) / 2});
}

void GraphPaintBox::zoomAbout(QPoint devicePoint, double factor) {
    const ViewTransform transform = viewTransform();
    if (transform.scaleX == 0.0 || transform.scaleY == 0.0)
        return;
    // Scaling the world about a point keeps that point's pixel: the fitted
    // scale changes by 1/factor and the centre moves towards the point.
    scaleView(factor, deviceToWorld(transform, devicePoint.x(), devicePoint.y()));
}

void GraphPaintBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        zoomOut(); // also in the middle of another mode
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (mode_ == Mode::ZoomArmed) {
        anchor_ = corner_ = at;
        mode_ = Mode::ZoomDragging;
    } else if (mode_ == Mode::Idle || mode_ == Mode::PanArmed) {
        anchor_ = pressedAt_ = at;
        moved_ = false;
        modeBeforePress_ = mode_;
        mode_ = Mode::Panning;
    }
}

void GraphPaintBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const ViewTransform transform = viewTransform();
    if (transform.scaleX != 0.0 && transform.scaleY != 0.0) {
        const Vector2 p = deviceToWorld(transform, at.x(), at.y());
        emit mouseAtModelPoint(QPointF(p.x, p.y));
    }
    if (mode_ == Mode::ZoomDragging) {
        corner_ = at;
        update();
    } else if (mode_ == Mode::Panning && transform.scaleX != 0.0 && transform.scaleY != 0.0) {
        if (at == pressedAt_ && !moved_)
            return;
        moved_ = true;
        const double dx = (anchor_.x() - at.x()) / transform.scaleX;
        const double dy = (anchor_.y() - at.y()) / transform.scaleY;
        const BoundingBox& v = view_.view();
        view_.setView({v.minX + dx, v.minY + dy, v.maxX + dx, v.maxY + dy});
        anchor_ = at;
        update();
    }
}

void GraphPaintBox::finishZoomRectangle() {
    const ViewTransform transform = viewTransform();
    // A click without dragging would make the view degenerate: ignored, as
    // is any rectangle while the view itself has no extent.
    const bool usable = view_.view().width() > 0 && view_.view().height() > 0 &&
                        anchor_.x() != corner_.x() && anchor_.y() != corner_.y() &&
                        transform.scaleX != 0.0 && transform.scaleY != 0.0;
    if (usable) {
        const Vector2 first = deviceToWorld(transform, std::min(anchor_.x(), corner_.x()),
                                            std::min(anchor_.y(), corner_.y()));
        const Vector2 second = deviceToWorld(transform, std::max(anchor_.x(), corner_.x()),
                                             std::max(anchor_.y(), corner_.y()));
        view_.setView({first.x, first.y, second.x, second.y});
    }
    setMode(Mode::Idle);
    emit zoomWindowFinished();
}

void GraphPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (mode_ == Mode::ZoomDragging) {
        finishZoomRectangle();
        changedByUser();
    } else if (mode_ == Mode::Panning && !moved_) {
        // A click: the view stays as it was.
        mode_ = modeBeforePress_;
        emit clicked(event->position().toPoint());
    } else if (mode_ == Mode::Panning) {
        mode_ = Mode::PanArmed;
        changedByUser();
    }
}

void GraphPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        zoomIn();
}

void GraphPaintBox::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / wheelNotch;
    if (notches == 0)
        return;
    wheelRemainder_ -= notches * wheelNotch;
    const double factor =
        notches > 0 ? std::pow(zoomInFactor, notches) : std::pow(zoomOutFactor, -notches);
    zoomAbout(event->position().toPoint(), factor);
    event->accept();
}

} // namespace venkar
