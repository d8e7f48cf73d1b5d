// Reading the graph window: texts that keep their size while zooming, labels
// that keep clear of each other on every tab of the examples, a view that
// follows its picture until the user zooms, and the value under a click.
#include "GraphWindowTestSupport.h"
#include "graphics/PictureProbe.h"

#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"
#include "geometry/ShellGeometry.h"
#include "graphics/GraphSettings.h"
#include "graphics/ResultLayers.h"

#include <QAction>
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace venkar;
using namespace venkar::test;

namespace {

// An example of examples/, read and calculated.
struct CalculatedExample {
    Model model;
    AnalysisModel analysis;
    std::unique_ptr<AnalysisPlotResults> results;

    explicit CalculatedExample(const QString& name) {
        const std::string base = VENKAR_EXAMPLES_DIR "/" + name.toStdString();
        readSystemText(model, readTextFile(base + ".vsy").value());
        readLoadText(model, readTextFile(base + ".vla").value());
        QuietCalculation status;
        if (calculate(model, analysis, status, status))
            results = std::make_unique<AnalysisPlotResults>(model, analysis);
    }
};

// The smallest text of the picture, in pixels of the window's view.
double smallestTextPixels(TGraphForm& form) {
    const ViewTransform transform = form.paintBox()->fitToBox();
    double smallest = 1e300;
    for (const TextFrame& frame : form.graphView().labelLayout().frames())
        smallest = std::min(smallest, frame.height);
    return smallest * transform.scaleY;
}

void clickTab(TGraphForm& form, int index) {
    QTest::mouseClick(form.tabBar(), Qt::LeftButton, {}, form.tabBar()->tabRect(index).center());
}

// Paints the window now, as the screen would.
void paintNow(TGraphForm& form) {
    form.paintBox()->repaint();
    QCoreApplication::processEvents();
}

} // namespace

class GraphWindowReadingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CalculatedTank> tank_;
    std::unique_ptr<GraphSettings> settings_;
    FakeGraphDialogs dialogs_;
    std::unique_ptr<TGraphForm> form_;

    GraphPaintBox* box() const { return form_->paintBox(); }
    const GraphView& view() const { return form_->graphView(); }

private slots:
    void initTestCase() {
        tank_ = std::make_unique<CalculatedTank>();
        QVERIFY(tank_->ok);
    }

    void init() {
        settings_ = std::make_unique<GraphSettings>();
        form_ = std::make_unique<TGraphForm>(tank_->model, *settings_, nullptr, dialogs_);
        form_->setResults(tank_->results.get());
        form_->modelChanged(0);
        form_->resize(900, 700);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() { form_.reset(); }

    void aLabelIsAsHighAtFourHundredPercentAsAtAHundred() {
        clickTab(*form_, tabIndex(PlotTab::MomentTheta));
        paintNow(*form_);
        const double full = smallestTextPixels(*form_);
        const double fullScale = box()->viewTransform().scaleY;
        // The value texts at the default text scale on a 96-dpi screen.
        QCOMPARE_GE(full, 11.0 * box()->logicalDpiY() / 96.0 - 1e-9);

        // The zoom window over a quarter of the view in both directions (the
        // box shows the view with a tenth of margin on every side).
        form_->action(QStringLiteral("Auschnitt"))->trigger();
        const QPoint centre = box()->rect().center();
        const QPoint half(qRound(box()->width() / 8.8), qRound(box()->height() / 8.8));
        QTest::mousePress(box(), Qt::LeftButton, {}, centre - half);
        QTest::mouseMove(box(), centre + half);
        QTest::mouseRelease(box(), Qt::LeftButton, {}, centre + half);
        paintNow(*form_);
        const double zoom = box()->viewTransform().scaleY / fullScale;
        QCOMPARE_GT(zoom, 3.8);
        QCOMPARE_LT(zoom, 4.2);
        QCOMPARE_LT(std::fabs(smallestTextPixels(*form_) - full), 0.01 * full);

        // Print, clipboard and files keep the page proportions: the picture
        // a view of its own draws without a screen.
        GraphView page(tank_->model, *settings_);
        page.setResults(tank_->results.get());
        page.selectTab(PlotTab::MomentTheta);
        const PageDrawing drawing = form_->graphView().pageDrawing();
        QCOMPARE(drawing.picture.commandCount(), page.picture().commandCount());
        QCOMPARE(drawing.picture.boundingBox().maxX, page.picture().boundingBox().maxX);
        QCOMPARE(drawing.view.maxX, view().view().maxX); // the zoomed rectangle
    }

    void noTwoLabelsMeetOnAnyTabOfTheFourExamples() {
        for (const QString& name :
             {QStringLiteral("wassertank"), QStringLiteral("kuppel"), QStringLiteral("kuehlturm"),
              QStringLiteral("druckbehaelter")}) {
            const CalculatedExample example(name);
            QVERIFY2(example.results, qPrintable(name));
            TGraphForm form(example.model, *settings_, nullptr, dialogs_);
            form.setResults(example.results.get());
            form.modelChanged(0);
            form.resize(800, 640);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.action(QStringLiteral("Auflagerkräfte"))->trigger();
            form.action(QStringLiteral("Knotennummer"))->trigger();
            std::size_t labels = 0;
            for (int tab = 0; tab < form.tabBar()->count(); ++tab) {
                clickTab(form, tab);
                paintNow(form);
                const QString where = name + QStringLiteral(" ") + form.tabBar()->tabText(tab);
                const LabelLayout& layout = form.graphView().labelLayout();
                const std::vector<TextFrame>& frames = layout.frames();
                for (std::size_t i = 0; i < frames.size(); ++i) {
                    for (std::size_t j = i + 1; j < frames.size(); ++j)
                        QVERIFY2(
                            !cellsOverlap(frames[i], frames[j]),
                            qPrintable(where +
                                       QStringLiteral(": texts %1 and %2 meet").arg(i).arg(j)));
                    // The two axis texts come before the symbols; every
                    // other text keeps clear of them.
                    for (std::size_t k = 0; i >= 2 && k < layout.obstacles().size(); ++k)
                        QVERIFY2(
                            !cellsOverlap(frames[i], layout.obstacles()[k]),
                            qPrintable(where +
                                       QStringLiteral(": text %1 on symbol %2").arg(i).arg(k)));
                }
                labels += frames.size();
            }
            QCOMPARE_GT(labels, 9u * 2u); // more than the axis texts
        }
    }

    void anUnzoomedWindowShowsItsWholePictureAtEverySizeAndTab() {
        const QSize sizes[] = {{420, 900}, {1200, 380}, {640, 480}};
        const int tabs[] = {tabIndex(PlotTab::NormalForcePhi), tabIndex(PlotTab::Deformation),
                            tabIndex(PlotTab::MomentTheta)};
        for (int i = 0; i < 3; ++i) {
            form_->resize(sizes[i]);
            clickTab(*form_, tabs[i]);
            paintNow(*form_);
            QVERIFY(!view().userView());
            const ViewTransform transform = box()->viewTransform();
            const BoundingBox& picture = view().picture().boundingBox();
            const DevicePoint low = worldToDevice(transform, {picture.minX, picture.minY});
            const DevicePoint high = worldToDevice(transform, {picture.maxX, picture.maxY});
            const QString where = QStringLiteral("%1x%2 tab %3")
                                      .arg(sizes[i].width())
                                      .arg(sizes[i].height())
                                      .arg(tabs[i]);
            QVERIFY2(low.x >= 0 && low.y >= 0, qPrintable(where));
            QVERIFY2(high.x <= box()->width() && high.y <= box()->height(), qPrintable(where));
            // It fills the box in one direction, within the margin.
            QVERIFY2(high.x - low.x > 0.85 * box()->width() ||
                         high.y - low.y > 0.85 * box()->height(),
                     qPrintable(where));
        }

        // A zoomed view keeps its rectangle through sizes and tabs.
        QTest::mouseDClick(box(), Qt::LeftButton, {}, QPoint(200, 200));
        const BoundingBox zoomed = view().view();
        form_->resize(700, 700);
        clickTab(*form_, tabIndex(PlotTab::Geometry));
        paintNow(*form_);
        QVERIFY(view().userView());
        QCOMPARE(view().view().minX, zoomed.minX);
        QCOMPARE(view().view().maxY, zoomed.maxY);
    }

    void aClickOnADiagramShowsTheValueAtTheNearestStation() {
        clickTab(*form_, tabIndex(PlotTab::MomentTheta));
        paintNow(*form_);
        // Halfway out along the ordinate of the wall's station nearest to
        // 0.35 (an element end).
        const PlotResults& results = *tank_->results;
        double value = 0.0;
        double x = -1.0;
        for (const PlotElement& e : results.shellElements(0))
            if (std::fabs(e.endPosition - 0.35) < std::fabs(x - 0.35)) {
                x = e.endPosition;
                value = results.elementValue(e.element, 3, 1.0);
            }
        QVERIFY(value != 0.0);
        const double scale = diagramScale(results, 3, view().referenceLength(), 1.0);
        const ViewTransform transform = box()->viewTransform();
        const DevicePoint at =
            worldToDevice(transform, pointAt(tank_->model, 0, x, -0.5 * scale * value));
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(at.x, at.y));
        auto german = [](double v) {
            return QString::number(v, 'g', 4)
                .replace(QLatin1Char('.'), QLatin1Char(','))
                .replace(QLatin1Char('-'), QChar(0x2212));
        };
        QCOMPARE(form_->valueText(),
                 QStringLiteral("Schale 1, x = %1: M-Theta = %2").arg(german(x), german(value)));
        // The click neither zoomed nor panned.
        QVERIFY(!view().userView());
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::Idle);

        // Far from the diagram, and after a tab change: nothing.
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(form_->valueText().isEmpty());
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(at.x, at.y));
        QVERIFY(!form_->valueText().isEmpty());
        clickTab(*form_, tabIndex(PlotTab::Geometry));
        QVERIFY(form_->valueText().isEmpty());
    }
};

int runGraphWindowReadingTests(int argc, char** argv) {
    GraphWindowReadingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GraphWindowReadingTest.moc"
