#include "analysis/Results.h"
#include "AnalysisTestSupport.h"

#include <gtest/gtest.h>

namespace venkar {
namespace {

using test::addNode;
using test::addRow;
using test::support;

// A clamped cylinder under a radial edge load, three report intervals, a
// supported node no shell uses and a ring beam at the free edge.
struct LoadedCylinder {
    Model model;
    test::Calculation calc;

    LoadedCylinder() {
        test::addTestCylinder(model);
        model.shells.row(0).intervals = 3;
        support(model, 2, true, true, true);
        addNode(model, 4.0, 4.0);
        support(model, 3, true, false, false);
        addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
        addRow(model.rings, RingRecord{.node = 1, .area = 0.25, .inertia = 0.01, .modulus = 1e7});
        EXPECT_TRUE(calc.run(model));
    }
};

TEST(Results, SelectTheUsedNodesTheSupportedOnesAndTheShellStations) {
    LoadedCylinder c;
    const Results& results = c.calc.analysis.results;

    ASSERT_EQ(results.nodes.size(), 2u); // node 3 is used by no shell
    EXPECT_EQ(results.node(1)->number, 1);
    EXPECT_EQ(results.node(3), nullptr);
    EXPECT_EQ(results.node(2)->displacement.wr, c.calc.nodeValue(c.model, 2, 0));
    ASSERT_EQ(results.reactions.size(), 1u);
    EXPECT_EQ(results.reaction(2)->forceR, c.calc.reaction(c.model, 2, 0));

    const ShellResults* shell = results.shell(1);
    ASSERT_NE(shell, nullptr);
    ASSERT_EQ(shell->stations.size(), 4u);
    EXPECT_EQ(shell->stations[1].x, 1.0 / 3);
    EXPECT_EQ(shell->stations[1].values[resultMTheta],
              c.calc.result(c.model, 0, 1.0 / 3, resultMTheta));
    EXPECT_EQ(shell->stations[3].displacement.wz, c.calc.displacement(c.model, 0, 1.0, 1));
    EXPECT_EQ(shell->elements.front().startPosition, 0.0);
    EXPECT_EQ(shell->elements.back().endPosition, 1.0);
    for (std::size_t e = 1; e < shell->elements.size(); ++e)
        EXPECT_EQ(shell->elements[e].startPosition, shell->elements[e - 1].endPosition);

    ASSERT_EQ(results.rings.size(), 1u);
    EXPECT_EQ(results.rings[0].node, 1);
    EXPECT_EQ(results.rings[0].sqrtArea, 0.5);
    EXPECT_TRUE(results.anyRing);
    EXPECT_FALSE(results.anyHinge);
    EXPECT_GT(results.maxDisplacement, 0.0);
}

TEST(Results, AreAValueThatOutlivesChangesOfTheTablesAndTheAnalysis) {
    LoadedCylinder c;
    const Results kept = c.calc.analysis.results;
    const double wr = kept.node(1)->displacement.wr;

    c.model.nodes.setCell(0, 0, 20.0);
    c.model.shells.clearAll();
    c.calc.analysis.clear();
    EXPECT_TRUE(c.calc.analysis.results.nodes.empty());
    EXPECT_EQ(kept.node(1)->displacement.wr, wr);
    EXPECT_EQ(kept.shells.size(), 1u);
}

} // namespace
} // namespace venkar
