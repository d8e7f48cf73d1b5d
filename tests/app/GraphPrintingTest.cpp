#include "GraphWindowTestSupport.h"

#include "app/GraphPrinting.h"
#include "app/GraphWindow.h"
#include "app/PrintLayout.h"
#include "graphics/GraphSettings.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace venkar;
using namespace venkar::test;

namespace {

// A page of 10 pixels per millimetre: every margin converts exactly.
PageDevice tenPixelsPerMm(bool landscape) {
    PageDevice device;
    device.dotsPerInchX = device.dotsPerInchY = 254.0;
    device.width = landscape ? 2970 : 2100;
    device.height = landscape ? 2100 : 2970;
    device.landscape = landscape;
    return device;
}

bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 160;
}

// A dark pixel within `reach` pixels of (x, y) along the row.
bool darkNearX(const QImage& image, int x, int y, int reach) {
    for (int dx = -reach; dx <= reach; ++dx)
        if (x + dx >= 0 && x + dx < image.width() && isDark(image, x + dx, y))
            return true;
    return false;
}

} // namespace

class GraphPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void threeWindowsOnATallAreaTakeTwoColumnsAndTwoRowsWithTheLastStretched() {
        const CellLayout layout = cellLayout(3, QRect(0, 0, 1000, 1400), 1.0);
        QCOMPARE(layout.columns, 2);
        QCOMPARE(layout.rows, 2);
        QCOMPARE(layout.cells.size(), std::size_t(3));
        QCOMPARE(layout.cells[0], QRect(0, 0, 500, 700));
        QCOMPARE(layout.cells[1], QRect(500, 0, 500, 700));
        QCOMPARE(layout.cells[2], QRect(0, 700, 1000, 700));
    }

    void cellsGrowByRowsOrColumnsAfterTheAreaAndItsAspect() {
        // No window: one empty cell grid.
        QVERIFY(cellLayout(0, QRect(0, 0, 1000, 1400), 1.0).cells.empty());
        // A wide area adds a column first; an offset area shifts every cell.
        const CellLayout wide = cellLayout(2, QRect(10, 20, 1400, 1000), 1.0);
        QCOMPARE(wide.columns, 2);
        QCOMPARE(wide.rows, 1);
        QCOMPARE(wide.cells[1], QRect(710, 20, 700, 1000));
        // The aspect weighs the height: half as many vertical pixels per mm
        // make the same area count as twice as tall.
        const CellLayout tall = cellLayout(2, QRect(0, 0, 1400, 1000), 2.0);
        QCOMPARE(tall.rows, 2);
        // Five windows: 2 x 3, the last alone and stretched over its row.
        const CellLayout five = cellLayout(5, QRect(0, 0, 1000, 1400), 1.0);
        QCOMPARE(five.columns * five.rows, 6);
        QCOMPARE(five.cells[4].width(), five.columns * five.cellWidth);
        QCOMPARE(five.cells[3].width(), five.cellWidth);
    }

    void marginsTurnWithTheSheetAndTheFooterBandSitsAboveTheBottomMargin() {
        const PageMargins margins{1.0, 2.0, 3.0, 4.0}; // Links, Rechts, Oben, Unten
        const PageFrame portrait = pageFrame(tenPixelsPerMm(false), margins);
        QCOMPARE(portrait.left, 10);
        QCOMPARE(portrait.right, 2100 - 20);
        QCOMPARE(portrait.top, 30);
        QCOMPARE(portrait.bottom, 2970 - 40);
        QCOMPARE(portrait.penWidth, 5);
        QCOMPARE(portrait.footerTop, 2930 - 150);
        QCOMPARE(portrait.footerLine, 2930 - 150 + 5);
        QCOMPARE(portrait.cellAreaHeight(), 2785 - 30);

        const PageFrame landscape = pageFrame(tenPixelsPerMm(true), margins);
        QCOMPARE(landscape.top, 10);              // Links
        QCOMPARE(landscape.left, 40);             // Unten
        QCOMPARE(landscape.right, 2970 - 30);     // Oben
        QCOMPARE(landscape.bottom, 2100 - 20);    // Rechts
        QCOMPARE(landscape.footerTop, 2080 - 80); // 8 mm band
    }

    void theTitleStripPlacesIconAndTextsInsideTheFooterBand() {
        const PageDevice device = tenPixelsPerMm(false);
        const PageFrame frame = pageFrame(device, {});
        const TitleStripLayout strip = titleStripLayout(frame, device);
        // Upper row: the icon, 3 mm from the left, 1 mm inside the row.
        QCOMPARE(strip.icon.left(), frame.left + 30);
        QCOMPARE(strip.icon.top(), frame.footerLine + 10);
        QCOMPARE(strip.middle, (frame.footerLine + frame.bottom) / 2);
        QCOMPARE(strip.icon.top() + strip.icon.height(), strip.middle - 10);
        QVERIFY(strip.rowLineLeft > strip.icon.right());
        QVERIFY(strip.mainText.textLeft > strip.rowLineLeft);
        QCOMPARE(strip.mainText.textTop, strip.middle);
        QCOMPARE(strip.versionText.textWidth,
                 strip.icon.left() + strip.icon.width() - strip.versionText.textLeft);

        const PageDevice wide = tenPixelsPerMm(true);
        const TitleStripLayout row = titleStripLayout(pageFrame(wide, {}), wide);
        QVERIFY(row.mainText.textLeft > row.icon.right());
        QCOMPARE(row.mainText.textHeight, (row.mainText.textBottom - row.mainText.textTop) / 2);

        // Fitting shrinks the size until the text fits, and stops at 0.
        const auto measure = [](int size) { return QSize(10 * size, 2 * size); };
        QCOMPARE(fitFontSize(14, 100, 100, measure), 10);
        QCOMPARE(fitFontSize(14, 200, 100, measure), 14);
        QCOMPARE(fitFontSize(14, -1, 100, measure), 0);
    }

    void aPagePaintsTheCellFramesOfThreeWindowsWithTheThirdStretched() {
        // Windows on an empty model draw only their caption and frame.
        Model empty;
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        TGraphForm first(empty, settings, nullptr, dialogs);
        TGraphForm second(empty, settings, nullptr, dialogs);
        TGraphForm third(empty, settings, nullptr, dialogs);
        const PageDevice device = tenPixelsPerMm(false);
        QImage page(device.width, device.height, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        paintGraphPage(painter, device, {}, {&first, &second, &third}, TitleStripData{});
        painter.end();

        const PageFrame frame = pageFrame(device, {});
        const CellLayout layout = cellLayout(
            3, QRect(frame.left, frame.top, frame.cellAreaWidth(), frame.cellAreaHeight()), 1.0);
        const int split = frame.left + layout.cellWidth;
        const int firstRow = frame.top + layout.cellHeight / 2;
        const int secondRow = frame.top + layout.cellHeight * 3 / 2;
        QVERIFY(darkNearX(page, split - 4, firstRow, 2)); // right frame of cell 0
        QVERIFY(darkNearX(page, split + 3, firstRow, 2)); // left frame of cell 1
        for (int x = split - 10; x <= split + 10; ++x)
            QVERIFY(!isDark(page, x, secondRow));
        QVERIFY(darkNearX(page, frame.right - 4, secondRow, 2)); // stretched cell 2
    }

    void printingThreeWindowsWritesOnePdfPage() {
        QTemporaryDir folder;
        Model empty;
        GraphSettings settings;
        FakeGraphDialogs dialogs;
        dialogs.printerPdfFile = folder.filePath(QStringLiteral("page.pdf"));
        TGraphForm first(empty, settings, nullptr, dialogs);
        TGraphForm second(empty, settings, nullptr, dialogs);
        TGraphForm third(empty, settings, nullptr, dialogs);
        const TitleStripData title{QStringLiteral("1.34"), QStringLiteral("tank.vsy"),
                                   QStringLiteral("tank.vla"), QImage()};
        QVERIFY(printGraphWindows({&first, &second, &third}, dialogs, title, PageMargins{}));
        QFile pdf(dialogs.printerPdfFile);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), qsizetype(1));

        // A cancelled print dialog prints nothing.
        dialogs.printerAccepted = false;
        dialogs.printerPdfFile = folder.filePath(QStringLiteral("cancelled.pdf"));
        QVERIFY(!printGraphWindows({&first}, dialogs, title, PageMargins{}));
        QVERIFY(!QFile::exists(dialogs.printerPdfFile));

        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed: the page is not rendered");
        const QString stem = folder.filePath(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("100"),
                                              QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                              folder.filePath(QStringLiteral("page.pdf")), stem}),
                 0);
        const QImage page(stem + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        // A4 portrait at 100 dpi, laid out as on any other device.
        QCOMPARE(page.width(), 827);
        PageDevice device;
        device.width = page.width();
        device.height = page.height();
        device.dotsPerInchX = device.dotsPerInchY = 100.0;
        const PageFrame frame = pageFrame(device, {});
        const CellLayout layout = cellLayout(
            3, QRect(frame.left, frame.top, frame.cellAreaWidth(), frame.cellAreaHeight()), 1.0);
        const int split = frame.left + layout.cellWidth;
        const int firstRow = frame.top + layout.cellHeight / 2;
        const int secondRow = frame.top + layout.cellHeight * 3 / 2;
        QVERIFY(darkNearX(page, split, firstRow, 3));
        for (int x = split - 8; x <= split + 8; ++x)
            QVERIFY(!isDark(page, x, secondRow));
        QVERIFY(darkNearX(page, frame.right - 2, secondRow, 3));
        QVERIFY(darkNearX(page, frame.left + 1, frame.footerLine + 3, 3)); // page frame
    }
};

int runGraphPrintingTests(int argc, char** argv) {
    GraphPrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GraphPrintingTest.moc"
