#include "graphics/GraphView.h"

#include "geometry/ModelBoxes.h"
#include "graphics/DevelopedView.h"
#include "graphics/DiagramStation.h"
#include "graphics/GraphSettings.h"
#include "graphics/LoadLayer.h"
#include "graphics/MeridianPlotResults.h"
#include "graphics/ModelLayers.h"
#include "graphics/PlanView.h"
#include "graphics/ResultLayers.h"
#include "graphics/RoundOff.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

const std::array<const char*, GraphView::tabCount>& GraphView::tabCaptions() {
    static const std::array<const char*, tabCount> captions{
        "Geometrie",     "Verformung",      "Normalkraft Phi", "Normalkraft Theta", "Momente Phi",
        "Momente Theta", "Querkraft Theta", "Epsilon Phi",     "Epsilon Theta"};
    return captions;
}

const char* tabCaption(PlotTab tab) {
    switch (tab) {
    case PlotTab::VonMisesStress:
        return "Vergleichsspannung";
    case PlotTab::NormalForcePhiTheta:
        return "Normalkraft PhiTheta";
    case PlotTab::MomentPhiTheta:
        return "Momente PhiTheta";
    case PlotTab::ShearForcePhi:
        return "Querkraft Phi";
    case PlotTab::CircumferentialDisplacement:
        return "Verschiebung v";
    case PlotTab::PlanView:
        return "Grundriss";
    case PlotTab::DevelopedView:
        return "Abwicklung";
    default:
        return GraphView::tabCaptions().at(static_cast<std::size_t>(tabIndex(tab)));
    }
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

std::shared_ptr<const HarmonicCase> GraphView::harmonicCase() const {
    return results_ ? results_->harmonicCase() : nullptr;
}

void GraphView::setAngle(std::optional<double> degrees) {
    angle_ = degrees;
    rebuild();
}

void GraphView::setAroundSelection(const AroundSelection& selection) {
    around_ = selection;
    rebuild();
}

void GraphView::updateMeridian() {
    const std::shared_ptr<const HarmonicCase> harmonic = harmonicCase();
    if (!harmonic || !angle_) {
        meridian_.reset();
        return;
    }
    if (!meridian_ || meridian_->harmonicCase() != harmonic || meridian_->angle() != *angle_)
        meridian_ = std::make_shared<const MeridianPlotResults>(model_, harmonic, *angle_);
}

const PlotResults* GraphView::shownResults() const {
    return meridian_ ? &meridian_->results() : results_;
}

std::string GraphView::caption() const {
    if (!isMeridianTab(tab_))
        return title();
    std::string caption = tabCaption(tab_);
    if (meridian_ && isMeridianTab(tab_))
        caption += formatNumber(", Winkel %g°", meridian_->angle());
    return caption;
}

std::string GraphView::title() const {
    std::string title = tabCaption(tab_);
    const PlotResults* results = shownResults();
    if (tab_ == PlotTab::Deformation && results && h_ > 0)
        title += ", " + magnificationText(displacementFactor(*results, h_, displacementScale_)) +
                 "-fach überhöht";
    if (meridian_ && isMeridianTab(tab_))
        title += formatNumber(", Winkel %g°", meridian_->angle());
    if (!isMeridianTab(tab_)) {
        title += std::string(", ") + aroundQuantityCaption(around_.quantity);
        if (tab_ == PlotTab::PlanView)
            title += formatNumber(", Schale %.0f", around_.shell + 1.0) +
                     formatNumber(", x = %g", around_.x);
    }
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
    updateMeridian();
    h_ = build(picture_, labels_, annotation_);
    if (!userView_)
        view_ = picture_.boundingBox();
}

double GraphView::build(Picture& picture, LabelLayout& labels, double annotation) const {
    picture.clear();
    labels.clear();
    if (!isMeridianTab(tab_)) {
        const std::shared_ptr<const HarmonicCase> harmonic = harmonicCase();
        if (!harmonic)
            return 0.0;
        const AroundViewInput input{.model = model_,
                                    .settings = settings_.values,
                                    .harmonicCase = *harmonic,
                                    .selection = around_,
                                    .textScale = textScale_,
                                    .functionScale = functionScale_,
                                    .annotation = annotation,
                                    .values = isOn(ShowValues),
                                    .extremes = isOn(ShowExtrema)};
        return tab_ == PlotTab::PlanView ? drawPlanView(input, picture)
                                         : drawDevelopedView(input, picture);
    }
    const PlotResults* results = shownResults();
    const BoundingBox box = referenceBox(model_, isOn(ShowSymmetryAxis));
    const double h = box.isEmpty() ? 0.0 : diagonal(box);
    if (!(h > 0))
        return 0.0;
    PlotContext context{.picture = picture,
                        .model = model_,
                        .settings = settings_.values,
                        .results = results,
                        .switches = switches_,
                        .tab = tab_,
                        .h = h,
                        .box = box,
                        .textScale = textScale_,
                        .functionScale = functionScale_,
                        .displacementScale = displacementScale_,
                        .angle = angle_.value_or(0.0),
                        .labels = &labels,
                        .annotation = annotation};
    if (context.isOn(ShowSymmetryAxis))
        drawSymmetryAxis(context);
    if (context.isOn(ShowSupports))
        drawSupports(context);
    if (context.isOn(ShowGeometry))
        drawGeometry(context);
    if (context.isOn(ShowLoads))
        drawLoads(context);
    if (results) {
        if (context.isOn(ShowReactions))
            drawSupportReactions(context);
        if (context.isOn(ShowDeformation))
            drawDeformation(context);
        if (const std::optional<int> component = resultComponentOf(tab_)) {
            // The ring beams' values take their places before the diagram's
            // labels do.
            std::vector<PendingLabel> pending = drawDiagramLines(context, *component);
            if (tab_ == PlotTab::NormalForcePhi)
                drawRingBeamValues(context, RingBeamValue::NormalForce);
            if (tab_ == PlotTab::MomentPhi)
                drawRingBeamValues(context, RingBeamValue::Moment);
            placeDiagramLabels(context, pending);
        }
    }
    return h;
}

void GraphView::setAnnotation(double factor) {
    if (factor == annotation_)
        return;
    annotation_ = factor;
    rebuild();
}

ViewTransform GraphView::fitToScreen(const DeviceRect& device, double referencePixels) {
    // The sizes that keep the texts at their pixel size under `transform`.
    auto wanted = [&](const ViewTransform& transform) {
        const double scale = std::min(transform.scaleX, transform.scaleY);
        return h_ > 0 && scale > 0 && std::isfinite(scale) ? referencePixels / (h_ * scale)
                                                           : annotation_;
    };
    auto settled = [&](double factor) {
        return std::fabs(factor - annotation_) <= 1e-3 * annotation_;
    };
    ViewTransform transform;
    fitView(transform, view_, device, 1.0);
    // Texts at the edges of a followed picture grow its box as they grow,
    // by less than they grow: the sizes converge within a few rounds.
    for (int round = 0; round < 6 && !settled(wanted(transform)); ++round) {
        setAnnotation(wanted(transform));
        fitView(transform, view_, device, 1.0);
        if (userView_)
            break; // the view does not follow the picture
    }
    return transform;
}

PageDrawing GraphView::pageDrawing() const {
    PageDrawing page;
    if (annotation_ == 1.0) {
        page.picture = picture_;
    } else {
        LabelLayout labels;
        build(page.picture, labels, 1.0);
    }
    page.view = userView_ ? view_ : page.picture.boundingBox();
    return page;
}

std::optional<DiagramStation> GraphView::stationNear(Vector2 p, double reach) const {
    const std::optional<int> component = resultComponentOf(tab_);
    const PlotResults* results = shownResults();
    if (!results || !component || !(h_ > 0))
        return std::nullopt;
    const BoundingBox box = referenceBox(model_, isOn(ShowSymmetryAxis));
    const double extent = std::max(box.width(), box.height());
    return nearestStation(model_, *results, *component,
                          diagramScale(*results, *component, h_, functionScale_),
                          roundOffLimit(*results, *component, extent), p, reach);
}

std::optional<AroundSelection> GraphView::reportStationNear(Vector2 p, double reach) const {
    const std::optional<DiagramStation> station = stationNear(p, reach);
    if (!station)
        return std::nullopt;
    return nearestReportStation(model_, around_.quantity, station->shell, station->position);
}

} // namespace venkar
