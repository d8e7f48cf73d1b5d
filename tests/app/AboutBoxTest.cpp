#include "app/AboutBox.h"

#include "app/ProgramPicture.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace venkar {
namespace {

// Pixels of the picture that are drawn, not transparent.
int paintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    return painted;
}

TEST(AboutBoxTest, ShowsInfoVersionInBoldAndClosesWithOk) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "Info");
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.versionLabel()->text(), "1.34");
    EXPECT_TRUE(box.versionLabel()->font().bold());
    const QList<QLabel*> labels = box.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == "Programm zur Berechnung von rotationssymmetrischen Schalen";
    }));
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return !label->pixmap().isNull() && paintedPixels(label->pixmap().toImage()) > 1000;
    })) << "the program picture";

    QTimer::singleShot(0, &box, [&] { QTest::mouseClick(box.okButton(), Qt::LeftButton); });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}

TEST(ProgramPictureTest, FillsTheBoxItIsStretchedInto) {
    QImage wide(120, 40, QImage::Format_ARGB32);
    wide.fill(Qt::transparent);
    QPainter painter(&wide);
    paintProgramPicture(painter, QRectF(0, 0, 120, 40));
    painter.end();
    EXPECT_GT(qAlpha(wide.pixel(60, 20)), 0);
    EXPECT_GT(qAlpha(wide.pixel(110, 20)), 0) << "stretched to the full width";
    EXPECT_EQ(programIcon().availableSizes().size(), 7);
}

} // namespace
} // namespace venkar
