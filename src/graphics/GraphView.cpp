#include "graphics/GraphView.h"

#include "geometry/ModelBoxes.h"
#include "graphics/GraphSettings.h"
#include "graphics/LoadLayer.h"
#include "graphics/ModelLayers.h"
#include "graphics/ResultLayers.h"
#include "model/Model.h"

#include <cmath>

namespace venkar {

const std::array<const char*, GraphView::tabCount>& GraphView::tabCaptions() {
    static const std::array<const char*, tabCount> captions{
        "Geometrie",     "Verformung",      "Normalkraft Phi", "Normalkraft Theta", "Momente Phi",
        "Momente Theta", "Querkraft Theta", "Epsilon Phi",     "Epsilon Theta"};
    return captions;
}

const char* tabCaption(PlotTab tab) {
    if (tab == PlotTab::VonMisesStress)
        return "Vergleichsspannung";
    return GraphView::tabCaptions().at(static_cast<std::size_t>(tabIndex(tab)));
}

BoundingBox referenceBox(const Model& model, bool withAxis) {
    BoundingBox box = unite(nodesBox(model.nodes), shellsThirdsBox(model));
    if (withAxis && !box.isEmpty()) {
        extend(box, {0.0, box.minY});
        extend(box, {0.0, box.maxY});
    }
    return box;
}

std::string magnificationText(double factor) {
    if (!std::isfinite(factor))
        return formatNumber("%g", factor);
    if (std::fabs(factor) >= 100) {
        // Rounded to three significant digits without an exponent.
        const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(factor))) - 2);
        return formatNumber("%.0f", std::round(factor / unit) * unit);
    }
    return formatNumber("%.3g", factor);
}

GraphView::GraphView(const Model& model, const GraphSettings& settings)
    : model_(model), settings_(settings) {
    rebuild();
    userView_ = true;
}

std::string GraphView::title() const {
    std::string title = caption();
    if (tab_ == PlotTab::Deformation && results_ && h_ > 0)
        title += ", " + magnificationText(displacementFactor(*results_, h_, displacementScale_)) +
                 "-fach überhöht";
    return title;
}

void GraphView::selectTab(PlotTab tab) {
    tab_ = tab;
    switches_ &= ~static_cast<unsigned>(ShowGeometry | ShowDeformation | ShowLoads | SpareSwitch);
    switches_ |= ShowGeometry;
    if (tab == PlotTab::Geometry)
        switches_ |= ShowLoads;
    if (tab == PlotTab::Deformation)
        switches_ |= ShowDeformation;
    rebuild();
}

void GraphView::setSwitch(DisplaySwitch s, bool on) {
    if (on)
        switches_ |= s;
    else
        switches_ &= ~static_cast<unsigned>(s);
    rebuild();
}

void GraphView::setTextScale(double factor) {
    textScale_ = factor;
    userView_ = true;
    rebuild();
}

void GraphView::setFunctionScale(double factor) {
    functionScale_ = factor;
    userView_ = true;
    rebuild();
}

void GraphView::setDisplacementScale(double factor) {
    displacementScale_ = factor;
    userView_ = true;
    rebuild();
}

void GraphView::showAll() {
    view_ = picture_.boundingBox();
    userView_ = false;
}

void GraphView::rebuild() {
    picture_.clear();
    labels_.clear();
    const BoundingBox box = referenceBox(model_, isOn(ShowSymmetryAxis));
    h_ = box.isEmpty() ? 0.0 : diagonal(box);
    if (h_ > 0) {
        PlotContext context{.picture = picture_,
                            .model = model_,
                            .settings = settings_.values,
                            .results = results_,
                            .switches = switches_,
                            .tab = tab_,
                            .h = h_,
                            .box = box,
                            .textScale = textScale_,
                            .functionScale = functionScale_,
                            .displacementScale = displacementScale_,
                            .labels = &labels_};
        if (context.isOn(ShowSymmetryAxis))
            drawSymmetryAxis(context);
        if (context.isOn(ShowSupports))
            drawSupports(context);
        if (context.isOn(ShowGeometry))
            drawGeometry(context);
        if (context.isOn(ShowLoads))
            drawLoads(context);
        if (results_) {
            if (context.isOn(ShowReactions))
                drawSupportReactions(context);
            if (context.isOn(ShowDeformation))
                drawDeformation(context);
            if (const std::optional<int> component = resultComponentOf(tab_)) {
                drawDiagram(context, *component);
                if (tab_ == PlotTab::NormalForcePhi)
                    drawRingBeamValues(context, RingBeamValue::NormalForce);
                if (tab_ == PlotTab::MomentPhi)
                    drawRingBeamValues(context, RingBeamValue::Moment);
            }
        }
    }
    if (!userView_)
        view_ = picture_.boundingBox();
}

} // namespace venkar
