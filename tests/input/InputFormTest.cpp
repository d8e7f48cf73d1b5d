#include "InputFixture.h"

#include "input/WindowMessages.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "support/ModelRows.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>

using namespace venkar;
using namespace venkar::test;

namespace {

class InputFormTest : public InputFixture {
protected:
    // Sends a key press as the application does and tells whether the grid
    // kept it (accepted its shortcut override or the press itself).
    static bool gridKeeps(TUserGrid& grid, int key, Qt::KeyboardModifiers modifiers,
                          const QString& text = {}) {
        QKeyEvent override(QEvent::ShortcutOverride, key, modifiers, text);
        override.ignore();
        QApplication::sendEvent(&grid, &override);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&grid, &press);
        return override.isAccepted() || press.isAccepted();
    }
};

TEST_F(InputFormTest, APlausibilityFaultShowsItsCellBeforeTheMessage) {
    addShellWithNodes(model, 1, 0, 2, 0);
    addShellWithNodes(model, 2, 0, 3, 0);
    addShell(model, 9, 1); // third shell: start node 9 is not defined
    addRow(model.materials, MatRecord{.youngsModulus = 1, .wallThickness = 1});
    showPage(*systemForm, 4);
    int page = -1;
    TUserGrid::GridCell cursor;
    messages.onInputError = [&] {
        page = systemForm->pages()->currentIndex();
        cursor = {systemForm->currentGrid()->currentRow(),
                  systemForm->currentGrid()->currentColumn()};
        EXPECT_TRUE(systemForm->isVisible());
    };
    systemForm->toolBar()->actions().at(5)->trigger(); // "Plausibilitätkontrolle"
    EXPECT_EQ(messages.inputErrors, QStringList{"Der erste Knoten ist nicht definiert !"});
    EXPECT_EQ(page, 1);
    EXPECT_EQ(cursor.row, 2 + 2); // two header rows, third shell
    EXPECT_EQ(cursor.column, 1);
    EXPECT_EQ(systemForm->focusWidget(), systemForm->currentGrid());
    EXPECT_EQ(systemForm->toolBar()->actions().at(5)->toolTip(), "Plausibilitätkontrolle");
}

TEST_F(InputFormTest, ALoadFaultOpensItsPageAndAPlausibleLoadShowsNothing) {
    EXPECT_TRUE(loadForm->checkPlausibility());
    EXPECT_TRUE(messages.inputErrors.isEmpty());
    addRow(model.waterLoads, WaterLoadRecord{.fromShell = 2, .toShell = 1});
    showPage(*loadForm, 0);
    EXPECT_FALSE(loadForm->checkPlausibility());
    EXPECT_EQ(messages.inputErrors, QStringList{"Schalereihenfolge ist falsch"});
    EXPECT_EQ(loadForm->pages()->currentIndex(), 4);
    EXPECT_EQ(loadForm->pages()->tabText(4), "Wasserlast");
}

TEST_F(InputFormTest, SelfWeightBoxSetsTheSwitchAndMarksTheLoadCase) {
    model.setSelfWeight(true);
    loadForm = std::make_unique<TLoadForm>(model, documents, messages);
    QCheckBox& box = *loadForm->selfWeightBox();
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(box.text(), "Ei&gengewicht");
    showPage(*loadForm, 0);
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_FALSE(model.selfWeight());
    EXPECT_TRUE(documents.isModified(DocumentKind::Load));
    EXPECT_FALSE(documents.isModified(DocumentKind::System));
    loadForm = std::make_unique<TLoadForm>(model, documents, messages);
    EXPECT_FALSE(loadForm->selfWeightBox()->isChecked());
}

TEST_F(InputFormTest, PagesCarryTheTablesCaptionsAndColumnLayouts) {
    const TUserGrid& nodes = *systemForm->grid(0);
    EXPECT_EQ(systemForm->pages()->tabText(0), "Knoten");
    EXPECT_EQ(nodes.objectName(), "KoorGrid");
    EXPECT_EQ(nodes.fixedRows(), 2);
    const TUserHeader* coordinates = nodes.header(0, 2);
    ASSERT_NE(coordinates, nullptr);
    EXPECT_EQ(coordinates->Text, "Knotenkoordinaten");
    EXPECT_EQ(coordinates->ColB, 1);
    EXPECT_EQ(coordinates->ColE, 2);
    EXPECT_EQ(nodes.header(1, 0)->Text, "Nr.");
    EXPECT_EQ(nodes.columnWidth(1), 100);
    EXPECT_EQ(nodes.columnWidth(3), 20);
    const TUserGrid& shellLoads = *loadForm->grid(1);
    EXPECT_EQ(loadForm->pages()->tabText(1), "Flächenlast");
    EXPECT_EQ(shellLoads.fixedRows(), 3);
    EXPECT_EQ(shellLoads.header(0, 6)->ColB, 3);
    EXPECT_EQ(shellLoads.header(1, 4)->Text, "Querrichtung");
    EXPECT_EQ(shellLoads.header(1, 4)->ColB, 3);
    EXPECT_EQ(shellLoads.header(1, 5)->Text, "Längsrichtung");
    EXPECT_EQ(shellLoads.header(2, 5)->Text, "Anfang");
    EXPECT_EQ(shellLoads.header(0, 1)->RowE, 1);
    EXPECT_EQ(loadForm->grid(3)->descriptor(3)->Center, true);
    // "Ungleichmässige" widens its column beyond the requested 84.
    const TUserGrid& temperature = *loadForm->grid(6);
    EXPECT_GT(temperature.columnWidth(4), 84);
    EXPECT_GE(temperature.columnWidth(4),
              temperature.fontMetrics().horizontalAdvance("Ungleichmässige") + 4);
    EXPECT_EQ(temperature.columnWidth(3), 100);
    EXPECT_EQ(systemForm->helpContext(), 10050);
    EXPECT_EQ(loadForm->grid(6)->helpContext, 10160);
}

// On every page the columns fill the grid: the window is as wide as the
// page's columns or, where the page tabs need more, the last column takes
// the rest; no empty band stands beside the grid.
TEST_F(InputFormTest, EveryPageOfTheInputWindowsIsAsWideAsItsGridAndItsTabs) {
    for (InputForm* form :
         {static_cast<InputForm*>(loadForm.get()), static_cast<InputForm*>(systemForm.get())})
        for (int page = 0; page < form->pageCount(); ++page) {
            TUserGrid& grid = showPage(*form, page);
            QApplication::processEvents();
            EXPECT_EQ(grid.GetDWidth(), 0) << grid.objectName().toStdString();
            EXPECT_GE(form->pages()->width(), form->pages()->tabBar()->sizeHint().width());
        }
}

TEST_F(InputFormTest, RowInsertMarksTheDocumentModified) {
    TUserGrid& grid = showPage(*systemForm, 0);
    model.nodes.changeValid(0, 0, rowFromFile);
    documents.setModified(DocumentKind::System, false);
    key(grid, Qt::Key_Insert, Qt::AltModifier);
    EXPECT_TRUE(model.nodes.isDefined(1));
    EXPECT_TRUE(documents.isModified(DocumentKind::System));
}

TEST_F(InputFormTest, CaptionsFollowTheFileNames) {
    EXPECT_EQ(systemForm->windowTitle(), " Geometrie:  ");
    EXPECT_EQ(loadForm->windowTitle(), " Belastung: ");
    QTemporaryDir folder;
    const std::string path = folder.filePath("a.vsy").toStdString();
    dialogs.saveName = path;
    documents.save(DocumentKind::System);
    EXPECT_EQ(systemForm->windowTitle(), QString::fromStdString(" Geometrie:  " + path));
    EXPECT_EQ(loadForm->windowTitle(), " Belastung: ");
    documents.newDocument(DocumentKind::System);
    EXPECT_EQ(systemForm->windowTitle(), " Geometrie:  ");
}

TEST_F(InputFormTest, CtrlPageKeysSwitchPagesWithoutWrappingAndTheGridKeepsTheFocus) {
    TUserGrid& first = showPage(*loadForm, 0);
    key(first, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(loadForm->pages()->currentIndex(), 0);
    const int last = loadForm->pages()->count() - 1;
    for (int page = 1; page <= last; ++page) {
        key(*loadForm->currentGrid(), Qt::Key_PageDown, Qt::ControlModifier);
        EXPECT_EQ(loadForm->pages()->currentIndex(), page);
        EXPECT_TRUE(loadForm->currentGrid()->hasFocus());
    }
    key(*loadForm->currentGrid(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(loadForm->pages()->currentIndex(), last);
    key(*loadForm->currentGrid(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(loadForm->pages()->currentIndex(), last - 1);
}

TEST_F(InputFormTest, TheMainWindowsKeysPassTheGrid) {
    TUserGrid& grid = showPage(*systemForm, 0);
    EXPECT_FALSE(gridKeeps(grid, Qt::Key_F1, {}));
    EXPECT_FALSE(gridKeeps(grid, Qt::Key_F4, {}));
    EXPECT_FALSE(gridKeeps(grid, Qt::Key_S, Qt::ControlModifier, "\x13"));
    EXPECT_FALSE(gridKeeps(grid, Qt::Key_B, Qt::ControlModifier, "\x02"));
    EXPECT_FALSE(gridKeeps(grid, Qt::Key_X, Qt::AltModifier, "x"));
    EXPECT_FALSE(gridKeeps(grid, Qt::Key_E, Qt::AltModifier, "e"));
    EXPECT_TRUE(gridKeeps(grid, Qt::Key_C, Qt::AltModifier, "c"));
    EXPECT_TRUE(gridKeeps(grid, Qt::Key_V, Qt::ControlModifier, "\x16"));
    EXPECT_TRUE(gridKeeps(grid, Qt::Key_Z, Qt::ControlModifier, "\x1a"));
    EXPECT_TRUE(gridKeeps(grid, Qt::Key_Delete, Qt::ControlModifier));
    EXPECT_TRUE(gridKeeps(grid, Qt::Key_5, {}, "5"));
    EXPECT_EQ(grid.editText(), "5");
}

TEST_F(InputFormTest, CursorMessageMovesToTheRowAndColumn) {
    TUserGrid& grid = showPage(*systemForm, 2);
    WindowMessage message(windowmessages::moveCursor, 60, 4);
    QApplication::sendEvent(&grid, &message);
    EXPECT_EQ(grid.currentTableRow(), 60);
    EXPECT_EQ(grid.currentColumn(), 4);
    EXPECT_GE(grid.rowCount(), 61 + grid.fixedRows());
}

TEST_F(InputFormTest, ClosingTheWindowKeepsWhatWasTyped) {
    TUserGrid& grid = showPage(*systemForm, 2);
    type(grid, "21");
    systemForm.reset(); // the pending text is stored, the tables stay
    ASSERT_TRUE(model.materials.isDefined(0));
    EXPECT_DOUBLE_EQ(model.materials.row(0).youngsModulus, 21.0);
    EXPECT_EQ(model.materials.grid(), nullptr);
}

TEST_F(InputFormTest, OpeningAFileRefreshesTheGridsAndTheCheckBox) {
    showPage(*loadForm, 0);
    QTemporaryDir folder;
    const std::string path = folder.filePath("l.vla").toStdString();
    Model other;
    other.setSelfWeight(true);
    addRow(other.nodeLoads, NodeLoadRecord{.node = 3, .loadZ = 2.0});
    ASSERT_TRUE(writeTextFileAtomically(path, writeLoadText(other)));
    dialogs.openName = path;
    loadForm->toolBar()->actions().at(1)->trigger(); // "Lastfall öffnen"
    EXPECT_TRUE(loadForm->selfWeightBox()->isChecked());
    EXPECT_EQ(loadForm->grid(0)->editText(), "3");
    EXPECT_EQ(loadForm->windowTitle(), QString::fromStdString(" Belastung: " + path));
}

} // namespace
