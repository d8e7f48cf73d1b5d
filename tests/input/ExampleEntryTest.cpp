#include "InputFixture.h"

#include "input/UserInt.h"
#include "input/UserList.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QToolBar>

using namespace venkar;
using namespace venkar::test;

namespace {

// Types a whole document into its window with key clicks alone: for each page
// (reached with Ctrl+PgDown) the defined rows of the reference table, cell by
// cell, the way a user enters them.
class ExampleEntryTest : public InputFixture {
protected:
    // The keys that enter `value` into a cell of the column `cell`. Flag
    // columns move on by themselves; the others are left with Tab.
    static void enterValue(TUserGrid& grid, const TUserCell& cell, CellValue value) {
        if (const auto* list = dynamic_cast<const TUserList*>(&cell)) {
            if (list->MaxTextLen == 1) {
                type(grid, cellAsInt(value) ? "1" : "0");
                return;
            }
            type(grid, list->List.at(cellAsInt(value)).left(1).toLower());
        } else if (static_cast<const TUserInt&>(cell).typ() == TUserInt::uInteger) {
            type(grid, QString::number(cellAsInt(value)));
        } else {
            // Full precision, with a decimal comma where there is a point.
            type(grid, QString::number(cellAsDouble(value), 'g', 17).replace(u'.', u','));
        }
        key(grid, Qt::Key_Tab);
    }

    void enterDocument(InputForm& form, const std::vector<const InputContainer*>& reference) {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        for (std::size_t page = 0; page < reference.size(); ++page) {
            TUserGrid* grid = form.currentGrid();
            ASSERT_EQ(grid, form.grid(static_cast<int>(page)));
            ASSERT_TRUE(grid->hasFocus());
            const InputContainer& table = *reference[page];
            for (int row = 0; row < table.lastDefinedRow(); ++row) {
                ASSERT_EQ(grid->currentTableRow(), row);
                if (!table.isDefined(row)) {
                    key(*grid, Qt::Key_Down);
                    continue;
                }
                for (int column = 1; column < grid->columnCount(); ++column)
                    enterValue(*grid, *grid->descriptor(column), *table.value(row, column - 1));
            }
            key(*grid, Qt::Key_PageDown, Qt::ControlModifier);
        }
    }

    static std::string example(const char* name) {
        return readTextFile(std::string(VENKAR_EXAMPLES_DIR) + "/" + name).value();
    }

    QTemporaryDir folder;
};

// The water tank, the wind tank (wind, pressure coefficients and the ring's
// cross-section for the harmonics) and the silo (silo and hopper loads).
TEST_F(ExampleEntryTest, EachExampleTypedWithKeysAloneSavesItsFiles) {
    const std::pair<const char*, const char*> examples[] = {
        {"wassertank.vsy", "wassertank.vla"},
        {"windtank.vsy", "windtank.vla"},
        {"silo.vsy", "silo.vla"},
    };
    for (const auto& [systemName, loadName] : examples) {
        SCOPED_TRACE(systemName);
        TearDown();
        model = Model();
        documents.newDocument(DocumentKind::System);
        documents.newDocument(DocumentKind::Load);
        messages.beeps = 0;
        SetUp();
        Model reference;
        const std::string systemText = example(systemName);
        const std::string loadText = example(loadName);
        readSystemText(reference, systemText);
        readLoadText(reference, loadText);

        const auto systemTables = reference.systemTables();
        enterDocument(*systemForm, {systemTables.begin(), systemTables.end()});
        const auto loadTables = reference.loadTables();
        enterDocument(*loadForm, {loadTables.begin(), loadTables.end()});
        if (reference.selfWeight()) {
            QTest::keyClick(loadForm->currentGrid(), Qt::Key_G, Qt::AltModifier);
            QTest::qWait(300); // the check box's animated click
        }
        EXPECT_EQ(model.selfWeight(), reference.selfWeight());
        EXPECT_EQ(loadForm->selfWeightBox()->isChecked(), reference.selfWeight());
        EXPECT_EQ(messages.beeps, 0);

        // "Geometrie Speichern" and "Lastfall Speichern" ask for the names.
        const std::string systemPath = folder.filePath(systemName).toStdString();
        dialogs.saveName = systemPath;
        systemForm->toolBar()->actions().at(2)->trigger();
        const std::string loadPath = folder.filePath(loadName).toStdString();
        dialogs.saveName = loadPath;
        loadForm->toolBar()->actions().at(2)->trigger();

        EXPECT_EQ(readTextFile(systemPath).value(), systemText);
        EXPECT_EQ(readTextFile(loadPath).value(), loadText);
        EXPECT_FALSE(documents.isModified(DocumentKind::System));
        EXPECT_FALSE(documents.isModified(DocumentKind::Load));
        EXPECT_EQ(systemForm->windowTitle(), QString::fromStdString(" Geometrie:  " + systemPath));
        EXPECT_EQ(loadForm->windowTitle(), QString::fromStdString(" Belastung: " + loadPath));
    }
}

} // namespace
