#pragma once

#include "geometry/BoundingBox.h"
#include "graphics/GraphSettings.h"
#include "graphics/PlotTab.h"

#include <algorithm>
#include <string>

namespace venkar {

class LabelLayout;
class Model;
class Picture;
class PlotResults;

// The display switches of a graph view, two bytes of flags; each adds a
// group of elements to the picture.
enum DisplaySwitch : unsigned {
    ShowGeometry = 0x0001,        // ring beams, shells, bedding, hinges, nodes
    ShowNodeNumbers = 0x0002,     // "Knotennummer"
    ShowDeformation = 0x0004,     // the deformed shape (tab "Verformung")
    ShowSymmetryAxis = 0x0008,    // "Symetrieachse"
    ShowSupports = 0x0010,        // "Auflager"
    ShowLoads = 0x0020,           // "Belastung"
    SpareSwitch = 0x0040,         // unused; cleared with every tab change
    ShowShellNumbers = 0x0100,    // "Schalennummer", with direction arrows
    ShowMaterialNumbers = 0x0200, // "Materialnummer"
    ShowReactions = 0x0400,       // "Auflagerkräfte"
    ShowExtrema = 0x0800,         // "Funktionsextrema"
    ShowValues = 0x1000,          // "Wertangabe"
};

// Everything one rebuild of a picture draws with. The references are not
// owned and live for the rebuild only.
struct PlotContext {
    Picture& picture;
    const Model& model;
    const SettingValues& settings;
    const PlotResults* results = nullptr; // null while there are no valid results
    unsigned switches = 0;
    PlotTab tab = PlotTab::Geometry;
    // The reference length: every size setting is a fraction of it.
    double h = 0.0;
    // The drawn structure's box (with the axis when it is shown).
    BoundingBox box;
    double textScale = 1.0;
    double functionScale = 1.0;
    double displacementScale = 1.0;
    // The meridian (degrees around the axis from the windward one) whose
    // loads around the circumference are drawn.
    double angle = 0.0;
    // The texts placed so far, which later labels keep clear of; null when
    // labels need not avoid each other.
    LabelLayout* labels = nullptr;
    // The factor every size setting (texts, symbols, pens, gaps) is drawn
    // with: 1 on the page, where they are fractions of the reference length;
    // on a screen the factor that keeps them at a fixed size in pixels
    // whatever the zoom. The structure and the diagrams are not affected.
    double annotation = 1.0;

    bool isOn(DisplaySwitch s) const { return (switches & s) != 0; }
    // A size setting in model units.
    double size(double fraction) const { return fraction * h * annotation; }
    // The structure's largest extent (model units).
    double extent() const { return box.isEmpty() ? 0.0 : std::max(box.width(), box.height()); }
};

// A text angle that never reads upside down: an angle whose reading
// direction points to the left of the page is turned by pi, and a placement
// above or below its anchor swaps sides so that the text stays on the side
// it was meant for. Vertical texts keep their angle.
struct ReadableText {
    double angle = 0.0;
    unsigned placement = 0;
};
ReadableText readableText(double angle, unsigned placement);

// True when `number` (1-based) names a defined node row.
bool isDefinedNode(const Model& model, int number);
// True when `number` (1-based) names a defined shell row that passes
// geometryValid, so that it can be drawn.
bool isDrawableShell(const Model& model, int number);

// printf-style formatting of one number.
std::string formatNumber(const char* format, double value);

} // namespace venkar
