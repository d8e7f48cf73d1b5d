#include "InputFixture.h"

#include "checks/LoadCheck.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "support/ModelRows.h"

#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <functional>

using namespace venkar;
using namespace venkar::test;

namespace {

class CircumferentialInputTest : public InputFixture {
protected:
    void undo(TUserGrid& grid) { key(grid, Qt::Key_Z, Qt::ControlModifier); }
    void redo(TUserGrid& grid) { key(grid, Qt::Key_Y, Qt::ControlModifier); }

    void readExample(const char* system, const char* load) {
        const std::string folder = std::string(VENKAR_EXAMPLES_DIR) + "/";
        ASSERT_TRUE(documents.openFile(DocumentKind::System, folder + system));
        ASSERT_TRUE(documents.openFile(DocumentKind::Load, folder + load));
    }

    // Types `text` into the harmonic count field and leaves it with Enter.
    void typeHarmonicCount(const QString& text) {
        QLineEdit& field = *loadForm->harmonicCountField();
        field.setFocus();
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClicks(&field, text);
        QTest::keyClick(&field, Qt::Key_Return);
    }

    std::vector<std::pair<double, double>> coefficients() const {
        std::vector<std::pair<double, double>> rows;
        for (int row : model.windCoefficients.definedRows())
            rows.emplace_back(model.windCoefficients.row(row).angle,
                              model.windCoefficients.row(row).coefficient);
        return rows;
    }
};

enum LoadPage { windPage = 7, coefficientPage = 8, siloPage = 12 };

TEST_F(CircumferentialInputTest, TheHarmonicCountFieldTakesOneToFourHundredAsStepsOfTheLoadCase) {
    TUserGrid& grid = showPage(*loadForm, 0);
    EXPECT_EQ(loadForm->harmonicCountField()->placeholderText(), "40");
    const QString refused = "Anzahl der Harmonischen nicht zwischen 1 und 400";
    struct Entry {
        const char* typed;
        int count;         // the count afterwards
        bool message;      // refused with the message
        const char* shown; // the field's text afterwards
    };
    const Entry entries[] = {
        {"120", 120, false, "120"}, {"0", 120, true, "120"},  {"401", 120, true, "120"},
        {"1,5", 120, true, "120"},  {"-3", 120, true, "120"}, {"400", 400, false, "400"},
        {"", 0, false, ""},         {" 1 ", 1, false, "1"},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.typed);
        messages.inputErrors.clear();
        typeHarmonicCount(QString::fromLatin1(entry.typed));
        EXPECT_EQ(model.harmonicCount(), entry.count);
        EXPECT_EQ(messages.inputErrors, entry.message ? QStringList{refused} : QStringList{});
        EXPECT_EQ(loadForm->harmonicCountField()->text(), entry.shown);
    }
    EXPECT_TRUE(documents.isModified(DocumentKind::Load));
    EXPECT_TRUE(grid.hasFocus()); // Enter hands the keys back to the grid
    // Four accepted changes: 120, 400, not set, 1; undone back to the start.
    for (const int before : {0, 400, 120, 0}) {
        undo(grid);
        EXPECT_EQ(model.harmonicCount(), before);
    }
    EXPECT_EQ(loadForm->harmonicCountField()->text(), "");
    EXPECT_FALSE(documents.isModified(DocumentKind::Load));
    redo(grid);
    EXPECT_EQ(model.harmonicCount(), 120);
    EXPECT_EQ(loadForm->harmonicCountField()->text(), "120");
    // The count is written to the load file and read back into the field.
    Model read;
    readLoadText(read, writeLoadText(model));
    EXPECT_EQ(read.harmonicCount(), 120);
}

// "Vorlage…" on the page of the pressure coefficients: the three cylinder
// cases offered, the question before rows go, one undo step.
TEST_F(CircumferentialInputTest, VorlageAsksBeforeReplacingRowsAndIsOneUndoStep) {
    TUserGrid& grid = showPage(*loadForm, coefficientPage);
    QToolButton* button = loadForm->findChild<QToolButton*>("PresetButton");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(grid.blockMenu()->actions().contains(loadForm->presetAction()));
    type(grid, "0\t0,7\t180\t-0,5\t");
    const std::vector<std::pair<double, double>> typed{{0, 0.7}, {180, -0.5}};
    ASSERT_EQ(coefficients(), typed);

    // Re = 10^7 without end effect: Table 7.12's points.
    const std::vector<std::pair<double, double>> preset{
        {0, 1.0}, {75, -1.5}, {105, -0.8}, {180, -0.8}};
    messages.presetChoice = PresetChoice{2, 1.0};
    messages.replaceAnswer = false;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(messages.presetNames,
              (QStringList{"EN 1991-1-4 Zylinder, Re = 5·10^5", "EN 1991-1-4 Zylinder, Re = 2·10^6",
                           "EN 1991-1-4 Zylinder, Re = 10^7"}));
    EXPECT_EQ(messages.replaceQuestions,
              QStringList{"Die vorhandenen Druckbeiwerte durch die Vorlage ersetzen?"});
    EXPECT_EQ(coefficients(), typed); // "Nein" keeps the rows

    messages.replaceAnswer = true;
    loadForm->presetAction()->trigger();
    EXPECT_EQ(coefficients(), preset);
    EXPECT_FALSE(checkLoad(model)); // a table the check accepts
    EXPECT_TRUE(grid.hasFocus());
    undo(grid);
    EXPECT_EQ(coefficients(), typed);
    redo(grid);
    EXPECT_EQ(coefficients(), preset);

    // A factor outside 0 < ψλ ≤ 1 is refused; a cancelled dialog changes
    // nothing; on an empty table nothing is asked.
    messages.presetChoice = PresetChoice{0, 1.5};
    loadForm->presetAction()->trigger();
    EXPECT_EQ(messages.inputErrors,
              QStringList{"Der Schlankheitsfaktor ψλ liegt zwischen 0 und 1"});
    messages.presetChoice.reset();
    loadForm->presetAction()->trigger();
    EXPECT_EQ(coefficients(), preset);
    model.windCoefficients.clearAll();
    messages.replaceQuestions.clear();
    messages.presetChoice = PresetChoice{0, 0.7};
    loadForm->presetAction()->trigger();
    EXPECT_TRUE(messages.replaceQuestions.isEmpty());
    ASSERT_GT(coefficients().size(), 4u); // ψλ < 1 adds points between α_min and α_A
    EXPECT_EQ(coefficients().front(), (std::pair<double, double>{0, 1.0}));
    EXPECT_DOUBLE_EQ(coefficients().back().second, -0.4 * 0.7);

    // The command belongs to this page alone.
    loadForm->pages()->setCurrentIndex(windPage);
    QApplication::processEvents();
    EXPECT_FALSE(button->isVisible());
}

// A fault in a row of the new tables opens its page with the cursor on the
// faulty cell before the message shows.
TEST_F(CircumferentialInputTest, AFaultyWindOrSiloRowPutsTheCursorOnItsCell) {
    struct Case {
        const char* system;
        const char* load;
        std::function<void(Model&)> spoil;
        int page;
        int row;    // table row
        int column; // grid column
        const char* message;
    };
    const Case cases[] = {
        {"windtank.vsy", "windtank.vla", [](Model& m) { m.windLoads.rowAt(0).shell = 7; }, windPage,
         0, 1, "Die Schale ist nicht definiert !"},
        {"windtank.vsy", "windtank.vla", [](Model& m) { m.windCoefficients.rowAt(2).angle = 60; },
         coefficientPage, 2, 1, ""},
        {"silo.vsy", "silo.vla", [](Model& m) { m.siloLoads.rowAt(0).pressureRatio = 1.5; },
         siloPage, 0, 4, "K muss zwischen 0 und 1 liegen !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.load);
        readExample(c.system, c.load);
        showPage(*loadForm, 0);
        c.spoil(model);
        int page = -1;
        TUserGrid::GridCell cursor;
        messages.inputErrors.clear();
        messages.onInputError = [&] {
            page = loadForm->pages()->currentIndex();
            cursor = {loadForm->currentGrid()->currentTableRow(),
                      loadForm->currentGrid()->currentColumn()};
        };
        EXPECT_FALSE(loadForm->checkPlausibility());
        ASSERT_EQ(messages.inputErrors.size(), 1);
        if (*c.message) {
            EXPECT_EQ(messages.inputErrors.front(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(page, c.page);
        EXPECT_EQ(cursor.row, c.row);
        EXPECT_EQ(cursor.column, c.column);
    }
}

} // namespace
