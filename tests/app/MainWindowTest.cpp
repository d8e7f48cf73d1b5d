#include "MainWindowFixture.h"

#include "analysis/AnalysisModel.h"
#include "app/StatusWindow.h"
#include "batch/BatchStatus.h"
#include "graphics/ConfigurationFile.h"
#include "input/LoadForm.h"
#include "input/SystemForm.h"
#include "input/UserGrid.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>

#include <sstream>

using namespace venkar;
using namespace venkar::testing;

namespace fs = std::filesystem;

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, CaptionMenusShortcutsAndHintsAreThoseOfTheProgram) {
    EXPECT_EQ(window->windowTitle(),
              "Venkar - Programm zur Berechnung von rotationssymmetrischen Schalen");
    QStringList menus;
    for (QAction* action : window->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({"&Datei", "&Eingabe", "&Berechnen", "Be&ulanalyse", "&Zeigen",
                                  "E&instellung", "&Fenster", "&Hilfe"}));
    EXPECT_EQ(menuItem("&Datei", "System öffnen")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(menuItem("&Datei", "&Speichern...")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(menuItem("&Datei", "&Beenden")->shortcut(), QKeySequence("Alt+X"));
    EXPECT_EQ(menuItem("&Eingabe", "&System")->shortcut(), QKeySequence("Ctrl+S"));

    // The mouse over a menu item shows its hint in the status bar.
    EXPECT_EQ(hintOf("&Datei", "System öffnen"), "Datei öffnen");
    EXPECT_EQ(hintOf("&Datei", "&Beenden"), "Anwendung beenden");
    EXPECT_EQ(hintOf("&Fenster", "&Symbole anordnen"),
              "Fenstersymbole am unteren Rand des Hauptfensters anordnen");
}

TEST_F(MainWindowTest, OpeningBothExamplesShowsTheirNamesWithoutMarkers) {
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: ");
    openExamples("wassertank");
    EXPECT_EQ(dialogs.openDialogs,
              (std::vector<DocumentKind>{DocumentKind::System, DocumentKind::Load}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: wassertank.vsy");
    EXPECT_EQ(window->toolBarText(DocumentKind::Load), "Lastfall: wassertank.vla");
    EXPECT_FALSE(window->markerShown(DocumentKind::System));
    EXPECT_FALSE(window->markerShown(DocumentKind::Load));

    model.snowLoads.setCell(0, 2, 0.25);
    EXPECT_FALSE(window->markerShown(DocumentKind::System));
    EXPECT_TRUE(window->markerShown(DocumentKind::Load));
}

TEST_F(MainWindowTest, CalculationEndsWithFertigAndTheFiguresOfTheBatchCommand) {
    openExamples("wassertank");
    trigger("&Berechnen");
    TSolForm& status = window->statusWindow();
    EXPECT_TRUE(status.isVisible());
    EXPECT_FALSE(status.finishButton()->isHidden());
    EXPECT_TRUE(status.errorButton()->isHidden());
    EXPECT_EQ(status.highlightedPhase(), 0);
    EXPECT_EQ(analysis.resultsValid, 1);
    EXPECT_TRUE(dialogs.shown.empty());

    Model batchModel;
    readSystemText(batchModel, *readTextFile(examplePath("wassertank.vsy")));
    readLoadText(batchModel, *readTextFile(examplePath("wassertank.vla")));
    AnalysisModel batchAnalysis;
    std::ostringstream ignored;
    BatchStatus batch(ignored, false);
    ASSERT_TRUE(calculate(batchModel, batchAnalysis, batch, batch));
    for (const StatusCount count :
         {StatusCount::nodes, StatusCount::elements, StatusCount::dofs, StatusCount::constraints,
          StatusCount::memoryBytes, StatusCount::bandwidth})
        EXPECT_EQ(status.countText(count).toLongLong(), batch.count(count));
    EXPECT_GT(batch.count(StatusCount::nodes), 0);
}

TEST_F(MainWindowTest, ReportsOpenInViewersThatAModelChangeStops) {
    trigger("&Zeigen", "Ergebnisse");
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>{"Information: Keine Ergebnisse sind vorhanden"});
    EXPECT_TRUE(launcher.started.empty());

    openExamples("wassertank");
    trigger("&Berechnen");
    trigger("&Zeigen", "Eingabeprotokoll");
    trigger("&Zeigen", "Ergebnisse");
    ASSERT_EQ(launcher.started.size(), 2u);
    for (const auto& start : launcher.started) {
        EXPECT_EQ(start.program, (folder / "bin/venkar-view").string());
        // The own viewer gets its options first and the report file last.
        ASSERT_FALSE(start.arguments.empty());
        EXPECT_TRUE(fs::exists(start.arguments.back()));
    }
    const std::string results = *readTextFile(launcher.started[1].arguments.back());
    EXPECT_NE(results.find("wassertank.vsy"), std::string::npos);
    EXPECT_EQ(launcher.running.size(), 2u);

    // A new calculation stops the results viewer only.
    trigger("&Berechnen");
    EXPECT_EQ(launcher.running, std::vector<ProcessLauncher::ProcessId>{launcher.started[0].id});

    trigger("&Zeigen", "Ergebnisse");
    model.nodes.setCell(0, 0, 1.5); // any edit stops every viewer and drops the results
    EXPECT_TRUE(launcher.running.empty());
    EXPECT_EQ(analysis.resultsValid, 0);
    dialogs.shown.clear();
    trigger("&Zeigen", "Ergebnisse");
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>{"Information: Keine Ergebnisse sind vorhanden"});
}

TEST_F(MainWindowTest, NeuAsksForTheSystemFirstAndThenForTheLoadCase) {
    openExamples("kuppel");
    model.nodes.setCell(0, 0, 2.0);
    model.snowLoads.setCell(0, 2, 0.5);
    dialogs.answers = {Answer::Cancel, Answer::No};
    trigger("&Datei", "Neu");
    EXPECT_EQ(dialogs.asked,
              (std::vector<std::string>{"System geändert: Geometrie erst speichern ?",
                                        "Lasfall geändert: Lasteingaben erst speichern ?"}));
    // Cancelling the system query kept the system; the load case was emptied.
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: kuppel.vsy");
    EXPECT_TRUE(window->markerShown(DocumentKind::System));
    EXPECT_EQ(window->toolBarText(DocumentKind::Load), "Lastfall: ");
    EXPECT_EQ(model.snowLoads.definedCount(), 0);
}

TEST_F(MainWindowTest, ClosingAsksInOrderAndCancelKeepsTheProgramOpen) {
    openExamples("kuppel");
    model.nodes.setCell(0, 0, 2.0);
    model.snowLoads.setCell(0, 2, 0.5);
    dialogs.answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(model.nodes.row(0).r, 2.0); // nothing cleared
    EXPECT_FALSE(fs::exists(places.configurationFile));

    dialogs.asked.clear();
    dialogs.answers = {Answer::No, Answer::No};
    settings.values.editorAndMargins.marginTop = 9;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs.asked.size(), 2u);
    // The configuration written at the end keeps the full viewer path.
    const std::string configuration = *readTextFile(places.configurationFile);
    EXPECT_NE(configuration.find((folder / "bin/venkar-view").string()), std::string::npos);
    EXPECT_NE(configuration.find("Oben"), std::string::npos);
}

TEST_F(MainWindowTest, TheConfigurationIsReadAtTheStart) {
    window.reset();
    {
        GraphSettings written;
        written.values.editorAndMargins.editor = "/usr/bin/mein-editor";
        written.values.editorAndMargins.marginLeft = 17;
        ASSERT_TRUE(writeSettings(written.root(), places.configurationFile));
    }
    window = std::make_unique<TMDIAppForm>(model, analysis, settings, services(), places);
    EXPECT_EQ(settings.values.editorAndMargins.editor, "/usr/bin/mein-editor");
    EXPECT_EQ(settings.values.editorAndMargins.marginLeft, 17);
}

TEST_F(MainWindowTest, FailingFileOperationsShowTheirMessages) {
    dialogs.openNames = {(folder / "fehlt.vsy").string()};
    press(Qt::Key_F3);
    dialogs.openNames = {(folder / "fehlt.vla").string()};
    press(Qt::Key_F4);
    EXPECT_EQ(dialogs.shown,
              (std::vector<std::string>{"Fehler: Fehler beim öffnen der Systemdatei",
                                        "Fehler: Fehler beim öffnen der Lastdatei"}));
    dialogs.shown.clear();

    model.nodes.setCell(0, 0, 1.0);
    dialogs.saveNames = {(folder / "kein/ordner/system").string()};
    trigger("&Datei", "&Speichern...");
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>{"Fehler: Fehler beim öffnen der Systemdatei"});
    EXPECT_TRUE(window->markerShown(DocumentKind::System));
}

TEST_F(MainWindowTest, AnErrorRaisedInACommandEndsOnlyThatCommand) {
    const fs::path broken = folder / "lang.vsy";
    ASSERT_TRUE(writeTextFileAtomically(broken, "NODES\n1\n" + std::string(5000, '1') + "\n"));
    dialogs.openNames = {broken.string()};
    press(Qt::Key_F3);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("Fehler: ", 0), 0u) << dialogs.shown[0];
    // The program goes on: the next command works (the partly read system
    // counts as modified and is not saved).
    dialogs.answers = {Answer::No};
    dialogs.openNames = {examplePath("wassertank.vsy")};
    press(Qt::Key_F3);
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: wassertank.vsy");
}

TEST_F(MainWindowTest, AnEditorSettingNamingAMissingProgramGivesItsMessage) {
    settings.values.editorAndMargins.editor = "/nicht/vorhanden/editor";
    launcher.missing = "/nicht/vorhanden/editor";
    trigger("&Zeigen", "Eingabeprotokoll");
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>{"Fehler: Programm '/nicht/vorhanden/editor' kann nicht "
                                       "ausgeführt werden"});
}

TEST_F(MainWindowTest, CalculationFaultsAreShownUnderTheirCaptions) {
    openExamples("wassertank");
    model.materials.setCell(0, 0, 0.0);
    trigger("&Berechnen");
    // The system window appears at the faulty cell with the check's message.
    EXPECT_EQ(inputMessages.inputErrors, QStringList{"Ungültiger E-Modul !"});
    ASSERT_TRUE(window->existingSystemWindow());
    EXPECT_EQ(window->existingSystemWindow()->pages()->tabText(
                  window->existingSystemWindow()->pages()->currentIndex()),
              "Materialien");
    EXPECT_EQ(window->mdiArea().activeSubWindow()->widget(), window->existingSystemWindow());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(window->statusWindow().isVisible());
    EXPECT_EQ(analysis.resultsValid, 0);
}

TEST_F(MainWindowTest, InputWindowsAreMadeOnFirstUseAndAnewAfterClosing) {
    EXPECT_FALSE(window->existingSystemWindow());
    press(Qt::Key_S, Qt::ControlModifier);
    TSystemForm* first = window->existingSystemWindow();
    ASSERT_TRUE(first);
    press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_TRUE(window->existingLoadWindow());
    EXPECT_EQ(window->mdiArea().subWindowList().size(), 2);
    EXPECT_EQ(window->mdiArea().activeSubWindow()->widget(), window->existingLoadWindow());

    press(Qt::Key_S, Qt::ControlModifier); // the same window again
    EXPECT_EQ(window->existingSystemWindow(), first);
    EXPECT_EQ(window->mdiArea().activeSubWindow()->widget(), first);

    first->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window->existingSystemWindow());
    EXPECT_EQ(window->mdiArea().subWindowList().size(), 1);
    trigger("&Eingabe", "&System");
    EXPECT_TRUE(window->existingSystemWindow());

    // The window list names both windows.
    auto* windowMenu = qobject_cast<QMenu*>(menuItem("&Fenster", "&Untereinander")->parent());
    ASSERT_TRUE(windowMenu);
    emit windowMenu->aboutToShow();
    QStringList items;
    for (QAction* action : windowMenu->actions())
        items << action->text();
    EXPECT_EQ(items.filter(QRegularExpression("^&[12] ")).size(), 2)
        << items.join("|").toStdString();
}

TEST_F(MainWindowTest, TheValueBeingTypedCountsForTheCalculation) {
    openExamples("wassertank");
    press(Qt::Key_S, Qt::ControlModifier);
    TUserGrid* grid = window->existingSystemWindow()->currentGrid();
    ASSERT_TRUE(grid);
    const double before = model.nodes.row(0).r;
    QTest::keyClicks(grid, "123"); // typed, not yet stored
    trigger("&Berechnen");
    EXPECT_EQ(model.nodes.row(0).r, 123.0) << "was " << before;
    EXPECT_TRUE(window->markerShown(DocumentKind::System));
}

TEST_F(MainWindowTest, CommandLineFilesOpenByTheirExtensionInEitherOrder) {
    window->openFiles({QString::fromStdString(examplePath("kuppel.vla")),
                       QString::fromStdString((folder / "fehlt.vsy").string())});
    EXPECT_EQ(window->toolBarText(DocumentKind::Load), "Lastfall: kuppel.vla");
    // The missing system file shows its message and leaves the system empty.
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: ");
    EXPECT_EQ(model.nodes.definedCount(), 0);
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>{"Fehler: Fehler beim öffnen der Systemdatei"});
    EXPECT_TRUE(dialogs.openDialogs.empty());

    window->openFiles({QString::fromStdString(examplePath("kuppel.vsy"))});
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: kuppel.vsy");
    EXPECT_GT(model.nodes.definedCount(), 0);
    EXPECT_FALSE(window->markerShown(DocumentKind::System));
}

TEST_F(MainWindowTest, WindowCommandsArrangeTheInputWindows) {
    press(Qt::Key_S, Qt::ControlModifier);
    press(Qt::Key_B, Qt::ControlModifier);
    const QRect area = window->mdiArea().viewport()->rect();
    QMdiSubWindow* systemFrame = window->mdiArea().subWindowList()[0];
    QMdiSubWindow* loadFrame = window->mdiArea().subWindowList()[1];

    trigger("&Fenster", "&Untereinander");
    EXPECT_EQ(systemFrame->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(loadFrame->geometry().top(), area.height() / 2);
    EXPECT_EQ(loadFrame->geometry().width(), area.width());

    trigger("&Fenster", "&Nebeneinander");
    EXPECT_EQ(systemFrame->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    EXPECT_EQ(loadFrame->geometry().left(), area.width() / 2);

    loadFrame->showMinimized();
    trigger("&Fenster", "&Symbole anordnen");
    EXPECT_EQ(loadFrame->geometry().bottom(), area.bottom());
    EXPECT_EQ(loadFrame->geometry().left(), 0);
}
