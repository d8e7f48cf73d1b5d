#include "graphics/BucklingPictures.h"

#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "graphics/PlotContext.h"
#include "graphics/Shape.h"
#include "graphics/StrokeFont.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace venkar {

namespace {

// The sizes of the curve's picture, in its units (the curve spans
// bucklingCurveWidth).
constexpr double textHeight = 22.0;
constexpr double tickLength = 10.0;
constexpr double axisPen = 2.0;
constexpr double gridPen = 0.6;
constexpr double curvePen = 2.5;
constexpr double pointSize = 9.0;
constexpr double minimumSize = 20.0;

std::string harmonicList(const std::vector<int>& harmonics) {
    bool consecutive = true;
    for (std::size_t i = 1; i < harmonics.size(); ++i)
        consecutive = consecutive && harmonics[i] == harmonics[i - 1] + 1;
    if (consecutive)
        return std::to_string(harmonics.front()) + " bis " + std::to_string(harmonics.back());
    std::string list;
    for (std::size_t i = 0; i < harmonics.size(); ++i)
        list += (i == 0 ? "" : ", ") + std::to_string(harmonics[i]);
    return list;
}

// The steps of the n axis: the smallest of 1, 2, 5, 10, 20, ... that
// leaves at most ten intervals.
int harmonicStep(double span) {
    for (int decade = 1;; decade *= 10)
        for (int step : {1, 2, 5})
            if (span / (step * decade) <= 10.0)
                return step * decade;
}

void drawAxes(Picture& picture, const BucklingCurveFrame& frame) {
    const double left = 0.0;
    const double right = bucklingCurveWidth;
    const double top = -bucklingCurveHeight;
    // The factors of a decade that carry a tick and a number: every digit
    // on an axis of less than one and a half decades, 1, 2 and 5 up to three, the
    // decades alone beyond.
    const double decades = frame.topLog() - frame.bottomLog();
    const std::vector<int> mantissas = decades < 1.5 ? std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                       : decades <= 3.0 ? std::vector<int>{1, 2, 5}
                                                        : std::vector<int>{1};
    const int lastDecade = static_cast<int>(std::floor(frame.topLog()));
    for (int decade = static_cast<int>(std::floor(frame.bottomLog())); decade <= lastDecade;
         ++decade)
        for (int mantissa : mantissas) {
            const double factor = mantissa * std::pow(10.0, decade);
            const double position = std::log10(factor);
            if (position < frame.bottomLog() || position > frame.topLog())
                continue;
            const double y = frame.point(frame.firstHarmonic(), factor).y;
            if (mantissa == 1) {
                picture.setPen(colours::grey, gridPen);
                picture.addLine({left, y}, {right, y});
            }
            picture.setPen(colours::black, axisPen);
            picture.addLine({left - tickLength, y}, {left, y});
            drawText(picture, 1.0, {left - tickLength, y}, 0.0, 0.4 * textHeight, textHeight,
                     colours::black, bucklingFactorText(factor), TextLeft);
        }
    const double first = frame.firstHarmonic();
    const double last = frame.lastHarmonic();
    const int step = harmonicStep(last - first);
    for (int n = static_cast<int>(std::ceil(first / step)) * step; n <= last; n += step) {
        const double x = frame.point(n, 1.0).x;
        picture.setPen(colours::black, axisPen);
        picture.addLine({x, 0.0}, {x, tickLength});
        drawText(picture, 1.0, {x, tickLength}, 0.0, 0.4 * textHeight, textHeight, colours::black,
                 std::to_string(n), TextCentred | TextBelow);
    }
    picture.setPen(colours::black, axisPen);
    picture.addLine({left, 0.0}, {right, 0.0});
    picture.addLine({left, 0.0}, {left, top});
    drawText(picture, 1.0, {right, 0.0}, 0.0, textHeight, textHeight, colours::black, "N",
             TextRight);
    drawText(picture, 1.0, {left, top}, 0.0, 1.2 * textHeight, textHeight, colours::black,
             "LASTFAKTOR", TextAbove | TextCentred);
}

} // namespace

std::string bucklingFactorText(double factor) {
    std::string text = formatNumber("%.5g", factor);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

TitledPicture bucklingModePicture(const Model& model, const GraphSettings& settings,
                                  const BucklingResult& result) {
    GraphView view(model, settings);
    view.selectTab(PlotTab::Geometry);
    view.setSwitch(ShowLoads, false);
    TitledPicture mode{view.picture(), "Beulform, n = " + std::to_string(result.criticalHarmonic) +
                                           ", λ = " + bucklingFactorText(result.criticalFactor)};
    const double h = view.referenceLength();
    double largest = 0.0;
    for (const BucklingModeShell& shell : result.mode)
        for (const BucklingModeStation& s : shell.stations)
            largest = std::max({largest, std::fabs(s.wr), std::fabs(s.wz)});
    // A mode without in-plane displacement (twisting only) leaves the
    // meridian where it is.
    const double scale = largest > 0.0 ? 0.2 * h / largest : 0.0;
    const ResultSettings& look = settings.values.results;
    Picture& picture = mode.picture;
    picture.setPen(look.deformationColour, look.deformationLineWidth * h);
    for (const BucklingModeShell& shell : result.mode)
        for (std::size_t i = 0; i < shell.stations.size(); ++i) {
            const BucklingModeStation& s = shell.stations[i];
            const Vector2 p{s.r + scale * s.wr, s.z + scale * s.wz};
            if (i == 0)
                picture.moveTo(0, p);
            else
                picture.lineTo(0, p);
        }
    return mode;
}

BucklingCurveFrame::BucklingCurveFrame(const BucklingResult& result) {
    firstN_ = result.firstHarmonic;
    lastN_ = std::max(result.lastHarmonic, result.firstHarmonic + 1);
    double lowest = HUGE_VAL;
    double highest = 0.0;
    for (const HarmonicFactor& f : result.perHarmonic)
        if (f.found && f.factor > 0.0) {
            lowest = std::min(lowest, f.factor);
            highest = std::max(highest, f.factor);
        }
    if (!(highest > 0.0))
        lowest = highest = 1.0;
    // The minimum's label stands below it: the lowest eighth of the height
    // is kept free for it.
    const double span = std::max(std::log10(highest / lowest), 0.3);
    const double height = span / 0.85;
    bottom_ = std::log10(lowest) - 0.12 * height;
    top_ = bottom_ + height;
}

Vector2 BucklingCurveFrame::point(double n, double factor) const {
    const double x = (n - firstN_) / (lastN_ - firstN_) * bucklingCurveWidth;
    const double up = (std::log10(factor) - bottom_) / (top_ - bottom_);
    return {x, -up * bucklingCurveHeight};
}

TitledPicture bucklingCurvePicture(const BucklingResult& result) {
    TitledPicture curve;
    curve.title = "Beulkurve, r_Rcr = " + bucklingFactorText(result.criticalFactor) +
                  " bei n = " + std::to_string(result.criticalHarmonic);
    if (result.plateau.size() > 1)
        curve.title += " (Plateau n = " + harmonicList(result.plateau) + ")";
    const BucklingCurveFrame frame(result);
    Picture& picture = curve.picture;
    drawAxes(picture, frame);

    picture.setPen(bucklingCurveColour, curvePen);
    bool started = false;
    for (const HarmonicFactor& f : result.perHarmonic) {
        if (!f.found || !(f.factor > 0.0))
            continue;
        const Vector2 p = frame.point(f.n, f.factor);
        if (started)
            picture.lineTo(1, p);
        else
            picture.moveTo(1, p);
        started = true;
    }
    const Shape& square = standardShape(ShapeId::NodeSquare);
    for (const HarmonicFactor& f : result.perHarmonic)
        if (f.found && f.factor > 0.0)
            drawShape(picture, square, pointSize, 0.6 * curvePen, 0.0, bucklingCurveColour,
                      frame.point(f.n, f.factor));

    const Vector2 minimum = frame.point(result.criticalHarmonic, result.criticalFactor);
    fillShape(picture, square, minimumSize, curvePen, 0.0, bucklingMinimumColour,
              bucklingMinimumColour, minimum);
    // Every other point lies above the minimum: its label stands below it,
    // leaning to the inside of the frame.
    const unsigned side = minimum.x > 0.7 * bucklingCurveWidth   ? TextLeft
                          : minimum.x < 0.3 * bucklingCurveWidth ? TextRight
                                                                 : TextCentred;
    drawText(picture, 1.0, minimum + Vector2{0.0, 0.5 * minimumSize}, 0.0, 0.3 * textHeight,
             textHeight, bucklingMinimumColour,
             "N = " + std::to_string(result.criticalHarmonic) + " (" +
                 bucklingFactorText(result.criticalFactor) + ")",
             TextBelow | side);
    return curve;
}

} // namespace venkar
