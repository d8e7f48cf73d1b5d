#include "GraphWindowTestSupport.h"

#include "app/GraphWindow.h"
#include "app/ToolBarIcons.h"
#include "graphics/GraphSettings.h"

#include <QAction>
#include <QImage>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

using namespace venkar;
using namespace venkar::test;

class GraphToolBarTest : public QObject {
    Q_OBJECT

private slots:
    // The buttons in their order with their hints, each with a drawn picture
    // of its own.
    void everyButtonHasItsHintAndAPictureOfItsOwn() {
        CalculatedTank tank;
        QVERIFY(tank.ok);
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        TGraphForm form(tank.model, settings, nullptr, dialogs);

        const QStringList hints{"Drucken",
                                "In Zwischenablage kopieren",
                                "Als Datei speichern",
                                "Auschnitt",
                                "Alles zeigen",
                                "Verschieben",
                                "Symetrieachse",
                                "Knotennummer",
                                "Schalennummer",
                                "Materialnummer",
                                "Wertangabe",
                                "Funktionsextrema",
                                "Belastung",
                                "Auflager",
                                "Auflagerkräfte"};
        QStringList found;
        std::vector<QImage> pictures;
        for (QAction* action : form.toolBar()->actions()) {
            // Separators and the spin edits of the scales have no picture.
            if (action->isSeparator() || qobject_cast<QWidgetAction*>(action))
                continue;
            found << action->text();
            QCOMPARE(action->toolTip(), action->text());
            QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
            const QImage picture = action->icon().pixmap(24, 24).toImage();
            int drawn = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    drawn += qAlpha(picture.pixel(x, y)) > 128 ? 1 : 0;
            QVERIFY2(drawn > 40, qPrintable(action->text()));
            for (const QImage& other : pictures)
                QVERIFY2(other != picture, qPrintable(action->text()));
            pictures.push_back(picture);
        }
        QCOMPARE(found, hints);
        QVERIFY(toolBarIcon(QStringLiteral("gibt-es-nicht")).isNull());
    }
};

int runGraphToolBarTests(int argc, char** argv) {
    GraphToolBarTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GraphToolBarTest.moc"
