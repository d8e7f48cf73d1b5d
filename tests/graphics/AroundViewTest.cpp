// The views around the circumference and the meridian at an angle, on a
// clamped cylinder under a normal load varying as cos 2φ.
#include "analysis/QuietCalculation.h"
#include "analysis/SurfaceStresses.h"
#include "graphics/AnalysisPlotResults.h"
#include "graphics/DevelopedView.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "graphics/PlanView.h"
#include "harmonic/CircumferentialExtremes.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/HarmonicMeridian.h"
#include "harmonic/LoadCaseCalculation.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <variant>

namespace venkar {
namespace {

using test::isClose;

// A steel cylinder, r = 10, 20 high, clamped at its foot, under a pressure
// of 1·cos 2φ along the shell normal.
struct OvalisedCylinder {
    Model model;
    AnalysisModel analysis;
    std::shared_ptr<const HarmonicCase> harmonic;

    OvalisedCylinder() {
        readSystemText(model, "NODES\n2\n"
                              "    1 10 0 0 0 0 0\n"
                              "    2 10 20 1 1 1 0\n\n"
                              "SHELLS\n1\n    1 1 2 0 0 1 1 10\n\n"
                              "MATERIALS\n1\n    1 2.1e8 0.008 0.3 78.5 0 1.2e-5\n");
        readLoadText(model, "HARMONICLOAD\n1\n    1 1 2 1 1 0 0 0 0 0\n");
        QuietCalculation status;
        if (calculateLoadCase(model, analysis, status, status))
            harmonic = analysis.results.harmonic;
    }
};

bool same(Vector2 a, Vector2 b) {
    return a.x == b.x && a.y == b.y;
}

// Two pictures record the same commands with the same values.
bool sameCommands(const Picture& a, const Picture& b) {
    if (a.commandCount() != b.commandCount())
        return false;
    for (std::size_t k = 0; k < a.commands().size(); ++k) {
        const PictureCommand& p = a.commands()[k];
        const PictureCommand& q = b.commands()[k];
        if (p.index() != q.index())
            return false;
        if (const auto* line = std::get_if<LineCommand>(&p)) {
            const auto& other = std::get<LineCommand>(q);
            if (!same(line->start, other.start) || !same(line->end, other.end))
                return false;
        } else if (const auto* polygon = std::get_if<PolygonCommand>(&p)) {
            const auto& other = std::get<PolygonCommand>(q);
            if (polygon->points.size() != other.points.size() ||
                !std::equal(polygon->points.begin(), polygon->points.end(), other.points.begin(),
                            same))
                return false;
        } else if (const auto* brush = std::get_if<BrushColourCommand>(&p)) {
            if (brush->colour != std::get<BrushColourCommand>(q).colour)
                return false;
        } else if (const auto* pen = std::get_if<PenColourCommand>(&p)) {
            if (pen->colour != std::get<PenColourCommand>(q).colour)
                return false;
        } else if (std::get<PenWidthCommand>(p).width != std::get<PenWidthCommand>(q).width) {
            return false;
        }
    }
    return true;
}

const OvalisedCylinder& cylinder() {
    static const OvalisedCylinder calculated;
    return calculated;
}

TEST(PlanView, ACosTwoPhiLoadGivesFourLobesWithItsExtremesAtZeroAndNinetyDegrees) {
    const OvalisedCylinder& c = cylinder();
    ASSERT_TRUE(c.harmonic);
    for (AroundQuantity quantity : {AroundQuantity::Load, AroundQuantity::NPhi}) {
        SCOPED_TRACE(aroundQuantityName(quantity));
        const PlanDiagram plan = planDiagram(c.model, *c.harmonic, {quantity, 0, 0.5});
        ASSERT_EQ(plan.values.size(), 360u);
        EXPECT_EQ(plan.radius, 10.0);
        int signChanges = 0;
        for (std::size_t a = 0; a < 360; ++a)
            signChanges += (plan.values[a] > 0) != (plan.values[(a + 1) % 360] > 0);
        EXPECT_EQ(signChanges, 4);
        EXPECT_EQ((std::set{plan.maximum.angle, plan.minimum.angle}), (std::set{0.0, 90.0}));
        EXPECT_TRUE(isClose(plan.maximum.value, -plan.minimum.value, 1e-9));
        // Every value follows cos 2φ.
        const double amplitude = plan.values[0];
        for (std::size_t a = 0; a < 360; a += 15)
            EXPECT_NEAR(plan.values[a], amplitude * std::cos(2.0 * a * std::numbers::pi / 180.0),
                        1e-9 * std::fabs(amplitude));
    }
    // The load is the pressure as entered, turned to the outside face.
    EXPECT_TRUE(isClose(
        std::fabs(planDiagram(c.model, *c.harmonic, {AroundQuantity::Load, 0, 0.5}).values[0]),
        1.0));
}

TEST(DevelopedView, TheLegendSpansTheExtremesOfTheQuantity) {
    const OvalisedCylinder& c = cylinder();
    ASSERT_TRUE(c.harmonic);
    const GraphSettings settings;
    Picture picture;
    struct Case {
        AroundQuantity quantity;
        int extreme; // the same quantity among the circumferential extremes
    };
    for (const Case& q : {Case{AroundQuantity::VonMises, vonMisesExtreme},
                          Case{AroundQuantity::MTheta, harmonicMTheta},
                          Case{AroundQuantity::NPhiTheta, harmonicNPhiTheta}}) {
        SCOPED_TRACE(aroundQuantityName(q.quantity));
        DevelopedDiagram drawn;
        const double h = drawDevelopedView({.model = c.model,
                                            .settings = settings.values,
                                            .harmonicCase = *c.harmonic,
                                            .selection = {q.quantity}},
                                           picture, &drawn);
        EXPECT_GT(h, 0.0);
        // Symmetric case: 0° to 180° in steps of 2.5°.
        ASSERT_EQ(drawn.angles.size(), 73u);
        EXPECT_EQ(drawn.angles.back(), 180.0);
        const AngleExtremes& expected =
            c.harmonic->extremes.at(0).values.at(static_cast<std::size_t>(q.extreme));
        EXPECT_TRUE(isClose(drawn.maximum.value, expected.maximum, 1e-9));
        EXPECT_TRUE(isClose(drawn.minimum.value, expected.minimum, 1e-9, 1e-9 * expected.maximum));
        EXPECT_LE(drawn.levels.front(), drawn.minimum.value);
        EXPECT_GE(drawn.levels.back(), drawn.maximum.value);
        EXPECT_LE(drawn.levels.size(), 13u);
        // Every band of the legend is a box filled with its colour.
        int filled = 0;
        for (const PictureCommand& command : picture.commands())
            filled += std::holds_alternative<PolygonCommand>(command);
        EXPECT_GT(filled, static_cast<int>(drawn.levels.size()));
    }
}

TEST(DevelopedView, ColourLevelsAreRoundStepsAroundTheValues) {
    struct Case {
        double minimum, maximum;
        std::vector<double> levels;
    };
    const Case cases[] = {
        {0.0, 24640.0, {0, 5000, 10000, 15000, 20000, 25000}},
        {-3.0, 7.0, {-3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7}},
        {-0.012, 0.031, {-0.015, -0.01, -0.005, 0, 0.005, 0.01, 0.015, 0.02, 0.025, 0.03, 0.035}},
    };
    for (const Case& c : cases) {
        const std::vector<double> levels = colourLevels(c.minimum, c.maximum);
        ASSERT_EQ(levels.size(), c.levels.size()) << c.minimum << " " << c.maximum;
        for (std::size_t k = 0; k < levels.size(); ++k)
            EXPECT_NEAR(levels[k], c.levels[k], 1e-12) << k;
    }
    // A single value still gets one band around it.
    const std::vector<double> single = colourLevels(5.0, 5.0);
    ASSERT_EQ(single.size(), 2u);
    EXPECT_LT(single[0], 5.0);
    EXPECT_GT(single[1], 5.0);
}

TEST(MeridianAtAngle, TheViewDrawsTheMeridianOfItsAngleWithTheFacesShearInVonMises) {
    const OvalisedCylinder& c = cylinder();
    ASSERT_TRUE(c.harmonic);
    const GraphSettings settings;
    const AnalysisPlotResults atZero(c.model, c.analysis);
    GraphView turned(c.model, settings);
    turned.setResults(&atZero);
    turned.setAngle(45.0);
    turned.selectTab(PlotTab::VonMisesStress);
    EXPECT_EQ(turned.caption(), "Vergleichsspannung, Winkel 45°");

    // The same picture as from the meridian at 45° handed in directly.
    AnalysisModel meridian;
    meridianAt(c.model, c.harmonic, 45.0, meridian);
    const AnalysisPlotResults at45(c.model, meridian);
    GraphView direct(c.model, settings);
    direct.setResults(&at45);
    direct.selectTab(PlotTab::VonMisesStress);
    EXPECT_EQ(direct.caption(), "Vergleichsspannung");
    EXPECT_GT(turned.picture().commandCount(), 100);
    EXPECT_TRUE(sameCommands(turned.picture(), direct.picture()));

    // At 45° the load's in-plane shear is largest; the plotted von Mises
    // stress is the results' own, shear included.
    const ShellResults& shell = meridian.results.shells.at(0);
    bool shearMatters = false;
    for (const ElementResult& e : shell.elements) {
        const double plotted = at45.elementValue(e.element, plotVonMisesComponent, 0.0);
        EXPECT_TRUE(isClose(plotted, largerVonMises(e.startStresses), 1e-12));
        const double withoutShear = largerVonMises(surfaceStresses(e.start, shell.wallThickness));
        shearMatters = shearMatters || std::fabs(plotted - withoutShear) > 1e-6 * plotted;
    }
    EXPECT_TRUE(shearMatters);
    EXPECT_NE(at45.maxShellResult(plotNPhiThetaComponent), 0.0);
    EXPECT_EQ(atZero.harmonicCase(), c.harmonic);
}

} // namespace
} // namespace venkar
