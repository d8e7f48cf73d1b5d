#include "PictureProbe.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "analysis/SurfaceStresses.h"
#include "graphics/AnalysisPlotResults.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace venkar;
using namespace venkar::test;

namespace {

struct CalculatedTank {
    Model model;
    AnalysisModel analysis;
    bool ok = false;

    CalculatedTank() {
        readSystemText(model, readTextFile(VENKAR_EXAMPLES_DIR "/wassertank.vsy").value());
        readLoadText(model, readTextFile(VENKAR_EXAMPLES_DIR "/wassertank.vla").value());
        QuietCalculation status;
        ok = calculate(model, analysis, status, status);
    }
};

} // namespace

TEST(AnalysisPlotResults, ShellElementsFollowTheChainAndCoverTheShell) {
    CalculatedTank tank;
    ASSERT_TRUE(tank.ok);
    const AnalysisPlotResults results(tank.model, tank.analysis);
    const std::vector<PlotElement> elements = results.shellElements(0);
    ASSERT_GT(elements.size(), 2u);
    EXPECT_EQ(elements.front().startPosition, 0.0);
    EXPECT_EQ(elements.back().endPosition, 1.0);
    for (std::size_t i = 1; i < elements.size(); ++i)
        EXPECT_EQ(elements[i].startPosition, elements[i - 1].endPosition);
    // The ends of an element carry its nodes' displacements.
    const PlotElement& e = elements[1];
    EXPECT_NEAR(results.elementDisplacement(e.element, 1.0).radial,
                results.nodeDisplacement(e.endNode).radial, 1e-15);
    EXPECT_TRUE(results.shellElements(5).empty());
    ASSERT_EQ(results.ringBeams().size(), 1u);
    EXPECT_NEAR(results.ringBeams()[0].sqrtArea, std::sqrt(0.12), 1e-15);
    // The clamped foot carries the weight of the tank.
    const int foot = tank.analysis.analysisNode(0);
    EXPECT_LT(results.reaction(foot).forceZ, 0.0);
}

TEST(AnalysisPlotResults, PlotsOfACalculatedTankUseTheFullScales) {
    CalculatedTank tank;
    ASSERT_TRUE(tank.ok);
    const AnalysisPlotResults results(tank.model, tank.analysis);
    GraphSettings settings;
    settings.values.results.deformationColour = 0x0000aa;
    GraphView view(tank.model, settings);
    view.setResults(&results);
    view.selectTab(PlotTab::Deformation);
    const double h = view.referenceLength();
    // The node that moves most is drawn 0.2 h from where it was.
    double largest = 0.0;
    for (int node = 0; node < results.nodeCount(); ++node) {
        const PlotDisplacement d = results.nodeDisplacement(node);
        largest = std::max(largest, std::hypot(d.radial, d.axial));
    }
    EXPECT_DOUBLE_EQ(largest, results.maxDisplacement());

    view.selectTab(PlotTab::NormalForcePhi); // "Normalkraft Phi": the hoop force, tension outwards
    const std::vector<DrawnLine> blue = linesWithPen(view.picture(), colours::blue, 0.001 * h);
    ASSERT_FALSE(blue.empty());
    EXPECT_NEAR(boxOf(blue).maxX, 6.0 + 0.16 * h, 1e-9);
}

TEST(AnalysisPlotResults, StressPlotShowsTheLargerVonMisesStressOfTheFaces) {
    CalculatedTank tank;
    ASSERT_TRUE(tank.ok);
    const AnalysisPlotResults results(tank.model, tank.analysis);
    const ShellResults& wall = *tank.analysis.results.shell(1);
    const std::vector<PlotElement> elements = results.shellElements(0);
    ASSERT_EQ(elements.size(), wall.elements.size());
    double largest = 0.0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ElementResult& e = wall.elements[i];
        const int element = elements[i].element;
        EXPECT_EQ(results.elementValue(element, plotVonMisesComponent, 0.0),
                  largerVonMises(e.startStresses));
        EXPECT_EQ(results.elementValue(element, plotVonMisesComponent, 1.0),
                  largerVonMises(e.endStresses));
        // Inside an element the stresses of the interpolated section values,
        // not the interpolated von Mises stresses.
        SectionValues middle{};
        for (std::size_t j = 0; j < middle.size(); ++j)
            middle[j] = 0.5 * (e.start[j] + e.end[j]);
        EXPECT_NEAR(results.elementValue(element, plotVonMisesComponent, 0.5),
                    largerVonMises(surfaceStresses(middle, 0.3)), 1e-9 * largest + 1e-9);
        largest =
            std::max({largest, largerVonMises(e.startStresses), largerVonMises(e.endStresses)});
    }
    EXPECT_EQ(results.maxShellResult(plotVonMisesComponent), largest);
    // The section value components keep their meaning.
    EXPECT_EQ(results.elementValue(elements[0].element, resultMTheta, 0.0),
              wall.elements[0].start[resultMTheta]);

    // Drawn like the other diagrams: von Mises is never negative, so blue,
    // the largest a sixth of the reference length from the wall at r = 6.
    GraphSettings settings;
    GraphView view(tank.model, settings);
    view.setResults(&results);
    view.selectTab(PlotTab::VonMisesStress);
    EXPECT_EQ(view.caption(), "Vergleichsspannung");
    const double h = view.referenceLength();
    const std::vector<DrawnLine> blue = linesWithPen(view.picture(), colours::blue, 0.001 * h);
    ASSERT_FALSE(blue.empty());
    EXPECT_TRUE(linesWithPen(view.picture(), colours::red, 0.001 * h).empty());
    const BoundingBox box = boxOf(blue);
    EXPECT_NEAR(std::max(box.maxX - 6.0, 6.0 - box.minX), 0.16 * h, 1e-9);
}
