#pragma once

#include "graphics/Canvas.h"

#include <string>
#include <vector>

namespace venkar::test {

// A canvas that writes every call as one line of text, for comparing a
// replay with what it should have drawn.
class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> calls;

    void setPenColour(Colour colour) override {
        calls.push_back("pen colour " + std::to_string(colour));
    }
    void setPenWidth(int pixels) override {
        calls.push_back("pen width " + std::to_string(pixels));
    }
    void setBrushColour(Colour colour) override {
        calls.push_back("brush " + std::to_string(colour));
    }
    void drawLine(DevicePoint from, DevicePoint to) override {
        calls.push_back("line " + text(from) + " " + text(to));
    }
    void drawPolygon(std::span<const DevicePoint> points) override {
        std::string call = "polygon";
        for (const DevicePoint& p : points)
            call += " " + text(p);
        calls.push_back(call);
    }

private:
    static std::string text(DevicePoint p) {
        return std::to_string(p.x) + "," + std::to_string(p.y);
    }
};

} // namespace venkar::test
