#include "InputFixture.h"

#include "input/ShapeDialog.h"
#include "input/UndoHistory.h"
#include "support/ModelRows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace venkar;
using namespace venkar::test;

namespace {

class ShapeDialogTest : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        // A cylinder wall of radius 2 from z = 0 to 4 and its material.
        addNode(model, 2.0, 4.0);
        addNode(model, 2.0, 0.0);
        addShell(model, 1, 2);
        addMaterial(model, 2e8, 0.01, 0.3);
    }

    // Replaces a field's text by typing.
    static void typeInto(QWidget* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    static void showActive(TShapeDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    // Clicks a choice on its circle (the button takes clicks on the circle
    // and its text only).
    static void clickChoice(QRadioButton* choice) {
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
    }
    // Chooses the entry `index` of a list with the arrow keys.
    static void choose(QComboBox* list, int index) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
};

TEST_F(ShapeDialogTest, ATypedHeadIsAppendedAsOneUndoStepOverNodesShellsAndMaterials) {
    TUserGrid& grid = showPage(*systemForm, 1);
    TShapeDialog dialog(model, systemForm->history(), messages);
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Form erzeugen");
    EXPECT_TRUE(dialog.startAtNode()->isChecked()); // the last node
    EXPECT_EQ(dialog.startNode()->value(), 2);

    choose(dialog.shapeList(), TShapeDialog::TorisphericalHead);
    ASSERT_EQ(dialog.shapeList()->currentText(), "Torisphärischer Boden");
    // The diameter follows the start node's radius, with a Klöpper head.
    const auto text = [&](const char* name) {
        return qobject_cast<QLineEdit*>(dialog.dimension(name))->text();
    };
    EXPECT_EQ(text("durchmesser"), "4");
    EXPECT_EQ(text("woelbungsradius"), "4");
    EXPECT_EQ(text("krempenradius"), "0.4");
    typeInto(dialog.dimension("krempenradius"), "0,4");
    typeInto(dialog.dimension("schalen"), "2");
    clickChoice(dialog.newMaterial());
    typeInto(dialog.materialField(1), "0.012");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);

    ASSERT_TRUE(messages.inputErrors.isEmpty()) << messages.inputErrors.join("; ").toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.appended());
    EXPECT_EQ(dialog.appended()->startNode, 2);
    EXPECT_EQ(model.nodes.definedCount(), 5); // knuckle end, crown middle, apex
    EXPECT_EQ(model.shells.definedCount(), 4);
    EXPECT_EQ(model.shells.row(1).startNode, 2);
    EXPECT_EQ(model.shells.row(1).discretisationFactor, 2.0);
    EXPECT_EQ(model.shells.row(3).material, 2);
    EXPECT_EQ(model.materials.row(1).wallThickness, 0.012);
    EXPECT_EQ(model.nodes.row(4).r, 0.0); // the crown on the axis
    EXPECT_EQ(systemForm->history().size(), 1u);
    EXPECT_TRUE(documents.isModified(DocumentKind::System));

    // Ctrl+Z in the shells' grid takes all three tables back at once.
    QTest::keyClick(&grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model.nodes.definedCount(), 2);
    EXPECT_EQ(model.shells.definedCount(), 1);
    EXPECT_EQ(model.materials.definedCount(), 1);
    QTest::keyClick(&grid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(model.nodes.definedCount(), 5);
    EXPECT_EQ(model.shells.definedCount(), 4);
    EXPECT_EQ(model.materials.definedCount(), 2);
    EXPECT_EQ(model.shells.row(3).material, 2);
}

TEST_F(ShapeDialogTest, AFieldWithoutANumberOrAShapeThatCannotBeBuiltKeepsTheDialogOpen) {
    TShapeDialog dialog(model, systemForm->history(), messages);
    showActive(dialog);
    typeInto(dialog.dimension("hoehe"), "5m");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_EQ(messages.inputErrors.size(), 1);
    EXPECT_EQ(messages.inputErrors[0], "„Höhe“ ist keine Zahl.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.dimension("hoehe"));

    // A silo must start on the axis; node 2 is not.
    choose(dialog.shapeList(), TShapeDialog::Silo);
    QTest::keyClick(dialog.okButton(), Qt::Key_Space);
    ASSERT_EQ(messages.inputErrors.size(), 2);
    EXPECT_TRUE(messages.inputErrors[1].startsWith("Ein Silo beginnt an der Dachspitze"));

    // A start point on the axis builds it.
    clickChoice(dialog.startAtPoint());
    typeInto(dialog.startR(), "0");
    typeInto(dialog.startZ(), "-2");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(messages.inputErrors.size(), 2) << messages.inputErrors.join("; ").toStdString();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(model.nodes.row(2).z, -2.0);
    EXPECT_EQ(model.shells.row(1).material, 1); // the existing material
    EXPECT_EQ(systemForm->history().size(), 1u);
}

TEST_F(ShapeDialogTest, AbbruchAppendsNothing) {
    TShapeDialog dialog(model, systemForm->history(), messages);
    showActive(dialog);
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(model.nodes.definedCount(), 2);
    EXPECT_EQ(systemForm->history().size(), 0u);
}

} // namespace
