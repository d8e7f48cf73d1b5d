// Writes the README pictures of the graph window: the water tank example,
// calculated, on the tab "Momente Theta" (graph-window.png), and a printed
// sheet with three graph windows rendered from its PDF (printed-page.png,
// through pdftoppm), and the window's tool bar (graph-toolbar.png).
// Usage: venkar-graph-screenshots OUTPUT_FOLDER
#include "GraphWindowTestSupport.h"

#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"
#include "graphics/GraphSettings.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QProcess>
#include <QTabBar>
#include <QToolBar>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>

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
