// The command "Beulanalyse" of the main window: its window with the mode
// and the curve, the section in the results report, and the refused cases.
#include "MainWindowFixture.h"

#include "app/BucklingWindow.h"
#include "buckling/BucklingAnalysis.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "support/ModelRows.h"

#include <QTabBar>
#include <QTabWidget>

using namespace venkar;
using namespace venkar::testing;

namespace {

using BucklingWindowTest = MainWindowFixture;

// A cylinder r = 100, t = 1, L = 200 under an axial line load at its top
// (negative: pressed), written as zylinder.vsy and zylinder.vla; gives the
// two paths.
std::deque<std::optional<std::string>> writeCylinder(const std::filesystem::path& folder,
                                                     double load) {
    Model model;
    test::addMaterial(model, 2e5, 1.0, 0.0);
    const int shell = test::addShellWithNodes(model, 100.0, 0.0, 100.0, 200.0);
    model.shells.row(shell).discretisationFactor = 0.5;
    model.nodes.row(0).supportR = model.nodes.row(0).supportZ = 1;
    model.nodes.row(1).supportR = 1;
    test::addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadZ = load});
    const std::string system = (folder / "zylinder.vsy").string();
    const std::string load_ = (folder / "zylinder.vla").string();
    EXPECT_TRUE(writeTextFileAtomically(system, writeSystemText(model)));
    EXPECT_TRUE(writeTextFileAtomically(load_, writeLoadText(model)));
    return {system, load_};
}

TEST_F(BucklingWindowTest, MenuCommandOpensTheModeAndTheCurveAndTheReportShowsTheSection) {
    dialogs.openNames = writeCylinder(folder.path(), -1.0);
    press(Qt::Key_F3);
    press(Qt::Key_F4);
    QMenuBar* bar = window->menuBar();
    QAction* command = menuItem("Be&ulanalyse", {});
    ASSERT_NE(command, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(command).center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();

    const std::vector<TBucklingWindow*> windows = window->bucklingWindows();
    ASSERT_EQ(windows.size(), 1u);
    TBucklingWindow& buckling = *windows[0];
    ASSERT_TRUE(buckling.result().buckles);
    QTabWidget& tabs = *buckling.tabs();
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.tabText(TBucklingWindow::modeTab), "Beulform");
    EXPECT_EQ(tabs.tabText(TBucklingWindow::curveTab), "Beulkurve");
    QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {},
                      tabs.tabBar()->tabRect(TBucklingWindow::curveTab).center());
    EXPECT_EQ(tabs.currentIndex(), TBucklingWindow::curveTab);
    EXPECT_GT(buckling.picture(TBucklingWindow::curveTab).picture.commandCount(), 0);
    // The calculation ran with it: the graph windows' results are there.
    EXPECT_TRUE(analysis.resultsValid);

    trigger("&Zeigen", "Ergebnisse");
    ASSERT_EQ(launcher.started.size(), 1u);
    const std::string report = *readTextFile(launcher.started[0].arguments.back());
    EXPECT_NE(report.find("Beulanalyse (LBA)"), std::string::npos);
    EXPECT_NE(report.find("Kritische Harmonische n = " +
                          std::to_string(buckling.result().criticalHarmonic)),
              std::string::npos);
    // An edit ends the analysis' place in the report.
    model.nodes.setCell(0, 1, 1.0);
    trigger("&Berechnen");
    trigger("&Zeigen", "Ergebnisse");
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(readTextFile(launcher.started[1].arguments.back())->find("Beulanalyse (LBA)"),
              std::string::npos);
}

TEST_F(BucklingWindowTest, RefusedCasesSayWhyAndOpenNoWindow) {
    // Alt+U is the command's key.
    struct Case {
        std::deque<std::optional<std::string>> files;
        std::string message;
    };
    const std::vector<Case> cases{
        {writeCylinder(folder.path(), 1.0), std::string("Beulanalyse: ") + noCompressionMessage},
        {{examplePath("windtank.vsy"), examplePath("windtank.vla")},
         std::string("Beulanalyse: ") + bucklingHarmonicLoadsMessage},
    };
    for (const Case& c : cases) {
        dialogs.openNames = c.files;
        press(Qt::Key_F3);
        press(Qt::Key_F4);
        dialogs.shown.clear();
        press(Qt::Key_U, Qt::AltModifier);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{c.message});
        EXPECT_TRUE(window->bucklingWindows().empty());
    }
}

} // namespace
