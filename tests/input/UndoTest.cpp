#include "InputFixture.h"

#include "input/UndoHistory.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QTemporaryDir>

using namespace venkar;
using namespace venkar::test;

namespace {

class UndoTest : public InputFixture {
protected:
    void undo(TUserGrid& grid) { key(grid, Qt::Key_Z, Qt::ControlModifier); }
    void redo(TUserGrid& grid) { key(grid, Qt::Key_Y, Qt::ControlModifier); }
    bool systemModified() const { return documents.isModified(DocumentKind::System); }
};

TEST_F(UndoTest, StoredCellEditsUndoAndRedoAndTheModifiedFlagFollowsTheSavePosition) {
    TUserGrid& grid = showPage(*systemForm, 2);
    type(grid, "5\t");
    type(grid, "7\t");
    EXPECT_EQ(systemForm->history().size(), 2u);
    QTemporaryDir folder;
    dialogs.saveName = folder.filePath("s.vsy").toStdString();
    documents.save(DocumentKind::System);
    EXPECT_FALSE(systemModified());

    undo(grid);
    EXPECT_DOUBLE_EQ(model.materials.row(0).wallThickness, 0.0);
    EXPECT_TRUE(systemModified());
    undo(grid); // the row becomes undefined again, as before the first key
    EXPECT_FALSE(model.materials.isDefined(0));
    redo(grid);
    EXPECT_DOUBLE_EQ(model.materials.row(0).youngsModulus, 5.0);
    EXPECT_TRUE(systemModified());
    key(grid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(model.materials.row(0).wallThickness, 7.0);
    EXPECT_FALSE(systemModified()); // back at the saved state
}

TEST_F(UndoTest, CtrlZWhileEditingFirstDiscardsTheText) {
    TUserGrid& grid = showPage(*systemForm, 0);
    type(grid, "3\t");
    type(grid, "9");
    undo(grid);

    EXPECT_EQ(grid.editText(), "0.00000");
    EXPECT_FALSE(grid.isModified());
    EXPECT_DOUBLE_EQ(model.nodes.row(0).r, 3.0);
    undo(grid);
    EXPECT_FALSE(model.nodes.isDefined(0));
}

TEST_F(UndoTest, APasteAndABlockCommandAreOneStepEach) {
    TUserGrid& grid = showPage(*systemForm, 2);
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    key(grid, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(model.materials.definedCount(), 2);
    grid.setBlock({1, 1}, {2, 2});
    messages.values = {10.0};
    grid.blockMenu()->actions().at(0)->trigger(); // "Addieren"
    EXPECT_DOUBLE_EQ(model.materials.row(1).wallThickness, 14.0);
    EXPECT_EQ(systemForm->history().size(), 2u);
    undo(grid);
    EXPECT_DOUBLE_EQ(model.materials.row(1).wallThickness, 4.0);
    undo(grid);
    EXPECT_EQ(model.materials.definedCount(), 0);
    redo(grid);
    redo(grid);
    EXPECT_DOUBLE_EQ(model.materials.row(0).youngsModulus, 11.0);
}

TEST_F(UndoTest, RowCommandsUndo) {
    TUserGrid& grid = showPage(*systemForm, 3);
    type(grid, "1\t");
    grid.selectCell(3, 1);
    type(grid, "2\t");
    grid.selectCell(2, 1);
    key(grid, Qt::Key_Insert, Qt::AltModifier); // rows: -, 1, 2
    EXPECT_EQ(model.hinges.row(1).shell, 1);
    grid.selectCell(4, 1);
    key(grid, Qt::Key_Delete, Qt::ControlModifier); // rows: -, 1, (2)
    EXPECT_EQ(model.hinges.definedCount(), 1);
    EXPECT_EQ(model.hinges.count(), 3);
    messages.values = {5.0};
    grid.selectCell(3, 1);
    key(grid, Qt::Key_V, Qt::AltModifier); // rows: -, -, (2), -, 1
    EXPECT_EQ(model.hinges.row(4).shell, 1);
    grid.selectCell(6, 1);
    key(grid, Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(messages.deleteQuestions, 1);
    EXPECT_EQ(model.hinges.definedCount(), 0);
    for (int step = 0; step < 3; ++step)
        undo(grid);
    EXPECT_EQ(model.hinges.definedCount(), 2);
    EXPECT_EQ(model.hinges.row(1).shell, 1);
    EXPECT_EQ(model.hinges.row(2).shell, 2);
    undo(grid); // the insertion
    EXPECT_EQ(model.hinges.row(0).shell, 1);
    EXPECT_EQ(model.hinges.row(1).shell, 2);
    EXPECT_EQ(model.hinges.count(), 2);
}

TEST_F(UndoTest, TheSelfWeightBoxIsAStepOfTheLoadCase) {
    TUserGrid& grid = showPage(*loadForm, 0);
    type(grid, "4\t");
    QTest::mouseClick(loadForm->selfWeightBox(), Qt::LeftButton);
    EXPECT_TRUE(model.selfWeight());
    EXPECT_TRUE(grid.hasFocus());
    undo(grid);
    EXPECT_FALSE(model.selfWeight());
    EXPECT_FALSE(loadForm->selfWeightBox()->isChecked());
    EXPECT_EQ(model.nodeLoads.row(0).node, 4);
    undo(grid);
    EXPECT_FALSE(documents.isModified(DocumentKind::Load));
    redo(grid);
    redo(grid);
    EXPECT_TRUE(loadForm->selfWeightBox()->isChecked());
    // The system's history is another one.
    EXPECT_EQ(systemForm->history().size(), 0u);
}

TEST_F(UndoTest, ClearingTheDocumentStartsANewHistory) {
    TUserGrid& grid = showPage(*systemForm, 0);
    type(grid, "3\t");
    documents.newDocument(DocumentKind::System);
    EXPECT_EQ(systemForm->history().size(), 0u);
    undo(grid);
    EXPECT_FALSE(model.nodes.isDefined(0));
    EXPECT_FALSE(systemModified());
}

} // namespace
