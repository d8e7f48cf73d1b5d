#pragma once

#include "graphics/ViewTransform.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

namespace venkar {

class GraphView;

// The white drawing area of a graph window: paints the view rectangle of a
// GraphView and turns the mouse into zooming and panning. Before painting
// it fits the view to its size (GraphView::fitToScreen), which rebuilds the
// picture only when the view's scale changed: the texts and symbols keep
// their size in pixels, and a view the user has not zoomed shows the whole
// picture whatever the size of the box.
// - zoom window armed: a left drag spans a rectangle that becomes the view;
// - otherwise a left drag pans (the drawing follows the mouse), and a left
//   click without moving reports the point clicked;
// - a right click zooms out and a double click zooms in by a tenth of the
//   view on every side;
// - the wheel zooms about the point under the cursor, a tenth per notch.
// Every zoom and pan sets the view's user-view flag.
class GraphPaintBox : public QWidget {
    Q_OBJECT
public:
    enum class Mode {
        Idle,         // 0
        ZoomArmed,    // 1: "Auschnitt" pressed
        ZoomDragging, // 2: the zoom rectangle is being spanned
        PanArmed,     // 3: "Verschieben" pressed, or after a pan
        Panning,      // 4
    };

    // `view` is not owned and must outlive the paint box.
    GraphPaintBox(GraphView& view, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // Arms or disarms the zoom window or the panning (the tool buttons).
    void setMode(Mode mode);

    // The transform of the current view fitted to the paint box (aspect 1),
    // as the last paint used it.
    ViewTransform viewTransform() const;
    // Fits the view and the sizes of texts and symbols to the box as the
    // next paint does, and gives the transform.
    ViewTransform fitToBox();
    // The pixels the reference length spans for texts and symbols on this
    // screen (screenReferencePixels at 96 dots per inch).
    double referencePixels() const;

    // Zooms by a tenth of the view on every side: out (larger view) or in.
    void zoomOut();
    void zoomIn();
    // Scales the view about the model point under `devicePoint` by `factor`
    // (below 1 zooms in), keeping that point under the cursor.
    void zoomAbout(QPoint devicePoint, double factor);

    QSize sizeHint() const override { return {640, 480}; }

signals:
    // The view rectangle changed through the mouse; the window repaints.
    void viewChanged();
    // A zoom rectangle was applied or ignored: the "Auschnitt" button is
    // released.
    void zoomWindowFinished();
    // The model point (r, z) under the mouse.
    void mouseAtModelPoint(QPointF point);
    // A left click without moving, not in zoom mode, at `devicePoint`.
    void clicked(QPoint devicePoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void scaleView(double factor, Vector2 about);
    void finishZoomRectangle();
    void changedByUser();

    GraphView& view_;
    Mode mode_ = Mode::Idle;
    QPoint anchor_; // zoom rectangle corner; while panning the last mouse position
    QPoint corner_;
    QPoint pressedAt_;   // where the left button went down
    bool moved_ = false; // the mouse moved since
    Mode modeBeforePress_ = Mode::Idle;
    int wheelRemainder_ = 0; // eighths of a degree not yet turned into notches
};

} // namespace venkar
