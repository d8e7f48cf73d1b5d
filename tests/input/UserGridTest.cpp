#include "InputFixture.h"

#include "input/GridText.h"

#include <QClipboard>
#include <QMenu>
#include <QToolBar>

using namespace venkar;
using namespace venkar::test;

namespace {

enum SystemPage { nodesPage, shellsPage, materialsPage, hingesPage, ringsPage };

class UserGridTest : public InputFixture {};

TEST_F(UserGridTest, TypedNumbersAndFlagsAreStoredAndTheCursorMovesOn) {
    TUserGrid& grid = showPage(*systemForm, nodesPage);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 1);
    type(grid, "2,5");
    key(grid, Qt::Key_Tab);
    type(grid, "-3");
    key(grid, Qt::Key_Return);
    // J/N columns take "1"/"0" and jump on by themselves.
    type(grid, "110");
    EXPECT_EQ(grid.currentColumn(), 6);
    type(grid, "12");
    key(grid, Qt::Key_Return);
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.currentColumn(), 1);

    ASSERT_TRUE(model.nodes.isDefined(0));
    const NodeRecord& node = model.nodes.row(0);
    EXPECT_DOUBLE_EQ(node.r, 2.5);
    EXPECT_DOUBLE_EQ(node.z, -3.0);
    EXPECT_EQ(node.supportR, 1);
    EXPECT_EQ(node.supportZ, 1);
    EXPECT_EQ(node.supportRot, 0);
    EXPECT_DOUBLE_EQ(node.skewAngle, 12.0);
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
    EXPECT_EQ(messages.beeps, 0);
}

TEST_F(UserGridTest, RefusedCharactersBeepAndForeignOnesAreDropped) {
    TUserGrid& grid = showPage(*systemForm, shellsPage);
    type(grid, "-"); // not in an integer column
    EXPECT_EQ(messages.beeps, 1);
    type(grid, "#%&"); // outside the grid's character set: silent
    EXPECT_EQ(messages.beeps, 1);
    type(grid, "12");
    EXPECT_EQ(grid.editText(), "12");
    key(grid, Qt::Key_Backspace);
    EXPECT_EQ(grid.editText(), "1");
    key(grid, Qt::Key_Delete); // caret at the end
    EXPECT_EQ(messages.beeps, 2);
    key(grid, Qt::Key_Escape); // the row is defined by now and holds 0
    EXPECT_EQ(grid.editText(), "0");
    EXPECT_FALSE(grid.isModified());
}

TEST_F(UserGridTest, ListColumnCompletesAndRefusesTextsThatMatchNoItem) {
    TUserGrid& grid = showPage(*systemForm, shellsPage);
    grid.selectCell(2, 4);
    type(grid, "x");
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(grid.editText(), "");
    type(grid, "a");
    EXPECT_EQ(grid.editText(), "Außen");
    key(grid, Qt::Key_Return);
    EXPECT_EQ(model.shells.row(0).curvature, 1);
    grid.selectCell(2, 4);
    type(grid, "I");
    key(grid, Qt::Key_Tab);
    EXPECT_EQ(model.shells.row(0).curvature, 0);
}

TEST_F(UserGridTest, EnterInAnEmptyRowDefinesItWithTheTablesDefaults) {
    TUserGrid& grid = showPage(*systemForm, shellsPage);
    for (int column = 1; column < grid.columnCount(); ++column)
        key(grid, Qt::Key_Return);
    EXPECT_TRUE(model.shells.isDefined(0));
    EXPECT_EQ(model.shells.row(0).material, 1);
    EXPECT_DOUBLE_EQ(model.shells.row(0).discretisationFactor, 1.0);
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.currentColumn(), 1);
}

TEST_F(UserGridTest, CursorSkipsBackOverRowsAndStaysInTheFirstRow) {
    TUserGrid& grid = showPage(*systemForm, materialsPage);
    key(grid, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 6);
    key(grid, Qt::Key_Down);
    key(grid, Qt::Key_Home); // caret at 0: previous cell
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 5);
    key(grid, Qt::Key_Right); // the whole content is selected: next cell
    EXPECT_EQ(grid.currentColumn(), 6);
    key(grid, Qt::Key_Right);
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.currentColumn(), 1);
}

TEST_F(UserGridTest, DownOnTheLastRowAddsARow) {
    TUserGrid& grid = showPage(*systemForm, hingesPage);
    const int rows = grid.rowCount();
    grid.selectCell(rows - 1, 1);
    key(grid, Qt::Key_Down);
    EXPECT_EQ(grid.rowCount(), rows + 1);
    EXPECT_EQ(grid.currentRow(), rows);
}

TEST_F(UserGridTest, FormatsFollowTheColumns) {
    model.shells.changeValid(0, 0, rowFromFile);
    model.shells.rowAt(0).discretisationFactor = 1.0;
    model.hinges.changeValid(0, 0, rowFromFile);
    model.hinges.rowAt(0).xPosition = 0.5;
    model.nodes.changeValid(0, 0, rowFromFile);
    model.nodes.rowAt(0).r = 2.5;
    const auto textOf = [&](int page, int column) {
        TUserGrid& grid = *systemForm->grid(page);
        return grid.descriptor(column)->ValueToText(*grid.container()->value(0, column - 1));
    };
    EXPECT_EQ(textOf(shellsPage, 6), "1.00");
    EXPECT_EQ(textOf(hingesPage, 2), "0.500000");
    EXPECT_EQ(textOf(nodesPage, 1), "2.50000");
    EXPECT_EQ(textOf(nodesPage, 3), "N");
}

TEST_F(UserGridTest, RefusedValueBeepsAndKeepsTheStoredOne) {
    TUserGrid& grid = showPage(*systemForm, nodesPage);
    type(grid, "4");
    key(grid, Qt::Key_Return);
    grid.selectCell(2, 1);
    type(grid, "-1");
    key(grid, Qt::Key_Return);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_DOUBLE_EQ(model.nodes.row(0).r, 4.0);
}

TEST_F(UserGridTest, AltDelAsksOnlyForADefinedRow) {
    TUserGrid& grid = showPage(*systemForm, materialsPage);
    type(grid, "7");
    key(grid, Qt::Key_Return);
    key(grid, Qt::Key_Down);
    key(grid, Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(messages.deleteQuestions, 0);
    key(grid, Qt::Key_Up);
    messages.confirmAnswer = false;
    key(grid, Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(messages.deleteQuestions, 1);
    EXPECT_TRUE(model.materials.isDefined(0));
    messages.confirmAnswer = true;
    key(grid, Qt::Key_Delete, Qt::AltModifier);
    EXPECT_FALSE(model.materials.isDefined(0));
}

TEST_F(UserGridTest, CtrlDelUndefinesTheRowAndAltCTypesNoLetter) {
    TUserGrid& grid = showPage(*systemForm, materialsPage);
    type(grid, "7");
    key(grid, Qt::Key_Return);
    grid.selectCell(1, 1);
    messages.values = {3.0};
    key(grid, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(messages.valueCaptions, QStringList{"Kopieren zur Zeile"});
    EXPECT_EQ(grid.editText(), "7.00000");
    ASSERT_TRUE(model.materials.isDefined(2));
    EXPECT_DOUBLE_EQ(model.materials.row(2).youngsModulus, 7.0);
    key(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_FALSE(model.materials.isDefined(0));
    EXPECT_EQ(model.materials.count(), 3);
}

TEST_F(UserGridTest, AltInsInsertsAndAltVMovesRows) {
    TUserGrid& grid = showPage(*systemForm, hingesPage);
    type(grid, "5");
    key(grid, Qt::Key_Return);
    grid.selectCell(2, 1);
    key(grid, Qt::Key_Insert, Qt::AltModifier);
    EXPECT_FALSE(model.hinges.isDefined(0));
    ASSERT_TRUE(model.hinges.isDefined(1));
    grid.selectCell(3, 1);
    messages.values = {4.0};
    key(grid, Qt::Key_V, Qt::AltModifier);
    EXPECT_FALSE(model.hinges.isDefined(1));
    ASSERT_TRUE(model.hinges.isDefined(3));
    EXPECT_EQ(model.hinges.row(3).shell, 5);
}

TEST_F(UserGridTest, BlockMultiplyRoundsIntegersAndLeavesListsAlone) {
    TUserGrid& grid = showPage(*systemForm, shellsPage);
    type(grid, "3");
    key(grid, Qt::Key_Tab);
    type(grid, "5");
    key(grid, Qt::Key_Tab);
    key(grid, Qt::Key_Tab);
    type(grid, "a");
    key(grid, Qt::Key_Return);
    // Drag from column 2 to column 4 of the first row.
    QWidget* view = grid.viewport();
    const int y = 2 * 19 + 9;
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(40 + 64 + 10, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(40 + 64 + 64 + 40 + 20, y),
                     view->mapToGlobal(QPointF(40 + 64 + 64 + 40 + 20, y)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(40 + 64 + 64 + 40 + 20, y));
    ASSERT_TRUE(grid.isBlockShown());
    EXPECT_EQ(grid.block().firstColumn, 2);
    EXPECT_EQ(grid.block().lastColumn, 4);
    messages.values = {2.5};
    grid.blockMenu()->actions().at(1)->trigger(); // "Multiplizieren"
    const ShellRecord& shell = model.shells.row(0);
    EXPECT_EQ(shell.startNode, 3);
    EXPECT_EQ(shell.endNode, 13); // 12.5 rounded
    EXPECT_EQ(shell.material, 3); // 1 * 2.5 rounded
    EXPECT_EQ(shell.curvature, 1);
    EXPECT_EQ(grid.blockMenu()->actions().at(0)->text(), "Addieren");
    EXPECT_EQ(grid.blockMenu()->actions().at(2)->text(), "Löschen");
}

TEST_F(UserGridTest, CopyGivesTabSeparatedLinesAndPasteStopsBeyondTheLastColumn) {
    TUserGrid& grid = showPage(*systemForm, nodesPage);
    type(grid, "1\t2\t");
    grid.selectCell(3, 1);
    type(grid, "3\t4\t");
    grid.setBlock({2, 1}, {3, 2});
    key(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1.00000\t2.00000\t\r\n3.00000\t4.00000\t\r\n");

    TUserGrid& materials = showPage(*systemForm, materialsPage);
    QApplication::clipboard()->setText("7\t8\t9");
    materials.selectCell(1, 5);
    key(materials, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(messages.pasteErrors, QStringList{"Kopierbeireich außerhalb der Tabelle"});
    EXPECT_DOUBLE_EQ(model.materials.row(0).beddingModulus, 7.0);
    EXPECT_DOUBLE_EQ(model.materials.row(0).thermalCoefficient, 8.0);
}

TEST_F(UserGridTest, ToolButtonDeletesTheCurrentRowOfTheVisiblePageWithoutAsking) {
    TUserGrid& grid = showPage(*systemForm, materialsPage);
    type(grid, "1\r\r\r\r\r\r2\r");
    grid.selectCell(1, 1);
    systemForm->toolBar()->actions().at(4)->trigger(); // after the separator
    EXPECT_EQ(messages.deleteQuestions, 0);
    ASSERT_TRUE(model.materials.isDefined(0));
    EXPECT_DOUBLE_EQ(model.materials.row(0).youngsModulus, 2.0);
    EXPECT_EQ(systemForm->toolBar()->actions().at(4)->toolTip(), "Zeile löschen (Strg-Del)");
    EXPECT_TRUE(systemForm->toolBar()->actions().at(4)->shortcut().isEmpty());
}

} // namespace
