#include "model/Model.h"
#include "model/ModelFiles.h"
#include "support/FakeTableView.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

using namespace venkar;

namespace {

Model smallModel() {
    Model model;
    test::addShellWithNodes(model, 1, 0, 1, 2);
    test::addMaterial(model, 3e7, 0.2, 0.2);
    model.nodeLoads.setCell(0, 1, 5.0);
    model.selfWeight = 1;
    return model;
}

} // namespace

TEST(ModelValue, ACopyIsIndependentOfTheOriginal) {
    Model original = smallModel();
    const std::string systemBefore = writeSystemText(original);
    const std::string loadBefore = writeLoadText(original);

    Model copy = original;
    EXPECT_EQ(writeSystemText(copy), systemBefore);
    EXPECT_EQ(writeLoadText(copy), loadBefore);

    copy.nodes.setCell(1, 1, 7.0);
    copy.shells.insertRow(0);
    copy.materials.changeValid(0, 0, rowUndefined);
    copy.nodeLoads.deleteRows(0, 1);
    copy.selfWeight = 0;
    copy.clearSystem();

    EXPECT_EQ(writeSystemText(original), systemBefore);
    EXPECT_EQ(writeLoadText(original), loadBefore);
    EXPECT_EQ(original.nodes.row(1).z, 2.0);
    EXPECT_EQ(original.shells.definedCount(), 1);
}

TEST(ModelValue, GridAndObserverStayWithTheirModel) {
    Model model = smallModel();
    test::FakeTableView grid;
    test::FakeDocumentObserver observer;
    model.nodes.attachGrid(&grid);
    model.setObserver(&observer);

    Model copy = model;
    EXPECT_EQ(copy.nodes.grid(), nullptr);
    grid.events.clear();
    copy.nodes.setCell(0, 0, 4.0);
    copy.nodeLoads.setCell(0, 0, 4.0);
    EXPECT_TRUE(grid.events.empty());
    EXPECT_EQ(observer.systemChanges, 0);
    EXPECT_EQ(observer.loadChanges, 0);

    // Restoring a copy (an undo step) keeps the grid and refreshes it.
    Model snapshot = model;
    model.nodes.insertRow(0);
    grid.events.clear();
    model = snapshot;
    EXPECT_EQ(model.nodes.grid(), &grid);
    EXPECT_EQ(grid.events, std::vector<std::string>{"rows 2"});
    EXPECT_EQ(model.nodes.row(0).r, 1.0);
    model.nodes.setCell(0, 0, 3.0);
    EXPECT_EQ(observer.systemChanges, 1);
}
