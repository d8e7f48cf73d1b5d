// The graph window on a load case with loads around the circumference: the
// angle edit turns every meridian tab to its meridian, and the click that
// reads a value chooses the station of the plan view.
#include "GraphWindowTestSupport.h"

#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"
#include "geometry/ShellGeometry.h"
#include "graphics/GraphSettings.h"
#include "graphics/ResultLayers.h"
#include "harmonic/LoadCaseCalculation.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using namespace venkar;
using namespace venkar::test;

namespace {

// The tank under wind, read and calculated.
struct CalculatedWindTank {
    Model model;
    AnalysisModel analysis;
    std::unique_ptr<AnalysisPlotResults> results;

    CalculatedWindTank() {
        readSystemText(model, readTextFile(VENKAR_EXAMPLES_DIR "/windtank.vsy").value());
        readLoadText(model, readTextFile(VENKAR_EXAMPLES_DIR "/windtank.vla").value());
        QuietCalculation status;
        if (calculateLoadCase(model, analysis, status, status))
            results = std::make_unique<AnalysisPlotResults>(model, analysis);
    }
};

int tabPosition(const TGraphForm& form, PlotTab tab) {
    const std::vector<PlotTab>& tabs = form.shownTabs();
    return static_cast<int>(std::find(tabs.begin(), tabs.end(), tab) - tabs.begin());
}

// Clicks the tab, first scrolling the tab bar with its arrow keys until the
// tab is in sight (sixteen tabs do not fit a narrow window).
void clickTab(TGraphForm& form, PlotTab tab) {
    const int index = tabPosition(form, tab);
    QTabBar* bar = form.tabBar();
    for (int step = 0; step < 20 && !bar->rect().contains(bar->tabRect(index)); ++step) {
        bar->setFocus();
        QTest::keyClick(bar, bar->tabRect(index).left() < 0 ? Qt::Key_Left : Qt::Key_Right);
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(form.graphView().tab(), tab);
}

QImage paintedBox(TGraphForm& form) {
    form.paintBox()->repaint();
    QCoreApplication::processEvents();
    return form.paintBox()->grab().toImage();
}

} // namespace

class GraphAroundTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CalculatedWindTank> tank_;
    std::unique_ptr<GraphSettings> settings_;
    FakeGraphDialogs dialogs_;
    std::unique_ptr<TGraphForm> form_;

private slots:
    void initTestCase() {
        tank_ = std::make_unique<CalculatedWindTank>();
        QVERIFY(tank_->results);
    }

    void init() {
        settings_ = std::make_unique<GraphSettings>();
        form_ = std::make_unique<TGraphForm>(tank_->model, *settings_, nullptr, dialogs_);
        form_->setResults(tank_->results.get());
        form_->modelChanged(0);
        form_->resize(1100, 700);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() { form_.reset(); }

    void theWindLoadCaseHasTheTabsAroundTheCircumferenceAndTheAngle() {
        QCOMPARE(form_->tabBar()->count(), everyPlotTabCount);
        QCOMPARE(form_->tabBar()->tabText(tabPosition(*form_, PlotTab::PlanView)),
                 QStringLiteral("Grundriss"));
        QVERIFY(form_->angleEdit()->isVisible());
        QVERIFY(!form_->quantityChooser()->isVisible());
        clickTab(*form_, PlotTab::DevelopedView);
        // The tool bar lays its widgets out when the events are processed.
        QTRY_VERIFY(form_->quantityChooser()->isVisible());

        // Without results only the ten tabs stay, and the angle goes.
        form_->setResults(nullptr);
        form_->modelChanged(0);
        QCOMPARE(form_->tabBar()->count(), 10);
        QCOMPARE(form_->graphView().tab(), PlotTab::Geometry);
        QTRY_VERIFY(!form_->angleEdit()->isVisible());
    }

    void theAngleEditTurnsTheMeridianWithKeysAndTheWheel() {
        clickTab(*form_, PlotTab::NormalForcePhi);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Normalkraft Phi, Winkel 0°"));
        const QImage atZero = paintedBox(*form_);

        QSpinBox* angle = form_->angleEdit();
        angle->setFocus();
        for (int step = 0; step < 6; ++step)
            QTest::keyClick(angle, Qt::Key_Up);
        QCOMPARE(angle->value(), 30);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Normalkraft Phi, Winkel 30°"));
        QCOMPARE(form_->graphView().caption(), std::string("Normalkraft Phi, Winkel 30°"));
        const QImage atThirty = paintedBox(*form_);
        QCOMPARE(atThirty.size(), atZero.size());
        QVERIFY(atThirty != atZero);

        // The wheel over the edit: one notch, one step.
        const QPointF inside(angle->width() / 2.0, angle->height() / 2.0);
        QWheelEvent wheel(inside, angle->mapToGlobal(inside), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(angle, &wheel);
        QCOMPARE(angle->value(), 35);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Normalkraft Phi, Winkel 35°"));

        // Back to 0°: the first picture again.
        angle->setValue(0);
        QCOMPARE(paintedBox(*form_), atZero);
    }

    void aClickOnTheMeridianChoosesTheStationOfThePlanView() {
        clickTab(*form_, PlotTab::NormalForcePhi);
        paintedBox(*form_);
        // On the diagram at the element end nearest to x = 0.33; the report
        // stations of the shell lie at every tenth.
        const PlotResults& results = *form_->graphView().shownResults();
        double x = -1.0;
        double value = 0.0;
        for (const PlotElement& e : results.shellElements(0))
            if (std::fabs(e.endPosition - 0.33) < std::fabs(x - 0.33)) {
                x = e.endPosition;
                value = results.elementValue(e.element, 0, 1.0);
            }
        const double scale = diagramScale(results, 0, form_->graphView().referenceLength(), 1.0);
        const DevicePoint at = worldToDevice(form_->paintBox()->viewTransform(),
                                             pointAt(tank_->model, 0, x, -0.5 * scale * value));
        QTest::mouseClick(form_->paintBox(), Qt::LeftButton, {}, QPoint(at.x, at.y));
        // The report station nearest to the element end clicked.
        const double station = std::round(x * 10.0) / 10.0;
        const QString german = QString::number(station, 'g', 4).replace('.', ',');
        QVERIFY2(form_->valueText().endsWith(QStringLiteral("Grundriss: Schale 1, x = ") + german),
                 qPrintable(form_->valueText()));
        QCOMPARE(form_->graphView().aroundSelection().x, station);

        clickTab(*form_, PlotTab::PlanView);
        const QString where = QStringLiteral("Schale 1, x = %1").arg(station);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Grundriss, Normalkraft Phi, ") + where);
        // The quantity chooser with the keyboard: the load itself is last.
        QComboBox* quantity = form_->quantityChooser();
        quantity->setFocus();
        QTest::keyClick(quantity, Qt::Key_End);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Grundriss, Last cp·q, ") + where);
    }
};

int runGraphAroundTests(int argc, char** argv) {
    GraphAroundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GraphAroundTest.moc"
