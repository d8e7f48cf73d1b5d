#include "analysis/Discretisation.h"
#include "AnalysisTestSupport.h"
#include "geometry/ShellsAtNode.h"

#include <gtest/gtest.h>

namespace venkar {
namespace {

using test::addNode;
using test::addRow;

// A cylinder of radius 10 and height 10 from node 1 to node 2 (shell row 0).
void cylinder(Model& model) {
    test::addTestCylinder(model);
}

std::vector<double> elementBoundaries(const Model& /*model*/, const AnalysisModel& analysis,
                                      int shell) {
    std::vector<double> positions;
    for (int e = analysis.firstElement(shell); e >= 0;) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
        if (positions.empty())
            positions.push_back(element.startPosition);
        positions.push_back(element.endPosition);
        e = element.next;
    }
    return positions;
}

TEST(Discretisation, NodeUsedByNothingGetsNoAnalysisNode) {
    Model model;
    cylinder(model);
    addNode(model, 3.0, 3.0);
    AnalysisModel analysis;
    discretise(model, analysis);
    EXPECT_EQ(analysis.analysisNode(0), 0);
    EXPECT_EQ(analysis.analysisNode(1), 1);
    EXPECT_EQ(analysis.analysisNode(2), -1);
}

TEST(Discretisation, ElementsRunFromStartToEndWithoutGaps) {
    Model model;
    cylinder(model);
    AnalysisModel analysis;
    discretise(model, analysis);
    const std::vector<double> positions = elementBoundaries(model, analysis, 0);
    ASSERT_GE(positions.size(), 3u);
    EXPECT_EQ(positions.front(), 0.0);
    EXPECT_EQ(positions.back(), 1.0);
    for (std::size_t i = 1; i < positions.size(); ++i)
        EXPECT_LT(positions[i - 1], positions[i]);
    EXPECT_EQ(analysis.shellElements.front().startNode, 0);
    EXPECT_EQ(analysis.shellElements.back().endNode, 1);
}

TEST(Discretisation, HingeInsideAShellGivesTwoNodesAndNoElementBetweenThem) {
    Model model;
    cylinder(model);
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.5});
    AnalysisModel analysis;
    discretise(model, analysis);
    // The chain goes on across the hinge, from a second node at the same place.
    int crossings = 0;
    for (int e = analysis.firstElement(0); e >= 0;) {
        const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
        if (element.next >= 0 && element.endPosition == 0.5) {
            const ShellElement& after =
                analysis.shellElements[static_cast<std::size_t>(element.next)];
            EXPECT_EQ(after.startPosition, 0.5);
            EXPECT_NE(after.startNode, element.endNode);
            EXPECT_EQ(analysis.nodes[after.startNode].z, analysis.nodes[element.endNode].z);
            ++crossings;
        }
        e = element.next;
    }
    EXPECT_EQ(crossings, 1);
}

TEST(Discretisation, HingeAtTheStartCouplesTheStartNodeWithANewNode) {
    Model model;
    cylinder(model);
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.0});
    AnalysisModel analysis;
    discretise(model, analysis);
    const ShellElement& first =
        analysis.shellElements[static_cast<std::size_t>(analysis.firstElement(0))];
    EXPECT_NE(first.startNode, 0);
    EXPECT_EQ(analysis.nodes[first.startNode].r, 10.0);
    EXPECT_EQ(analysis.nodes[first.startNode].z, 0.0);
    EXPECT_EQ(analysis.nodes[first.startNode].hingeSide, 2);
    EXPECT_EQ(analysis.nodes[first.startNode].partner, 0); // the input node collects its forces
    EXPECT_EQ(analysis.nodes[0].hingeSide, 0);
}

TEST(Discretisation, PointLoadPositionBecomesANodeAndMergesWithACoincidentDivision) {
    Model model;
    cylinder(model);
    addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.3});
    addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.5});
    const ShellsAtNode shellsAtNode(model);
    const std::vector<DivisionPoint> points = divideShell(model, shellsAtNode, 0);
    EXPECT_EQ(std::count_if(points.begin(), points.end(),
                            [](const DivisionPoint& p) { return p.x == 0.3; }),
              1);
    EXPECT_EQ(std::count_if(points.begin(), points.end(),
                            [](const DivisionPoint& p) { return p.x == 0.5; }),
              1);
}

TEST(Discretisation, DiscretisationFactorScalesTheElementCount) {
    auto elementsWith = [](double factor) {
        Model model;
        cylinder(model);
        test::setFactor(model, 0, factor);
        AnalysisModel analysis;
        discretise(model, analysis);
        return analysis.shellElementCount();
    };
    const int single = elementsWith(1.0);
    EXPECT_EQ(elementsWith(0.0), single);
    EXPECT_NEAR(elementsWith(2.0), 2 * single, 2);
}

TEST(Discretisation, ShortIntervalGetsNoInteriorPoint) {
    Model model;
    cylinder(model);
    addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.5});
    addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.501});
    const ShellsAtNode shellsAtNode(model);
    const std::vector<DivisionPoint> points = divideShell(model, shellsAtNode, 0);
    const auto at = std::find_if(points.begin(), points.end(),
                                 [](const DivisionPoint& p) { return p.x == 0.5; });
    ASSERT_NE(at, points.end());
    EXPECT_EQ((at + 1)->x, 0.501);
}

TEST(Discretisation, HingedRingBeamSitsOnATwinNode) {
    Model model;
    cylinder(model);
    addRow(model.rings, RingRecord{.node = 1, .area = 1, .inertia = 1, .modulus = 1, .hingedR = 1});
    addRow(model.rings, RingRecord{.node = 2, .area = 1, .inertia = 1, .modulus = 1});
    AnalysisModel analysis;
    discretise(model, analysis);
    ASSERT_EQ(analysis.ringElementCount(), 2);
    const RingElement& hinged = analysis.ringElements[0];
    EXPECT_NE(hinged.node(0), 0);
    EXPECT_EQ(analysis.nodes[hinged.node(0)].partner, 0);
    EXPECT_EQ(analysis.ringElements[1].node(0), 1);
    EXPECT_EQ(&analysis.element(analysis.shellElementCount()), &analysis.ringElements[0]);
}

} // namespace
} // namespace venkar
