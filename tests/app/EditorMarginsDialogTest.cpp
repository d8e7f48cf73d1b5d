#include "AppFakes.h"

#include "app/EditorMarginsDialog.h"
#include "graphics/GraphSettings.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace venkar;
using venkar::testing::FakeDialogs;

namespace {

EditorAndMargins someValues() {
    EditorAndMargins values;
    values.editor = "/usr/bin/less";
    values.marginLeft = 7.9; // shown truncated
    values.marginRight = 3;
    values.marginTop = 12;
    values.marginBottom = 0;
    return values;
}

// Replaces the text of a field by typing, as the user would.
void typeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

} // namespace

TEST(EditorMarginsDialog, ShowsTheValuesLikeTheSidesOfAPage) {
    FakeDialogs dialogs;
    TDruckerForm dialog(dialogs);
    dialog.setValues(someValues());
    EXPECT_EQ(dialog.windowTitle(), "Editor und Seitenränder");
    EXPECT_EQ(dialog.editorField()->text(), "/usr/bin/less");
    EXPECT_EQ(dialog.marginField(TDruckerForm::Left)->value(), 7);
    EXPECT_EQ(dialog.marginField(TDruckerForm::Right)->value(), 3);
    EXPECT_EQ(dialog.marginField(TDruckerForm::Top)->value(), 12);
    EXPECT_EQ(dialog.marginField(TDruckerForm::Bottom)->value(), 0);
    dialog.show();
    const auto centre = [&](TDruckerForm::Side side) {
        return dialog.marginField(side)->mapTo(&dialog, dialog.marginField(side)->rect().center());
    };
    EXPECT_LT(centre(TDruckerForm::Top).y(), centre(TDruckerForm::Left).y());
    EXPECT_LT(centre(TDruckerForm::Left).x(), centre(TDruckerForm::Right).x());
    EXPECT_GT(centre(TDruckerForm::Bottom).y(), centre(TDruckerForm::Right).y());
}

TEST(EditorMarginsDialog, OkTakesTypedValuesAndAbbruchKeepsThePreviousOnes) {
    FakeDialogs dialogs;
    TDruckerForm dialog(dialogs);
    EditorAndMargins values = someValues();

    QTimer::singleShot(0, [&] {
        typeInto(dialog.editorField(), "/opt/viewer");
        typeInto(dialog.marginField(TDruckerForm::Top), "45");
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    dialog.edit(values);
    EXPECT_EQ(values.editor, "/usr/bin/less");
    EXPECT_EQ(values.marginTop, 12);
    EXPECT_DOUBLE_EQ(values.marginLeft, 7.9);

    QTimer::singleShot(0, [&] {
        typeInto(dialog.editorField(), "/opt/viewer");
        typeInto(dialog.marginField(TDruckerForm::Top), "45");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    dialog.edit(values);
    EXPECT_EQ(values.editor, "/opt/viewer");
    EXPECT_EQ(values.marginTop, 45);
    EXPECT_EQ(values.marginLeft, 7); // whole millimetres after "Ok"
}

TEST(EditorMarginsDialog, BrowseReplacesTheProgramOnlyWhenOneWasChosen) {
    FakeDialogs dialogs;
    TDruckerForm dialog(dialogs);
    dialog.setValues(someValues());
    dialogs.programNames = {std::nullopt, std::string("/usr/bin/gedit")};
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.editorField()->text(), "/usr/bin/less");
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.editorField()->text(), "/usr/bin/gedit");
    ASSERT_EQ(dialogs.programDialogs.size(), 2u);
    EXPECT_EQ(dialogs.programDialogs[0], "/usr/bin/less");
}
