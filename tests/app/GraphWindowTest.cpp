#include "GraphWindowTestSupport.h"

#include "app/GraphPaintBox.h"
#include "app/GraphWindow.h"
#include "graphics/GraphSettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

using namespace venkar;
using namespace venkar::test;

namespace {

constexpr double tolerance = 1e-9;

bool sameBox(const BoundingBox& a, const BoundingBox& b, double eps = tolerance) {
    const double scale = std::max({1.0, std::fabs(a.maxX), std::fabs(a.maxY)});
    return std::fabs(a.minX - b.minX) <= eps * scale && std::fabs(a.minY - b.minY) <= eps * scale &&
           std::fabs(a.maxX - b.maxX) <= eps * scale && std::fabs(a.maxY - b.maxY) <= eps * scale;
}

QString describe(const BoundingBox& b) {
    return QStringLiteral("(%1, %2) - (%3, %4)").arg(b.minX).arg(b.minY).arg(b.maxX).arg(b.maxY);
}

} // namespace

class GraphWindowTest : public QObject {
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
        dialogs_ = FakeGraphDialogs{};
        form_ = std::make_unique<TGraphForm>(tank_->model, *settings_, nullptr, dialogs_);
        form_->setResults(tank_->results.get());
        form_->modelChanged(0);
        form_->resize(900, 700);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() { form_.reset(); }

    void opensOnTheGeometryTabFollowingTheWholePicture() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Geometrie"));
        QCOMPARE(form_->tabBar()->count(), 10);
        QCOMPARE(form_->tabBar()->tabText(5), QStringLiteral("Momente Theta"));
        QCOMPARE(form_->tabBar()->tabText(9), QStringLiteral("Vergleichsspannung"));
        QVERIFY(form_->action(QStringLiteral("Belastung"))->isChecked());
        QVERIFY(!form_->action(QStringLiteral("Knotennummer"))->isChecked());
        QCOMPARE(form_->textScaleEdit()->value(), 100);
        // A fresh window (before the notification of the test set-up) has
        // no user view: it follows its picture through tabs and sizes.
        TGraphForm fresh(tank_->model, *settings_, nullptr, dialogs_);
        QVERIFY(!fresh.graphView().userView());
        QVERIFY(sameBox(fresh.graphView().view(), fresh.graphView().picture().boundingBox()));
    }

    void zoomWindowMakesTheDraggedRectangleTheView() {
        form_->action(QStringLiteral("Auschnitt"))->trigger();
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::ZoomArmed);
        form_->showAll();
        QVERIFY(!view().userView());
        const ViewTransform before = box()->viewTransform();
        const QPoint from(200, 150);
        const QPoint to(420, 330);
        QTest::mousePress(box(), Qt::LeftButton, {}, to);
        QTest::mouseMove(box(), from);
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::ZoomDragging);
        QTest::mouseRelease(box(), Qt::LeftButton, {}, from);
        const Vector2 a = deviceToWorld(before, from.x(), from.y());
        const Vector2 b = deviceToWorld(before, to.x(), to.y());
        QVERIFY2(sameBox(view().view(), {a.x, a.y, b.x, b.y}), qPrintable(describe(view().view())));
        QVERIFY(view().userView());
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::Idle);
        QVERIFY(!form_->action(QStringLiteral("Auschnitt"))->isChecked());
    }

    void aClickWithoutDraggingLeavesTheViewAsItWas() {
        form_->action(QStringLiteral("Auschnitt"))->trigger();
        const BoundingBox before = view().view();
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(300, 300));
        QVERIFY(sameBox(view().view(), before));
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::Idle);
    }

    void rightClickZoomsOutAndDoubleClickZoomsInByATenthOnEverySide() {
        form_->showAll();
        const BoundingBox start = view().view();
        QTest::mouseClick(box(), Qt::RightButton, {}, QPoint(100, 100));
        const BoundingBox out = view().view();
        QVERIFY(
            sameBox(out, {start.minX - 0.1 * start.width(), start.minY - 0.1 * start.height(),
                          start.maxX + 0.1 * start.width(), start.maxY + 0.1 * start.height()}));
        QVERIFY(view().userView());

        form_->showAll();
        QTest::mouseDClick(box(), Qt::LeftButton, {}, QPoint(100, 100));
        const BoundingBox in = view().view();
        QVERIFY2(sameBox(in, {start.minX + 0.1 * start.width(), start.minY + 0.1 * start.height(),
                              start.maxX - 0.1 * start.width(), start.maxY - 0.1 * start.height()}),
                 qPrintable(describe(in)));
        QVERIFY(view().userView());

        // Also while a zoom rectangle is armed.
        form_->action(QStringLiteral("Auschnitt"))->trigger();
        QTest::mouseClick(box(), Qt::RightButton, {}, QPoint(100, 100));
        QVERIFY(view().view().width() > in.width());
    }

    void theWheelZoomsAboutThePointUnderTheCursor() {
        form_->showAll();
        const BoundingBox start = view().view();
        const QPoint cursor(250, 180);
        const Vector2 under = deviceToWorld(box()->viewTransform(), cursor.x(), cursor.y());
        QWheelEvent notchIn(QPointF(cursor), box()->mapToGlobal(QPointF(cursor)), QPoint(),
                            QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box(), &notchIn);
        QCOMPARE_LT(std::fabs(view().view().width() - 0.8 * start.width()), 1e-9 * start.width());
        QVERIFY(view().userView());
        const Vector2 still = deviceToWorld(box()->viewTransform(), cursor.x(), cursor.y());
        QCOMPARE_LT(std::hypot(still.x - under.x, still.y - under.y), 1e-9 * start.width());

        QWheelEvent twoOut(QPointF(cursor), box()->mapToGlobal(QPointF(cursor)), QPoint(),
                           QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box(), &twoOut);
        QCOMPARE_LT(std::fabs(view().view().width() - 0.8 * 1.44 * start.width()),
                    1e-9 * start.width());
    }

    void aLeftDragPansTheDrawingWithTheMouseAndLeavesPanMode() {
        form_->showAll();
        const BoundingBox start = view().view();
        const ViewTransform transform = box()->viewTransform();
        QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(300, 300));
        QTest::mouseMove(box(), QPoint(350, 320));
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::Panning);
        QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(350, 320));
        const double dx = -50 / transform.scaleX;
        const double dy = -20 / transform.scaleY;
        QVERIFY(sameBox(view().view(),
                        {start.minX + dx, start.minY + dy, start.maxX + dx, start.maxY + dy}));
        QVERIFY(view().userView());
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::PanArmed);
        // The pan button arms the same mode; the zoom window releases it.
        form_->action(QStringLiteral("Verschieben"))->trigger();
        form_->action(QStringLiteral("Auschnitt"))->trigger();
        QVERIFY(!form_->action(QStringLiteral("Verschieben"))->isChecked());
        QCOMPARE(box()->mode(), GraphPaintBox::Mode::ZoomArmed);
    }

    void spinEditsSetTheScalesAndADoubleClickResetsThemToAHundred() {
        form_->showAll();
        QSpinBox* edit = form_->functionScaleEdit();
        QLineEdit* field = edit->findChild<QLineEdit*>();
        const int commandsAtFull = view().picture().commandCount();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("250"));
        QCOMPARE(edit->value(), 250);
        QCOMPARE(view().functionScale(), 2.5);
        QVERIFY(view().userView());
        QVERIFY(view().picture().commandCount() > 0);
        QTest::keyClick(field, Qt::Key_Up); // steps by ten
        QCOMPARE(view().functionScale(), 2.6);

        form_->showAll();
        QTest::mouseDClick(field, Qt::LeftButton);
        QCOMPARE(edit->value(), 100);
        QCOMPARE(view().functionScale(), 1.0);
        QVERIFY(view().userView());
        QCOMPARE(view().picture().commandCount(), commandsAtFull);

        QTest::mouseDClick(form_->displacementScaleEdit()->findChild<QLineEdit*>(), Qt::LeftButton);
        QCOMPARE(view().displacementScale(), 1.0);
    }

    void tabChangeRebuildsAndKeepsTheUserViewUntilShowAll() {
        QTest::mouseClick(box(), Qt::RightButton); // a user view
        QTest::mouseClick(form_->tabBar(), Qt::LeftButton, {},
                          form_->tabBar()->tabRect(5).center());
        QCOMPARE(view().tab(), PlotTab::MomentTheta);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Momente Theta"));
        QVERIFY(!form_->action(QStringLiteral("Belastung"))->isChecked());
        QVERIFY(view().userView());
        QVERIFY(!sameBox(view().view(), view().picture().boundingBox()));

        form_->showAll();
        QTest::mouseClick(form_->tabBar(), Qt::LeftButton, {},
                          form_->tabBar()->tabRect(0).center());
        QCOMPARE(view().tab(), PlotTab::Geometry);
        QVERIFY(form_->action(QStringLiteral("Belastung"))->isChecked());
        QVERIFY(!view().userView());
        QVERIFY(sameBox(view().view(), view().picture().boundingBox()));
    }

    void aSwitchButtonRebuildsThePicture() {
        const int before = view().picture().commandCount();
        QAction* numbers = form_->action(QStringLiteral("Knotennummer"));
        numbers->trigger();
        QVERIFY(view().isOn(ShowNodeNumbers));
        QVERIFY(view().picture().commandCount() > before);
        numbers->trigger();
        QCOMPARE(view().picture().commandCount(), before);
    }

    void aSettingsChangeKeepsTheZoomWhileANewCalculationResetsIt() {
        QTest::mouseDClick(box(), Qt::LeftButton, {}, QPoint(300, 300));
        const BoundingBox zoomed = view().view();
        settings_->values.geometry.nodeLineWidth = 0.006;
        TGraphForm::postModelChanged(form_.get(), 1);
        QCoreApplication::processEvents();
        QVERIFY(sameBox(view().view(), zoomed));
        QVERIFY(view().userView());

        TGraphForm::postModelChanged(form_.get(), 0);
        QCoreApplication::processEvents();
        QVERIFY(!view().userView());
        QVERIFY(sameBox(view().view(), view().picture().boundingBox()));
    }

    void ctrlCPutsSvgAndPngOnTheClipboard() {
        QGuiApplication::clipboard()->clear();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        box()->setFocus();
        QTest::keyClick(box(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
        QVERIFY(data->hasFormat(QStringLiteral("image/png")));
        QVERIFY(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
        QImage png;
        QVERIFY(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
        QCOMPARE(png.size(), box()->size());
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void savingWritesTheFormatOfTheChosenExtension() {
        QTemporaryDir folder;
        dialogs_.fileToSave = folder.filePath(QStringLiteral("plot.svg"));
        form_->action(QStringLiteral("Als Datei speichern"))->trigger();
        QFile svg(dialogs_.fileToSave);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));

        dialogs_.fileToSave = folder.filePath(QStringLiteral("plot.png"));
        form_->saveToFile();
        QImage image(dialogs_.fileToSave);
        QVERIFY(!image.isNull());
        QCOMPARE(image.width(), 1600);

        dialogs_.fileToSave = folder.filePath(QStringLiteral("missing/plot.png"));
        form_->saveToFile();
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages.front().startsWith(
            QStringLiteral("Fehler beim Schreiben der Datei: ")));
    }

    void theStatusLineShowsTheModelPointUnderTheMouse() {
        const QPoint at(320, 240);
        // Moves without a button go through the window, as the platform
        // delivers them.
        QTest::mouseMove(form_->windowHandle(), box()->mapTo(form_.get(), at));
        const Vector2 p = deviceToWorld(box()->viewTransform(), at.x(), at.y());
        QCOMPARE(form_->statusText(),
                 QStringLiteral("r = %1    z = %2")
                     .arg(QString::number(p.x, 'g', 6), QString::number(p.y, 'g', 6)));
    }
};

int runGraphWindowTests(int argc, char** argv) {
    GraphWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GraphWindowTest.moc"
