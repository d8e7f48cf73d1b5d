#pragma once

#include "graphics/Canvas.h"

#include <QColor>

class QPainter;

namespace venkar {

// The colour of a 0x00BBGGRR value.
QColor toQColor(Colour colour);

// Paints replayed pictures with a QPainter (not owned; it must be active on
// its device for the canvas's lifetime). Pens have round caps and joins; a
// pen width of 0 is Qt's one-pixel cosmetic pen. The canvas starts with a
// black pen of width 0 and a white brush.
class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter);

    void setPenColour(Colour colour) override;
    void setPenWidth(int pixels) override;
    void setBrushColour(Colour colour) override;
    void drawLine(DevicePoint from, DevicePoint to) override;
    void drawPolygon(std::span<const DevicePoint> points) override;
    // Fractions of pixels; pens below one pixel are drawn one pixel wide.
    void setPenWidthExact(double pixels) override;
    void drawLineExact(Vector2 from, Vector2 to) override;
    void drawPolygonExact(std::span<const Vector2> points) override;

private:
    void applyPen();

    QPainter& painter_;
    QColor penColour_;
    double penWidth_ = 0.0;
};

} // namespace venkar
