#pragma once

#include "buckling/BucklingAnalysis.h"
#include "geometry/Vector2.h"
#include "graphics/Colour.h"
#include "graphics/Picture.h"

#include <string>

namespace venkar {

class GraphSettings;
class Model;

// A picture with the line that names it (the heading of an exported plot,
// the caption of a window's tab page).
struct TitledPicture {
    Picture picture;
    std::string title;
};

// The buckling mode of the critical harmonic on the meridian: the
// undeformed structure as the tab "Geometrie" draws it (without its loads),
// and over it every shell's line through its stations moved by (wr, wz)
// in the colour and pen of the deformed shape. The mode is scaled so that
// its largest in-plane displacement is a fifth of the reference length, as
// the tab "Verformung" draws its largest displacement. Title: "Beulform, n
// = 12, λ = 241,98". Precondition: `result.buckles`.
TitledPicture bucklingModePicture(const Model& model, const GraphSettings& settings,
                                  const BucklingResult& result);

// The colours of the curve: the calculated harmonics and the line through
// them, and the mark of the minimum.
inline constexpr Colour bucklingCurveColour = colours::blue;
inline constexpr Colour bucklingMinimumColour = colours::red;

// Where the curve λ(n) lies in its picture: n from the first to the last
// harmonic scanned over bucklingCurveWidth, log10 λ over
// bucklingCurveHeight upwards, from an eighth of the height below the
// smallest calculated factor (room for its label) to a little above the
// largest, spanning at least 0.3 decades.
inline constexpr double bucklingCurveWidth = 1000.0;
inline constexpr double bucklingCurveHeight = 600.0;

class BucklingCurveFrame {
public:
    // Precondition: `result.buckles`.
    explicit BucklingCurveFrame(const BucklingResult& result);

    // The point of λ = factor (> 0) at harmonic n; y points down.
    Vector2 point(double n, double factor) const;
    double bottomLog() const { return bottom_; } // log10 λ at the n axis
    double topLog() const { return top_; }       // log10 λ at the top
    double firstHarmonic() const { return firstN_; }
    double lastHarmonic() const { return lastN_; }

private:
    double firstN_ = 0.0;
    double lastN_ = 1.0;
    double bottom_ = 0.0;
    double top_ = 1.0;
};

// The curve λ(n) on a logarithmic axis: every calculated harmonic with a
// positive λ as a square joined by a line in n order (the harmonics the
// counts proved above the minimum have no value and are not drawn), the
// axes with their ticks and numbers, and the minimum as a filled square
// with the label "N = 12 (241,98)". Title: "Beulkurve, r_Rcr = 241,98 bei n
// = 12", followed by the plateau ("Plateau n = 0 bis 23", or the list)
// when several harmonics lie within 1 % of the minimum. Precondition:
// `result.buckles`.
TitledPicture bucklingCurvePicture(const BucklingResult& result);

// A factor with five significant digits and a decimal comma ("241,98").
std::string bucklingFactorText(double factor);

} // namespace venkar
