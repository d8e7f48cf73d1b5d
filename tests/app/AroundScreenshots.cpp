// Writes the README pictures of the graph window on the tank under wind:
// the tab "Normalkraft Phi" at the angle 75° (graph-window-angle.png), the
// plan view of N-Phi at the station clicked halfway up the wall
// (grundriss.png) and the developed shell of the von Mises stress
// (abwicklung.png).
// Usage: venkar-around-screenshots OUTPUT_FOLDER
#include "GraphWindowTestSupport.h"

#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"
#include "geometry/ShellGeometry.h"
#include "graphics/GraphSettings.h"
#include "graphics/ResultLayers.h"
#include "harmonic/LoadCaseCalculation.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>

using namespace venkar;

namespace {

bool save(QWidget& window, const QDir& output, const char* name) {
    QCoreApplication::processEvents();
    if (window.grab().save(output.filePath(QString::fromLatin1(name))))
        return true;
    std::fprintf(stderr, "cannot write %s\n", name);
    return false;
}

void showTab(TGraphForm& window, PlotTab tab) {
    const std::vector<PlotTab>& tabs = window.shownTabs();
    window.tabBar()->setCurrentIndex(
        static_cast<int>(std::find(tabs.begin(), tabs.end(), tab) - tabs.begin()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QDir output(QString::fromLocal8Bit(argv[1]));
    Model model;
    readSystemText(model, readTextFile(VENKAR_EXAMPLES_DIR "/windtank.vsy").value());
    readLoadText(model, readTextFile(VENKAR_EXAMPLES_DIR "/windtank.vla").value());
    AnalysisModel analysis;
    QuietCalculation status;
    if (!calculateLoadCase(model, analysis, status, status)) {
        std::fprintf(stderr, "the wind tank example did not calculate\n");
        return 1;
    }
    const AnalysisPlotResults results(model, analysis);
    GraphSettings settings;
    test::FakeGraphDialogs dialogs;
    TGraphForm window(model, settings, nullptr, dialogs);
    window.setResults(&results);
    window.modelChanged(0);
    window.resize(1200, 800);
    window.show();
    showTab(window, PlotTab::NormalForcePhi);
    window.angleEdit()->setValue(75);
    if (!save(window, output, "graph-window-angle.png"))
        return 1;

    // A click on the diagram halfway up the wall chooses the plan view's
    // station.
    window.angleEdit()->setValue(0);
    QCoreApplication::processEvents();
    GraphPaintBox* box = window.paintBox();
    const PlotResults& shown = *window.graphView().shownResults();
    double x = 0.0;
    double value = 0.0;
    for (const PlotElement& e : shown.shellElements(0))
        if (std::fabs(e.endPosition - 0.5) < std::fabs(x - 0.5)) {
            x = e.endPosition;
            value = shown.elementValue(e.element, 0, 1.0);
        }
    const double scale = diagramScale(shown, 0, window.graphView().referenceLength(), 1.0);
    const DevicePoint at =
        worldToDevice(box->fitToBox(), pointAt(model, 0, x, -0.5 * scale * value));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(at.x, at.y));
    showTab(window, PlotTab::PlanView);
    if (!save(window, output, "grundriss.png"))
        return 1;
    showTab(window, PlotTab::DevelopedView);
    window.quantityChooser()->setCurrentIndex(static_cast<int>(AroundQuantity::VonMises));
    return save(window, output, "abwicklung.png") ? 0 : 1;
}
