#include "viewer/ReportViewer.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace venkar {
namespace {

const QString reportText = QStringLiteral("Venkar - Ausdruck der Ergebnisse\n"
                                          "\n"
                                          "Knoten      wr         wz     Rotation\n"
                                          "    1  0.000      0.000      0.000\n"
                                          "Schale Nr.1\n"
                                          "Kreisringträger\n"
                                          "Schale Nr.2\n");

class ReportViewerTest : public testing::Test {
protected:
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void showActive() {
        viewer.show();
        QApplication::setActiveWindow(&viewer);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    }

    int selectionStart() const { return viewer.textView()->textCursor().selectionStart(); }
    QString selectedText() const { return viewer.textView()->textCursor().selectedText(); }

    QTemporaryDir folder;
    ReportViewer viewer;
};

TEST_F(ReportViewerTest, ShowsTheReportReadOnlyInAFixedWidthFontUnderItsTitleLine) {
    const QString path = writeFile("VNKR0001.txt", reportText.toUtf8());
    ASSERT_TRUE(viewer.openFile(path));

    EXPECT_EQ(viewer.textView()->toPlainText(), reportText);
    EXPECT_TRUE(viewer.textView()->isReadOnly());
    const QFontMetrics metrics(viewer.textView()->font());
    EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
    EXPECT_EQ(viewer.textView()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(viewer.windowTitle(), "Venkar - Ausdruck der Ergebnisse (VNKR0001.txt)");
    EXPECT_EQ(viewer.filePath(), path);
}

TEST_F(ReportViewerTest, AMissingFileGivesAGermanMessageAndKeepsTheShownReport) {
    ASSERT_TRUE(viewer.openFile(writeFile("a.txt", reportText.toUtf8())));
    QString error;
    const QString missing = folder.filePath("fehlt.txt");

    EXPECT_FALSE(viewer.openFile(missing, &error));
    EXPECT_EQ(error, QStringLiteral("Die Datei '%1' kann nicht geöffnet werden.").arg(missing));
    EXPECT_EQ(viewer.textView()->toPlainText(), reportText);
    EXPECT_FALSE(viewer.openFile(folder.path(), &error)) << "a folder is no report";
}

TEST_F(ReportViewerTest, ReadsAnOlderReportInCodePage1252) {
    ASSERT_TRUE(viewer.openFile(writeFile("alt.txt", QByteArray("Ringtr\xe4ger\n"))));
    EXPECT_EQ(viewer.textView()->toPlainText(), QStringLiteral("Ringträger\n"));
}

TEST_F(ReportViewerTest, CtrlFAndF3FindEveryOccurrenceAndWrapAround) {
    ASSERT_TRUE(viewer.openFile(writeFile("r.txt", reportText.toUtf8())));
    showActive();

    QTest::keyClick(&viewer, Qt::Key_F, Qt::ControlModifier);
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    ASSERT_NE(field, viewer.textView()) << "Ctrl+F focuses the search field";
    QTest::keyClicks(field, "schale");
    QTest::keyClick(field, Qt::Key_Return);

    const int first = reportText.indexOf("Schale Nr.1");
    const int second = reportText.indexOf("Schale Nr.2");
    EXPECT_EQ(selectionStart(), first);
    EXPECT_EQ(selectedText(), "Schale");

    QTest::keyClick(&viewer, Qt::Key_F3);
    EXPECT_EQ(selectionStart(), second);
    QTest::keyClick(&viewer, Qt::Key_F3);
    EXPECT_EQ(selectionStart(), first) << "past the end the search starts again at the top";
    QTest::keyClick(&viewer, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selectionStart(), second) << "Shift+F3 searches backwards round the top";
}

TEST_F(ReportViewerTest, TextNotInTheReportIsReportedAndKeepsTheSelection) {
    ASSERT_TRUE(viewer.openFile(writeFile("r.txt", reportText.toUtf8())));
    viewer.setSearchText("Rotation");
    ASSERT_TRUE(viewer.findNext());
    const int found = selectionStart();

    viewer.setSearchText("Ringlast");
    EXPECT_FALSE(viewer.findNext());
    EXPECT_EQ(viewer.searchNote(), "'Ringlast' nicht gefunden");
    EXPECT_EQ(selectionStart(), found);

    viewer.setSearchText("Kreisringträger");
    EXPECT_TRUE(viewer.findNext()) << "umlauts are found";
    EXPECT_TRUE(viewer.searchNote().isEmpty());
}

TEST_F(ReportViewerTest, CtrlACtrlCCopiesTheWholeReport) {
    ASSERT_TRUE(viewer.openFile(writeFile("r.txt", reportText.toUtf8())));
    showActive();
    QApplication::clipboard()->clear();

    QTest::keyClick(viewer.textView(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(viewer.textView(), Qt::Key_C, Qt::ControlModifier);

    EXPECT_EQ(QApplication::clipboard()->text(), reportText);
}

TEST_F(ReportViewerTest, PrintsThroughThePrinterTheDialogChose) {
    ASSERT_TRUE(viewer.openFile(writeFile("r.txt", reportText.toUtf8())));
    const QString pdf = folder.filePath("druck.pdf");
    int asked = 0;
    viewer.setPrinterQuery([&](QPrinter& printer, QWidget*) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    EXPECT_TRUE(viewer.print());
    EXPECT_EQ(asked, 1);
    EXPECT_GT(QFileInfo(pdf).size(), 500);

    viewer.setPrinterQuery([](QPrinter&, QWidget*) { return false; });
    QFile::remove(pdf);
    EXPECT_FALSE(viewer.print()) << "cancelling the dialog prints nothing";
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

} // namespace
} // namespace venkar
