#pragma once

#include "geometry/BoundingBox.h"
#include "graphics/AroundView.h"
#include "graphics/LabelLayout.h"
#include "graphics/Picture.h"
#include "graphics/PlotContext.h"
#include "graphics/PlotTab.h"
#include "graphics/ViewTransform.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace venkar {

class GraphSettings;
class MeridianPlotResults;
class Model;
class PlotResults;
struct DiagramStation;

// The pixels the reference length spans for the texts and symbols of a
// picture on a screen of 96 dots per inch: the value texts, a hundredth of
// it, are 11 pixels high at text scale 100 %.
inline constexpr double screenReferencePixels = 1100.0;

// A picture at page proportions and the part of it to show.
struct PageDrawing {
    Picture picture;
    BoundingBox view;
};

// The content of a graph window without its window: which quantity is
// shown (the tab), the display switches, the three scale factors, the
// picture built from the model, the load case and the results, and the part
// of it in view. The Qt window wraps one and adds the interaction; the batch
// command exports its pictures.
//
// The model, the settings and the results are read at every rebuild and are
// not owned; they must outlive the view (or, for the results, be replaced
// with `setResults` before they go).
class GraphView {
public:
    static constexpr int tabCount = plotTabCount;
    // The tab captions in tab order: "Geometrie", "Verformung", "Normalkraft
    // Phi", "Normalkraft Theta", "Momente Phi", "Momente Theta", "Querkraft
    // Theta", "Epsilon Phi", "Epsilon Theta".
    static const std::array<const char*, tabCount>& tabCaptions();

    // Builds the first picture with the view fitted to all of it, then sets
    // the user-view flag, as a new window does.
    GraphView(const Model& model, const GraphSettings& settings);

    // The valid results of a calculation, or null while there are none.
    // Takes effect at the next rebuild.
    void setResults(const PlotResults* results) { results_ = results; }
    const PlotResults* results() const { return results_; }

    // The amplitudes of the results' load case when it has loads around the
    // circumference; null otherwise and without results.
    std::shared_ptr<const HarmonicCase> harmonicCase() const;

    // The angle (degrees) whose meridian the meridian tabs show when the
    // results are of a load case with loads around the circumference;
    // without an angle they show the results as given. The loads around the
    // circumference are drawn on the meridian at this angle, without one on
    // the windward one (0°). Rebuilds.
    std::optional<double> angle() const { return angle_; }
    void setAngle(std::optional<double> degrees);
    // The results the meridian tabs draw: the meridian at the angle, or the
    // results as given.
    const PlotResults* shownResults() const;

    // What the plan view and the developed view show. Setting it rebuilds.
    const AroundSelection& aroundSelection() const { return around_; }
    void setAroundSelection(const AroundSelection& selection);

    PlotTab tab() const { return tab_; }
    // The window caption: the caption of the current tab, on a meridian tab
    // of a load around the circumference followed by the angle ("Momente
    // Theta, Winkel 30°"); on the plan view and the developed view the title.
    std::string caption() const;
    // The title of an exported plot: the caption, on the tab "Verformung"
    // with results followed by how much the displacements are magnified
    // ("Verformung, 250-fach überhöht", then the angle); on the plan view
    // and the developed view the quantity and the plan view's station
    // ("Grundriss, Normalkraft Phi, Schale 1, x = 0.5").
    std::string title() const;
    // Selects a tab: clears the geometry, deformation and load switches, sets
    // geometry again, sets the loads switch on the geometry tab and the
    // deformation switch on the deformation tab, and rebuilds.
    void selectTab(PlotTab tab);

    unsigned switches() const { return switches_; }
    bool isOn(DisplaySwitch s) const { return (switches_ & s) != 0; }
    // Turns one switch on or off and rebuilds.
    void setSwitch(DisplaySwitch s, bool on);

    // Scale factors (1.0 = 100 %). Setting one sets the user-view flag and
    // rebuilds; a factor must be positive.
    double textScale() const { return textScale_; }
    double functionScale() const { return functionScale_; }
    double displacementScale() const { return displacementScale_; }
    void setTextScale(double factor);
    void setFunctionScale(double factor);
    void setDisplacementScale(double factor);

    // Clears the picture and refills it in the fixed order of layers:
    // symmetry axis, supports, geometry, loads, support reactions, deformed
    // shape, the diagram of the tab (its hatching, the ring beams' values,
    // its labels). Without the user-view flag the view becomes the picture's
    // bounding box. An empty model (reference length 0) leaves the picture
    // empty.
    void rebuild();

    // The factor the texts, symbols and pens of the picture are drawn with
    // (PlotContext::annotation): 1, the page proportions, until a screen
    // sets another. Setting a different one rebuilds.
    double annotation() const { return annotation_; }
    void setAnnotation(double factor);
    // Makes the picture fit a screen area of `device` pixels: the view
    // fitted into it with the usual margin, the texts and symbols sized so
    // that the reference length would span `referencePixels` (the texts keep
    // their size in pixels whatever the zoom). Without the user-view flag
    // the view follows the picture, whose texts take room of their own, so
    // the fit is repeated until the sizes settle. Returns the transform of
    // the view into `device`; rebuilds only when the sizes change by more
    // than a thousandth.
    ViewTransform fitToScreen(const DeviceRect& device, double referencePixels);
    // The current content at page proportions (annotation 1), as printed,
    // copied and saved, with the part to show: the user's view, or without
    // the user-view flag the whole picture.
    PageDrawing pageDrawing() const;

    // The report station of the tab's diagram nearest to `p` (see
    // stationNear and nearestReportStation); nothing as there.
    std::optional<AroundSelection> reportStationNear(Vector2 p, double reach) const;

    // The station of the tab's diagram nearest to the model point `p`
    // within `reach` model units; nothing on a tab without a diagram or
    // without results.
    std::optional<DiagramStation> stationNear(Vector2 p, double reach) const;

    const Picture& picture() const { return picture_; }
    // The texts of the last rebuild that later labels kept clear of: the
    // axis texts, the diagram labels and the displacement values.
    const LabelLayout& labelLayout() const { return labels_; }
    // The reference length of the last rebuild (0 for an empty model).
    double referenceLength() const { return h_; }

    // The part of the model in view (model units).
    const BoundingBox& view() const { return view_; }
    void setView(const BoundingBox& view) { view_ = view; }
    bool userView() const { return userView_; }
    void setUserView(bool on) { userView_ = on; }
    // "Alles zeigen": the view becomes the whole picture and follows it again.
    void showAll();

private:
    const Model& model_;
    const GraphSettings& settings_;
    const PlotResults* results_ = nullptr;
    PlotTab tab_ = PlotTab::Geometry;
    unsigned switches_ =
        ShowGeometry | ShowSymmetryAxis | ShowSupports | ShowLoads | ShowExtrema | ShowValues;
    double textScale_ = 1.0;
    double functionScale_ = 1.0;
    double displacementScale_ = 1.0;
    std::optional<double> angle_;
    AroundSelection around_;
    // The meridian at the angle, made again when the angle or the case
    // changes; a copy of the view shares it.
    std::shared_ptr<const MeridianPlotResults> meridian_;
    void updateMeridian();
    // Fills `picture` and `labels` with the content drawn with `annotation`;
    // gives the reference length.
    double build(Picture& picture, LabelLayout& labels, double annotation) const;

    Picture picture_;
    LabelLayout labels_;
    double annotation_ = 1.0;
    double h_ = 0.0;
    BoundingBox view_;
    bool userView_ = false;
};

// A magnification for a title: three significant digits, whole numbers
// from 100 on ("250", "12300", "2.5", "0.0123").
std::string magnificationText(double factor);

// The box the reference length is the diagonal of: every defined node and
// the thirds of every drawable shell, with the points (0, minimum z) and
// (0, maximum z) when the symmetry axis is shown. Empty for an empty model.
BoundingBox referenceBox(const Model& model, bool withAxis);

} // namespace venkar
