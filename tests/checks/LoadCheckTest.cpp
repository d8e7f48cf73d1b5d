#include "checks/LoadCheck.h"

#include "CheckExpectations.h"

#include <gtest/gtest.h>

#include <limits>

using namespace venkar;
using namespace venkar::test;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Four cylinder shells stacked from z = 0 to z = 20 (nodes 1-5, shells 1-4)
// and a node 6 at (3, 0) that only carries a ring beam.
void addTower(Model& model) {
    addRow(model.materials, MatRecord{3e7, 0.2, 0.2, 25.0, 0.0, 1e-5});
    int below = addNode(model, 10, 0);
    for (int level = 1; level <= 4; ++level) {
        const int above = addNode(model, 10, 5.0 * level);
        addShell(model, below, above);
        below = above;
    }
    const int ringNode = addNode(model, 3, 0);
    addRow(model.rings, RingRecord{ringNode, 1, 1, 1, 0, 0});
}

} // namespace

TEST(LoadCheck, SoundLoadCasePasses) {
    Model model;
    addTower(model);
    EXPECT_TRUE(noFault(checkLoad(model)));
    addRow(model.nodeLoads, NodeLoadRecord{5, 0, 10, 0});
    addRow(model.nodeLoads, NodeLoadRecord{6, 1, 0, 0}); // on the ring beam
    addRow(model.shellLoads, ShellLoadRecord{1, 4, 1, 1, 0, 0});
    addRow(model.pointLoads, PointLoadRecord{2, 1.0, 1, 0, 0});
    addRow(model.constraintLoads, ZwvRecord{1, -10, 0, 0}); // just reaches the axis
    addRow(model.waterLoads, WaterLoadRecord{2, 2, 0, 10});
    addRow(model.snowLoads, SnowLoadRecord{4, 4, 0.75});
    addRow(model.tempLoads, TempLoadRecord{3, 4, 20, 5});
    model.snowLoads.rowAt(3) = {9, 1, 0}; // not defined: ignored
    EXPECT_TRUE(noFault(checkLoad(model)));
}

TEST(LoadCheck, NodeLoadNeedsADefinedNodeThatCarriesStructure) {
    Model model;
    addTower(model);
    addRow(model.nodeLoads, NodeLoadRecord{5, 0, 10, 0});
    addRow(model.nodeLoads, NodeLoadRecord{8, 0, 10, 0});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::NodeLoads, 1, 1,
                        "Der zugehörige Knoten ist nicht definiert !"));

    addNode(model, 4, 4); // node 7: nothing built on it
    model.nodeLoads.row(1).node = 7;
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::NodeLoads, 1, 1,
                        "Der Knoten hat keine Verbindung mit der Struktur !"));
}

TEST(LoadCheck, ShellRangesMustBeOrderedAndDefined) {
    Model model;
    addTower(model);
    addRow(model.shellLoads, ShellLoadRecord{4, 2, 1, 1, 0, 0});
    EXPECT_TRUE(
        isFault(checkLoad(model), InputPage::ShellLoads, 0, 1, "Schalereihenfolge ist falsch"));

    model.shellLoads.row(0) = {2, 4, 1, 1, 0, 0};
    model.shells.changeValid(2, 0, rowUndefined); // shell 3
    EXPECT_TRUE(
        isFault(checkLoad(model), InputPage::ShellLoads, 0, 1, "Schale 3 ist nicht definiert"));

    model.shellLoads.row(0) = {1, 2'000'000'000, 1, 1, 0, 0}; // ends at the first gap
    model.shells.changeValid(2, 0, rowFromFile);
    EXPECT_TRUE(
        isFault(checkLoad(model), InputPage::ShellLoads, 0, 1, "Schale 5 ist nicht definiert"));
}

TEST(LoadCheck, EveryRangeTableReportsOnItsOwnPage) {
    struct Case {
        InputPage page;
        void (*add)(Model&, int from, int to);
    };
    const Case cases[] = {
        {InputPage::WaterLoads,
         [](Model& m, int from, int to) {
             addRow(m.waterLoads, WaterLoadRecord{from, to, 0, 10});
         }},
        {InputPage::SnowLoads,
         [](Model& m, int from, int to) {
             addRow(m.snowLoads, SnowLoadRecord{from, to, 1});
         }},
        {InputPage::TempLoads,
         [](Model& m, int from, int to) {
             addRow(m.tempLoads, TempLoadRecord{from, to, 1, 1});
         }},
    };
    for (const Case& c : cases) {
        Model model;
        addTower(model);
        c.add(model, 1, 4);
        c.add(model, 3, 2);
        EXPECT_TRUE(isFault(checkLoad(model), c.page, 1, 1, "Schalereihenfolge ist falsch"));

        Model gap;
        addTower(gap);
        c.add(gap, 0, 1);
        EXPECT_TRUE(isFault(checkLoad(gap), c.page, 0, 1, "Schale 0 ist nicht definiert"));
    }
}

TEST(LoadCheck, PointLoadNeedsItsShellAndAPositionOnIt) {
    Model model;
    addTower(model);
    addRow(model.pointLoads, PointLoadRecord{5, 0.5, 1, 0, 0});
    EXPECT_TRUE(
        isFault(checkLoad(model), InputPage::PointLoads, 0, 1, "Die Schale ist nicht definiert !"));
    const char* outside = "Die X-Position ist nur gültig für Werte zwischen 0 und 1 !";
    for (double x : {1.5, -0.1}) {
        model.pointLoads.row(0) = {4, x, 1, 0, 0};
        EXPECT_TRUE(isFault(checkLoad(model), InputPage::PointLoads, 0, 2, outside));
    }
    model.pointLoads.row(0).xPosition = 0.0;
    EXPECT_TRUE(noFault(checkLoad(model)));
}

TEST(LoadCheck, PrescribedDisplacementNeedsANodeOfAShellAndStaysOffTheAxis) {
    Model model;
    addTower(model);
    addRow(model.constraintLoads, ZwvRecord{9, 0, 0, 0});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::ConstraintLoads, 0, 1,
                        "Der Knoten ist nicht definiert !"));
    model.constraintLoads.row(0).node = 6; // carries only a ring beam
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::ConstraintLoads, 0, 1,
                        "Der Knoten hat keine Verbindung mit der Struktur !"));
    model.constraintLoads.row(0) = {3, -10.5, 0, 0};
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::ConstraintLoads, 0, 2,
                        "Der Knoten wird in negative R-Bereiche verschoben !"));
}

TEST(LoadCheck, NumbersThatAreNotFiniteComeBeforeTheRowsOtherTests) {
    const char* invalid = "Ungültige Zahl !";
    Model model;
    addTower(model);
    addRow(model.nodeLoads, NodeLoadRecord{99, 0, 0, nan});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::NodeLoads, 0, 4, invalid));
    model.nodeLoads.changeValid(0, 0, rowUndefined);

    addRow(model.shellLoads, ShellLoadRecord{1, 1, 0, 0, 0, -inf});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::ShellLoads, 0, 6, invalid));
    model.shellLoads.row(0).longitudinalEnd = 0;

    addRow(model.pointLoads, PointLoadRecord{1, nan, 1, 0, 0}); // passes the 0..1 test
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::PointLoads, 0, 2, invalid));
    model.pointLoads.row(0).xPosition = 0.5;

    addRow(model.constraintLoads, ZwvRecord{1, 0, inf, 0});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::ConstraintLoads, 0, 3, invalid));
    model.constraintLoads.row(0).dispZ = 0;

    addRow(model.waterLoads, WaterLoadRecord{1, 1, inf, 10});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::WaterLoads, 0, 3, invalid));
    model.waterLoads.row(0).zeroLevel = 0;

    addRow(model.snowLoads, SnowLoadRecord{1, 1, nan});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::SnowLoads, 0, 3, invalid));
    model.snowLoads.row(0).amount = 0;

    addRow(model.tempLoads, TempLoadRecord{1, 1, 0, nan});
    EXPECT_TRUE(isFault(checkLoad(model), InputPage::TempLoads, 0, 4, invalid));
    model.tempLoads.row(0).gradientTemp = 0;
    EXPECT_TRUE(noFault(checkLoad(model)));
}

TEST(LoadCheck, FirstFaultInTableOrderWins) {
    Model model;
    addTower(model);
    addRow(model.tempLoads, TempLoadRecord{4, 3, 0, 0});
    addRow(model.snowLoads, SnowLoadRecord{4, 3, 0});
    addRow(model.waterLoads, WaterLoadRecord{4, 3, 0, 0});
    addRow(model.constraintLoads, ZwvRecord{9, 0, 0, 0});
    addRow(model.pointLoads, PointLoadRecord{9, 0, 0, 0, 0});
    addRow(model.shellLoads, ShellLoadRecord{4, 3, 0, 0, 0, 0});
    addRow(model.nodeLoads, NodeLoadRecord{1, 0, 0, 0});
    addRow(model.nodeLoads, NodeLoadRecord{9, 0, 0, 0});

    const InputPage order[] = {InputPage::NodeLoads,  InputPage::ShellLoads,
                               InputPage::PointLoads, InputPage::ConstraintLoads,
                               InputPage::WaterLoads, InputPage::SnowLoads,
                               InputPage::TempLoads};
    for (InputPage page : order) {
        const auto fault = checkLoad(model);
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->page, page) << pageCaption(fault->page);
        EXPECT_EQ(fault->row, page == InputPage::NodeLoads ? 1 : 0);
        // Clear the faulty row to uncover the next table's fault.
        pageTable(model, fault->page).changeValid(fault->row, 0, rowUndefined);
    }
    EXPECT_TRUE(noFault(checkLoad(model)));
}
