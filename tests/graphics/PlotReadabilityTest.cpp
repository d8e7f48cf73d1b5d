// Plots of calculated models read well: round-off draws nothing, labels do
// not overlap, and the label layout keeps texts apart.
#include "PictureProbe.h"
#include "support/ModelRows.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "checks/InputFault.h"
#include "graphics/AnalysisPlotResults.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "graphics/LabelLayout.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <string>

using namespace venkar;
using namespace venkar::test;

namespace {

// Pen widths that tell diagram lines (0.0021 h) from value labels (0.0013 h).
struct DistinctPens : GraphSettings {
    DistinctPens() {
        values.results.diagramLineWidth = 0.0021;
        values.valueText.height = 0.013;
    }
};

struct Calculated {
    Model model;
    AnalysisModel analysis;
    std::unique_ptr<AnalysisPlotResults> results;
    DistinctPens settings;

    void calculateOrFail() {
        QuietCalculation status;
        ASSERT_TRUE(calculate(model, analysis, status, status)) << status.error;
        results = std::make_unique<AnalysisPlotResults>(model, analysis);
    }
    void readExample(const std::string& name) {
        const std::string base = std::string(VENKAR_EXAMPLES_DIR) + "/" + name;
        readSystemText(model, readTextFile(base + ".vsy").value());
        readLoadText(model, readTextFile(base + ".vla").value());
    }
    GraphView view(PlotTab tab) {
        GraphView v(model, settings);
        v.setResults(results.get());
        v.selectTab(tab);
        return v;
    }
};

// A cylinder of radius 10 and height 20 under internal pressure, held only
// axially at its top: a membrane state without bending.
void buildMembraneCylinder(Model& model) {
    addMaterial(model, 3e7, 0.1, 0.3);
    addShellWithNodes(model, 10, 0, 10, 20);
    model.nodes.row(0).supportZ = 1;
    addRow(
        model.shellLoads,
        ShellLoadRecord{.fromShell = 1, .toShell = 1, .transverseStart = -5, .transverseEnd = -5});
}

// A wall, a conical roof and an annular plate meeting at one node, finely
// divided, with two moment hinges just below the junction, self weight and
// pressure: many labels compete for the space around the junction.
void buildDenseJunction(Model& model) {
    MatRecord material{
        .youngsModulus = 3e7, .wallThickness = 0.2, .poissonRatio = 0.2, .specificWeight = 25.0};
    addRow(model.materials, material);
    const int junction = addNode(model, 10, 0);
    const int foot = addNode(model, 10, 10);
    const int apex = addNode(model, 2, -3);
    const int rim = addNode(model, 14, 0);
    NodeRecord& footNode = model.nodes.row(foot - 1);
    footNode.supportR = footNode.supportZ = footNode.supportRot = 1;
    for (const auto& [from, to] : {std::pair{junction, foot}, {apex, junction}, {junction, rim}}) {
        const int row = addShell(model, from, to);
        model.shells.row(row).discretisationFactor = 4.0;
        model.shells.row(row).intervals = 4;
    }
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.02, .releaseM = 1});
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.05, .releaseM = 1});
    addRow(
        model.shellLoads,
        ShellLoadRecord{.fromShell = 1, .toShell = 3, .transverseStart = -8, .transverseEnd = -3});
    model.setSelfWeight(true);
}

void expectNoOverlap(const GraphView& view, const std::string& what) {
    const std::vector<TextFrame>& frames = view.labelLayout().frames();
    for (std::size_t i = 0; i < frames.size(); ++i)
        for (std::size_t j = i + 1; j < frames.size(); ++j)
            ASSERT_FALSE(cellsOverlap(frames[i], frames[j]))
                << what << ": texts " << i << " and " << j << " overlap";
}

bool isDiagramColour(Colour c) {
    return c == colours::red || c == colours::blue;
}

} // namespace

TEST(PlotReadability, MembraneCylinderDrawsAnEmptyMomentDiagramWithoutLabels) {
    Calculated cylinder;
    buildMembraneCylinder(cylinder.model);
    cylinder.calculateOrFail();
    const double h = cylinder.view(PlotTab::Geometry).referenceLength();
    // The meridional force and the bending are round-off against the hoop
    // force p r = 50 (which the results count as "N-Phi").
    ASSERT_NEAR(cylinder.results->maxShellResult(0), 50.0, 1e-6);
    for (const int component : {1, 2, 3, 4})
        ASSERT_LT(cylinder.results->maxShellResult(component), 1e-6);

    for (const PlotTab tab : {PlotTab::NormalForceTheta, PlotTab::MomentPhi, PlotTab::MomentTheta,
                              PlotTab::ShearForceTheta}) {
        const GraphView view = cylinder.view(tab);
        const std::vector<DrawnLine> coloured = linesWhere(view.picture(), [&](const DrawnLine& l) {
            return isDiagramColour(l.colour) && l.length() > 0;
        });
        EXPECT_TRUE(coloured.empty()) << tabCaption(tab) << ": " << coloured.size() << " lines";
        // Only the two axis texts are placed.
        EXPECT_EQ(view.labelLayout().frames().size(), 2u) << tabCaption(tab);
    }

    // The hoop force itself is drawn and labelled.
    const GraphView hoop = cylinder.view(PlotTab::NormalForcePhi);
    EXPECT_FALSE(linesWithPen(hoop.picture(), colours::blue, 0.0021 * h).empty());
    EXPECT_FALSE(linesWithPen(hoop.picture(), colours::blue, 0.0013 * h).empty());
    EXPECT_GT(hoop.labelLayout().frames().size(), 2u);
}

TEST(PlotReadability, NoTwoPlacedLabelsOverlapOnTheExamplesAndADenseJunction) {
    std::vector<PlotTab> tabs(allPlotTabs.begin(), allPlotTabs.end());
    tabs.insert(tabs.end(), stressPlotTabs.begin(), stressPlotTabs.end());
    for (const std::string name :
         {"wassertank", "kuppel", "kuehlturm", "druckbehaelter", "junction"}) {
        Calculated calculated;
        if (name == "junction")
            buildDenseJunction(calculated.model);
        else
            calculated.readExample(name);
        calculated.calculateOrFail();
        std::size_t diagramLabels = 0;
        for (const PlotTab tab : tabs) {
            GraphView view = calculated.view(tab);
            view.setSwitch(ShowNodeNumbers, true);
            expectNoOverlap(view, name + " " + tabCaption(tab));
            if (resultComponentOf(tab))
                diagramLabels += view.labelLayout().frames().size();
            // A larger text scale crowds the picture more.
            view.setTextScale(2.5);
            expectNoOverlap(view, name + " " + tabCaption(tab) + " at 250 %");
        }
        EXPECT_GT(diagramLabels, 8u * 2u) << name; // more than the axis texts
    }
}

TEST(PlotReadability, CrowdedLabelsGiveWayToExtremaAndLargerValues) {
    Calculated junction;
    buildDenseJunction(junction.model);
    junction.calculateOrFail();
    GraphView view = junction.view(PlotTab::MomentPhi);
    const std::size_t placed = view.labelLayout().frames().size();
    // The largest moment is always written: it is placed first.
    const double largest = junction.results->maxShellResult(2);
    char text[64];
    std::snprintf(text, sizeof text, "%#.4lg", largest);
    const double h = view.referenceLength();
    const std::size_t firstLabelLines = static_cast<std::size_t>(textLineCount(text));
    std::snprintf(text, sizeof text, "%#.4lg", -largest);
    const std::size_t negatedLines = static_cast<std::size_t>(textLineCount(text));
    const std::size_t labelLines = linesWithPen(view.picture(), colours::blue, 0.0013 * h).size() +
                                   linesWithPen(view.picture(), colours::red, 0.0013 * h).size();
    EXPECT_GE(labelLines, std::min(firstLabelLines, negatedLines));
    // Crowding the picture leaves labels out rather than overlapping them.
    view.setTextScale(4.0);
    EXPECT_LT(view.labelLayout().frames().size(), placed);
    expectNoOverlap(view, "Momente Phi at 400 %");
}

TEST(LabelLayout, TurnedFramesOverlapOnlyWhereTheirCellsMeet) {
    const TextFrame flat{{0, 0}, 0.0, 10.0, 1.0};
    // Beside, above and far away: apart; crossing at 90 degrees: overlapping.
    EXPECT_FALSE(framesOverlap(flat, {{10.5, 0}, 0.0, 5.0, 1.0}));
    EXPECT_FALSE(framesOverlap(flat, {{0, -1.5}, 0.0, 5.0, 1.0}));
    EXPECT_TRUE(framesOverlap(flat, {{9.0, 0}, 0.0, 5.0, 1.0}));
    EXPECT_TRUE(framesOverlap(flat, {{5, 3}, -std::numbers::pi / 2, 6.0, 1.0}));
    // A frame turned by 45 degrees whose box meets the flat one but whose
    // cell does not.
    EXPECT_FALSE(framesOverlap(flat, {{11.5, -0.5}, -std::numbers::pi / 4, 4.0, 1.0}));
}

TEST(LabelLayout, GridLookupAgreesWithComparingEveryFrame) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> position(0.0, 60.0);
    std::uniform_real_distribution<double> angle(-3.2, 3.2);
    std::uniform_real_distribution<double> width(0.5, 8.0);
    LabelLayout layout;
    std::vector<TextFrame> placed;
    // A huge frame far out stays outside the grid but still blocks.
    layout.occupy({{-1000, 2000}, 0.0, 5000.0, 3.0});
    placed.push_back(layout.frames().back());
    for (int i = 0; i < 400; ++i) {
        const TextFrame frame{
            {position(random), position(random)}, angle(random), width(random), 1.0};
        bool free = true;
        for (const TextFrame& other : placed)
            free = free && !framesOverlap(frame, other);
        ASSERT_EQ(layout.isFree(frame), free) << i;
        if (layout.tryOccupy(frame))
            placed.push_back(frame);
    }
    EXPECT_EQ(layout.frames().size(), placed.size());
    EXPECT_GT(placed.size(), 20u);
    EXPECT_FALSE(layout.isFree({{0, 2001}, 0.0, 1.0, 1.0}));
    layout.clear();
    EXPECT_TRUE(layout.isFree({{0, 2001}, 0.0, 1.0, 1.0}));
}

TEST(PlotReadability, LoadValuesThatWouldCoincideMoveAlongTheirOrdinateOrAreLeftOut) {
    // Two equal surface loads on one wall: their value labels would stand on
    // top of each other at both ends.
    Model model;
    addMaterial(model, 3e7, 0.2, 0.2);
    addShellWithNodes(model, 10, 0, 10, 4);
    for (int i = 0; i < 2; ++i)
        addRow(model.shellLoads,
               ShellLoadRecord{
                   .fromShell = 1, .toShell = 1, .transverseStart = -5, .transverseEnd = -5});
    DistinctPens settings;
    GraphView view(model, settings);
    const std::size_t axisTexts = 2;
    const std::vector<TextFrame>& frames = view.labelLayout().frames();
    // Both labels of the first load, and of the second as many as find room.
    EXPECT_GE(frames.size(), axisTexts + 2);
    EXPECT_LE(frames.size(), axisTexts + 4);
    expectNoOverlap(view, "two equal loads");
    const std::size_t labelLines =
        linesWithPen(view.picture(), settings.values.loads.surfaceLoadColour,
                     0.1 * 0.013 * view.referenceLength())
            .size();
    EXPECT_EQ(labelLines, (frames.size() - axisTexts) * textLineCount("5.000"));
}
