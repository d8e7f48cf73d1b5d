#include "GraphWindowTestSupport.h"
#include "MainWindowFixture.h"

#include "app/ConfigurationWindow.h"
#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"

#include <QTabBar>
#include <QTreeWidget>

using namespace venkar;
using namespace venkar::testing;

namespace fs = std::filesystem;

using MainWindowGraphTest = MainWindowFixture;

TEST_F(MainWindowGraphTest, GraphWindowsFollowCalculationEditsAndSettingsAndPrintOnOneSheet) {
    openExamples("wassertank");
    trigger("&Zeigen", "Grafik");
    trigger("&Zeigen", "Grafik");
    const std::vector<TGraphForm*> graphs = window->graphWindows();
    ASSERT_EQ(graphs.size(), 2u);
    TGraphForm& graph = *graphs[0];
    graph.tabBar()->setCurrentIndex(tabIndex(PlotTab::MomentTheta));
    const auto commands = [&graph] { return graph.graphView().picture().commandCount(); };
    const int withoutResults = commands();

    // A calculation brings the diagram.
    trigger("&Berechnen");
    QCoreApplication::processEvents();
    EXPECT_GT(commands(), withoutResults);
    EXPECT_FALSE(graph.graphView().userView());

    // A settings change from the configuration window keeps a zoomed view.
    graph.paintBox()->zoomIn();
    const BoundingBox zoomed = graph.graphView().view();
    graphDialogs.colour = 0x123456;
    trigger("E&instellung", "Konfiguration");
    ASSERT_NE(window->configurationWindow(), nullptr);
    TTreeForm& configuration = *window->configurationWindow();
    EXPECT_TRUE(configuration.isVisible());
    const QList<QTreeWidgetItem*> colours =
        configuration.tree()->findItems("Farbe", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(colours.isEmpty()); // the first is that of the symmetry axis
    configuration.editItem(colours.front());
    QCoreApplication::processEvents();
    EXPECT_EQ(settings.values.axis.lineColour, 0x123456);
    EXPECT_EQ(graph.graphView().view().minX, zoomed.minX);
    EXPECT_EQ(graph.graphView().view().maxY, zoomed.maxY);

    // An edit drops the results: the diagram goes, the view fits again.
    model.nodes.setCell(0, 0, 1.5);
    QCoreApplication::processEvents();
    EXPECT_FALSE(graph.graphView().userView());
    EXPECT_EQ(graph.graphView().view().maxY, graph.graphView().picture().boundingBox().maxY);
    EXPECT_EQ(graph.graphView().results(), nullptr);

    graphDialogs.printerPdfFile = QString::fromStdString((folder / "blatt.pdf").string());
    trigger("&Datei", "Grafiken &drucken");
    EXPECT_TRUE(fs::is_regular_file(folder / "blatt.pdf"));
    EXPECT_GT(fs::file_size(folder / "blatt.pdf"), 1000u);
}

TEST_F(MainWindowGraphTest, AfterNebeneinanderAndATabChangeUnzoomedGraphsShowTheirWholeDiagrams) {
    openExamples("wassertank");
    trigger("&Berechnen");
    trigger("&Zeigen", "Grafik");
    trigger("&Zeigen", "Grafik");
    trigger("&Zeigen", "Grafik");
    QCoreApplication::processEvents();
    const std::vector<TGraphForm*> graphs = window->graphWindows();
    ASSERT_EQ(graphs.size(), 3u);
    for (const char* arrangement : {"&Nebeneinander", "Ü&berlappend"}) {
        trigger("&Fenster", arrangement);
        int tab = tabIndex(PlotTab::NormalForcePhi);
        for (TGraphForm* graph : graphs) {
            QTest::mouseClick(graph->tabBar(), Qt::LeftButton, {},
                              graph->tabBar()->tabRect(tab++).center());
            graph->paintBox()->repaint();
            const ViewTransform transform = graph->paintBox()->viewTransform();
            const BoundingBox& picture = graph->graphView().picture().boundingBox();
            const DevicePoint low = worldToDevice(transform, {picture.minX, picture.minY});
            const DevicePoint high = worldToDevice(transform, {picture.maxX, picture.maxY});
            EXPECT_GE(low.x, 0) << arrangement << " " << tab;
            EXPECT_GE(low.y, 0) << arrangement << " " << tab;
            EXPECT_LE(high.x, graph->paintBox()->width()) << arrangement << " " << tab;
            EXPECT_LE(high.y, graph->paintBox()->height()) << arrangement << " " << tab;
            // Printing shows the same whole picture at page proportions.
            const PageDrawing page = graph->graphView().pageDrawing();
            EXPECT_EQ(page.view.maxY, page.picture.boundingBox().maxY);
        }
    }
}
