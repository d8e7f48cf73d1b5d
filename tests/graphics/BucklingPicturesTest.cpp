// The pictures of the buckling analysis: the mode over the structure and
// the curve of λ over the harmonics.
#include "graphics/BucklingPictures.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "support/ModelRows.h"

#include "PictureProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace venkar {
namespace {

// An axially pressed cylinder r = 100, t = 1, L = 200 (ν = 0, ends held
// radially), scanned over n = 0 ... 30 on a coarse mesh: a plateau up to
// about n = 12, beyond it harmonics proven above the minimum.
struct PressedCylinder {
    Model model;
    BucklingResult result;

    PressedCylinder() {
        test::addMaterial(model, 2e5, 1.0, 0.0);
        const int shell = test::addShellWithNodes(model, 100.0, 0.0, 100.0, 200.0);
        model.shells.row(shell).discretisationFactor = 0.5;
        model.nodes.row(0).supportR = model.nodes.row(0).supportZ = 1;
        model.nodes.row(1).supportR = 1;
        test::addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadZ = -1.0});
        BucklingOptions options;
        options.lastHarmonic = 30;
        std::string error;
        EXPECT_TRUE(analyseBuckling(model, HarmonicInput{}, options, result, error)) << error;
    }
};

const PressedCylinder& pressedCylinder() {
    static const PressedCylinder cylinder;
    return cylinder;
}

bool near(Vector2 a, Vector2 b) {
    return length(a - b) < 1e-6 * bucklingCurveWidth;
}

TEST(BucklingPictures, CurveMarksTheMinimumAndDrawsOnlyCalculatedHarmonics) {
    const BucklingResult& result = pressedCylinder().result;
    ASSERT_TRUE(result.buckles);
    ASSERT_FALSE(result.provenHarmonics.empty()); // the scan skipped some
    const TitledPicture curve = bucklingCurvePicture(result);
    const BucklingCurveFrame frame(result);

    // The one filled mark sits on the critical harmonic at the smallest λ.
    std::vector<Vector2> marks;
    for (const PictureCommand& command : curve.picture.commands())
        if (const auto* polygon = std::get_if<PolygonCommand>(&command)) {
            BoundingBox box;
            for (Vector2 p : polygon->points)
                extend(box, p);
            marks.push_back(test::centreOf(box));
        }
    ASSERT_EQ(marks.size(), 1u);
    double smallest = HUGE_VAL;
    for (const HarmonicFactor& f : result.perHarmonic)
        if (f.found)
            smallest = std::min(smallest, f.factor);
    EXPECT_DOUBLE_EQ(result.criticalFactor, smallest);
    EXPECT_TRUE(near(marks[0], frame.point(result.criticalHarmonic, smallest)));

    // The curve's lines run between calculated harmonics only: every end
    // is one, and every calculated harmonic is reached.
    std::vector<Vector2> calculated;
    for (const HarmonicFactor& f : result.perHarmonic)
        if (f.found)
            calculated.push_back(frame.point(f.n, f.factor));
    std::vector<bool> reached(calculated.size(), false);
    const auto isCalculated = [&](Vector2 p) {
        for (std::size_t i = 0; i < calculated.size(); ++i)
            if (near(p, calculated[i])) {
                reached[i] = true;
                return true;
            }
        return false;
    };
    const std::vector<test::DrawnLine> curveLines =
        test::linesWhere(curve.picture, [](const test::DrawnLine& l) {
            return l.colour == bucklingCurveColour && l.width > 2.0;
        });
    ASSERT_FALSE(curveLines.empty());
    for (const test::DrawnLine& line : curveLines) {
        EXPECT_TRUE(isCalculated(line.start));
        EXPECT_TRUE(isCalculated(line.end));
    }
    EXPECT_TRUE(std::all_of(reached.begin(), reached.end(), [](bool r) { return r; }));
    // A proven harmonic has no point of its own: nothing of the curve's
    // colour lies on its vertical.
    for (int n : result.provenHarmonics)
        for (const test::DrawnLine& line : test::linesWithPen(curve.picture, bucklingCurveColour))
            EXPECT_GT(std::fabs(line.start.x - frame.point(n, 1.0).x), 12.0) << n;

    EXPECT_EQ(curve.title.rfind("Beulkurve, r_Rcr = " + bucklingFactorText(result.criticalFactor) +
                                    " bei n = " + std::to_string(result.criticalHarmonic),
                                0),
              0u);
}

TEST(BucklingPictures, ModeDrawsTheLargestDisplacementAFifthOfTheReferenceLength) {
    const PressedCylinder& cylinder = pressedCylinder();
    const GraphSettings settings;
    const TitledPicture mode = bucklingModePicture(cylinder.model, settings, cylinder.result);
    GraphView view(cylinder.model, settings);
    const double h = view.referenceLength();
    // The shell is vertical at r = 100: the mode's lines leave it by the
    // radial displacement alone.
    const std::vector<test::DrawnLine> lines =
        test::linesWithPen(mode.picture, settings.values.results.deformationColour);
    ASSERT_FALSE(lines.empty());
    double largest = 0.0;
    for (const test::DrawnLine& line : lines)
        largest =
            std::max({largest, std::fabs(line.start.x - 100.0), std::fabs(line.end.x - 100.0)});
    EXPECT_NEAR(largest, 0.2 * h, 1e-9 * h);
    EXPECT_EQ(mode.title, "Beulform, n = " + std::to_string(cylinder.result.criticalHarmonic) +
                              ", λ = " + bucklingFactorText(cylinder.result.criticalFactor));
    // The undeformed structure lies under it.
    EXPECT_FALSE(test::linesWithPen(mode.picture, settings.values.geometry.shellColour).empty());
}

} // namespace
} // namespace venkar
