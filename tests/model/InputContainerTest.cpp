#include "model/Model.h"
#include "support/FakeTableView.h"

#include <gtest/gtest.h>

using namespace venkar;

namespace {

// Defines node rows with r = row number, so moved rows can be recognised.
void defineNodes(NodeClass& nodes, std::initializer_list<int> rows) {
    for (int row : rows) {
        nodes.rowAt(row).r = row + 1;
        nodes.changeValid(row, 0, rowEdited);
    }
}

} // namespace

TEST(InputContainer, DefinedRowIndexSkipsUndefinedRows) {
    Model model;
    defineNodes(model.nodes, {0, 2});
    EXPECT_EQ(model.nodes.count(), 3);
    EXPECT_EQ(model.nodes.definedCount(), 2);
    EXPECT_EQ(model.nodes.definedRow(0), 0);
    EXPECT_EQ(model.nodes.definedRow(1), 2);
    EXPECT_EQ(model.nodes.lastDefinedRow(), 3);

    model.nodes.changeValid(2, 0, rowUndefined);
    EXPECT_EQ(model.nodes.definedCount(), 1);
    EXPECT_EQ(model.nodes.lastDefinedRow(), 1);
    EXPECT_FALSE(model.nodes.isDefined(2));
    EXPECT_FALSE(model.nodes.isDefined(7));
    EXPECT_FALSE(model.nodes.isDefined(-1));
}

TEST(InputContainer, RowsAddressedBeyondTheEndAreCreatedZeroFilledAndUndefined) {
    Model model;
    test::FakeTableView grid;
    model.materials.attachGrid(&grid);
    model.materials.rowAt(4).youngsModulus = 3e7;
    EXPECT_EQ(model.materials.count(), 5);
    EXPECT_EQ(model.materials.row(2).wallThickness, 0.0);
    EXPECT_EQ(model.materials.definedCount(), 0);
    EXPECT_EQ(grid.events.back(), "rows 5");
    EXPECT_EQ(model.materials.lastDefinedRow(), 0);
}

TEST(InputContainer, InsertAndDeleteShiftLaterRowsWithoutRenumberingReferences) {
    Model model;
    defineNodes(model.nodes, {0, 1, 2});
    model.shells.rowAt(0).startNode = 3;

    model.nodes.insertRow(1);
    EXPECT_EQ(model.nodes.count(), 4);
    EXPECT_FALSE(model.nodes.isDefined(1));
    EXPECT_EQ(model.nodes.row(2).r, 2.0);
    EXPECT_EQ(model.nodes.row(3).r, 3.0);

    model.nodes.deleteRows(0, 2);
    EXPECT_EQ(model.nodes.count(), 2);
    EXPECT_EQ(model.nodes.row(0).r, 2.0);
    EXPECT_EQ(model.nodes.definedCount(), 2);
    EXPECT_EQ(model.shells.row(0).startNode, 3);

    model.nodes.deleteRows(5, 1); // beyond the end: nothing happens
    EXPECT_EQ(model.nodes.count(), 2);
}

TEST(InputContainer, CopyAndMoveRowCarryFieldsAndState) {
    Model model;
    defineNodes(model.nodes, {0});
    model.nodes.row(0).supportZ = 1;

    EXPECT_TRUE(model.nodes.copyRow(0, 3));
    EXPECT_TRUE(model.nodes.isDefined(3));
    EXPECT_EQ(model.nodes.row(3).r, 1.0);
    EXPECT_EQ(model.nodes.row(3).supportZ, 1);
    EXPECT_TRUE(model.nodes.isDefined(0));

    model.nodes.moveRow(3, 1);
    EXPECT_TRUE(model.nodes.isDefined(1));
    EXPECT_FALSE(model.nodes.isDefined(3));
    EXPECT_EQ(model.nodes.row(1).supportZ, 1);

    EXPECT_FALSE(model.nodes.copyRow(9, 0));
}

TEST(InputContainer, StateChangesCountAsUserEditsWithOrWithoutAGrid) {
    Model model;
    test::FakeDocumentObserver observer;
    model.setObserver(&observer);

    model.nodes.changeValid(0, 0, rowEdited); // no grid: still a change
    EXPECT_EQ(observer.systemChanges, 1);

    test::FakeTableView grid;
    model.nodes.attachGrid(&grid);
    model.nodes.changeValid(1, 0, rowEdited);
    EXPECT_EQ(observer.systemChanges, 2);
    model.nodes.changeValid(1, 0, rowEdited);   // unchanged state: no notification
    model.nodes.changeValid(1, 0, rowFromFile); // still defined
    EXPECT_EQ(observer.systemChanges, 2);

    model.snowLoads.setCell(0, 2, 1.5);
    EXPECT_EQ(observer.loadChanges, 1);
    EXPECT_EQ(observer.systemChanges, 2);
    EXPECT_FALSE(model.snowLoads.setCell(0, 3, 1.0)); // no such column
}

TEST(InputContainer, EveryRowCommandAndTheSelfWeightSwitchReportAChange) {
    Model model;
    test::FakeDocumentObserver observer;
    model.setObserver(&observer);
    defineNodes(model.nodes, {0, 1});
    observer.systemChanges = 0;

    model.nodes.insertRow(1);
    model.nodes.deleteRows(0, 1);
    model.nodes.copyRow(1, 3);
    model.nodes.moveRow(3, 4);
    model.nodes.clearAll();
    EXPECT_EQ(observer.systemChanges, 6); // the move copies, then undefines
    model.nodes.deleteRows(0, 1);         // nothing to delete
    EXPECT_EQ(observer.systemChanges, 6);

    model.setSelfWeight(true);
    EXPECT_EQ(observer.loadChanges, 1);
    model.setSelfWeight(true);
    EXPECT_EQ(observer.loadChanges, 1);
    model.constraintLoads.insertRow(0);
    EXPECT_EQ(observer.loadChanges, 2);
    EXPECT_EQ(observer.systemChanges, 6);
}

TEST(InputContainer, CellValuesFollowTheGridColumnOrder) {
    Model model;
    ShellClass& shells = model.shells;
    shells.setCell(0, 2, 4);   // "Mat."
    shells.setCell(0, 3, 1);   // "Krümmung"
    shells.setCell(0, 4, 2.5); // "Radius"
    EXPECT_EQ(shells.row(0).material, 4);
    EXPECT_EQ(shells.row(0).curvature, 1);
    EXPECT_EQ(shells.row(0).radius, 2.5);
    EXPECT_EQ(std::get<int>(*shells.value(0, 2)), 4);
    EXPECT_EQ(std::get<double>(*shells.value(0, 4)), 2.5);
    EXPECT_FALSE(shells.value(0, 7).has_value());
    EXPECT_FALSE(shells.value(3, 0).has_value());
    EXPECT_EQ(shells.columnCount(), 7);
}

TEST(InputContainer, WritingLeavesTheGridAloneAndTheModelAsksForPendingEdits) {
    Model model;
    test::FakeTableView grid;
    model.rings.attachGrid(&grid);
    grid.events.clear();
    std::string text;
    model.rings.writeSection(text);
    EXPECT_TRUE(grid.events.empty());
    model.storePendingEdits();
    EXPECT_EQ(grid.events.back(), "commit");
    EXPECT_EQ(text, "RINGS\n0\n\n");
}
