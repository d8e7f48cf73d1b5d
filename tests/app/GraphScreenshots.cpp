// Writes the README pictures of the graph window: the water tank example,
// calculated, on the tab "Momente Theta" (graph-window.png), the same
// zoomed to 400 % about the clamped foot with its moment clicked
// (graph-window-zoom.png), and a printed
// sheet with three graph windows rendered from its PDF (printed-page.png,
// through pdftoppm), and the window's tool bar (graph-toolbar.png).
// Usage: venkar-graph-screenshots OUTPUT_FOLDER
#include "GraphWindowTestSupport.h"

#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"
#include "geometry/ShellGeometry.h"
#include "graphics/GraphSettings.h"
#include "graphics/ResultLayers.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <utility>

using namespace venkar;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QDir output(QString::fromLocal8Bit(argv[1]));
    test::CalculatedTank tank;
    if (!tank.ok) {
        std::fprintf(stderr, "the water tank example did not calculate\n");
        return 1;
    }
    GraphSettings settings;
    test::FakeGraphDialogs dialogs;
    TGraphForm window(tank.model, settings, nullptr, dialogs);
    window.setResults(tank.results.get());
    window.modelChanged(0);
    window.resize(1100, 760);
    window.show();
    window.tabBar()->setCurrentIndex(tabIndex(PlotTab::MomentTheta));
    QCoreApplication::processEvents();
    // The mouse over the foot of the wall, so that the status line shows its
    // model point.
    const QPointF foot(730, 590);
    QMouseEvent move(QEvent::MouseMove, foot, window.paintBox()->mapToGlobal(foot), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window.paintBox(), &move);
    if (!window.grab().save(output.filePath(QStringLiteral("graph-window.png")))) {
        std::fprintf(stderr, "cannot write graph-window.png\n");
        return 1;
    }
    // The tool bar alone, at its size on the screen.
    if (!window.toolBar()->grab().save(output.filePath(QStringLiteral("graph-toolbar.png")))) {
        std::fprintf(stderr, "cannot write graph-toolbar.png\n");
        return 1;
    }

    // Zoomed to 400 % about the station of the largest moment (the clamped
    // foot), its value clicked: the texts keep their size, the status line
    // shows the value.
    const PlotResults& results = *tank.results;
    double largestAt = 0.0;
    double largestValue = 0.0;
    for (const PlotElement& e : results.shellElements(0))
        for (const auto& [l, x] : {std::pair{0.0, e.startPosition}, {1.0, e.endPosition}})
            if (std::fabs(results.elementValue(e.element, 3, l)) > std::fabs(largestValue)) {
                largestAt = x;
                largestValue = results.elementValue(e.element, 3, l);
            }
    GraphPaintBox* box = window.paintBox();
    const Vector2 footPoint = pointAt(tank.model, 0, largestAt);
    const DevicePoint footPixel = worldToDevice(box->fitToBox(), footPoint);
    box->zoomAbout(QPoint(footPixel.x, footPixel.y), 0.25);
    const double scale = diagramScale(results, 3, window.graphView().referenceLength(), 1.0);
    const DevicePoint onDiagram = worldToDevice(
        box->fitToBox(), pointAt(tank.model, 0, largestAt, -0.6 * scale * largestValue));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(onDiagram.x, onDiagram.y));
    QCoreApplication::processEvents();
    if (!window.grab().save(output.filePath(QStringLiteral("graph-window-zoom.png")))) {
        std::fprintf(stderr, "cannot write graph-window-zoom.png\n");
        return 1;
    }
    window.showAll();

    TGraphForm geometry(tank.model, settings, nullptr, dialogs);
    TGraphForm deformation(tank.model, settings, nullptr, dialogs);
    for (TGraphForm* form : {&geometry, &deformation}) {
        form->setResults(tank.results.get());
        form->modelChanged(0);
    }
    deformation.tabBar()->setCurrentIndex(tabIndex(PlotTab::Deformation));
    QTemporaryDir folder;
    dialogs.printerPdfFile = folder.filePath(QStringLiteral("page.pdf"));
    const TitleStripData title{QStringLiteral("1.34"), QStringLiteral("wassertank.vsy"),
                               QStringLiteral("wassertank.vla"), QImage()};
    if (!printGraphWindows({&geometry, &deformation, &window}, dialogs, title, PageMargins{})) {
        std::fprintf(stderr, "printing failed\n");
        return 1;
    }
    const int rendered =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("110"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), dialogs.printerPdfFile,
                           output.filePath(QStringLiteral("printed-page"))});
    if (rendered != 0) {
        std::fprintf(stderr, "pdftoppm could not render the printed page\n");
        return 1;
    }
    return 0;
}
