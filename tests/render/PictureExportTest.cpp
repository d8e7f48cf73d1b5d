#include "render/PictureExport.h"
#include "graphics/LoadSymbols.h"
#include "graphics/Picture.h"
#include "graphics/Shape.h"
#include "render/DrawingSample.h"
#include "render/PainterCanvas.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QXmlStreamReader>

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace venkar;
namespace fs = std::filesystem;

namespace {

class PictureExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    void SetUp() override { folder = test::freshTestFolder("venkar-render"); }
    void TearDown() override { fs::remove_all(folder); }

    QString file(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }

    fs::path folder;
};

// Counts the pixels whose colour is close to `colour`.
int pixelsNear(const QImage& image, QColor colour, int tolerance = 40) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance &&
                std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

} // namespace

TEST(PainterCanvas, ConvertsColourValuesWithRedInTheLowByte) {
    EXPECT_EQ(toQColor(colours::red), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(colours::blue), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(0x00336699), QColor(0x99, 0x66, 0x33));
}

TEST_F(PictureExportTest, FilledShapeAndThickLinePaintInTheirColoursAtTheFittedPlace) {
    Picture picture;
    // A red square in the left half, a thick blue line in the right half.
    fillShape(picture, standardShape(ShapeId::NodeSquare), std::sqrt(800.0), 0.0, 0.0, colours::red,
              colours::red, {10, 10});
    picture.setPen(colours::blue, 2.0);
    picture.addLine({30, 0}, {30, 20});

    const QImage image = renderToImage(picture, QSize(440, 220));
    ASSERT_EQ(image.size(), QSize(440, 220));
    // World 0..30 x 0..20 fitted by its height: 220 / 22 pixels per unit,
    // centred.
    const double s = 10.0;
    const auto at = [&](double x, double y) {
        return image.pixelColor(static_cast<int>(std::lround((x - 15) * s + 220)),
                                static_cast<int>(std::lround((y - 10) * s + 110)));
    };
    EXPECT_EQ(at(10, 10), QColor(255, 0, 0));
    EXPECT_EQ(at(30, 10), QColor(0, 0, 255));
    EXPECT_EQ(at(30.8, 10), QColor(0, 0, 255)); // the pen is 2 units wide
    EXPECT_EQ(at(24, 10), QColor(255, 255, 255));
    EXPECT_EQ(at(33, 10), QColor(255, 255, 255));
}

TEST_F(PictureExportTest, AViewRectanglePaintsThatPartOfThePictureOverTheWholeTarget) {
    Picture picture;
    fillShape(picture, standardShape(ShapeId::NodeSquare), std::sqrt(8.0), 0.0, 0.0, colours::red,
              colours::red, {10, 10});
    picture.setPen(colours::blue, 0.5);
    picture.addLine({30, 0}, {30, 20});
    // The view around the square only: 8 x 4 units fitted by width, 440 / 8.8
    // pixels per unit, the line far outside the image.
    const BoundingBox view{6, 8, 14, 12};
    const QImage image = renderToImage(picture, view, QSize(440, 220));
    EXPECT_EQ(pixelsNear(image, QColor(0, 0, 255)), 0);
    const double s = 440 / 8.8;
    EXPECT_EQ(image.pixelColor(220, 110), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(static_cast<int>(220 + 0.8 * s), 110), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(static_cast<int>(220 + 1.2 * s), 110), QColor(255, 255, 255));

    // paintView reports the transform it used; a view without extent paints
    // nothing.
    QImage blank(40, 40, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QPainter painter(&blank);
    const ViewTransform none = paintView(picture, BoundingBox{}, painter, blank.rect());
    const ViewTransform fitted = paintView(picture, view, painter, blank.rect());
    painter.end();
    EXPECT_EQ(none.scaleX, 0.0);
    EXPECT_DOUBLE_EQ(fitted.scaleX, 40 / 8.8);
}

TEST_F(PictureExportTest, EmptyPicturePaintsOnlyTheGround) {
    const QImage image = renderToImage(Picture{}, QSize(50, 40));
    EXPECT_EQ(pixelsNear(image, Qt::white, 0), 50 * 40);
}

TEST_F(PictureExportTest, SampleWithEverySymbolWritesPngSvgAndPdf) {
    const Picture sample = buildDrawingSample();

    const QString png = file("sample.png");
    ASSERT_TRUE(writePng(sample, png, QSize(1200, 600)));
    QImage image;
    ASSERT_TRUE(image.load(png));
    EXPECT_EQ(image.size(), QSize(1200, 600));
    const int white = pixelsNear(image, Qt::white, 10);
    EXPECT_GT(white, 1200 * 600 / 2);              // mostly ground
    EXPECT_LT(white, 1200 * 600 - 10000);          // and a drawing on it
    EXPECT_GT(pixelsNear(image, Qt::black), 2500); // the glyphs
    EXPECT_GT(pixelsNear(image, QColor(255, 0, 0)), 600);
    EXPECT_GT(pixelsNear(image, QColor(0, 0, 255)), 1200);
    EXPECT_GT(pixelsNear(image, QColor(0, 128, 0)), 800);

    const QString svg = file("sample.svg");
    ASSERT_TRUE(writeSvg(sample, svg, QSize(1200, 600), "Probe"));
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgBytes = svgFile.readAll();
    // Well-formed XML with an svg root of the requested view and many shapes.
    QXmlStreamReader xml(svgBytes);
    int drawn = 0;
    QString rootName;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (rootName.isEmpty()) {
            rootName = xml.name().toString();
            viewBox = xml.attributes().value("viewBox").toString();
        }
        const auto name = xml.name();
        if (name == QLatin1String("polyline") || name == QLatin1String("path") ||
            name == QLatin1String("polygon"))
            ++drawn;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(rootName, "svg");
    EXPECT_EQ(viewBox, "0 0 1200 600");
    EXPECT_GT(drawn, 400);
    EXPECT_TRUE(svgBytes.toLower().contains("#ff0000"));
    EXPECT_TRUE(svgBytes.toLower().contains("#0000ff"));

    const QString pdf = file("sample.pdf");
    ASSERT_TRUE(writePdf(sample, pdf, "Probe"));
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdfFile.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_GT(bytes.size(), 5000);
}

TEST_F(PictureExportTest, UnwritablePathsAreReported) {
    const Picture sample = buildDrawingSample();
    fs::create_directories(folder / "taken.png");
    fs::create_directories(folder / "taken.svg");
    fs::create_directories(folder / "taken.pdf");
    EXPECT_FALSE(writePng(sample, file("taken.png"), QSize(100, 50)));
    EXPECT_FALSE(writeSvg(sample, file("taken.svg"), QSize(100, 50)));
    EXPECT_FALSE(writePdf(sample, file("taken.pdf")));
    EXPECT_FALSE(writePng(sample, file("missing/sample.png"), QSize(100, 50)));
}

TEST_F(PictureExportTest, HeadingStandsAboveThePictureWhichMovesBelowIt) {
    Picture picture;
    picture.setPen(colours::blue, 1.0);
    picture.addLine({0, 0}, {100, 0});
    picture.addLine({0, 0}, {0, 100});
    const QSize size(400, 400);
    const QImage plain = renderToImage(picture, size);
    const QImage headed = renderToImage(picture, size, QStringLiteral("Verformung, 250-fach"));
    // The heading's strip: 12 pixels of font at least, half a line of inset.
    auto darkRows = [](const QImage& image, int from, int to) {
        int count = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
        return count;
    };
    EXPECT_EQ(darkRows(plain, 0, 20), 0);
    EXPECT_GT(darkRows(headed, 0, 20), 30);
    // The picture is fitted into the rest: its top line lies lower.
    auto firstBlueRow = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).blue() > 200 && image.pixelColor(x, y).red() < 100)
                    return y;
        return -1;
    };
    ASSERT_GE(firstBlueRow(plain), 0);
    EXPECT_GT(firstBlueRow(headed), firstBlueRow(plain) + 10);
    // The same heading in the vector formats.
    const QByteArray svg =
        renderToSvg(picture, size, QStringLiteral("Venkar"), QStringLiteral("Momente Phi"));
    EXPECT_TRUE(svg.contains("Momente Phi"));
}
