#include "MainWindowFixture.h"

#include "app/AboutBox.h"
#include "app/ConfigurationWindow.h"
#include "app/GraphWindow.h"
#include "app/HelpBrowser.h"
#include "app/HelpContext.h"
#include "graphics/GraphView.h"
#include "input/ShapeDialog.h"
#include "input/SystemForm.h"
#include "input/UndoHistory.h"
#include "input/UserGrid.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

using namespace venkar;
using namespace venkar::testing;

namespace fs = std::filesystem;

using MainWindowChildrenTest = MainWindowFixture;

TEST_F(MainWindowChildrenTest, GrafikOpensAnotherGraphWindowEachTimeWithTheValidResults) {
    openExamples("wassertank");
    trigger("&Zeigen", "Grafik");
    ASSERT_EQ(window->graphWindows().size(), 1u);
    EXPECT_EQ(window->graphWindows()[0]->graphView().results(), nullptr);

    trigger("&Berechnen");
    trigger("&Zeigen", "Grafik");
    const std::vector<TGraphForm*> graphs = window->graphWindows();
    ASSERT_EQ(graphs.size(), 2u);
    // The calculation handed its results to the open window as well.
    EXPECT_NE(graphs[0]->graphView().results(), nullptr);
    EXPECT_NE(graphs[1]->graphView().results(), nullptr);

    model.nodes.setCell(0, 0, 6.5); // results dropped everywhere
    EXPECT_EQ(graphs[0]->graphView().results(), nullptr);
    EXPECT_EQ(graphs[1]->graphView().results(), nullptr);
}

TEST_F(MainWindowChildrenTest, GrafikenDruckenPrintsAllGraphWindowsOnOnePage) {
    openExamples("kuppel");
    trigger("&Zeigen", "Grafik");
    trigger("&Zeigen", "Grafik");
    const fs::path pdf = folder / "blatt.pdf";
    graphDialogs.printerPdfFile = QString::fromStdString(pdf.string());
    trigger("&Datei", "Grafiken &drucken");
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_GT(fs::file_size(pdf), 1000u);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowChildrenTest, KonfigurationShowsOneConfigurationWindow) {
    EXPECT_EQ(window->configurationWindow(), nullptr);
    trigger("E&instellung", "Konfiguration");
    TTreeForm* first = window->configurationWindow();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    first->hide();
    trigger("E&instellung", "Konfiguration");
    EXPECT_EQ(window->configurationWindow(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(MainWindowChildrenTest, HelpOpensAtTheContentsAndAtTheContextOfTheFocusedWindow) {
    // The help pages lie next to the program in the build tree.
    window.reset();
    places.programPath = VENKAR_PROGRAM;
    window = std::make_unique<TMDIAppForm>(model, analysis, settings, services(), places);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    HelpBrowser& help = window->helpBrowser();
    EXPECT_FALSE(help.isVisible());
    trigger("&Hilfe", "Inhalt");
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(help.currentPage().isEmpty());
    help.hide();

    // F1 in the system window opens the section of its current page.
    press(Qt::Key_S, Qt::ControlModifier);
    TSystemForm* systemWindow = window->existingSystemWindow();
    TUserGrid* grid = systemWindow->currentGrid();
    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_TRUE(help.isVisible());
    const std::optional<HelpTarget> nodes = HelpPages::contextTarget(10080);
    ASSERT_TRUE(nodes);
    EXPECT_EQ(help.currentPage(), nodes->page);
    EXPECT_EQ(help.currentAnchor(), nodes->anchor);
}

TEST_F(MainWindowChildrenTest, InfoShowsTheAboutBoxModally) {
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = window->aboutBox().isModal() && window->aboutBox().isVisible();
        QTest::mouseClick(window->aboutBox().okButton(), Qt::LeftButton);
    });
    trigger("&Hilfe", "&Info...");
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(window->aboutBox().isVisible());
}

TEST_F(MainWindowChildrenTest, FormErzeugenAppendsTheShapeAsOneStepAndF1OpensItsHelp) {
    window.reset(); // with the help pages next to the program
    places.programPath = VENKAR_PROGRAM;
    window = std::make_unique<TMDIAppForm>(model, analysis, settings, services(), places);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    openExamples("wassertank"); // two nodes: the tank's foot and its top at r = 6
    HelpBrowser& help = window->helpBrowser();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<TShapeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = true;
        // The offscreen platform leaves the main window active under a
        // modal child; the keys go to the dialog as on a desktop.
        QApplication::setActiveWindow(dialog);
        EXPECT_EQ(QApplication::activeWindow(), dialog);
        EXPECT_EQ(HelpBrowser::helpContextOf(dialog), help::shapeDialog);
        dialog->shapeList()->setFocus();
        QTest::keyClick(dialog->shapeList(), Qt::Key_F1);
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(help.currentPage(), "formen.md");
        help.hide();
        // A 2:1 head on the top node, bulging up, in the tank's material.
        dialog->shapeList()->setFocus();
        for (int i = 0; i < TShapeDialog::EllipsoidalHead; ++i)
            QTest::keyClick(dialog->shapeList(), Qt::Key_Down);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    trigger("&Eingabe", "&Form erzeugen…");
    ASSERT_TRUE(shown);
    EXPECT_EQ(model.shells.row(1).startNode, 2);
    EXPECT_EQ(model.nodes.row(model.nodes.lastDefinedRow() - 1).r, 0.0); // the crown
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("Form erzeugt: Schalen 2 bis "));
    ASSERT_NE(window->existingSystemWindow(), nullptr);
    EXPECT_TRUE(window->existingSystemWindow()->isVisible());

    window->existingSystemWindow()->history().undo();
    EXPECT_EQ(model.shells.definedCount(), 1);
    EXPECT_EQ(model.nodes.definedCount(), 2);
    EXPECT_FALSE(window->documents().isModified(DocumentKind::System));
}
