#include "model/Model.h"

#include <gtest/gtest.h>

using namespace venkar;

TEST(TableRules, NodeRefusesNegativeRadialCoordinate) {
    Model model;
    EXPECT_FALSE(model.nodes.setCell(0, 0, -1.0));
    EXPECT_EQ(model.nodes.row(0).r, 0.0);
    model.nodes.setCell(0, 0, 2.0);
    EXPECT_TRUE(model.nodes.setCell(0, 0, 0.0));
    EXPECT_EQ(model.nodes.row(0).r, 0.0);
    EXPECT_TRUE(model.nodes.setCell(0, 1, -3.0)); // z may be negative
}

TEST(TableRules, HingePositionIsClampedToTheShell) {
    Model model;
    model.hinges.setCell(0, 1, 1.5);
    EXPECT_EQ(model.hinges.row(0).xPosition, 1.0);
    model.hinges.setCell(0, 1, -0.2);
    EXPECT_EQ(model.hinges.row(0).xPosition, 0.0);
    model.hinges.setCell(0, 1, 0.4);
    EXPECT_EQ(model.hinges.row(0).xPosition, 0.4);
}

TEST(TableRules, NewShellRowsTakeMaterialFromAboveAndDefaults) {
    Model model;
    model.shells.changeValid(0, 0, rowEdited);
    EXPECT_EQ(model.shells.row(0).material, 1);
    EXPECT_EQ(model.shells.row(0).discretisationFactor, 1.0);
    EXPECT_EQ(model.shells.row(0).intervals, 1);

    model.shells.row(0).material = 3;
    model.shells.changeValid(1, 0, rowEdited);
    EXPECT_EQ(model.shells.row(1).material, 3);

    model.shells.rowAt(2).discretisationFactor = 0.5; // typed before the row became defined
    model.shells.changeValid(2, 0, rowEdited);
    EXPECT_EQ(model.shells.row(2).discretisationFactor, 0.5);
}

TEST(TableRules, NewMaterialRowCopiesAllButTheBedding) {
    Model model;
    model.materials.rowAt(0) = {3e7, 0.2, 0.2, 25.0, 1000.0, 1e-5};
    model.materials.changeValid(0, 0, rowEdited);
    model.materials.changeValid(1, 0, rowEdited);
    const MatRecord& copy = model.materials.row(1);
    EXPECT_EQ(copy.youngsModulus, 3e7);
    EXPECT_EQ(copy.wallThickness, 0.2);
    EXPECT_EQ(copy.poissonRatio, 0.2);
    EXPECT_EQ(copy.specificWeight, 25.0);
    EXPECT_EQ(copy.thermalCoefficient, 1e-5);
    EXPECT_EQ(copy.beddingModulus, 0.0);
}

TEST(TableRules, ShellRangeLoadsKeepBisAtLeastVon) {
    Model model;
    model.shellLoads.setCell(0, 1, 3);
    model.shellLoads.setCell(0, 0, 5);
    EXPECT_EQ(model.shellLoads.row(0).toShell, 5);
    model.shellLoads.setCell(0, 1, 3);
    model.shellLoads.setCell(0, 0, 2);
    EXPECT_EQ(model.shellLoads.row(0).toShell, 3);

    model.waterLoads.setCell(0, 0, 4);
    model.snowLoads.setCell(0, 0, 4);
    model.tempLoads.setCell(0, 0, 4);
    EXPECT_EQ(model.waterLoads.row(0).toShell, 4);
    EXPECT_EQ(model.snowLoads.row(0).toShell, 4);
    EXPECT_EQ(model.tempLoads.row(0).toShell, 4);
}

TEST(TableRules, LoadMaximaConsiderDefinedRowsOnly) {
    Model model;
    model.nodeLoads.rowAt(0) = {1, 3.0, -4.0, -7.0};
    model.nodeLoads.rowAt(1) = {1, 100.0, 0.0, 100.0}; // undefined
    model.nodeLoads.changeValid(0, 0, rowEdited);
    EXPECT_DOUBLE_EQ(model.nodeLoads.maxForce(), 5.0);
    EXPECT_DOUBLE_EQ(model.nodeLoads.maxMoment(), 7.0);

    model.shellLoads.rowAt(0) = {1, 1, 1.0, -9.0, 2.0, 0.0};
    model.shellLoads.changeValid(0, 0, rowEdited);
    EXPECT_DOUBLE_EQ(model.shellLoads.maxLoadMagnitude(), 9.0);

    model.pointLoads.rowAt(0) = {1, 0.5, 0.0, -2.0, 0.5};
    model.pointLoads.changeValid(0, 0, rowEdited);
    EXPECT_DOUBLE_EQ(model.pointLoads.maxForce(), 2.0);
    EXPECT_DOUBLE_EQ(model.pointLoads.maxMoment(), 0.5);

    model.constraintLoads.rowAt(0) = {2, 0.03, 0.04, 1.0};
    model.constraintLoads.changeValid(0, 0, rowEdited);
    EXPECT_DOUBLE_EQ(model.constraintLoads.maxDisplacement(), 0.05);

    model.snowLoads.rowAt(0) = {1, 1, -0.75};
    model.snowLoads.changeValid(0, 0, rowEdited);
    EXPECT_DOUBLE_EQ(model.snowLoads.maxAmount(), 0.75);

    Model empty;
    EXPECT_EQ(empty.nodeLoads.maxForce(), 0.0);
}

TEST(TableRules, NonzeroPrescribedComponentIsFoundPerNodeAndDirection) {
    Model model;
    model.constraintLoads.rowAt(0) = {2, 0.0, 0.01, 0.0};
    model.constraintLoads.rowAt(1) = {3, 1.0, 0.0, 0.0}; // undefined
    model.constraintLoads.changeValid(0, 0, rowEdited);
    EXPECT_FALSE(model.constraintLoads.hasNonzeroComponent(2, 0));
    EXPECT_TRUE(model.constraintLoads.hasNonzeroComponent(2, 1));
    EXPECT_FALSE(model.constraintLoads.hasNonzeroComponent(2, 2));
    EXPECT_FALSE(model.constraintLoads.hasNonzeroComponent(3, 0));
}
