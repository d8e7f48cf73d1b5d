#include "FakePlotResults.h"
#include "PictureProbe.h"
#include "support/ModelRows.h"

#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "graphics/LabelLayout.h"
#include "model/Model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace venkar;
using namespace venkar::test;

namespace {

constexpr double h = 10.0; // the reference length of the shell below

// Pens that tell diagram lines, value labels and ring texts apart.
struct ResultPens : GraphSettings {
    ResultPens() {
        values.results.diagramLineWidth = 0.0021;
        values.valueText.height = 0.013;
        values.results.deformationColour = 0x0000aa;
        values.results.deformationLineWidth = 0.0031;
        values.results.reactionColour = 0x0000bb;
    }
    static constexpr double diagramPen = 0.0021 * h;
    static constexpr double labelPen = 0.1 * 0.013 * h;
    static constexpr double ringTextPen = 0.1 * 0.018 * h;
};

// A horizontal shell from (0, 0) to (10, 0): positive values are drawn
// downwards (+y), opposite to the shell's normal.
struct Plot {
    Model model;
    ResultPens settings;
    FakePlotResults results;

    explicit Plot(const std::vector<double>& positions,
                  const std::vector<std::array<double, 2>>& values) {
        addMaterial(model, 3e7, 0.2, 0.2);
        addShellWithNodes(model, 0, 0, 10, 0);
        results.addShell(model, 0, positions, values);
        results.nodeOfRow = {0, results.nodeCount() - 1};
    }
    GraphView view(PlotTab tab) {
        GraphView v(model, settings);
        v.setResults(&results);
        v.selectTab(tab);
        return v;
    }
};

std::vector<DrawnLine> ordinates(const Picture& picture) {
    return linesWhere(picture, [](const DrawnLine& l) {
        return std::fabs(l.width - ResultPens::diagramPen) < 1e-12 && l.start.y == 0 &&
               std::fabs(l.start.x - l.end.x) < 1e-12 && l.length() > 0;
    });
}

std::vector<DrawnLine> labels(const Picture& picture, Colour colour) {
    return linesWithPen(picture, colour, ResultPens::labelPen);
}

} // namespace

TEST(ResultDiagram, LargestValueIsASixthOfTheReferenceLengthAndColoursFollowTheSign) {
    Plot plot({0, 0.5, 1}, {{10, 3}, {-2, -1}});
    GraphView view = plot.view(PlotTab::NormalForcePhi);
    ASSERT_DOUBLE_EQ(view.referenceLength(), h);
    const std::vector<DrawnLine> lines = ordinates(view.picture());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().colour, colours::blue);
    EXPECT_NEAR(lines.front().end.y, 0.16 * h, 1e-12);
    EXPECT_EQ(lines.back().colour, colours::red);
    EXPECT_NEAR(lines.back().end.x, 10.0, 1e-12);
    EXPECT_NEAR(lines.back().end.y, -0.016 * h, 1e-12);

    view.setFunctionScale(2.0);
    EXPECT_NEAR(ordinates(view.picture()).front().end.y, 0.32 * h, 1e-12);
}

TEST(ResultDiagram, StepBetweenElementsIsLabelledOnBothSidesInTheColoursOfItsValues) {
    Plot plot({0, 0.5, 1}, {{10, 3}, {-2, -1}});
    GraphView view = plot.view(PlotTab::NormalForceTheta);
    // Both values stand at the step x = 5: 3 below its ordinate (towards the
    // element it ends), -2 above its own (towards the element it starts).
    auto nearStep = [](const DrawnLine& l) { return std::fabs(l.start.x - 5) < 1.0; };
    const std::vector<DrawnLine> three =
        linesWhere(labels(view.picture(), colours::blue), nearStep);
    const std::vector<DrawnLine> minusTwo =
        linesWhere(labels(view.picture(), colours::red), nearStep);
    EXPECT_EQ(three.size(), static_cast<std::size_t>(textLineCount("3.000")));
    EXPECT_EQ(minusTwo.size(), static_cast<std::size_t>(textLineCount("-2.000")));
    EXPECT_LT(boxOf(three).maxX, 5.0);
    EXPECT_GT(boxOf(minusTwo).minX, 5.0);
    EXPECT_GT(centreOf(boxOf(three)).y, 0.0);    // along the positive ordinate
    EXPECT_LT(centreOf(boxOf(minusTwo)).y, 0.0); // along the negative one
    // Both ordinates at the step are drawn.
    int atStep = 0;
    for (const DrawnLine& l : ordinates(view.picture()))
        atStep += l.start.x == 5.0 ? 1 : 0;
    EXPECT_EQ(atStep, 2);

    view.setSwitch(ShowValues, false);
    EXPECT_TRUE(labels(view.picture(), colours::blue).empty());
}

TEST(ResultDiagram, FirstElementIsLabelledAtItsStartButAnEqualSuccessorGetsNoStartOrdinate) {
    Plot plot({0, 0.5, 1}, {{5, 5}, {5, 5}});
    GraphView view = plot.view(PlotTab::MomentPhi);
    EXPECT_EQ(ordinates(view.picture()).size(), 3u); // x = 0, 5 and 10
    EXPECT_EQ(labels(view.picture(), colours::blue).size(),
              2u * static_cast<std::size_t>(textLineCount("5.000")));
}

TEST(ResultDiagram, LocalExtremumGetsItsOwnOrdinateOnlyWithTheExtremaSwitch) {
    Plot plot({0, 0.5, 1}, {{0, 5}, {5, 2}});
    GraphView view = plot.view(PlotTab::MomentTheta);
    EXPECT_EQ(ordinates(view.picture()).size(), 3u); // the peak twice
    const std::size_t labelLines = labels(view.picture(), colours::blue).size();
    view.setSwitch(ShowExtrema, false);
    EXPECT_EQ(ordinates(view.picture()).size(), 2u);
    EXPECT_EQ(labels(view.picture(), colours::blue).size(),
              labelLines - static_cast<std::size_t>(textLineCount("5.000")));
}

TEST(ResultDiagram, VanishingQuantityLiesOnTheShellAndExactZerosAreStillLabelled) {
    Plot tiny({0, 0.5, 1}, {{0, 0}, {-1e-9, -1e-9}});
    GraphView view = tiny.view(PlotTab::ShearForceTheta);
    const std::vector<DrawnLine> diagram =
        linesWithPen(view.picture(), colours::red, ResultPens::diagramPen);
    ASSERT_FALSE(diagram.empty());
    EXPECT_EQ(boxOf(diagram).minY, 0.0);
    EXPECT_EQ(boxOf(diagram).maxY, 0.0);

    // With Q = 0 nothing is suppressed: the first start and the last end.
    Plot zero({0, 0.5, 1}, {{0, 0}, {0, 0}});
    GraphView zeroView = zero.view(PlotTab::ShearForceTheta);
    EXPECT_EQ(labels(zeroView.picture(), colours::red).size(),
              2u * static_cast<std::size_t>(textLineCount("0.000")));
}

TEST(ResultDiagram, RingBeamShowsItsNegatedMomentOnTabMomentePhiInTheColourOfTheMoment) {
    Plot plot({0, 1}, {{1, 1}});
    plot.results.rings.push_back({1, 4.0, 12.5, 0.5});
    GraphView view = plot.view(PlotTab::MomentPhi);
    const std::vector<DrawnLine> text =
        linesWithPen(view.picture(), colours::blue, ResultPens::ringTextPen);
    EXPECT_EQ(text.size(), static_cast<std::size_t>(textLineCount(" M=-12.5")));
    // Half the ring's square and its outline (0.005 h) right of the node, a
    // tenth of the text height of clearance, then the leading blank.
    const double outline = 0.5 * 0.005 * h;
    EXPECT_NEAR(boxOf(text).minX, 10 + 0.25 + outline + 0.1 * 0.018 * h + 0.5 * 0.018 * h, 1e-9);
    // A larger text scale does not move the text away from the ring.
    view.setTextScale(2.0);
    EXPECT_NEAR(
        boxOf(linesWithPen(view.picture(), colours::blue, 2 * ResultPens::ringTextPen)).minX,
        10 + 0.25 + outline + 2 * (0.1 + 0.5) * 0.018 * h, 1e-9);

    view.selectTab(PlotTab::NormalForcePhi);
    EXPECT_EQ(linesWithPen(view.picture(), colours::blue, 2 * ResultPens::ringTextPen).size(),
              static_cast<std::size_t>(textLineCount(" N=4")));
    view.selectTab(PlotTab::NormalForceTheta);
    EXPECT_TRUE(linesWithPen(view.picture(), colours::blue, 2 * ResultPens::ringTextPen).empty());
}

TEST(ResultDiagram, NothingOfTheResultsIsDrawnWithoutResults) {
    Plot plot({0, 1}, {{1, 1}});
    GraphView view = plot.view(PlotTab::NormalForcePhi);
    EXPECT_FALSE(ordinates(view.picture()).empty());
    view.setResults(nullptr);
    view.rebuild();
    EXPECT_TRUE(ordinates(view.picture()).empty());
    EXPECT_TRUE(labels(view.picture(), colours::blue).empty());
}

TEST(DeformedShape, DoublingTheDisplacementScaleDoublesTheDisplacementsButNotTheNodeSquares) {
    Plot plot({0, 0.5, 1}, {{0, 0}, {0, 0}});
    plot.results.nodes.back().displacement = {0.0, 0.5, 0.01};
    GraphView view = plot.view(PlotTab::Deformation);
    const Colour colour = plot.settings.values.results.deformationColour;
    auto shapeLines = [&] { return linesWithPen(view.picture(), colour, 0.0031 * h); };
    auto squares = [&] { return linesWithPen(view.picture(), colour, 0.001 * h); };
    // The largest displacement is drawn a fifth of h long.
    EXPECT_NEAR(boxOf(shapeLines()).maxY, 0.2 * h, 1e-12);
    EXPECT_EQ(shapeLines().size(), 2u);
    EXPECT_EQ(squares().size(), 3u * 4u);
    const double squareSide =
        boxOf({squares().front()}).width() + boxOf({squares().front()}).height();

    view.setDisplacementScale(2.0);
    EXPECT_NEAR(boxOf(shapeLines()).maxY, 0.4 * h, 1e-12);
    EXPECT_NEAR(boxOf({squares().front()}).width() + boxOf({squares().front()}).height(),
                squareSide, 1e-12);
    // Only on the tab "Verformung".
    view.selectTab(PlotTab::Geometry);
    EXPECT_TRUE(shapeLines().empty());
}

TEST(SupportReactions, ForceArrowEndsAtTheNodeAndMomentArcsOnlyAtClampedNodes) {
    Plot plot({0, 1}, {{1, 1}});
    NodeRecord& node = plot.model.nodes.row(0);
    node.supportR = node.supportZ = 1;
    plot.results.nodes.front().reaction = {0.0, -6.0, 3.0};
    GraphView view = plot.view(PlotTab::Geometry);
    const Colour colour = plot.settings.values.results.reactionColour;
    EXPECT_TRUE(linesWithPen(view.picture(), colour).empty()); // switch off
    view.setSwitch(ShowReactions, true);
    std::vector<DrawnLine> lines = linesWithPen(view.picture(), colour);
    const DrawnLine arrow =
        *std::max_element(lines.begin(), lines.end(), [](const DrawnLine& a, const DrawnLine& b) {
            return a.length() < b.length();
        });
    EXPECT_NEAR(arrow.start.y, 0.1 * h, 1e-12); // the reaction pushes up (-z)
    EXPECT_NEAR(arrow.end.y, 0.0, 1e-12);
    const std::size_t withoutMoment = lines.size();

    node.supportRot = 1;
    view.rebuild();
    EXPECT_GT(linesWithPen(view.picture(), colour).size(), withoutMoment + 5);
}

TEST(SupportReactions, RoundOffReactionsAreNotDrawn) {
    // Shell forces of 100 (FakePlotResults gives every component the same
    // values): a reaction of 1e-4 of them is drawn, one of 1e-6 is round-off.
    Plot plot({0, 1}, {{100, 100}});
    NodeRecord& node = plot.model.nodes.row(0);
    node.supportR = node.supportZ = 1;
    const Colour colour = plot.settings.values.results.reactionColour;
    for (const auto& [force, drawn] : {std::pair{1e-2, true}, {1e-4, false}}) {
        plot.results.nodes.front().reaction = {0.0, -force, 0.0};
        GraphView view = plot.view(PlotTab::Geometry);
        view.setSwitch(ShowReactions, true);
        EXPECT_EQ(linesWithPen(view.picture(), colour).empty(), !drawn) << force;
    }
}

TEST(ResultDiagram, VanishingRingMomentReadsZeroWithoutASign) {
    Plot plot({0, 1}, {{1, 1}});
    plot.results.rings.push_back({1, 4.0, 0.0, 0.5});
    GraphView view = plot.view(PlotTab::MomentPhi);
    // Red: the colour of a moment that is not positive.
    EXPECT_EQ(linesWithPen(view.picture(), colours::red, ResultPens::ringTextPen).size(),
              static_cast<std::size_t>(textLineCount(" M=0")));
}

TEST(DeformedShape, RoundOffOfTheDisplacementsIsWrittenAsZero) {
    Plot plot({0, 0.5, 1}, {{0, 0}, {0, 0}});
    plot.settings.values.results.deformationTextColour = 0x0000cc;
    // Round-off against the largest displacement 1e-3 (and 1e-4 rad over
    // the extent of 10).
    plot.results.nodes.back().displacement = {1e-3, 1e-15, 1e-19};
    plot.results.nodes.front().displacement = {2e-14, 0.0, 5e-4};
    GraphView view = plot.view(PlotTab::Deformation);
    EXPECT_EQ(
        linesWithPen(view.picture(), 0x0000cc).size(),
        static_cast<std::size_t>(textLineCount("(0.001, 0, 0)") + textLineCount("(0, 0, 0.0005)")));
}

TEST(ResultDiagram, ExtremumLabelKeepsItsPlaceAndACollidingValueLabelMovesAlongItsOrdinate) {
    // A jump 3 -> 3.4 at x = 5 and, half a text height further, a minimum
    // 2.9 at x = 5.05: the labels 3.400 and 2.900 stand side by side on the
    // same side of their ordinates and would overlap.
    Plot plot({0, 0.5, 0.505, 1}, {{1, 3}, {3.4, 2.9}, {2.9, 3.2}});
    GraphView view = plot.view(PlotTab::NormalForcePhi);
    const std::vector<TextFrame>& frames = view.labelLayout().frames();
    auto centre = [](const TextFrame& f) {
        const std::array<Vector2, 4> c = f.corners();
        return Vector2{(c[0].x + c[2].x) / 2, (c[0].y + c[2].y) / 2};
    };
    const double s = 0.16 * h / 3.4; // model units per unit of value
    auto labelAt = [&](double x, double y) {
        return std::count_if(frames.begin(), frames.end(), [&](const TextFrame& f) {
            return std::fabs(centre(f).x - x) < 0.2 && std::fabs(centre(f).y - y) < 1e-9;
        });
    };
    // The extremum stands at the middle of its ordinate, the value 3.4 does
    // not: it moved along its ordinate by a quarter of its length.
    EXPECT_EQ(labelAt(5.05, 2.9 * s / 2), 1);
    EXPECT_EQ(labelAt(5.0, 3.4 * s / 2), 0);
    EXPECT_EQ(
        labelAt(5.0, 3.4 * s / 2 - 0.25 * 3.4 * s) + labelAt(5.0, 3.4 * s / 2 + 0.25 * 3.4 * s), 1);
}

TEST(ResultDiagram, LabelsStandOnAWhiteGroundOverTheFinishedHatching) {
    Plot plot({0, 0.5, 1}, {{10, 3}, {-2, -1}});
    GraphView view = plot.view(PlotTab::NormalForceTheta);
    const std::vector<PictureCommand>& commands = view.picture().commands();
    // The last hatching line comes before the first ground.
    std::size_t lastHatching = 0;
    std::vector<std::size_t> grounds;
    double width = -1.0;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (const auto* pen = std::get_if<PenWidthCommand>(&commands[i]))
            width = pen->width;
        if (std::holds_alternative<LineCommand>(commands[i]) &&
            std::fabs(width - ResultPens::diagramPen) < 1e-12)
            lastHatching = i;
        if (std::holds_alternative<PolygonCommand>(commands[i]))
            grounds.push_back(i);
    }
    // The two axis texts are not diagram labels and have no ground.
    const std::vector<TextFrame>& frames = view.labelLayout().frames();
    ASSERT_EQ(grounds.size() + 2, frames.size());
    ASSERT_FALSE(grounds.empty());
    EXPECT_GT(grounds.front(), lastHatching);
    for (std::size_t k = 0; k < grounds.size(); ++k) {
        const auto& polygon = std::get<PolygonCommand>(commands[grounds[k]]);
        ASSERT_EQ(polygon.points.size(), 4u);
        const std::array<Vector2, 4> cell = frames[k + 2].corners();
        // The ground covers the text's cell with a twentieth of its height
        // to spare on every side.
        const TextFrame& frame = frames[k + 2];
        EXPECT_NEAR(length(polygon.points[1] - polygon.points[0]), frame.width + 0.1 * frame.height,
                    1e-9);
        EXPECT_NEAR(length(polygon.points[3] - polygon.points[0]), 1.1 * frame.height, 1e-9);
        EXPECT_NEAR((polygon.points[0].x + polygon.points[2].x) / 2, (cell[0].x + cell[2].x) / 2,
                    1e-9);
    }
}

TEST(ResultDiagram, DenseShellIsDrawnAtTheResolutionAndKeepsItsPeaks) {
    // 100 000 elements of 1/10 000 on a shell of 10 (h = 10): five element
    // ends per 1/20000 of h. Values: a sharp peak of 5 on one
    // element over a smooth wave of amplitude 1.
    constexpr int count = 100000;
    std::vector<double> positions;
    std::vector<std::array<double, 2>> values;
    auto wave = [](double x) { return std::sin(20 * x); };
    for (int i = 0; i <= count; ++i)
        positions.push_back(static_cast<double>(i) / count);
    for (int i = 0; i < count; ++i)
        values.push_back({wave(positions[i]), wave(positions[i + 1])});
    values[count / 3][1] = 5.0;
    values[count / 3 + 1][0] = 5.0;
    Plot plot(positions, values);
    GraphView view = plot.view(PlotTab::NormalForcePhi);
    const std::vector<DrawnLine> diagram = linesWhere(view.picture(), [](const DrawnLine& l) {
        return std::fabs(l.width - ResultPens::diagramPen) < 1e-12;
    });
    // Unmerged: an ordinate and an outline line per element, 200 000.
    EXPECT_LT(diagram.size(), static_cast<std::size_t>(count / 2));
    // The peak keeps its full height (0.16 h, downwards for a positive
    // value), the wave its troughs.
    EXPECT_NEAR(boxOf(diagram).maxY, 0.16 * h, 1e-12);
    EXPECT_NEAR(boxOf(diagram).minY, -0.16 * h / 5, 1e-6);

    // The deformed shape joins its points the same way.
    for (std::size_t i = 0; i < plot.results.nodes.size(); ++i)
        plot.results.nodes[i].displacement = {0.0, 0.01 * wave(plot.results.nodes[i].position), 0};
    view.selectTab(PlotTab::Deformation);
    const Colour colour = plot.settings.values.results.deformationColour;
    // Unmerged: 100 000 lines and 100 001 squares of four lines.
    EXPECT_LT(linesWithPen(view.picture(), colour, 0.0031 * h).size(),
              static_cast<std::size_t>(count / 2));
    EXPECT_LT(linesWithPen(view.picture(), colour, 0.001 * h).size(),
              static_cast<std::size_t>(2 * count));
}
