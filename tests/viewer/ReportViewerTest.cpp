#include "viewer/ReportViewer.h"

#include "viewer/ReportPages.h"
#include "viewer/ViewerOptions.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

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

// The text pdftotext finds on each page of a PDF file, or none when the
// tool is missing.
std::optional<QStringList> pdfPages(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return std::nullopt;
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

TEST(ReportPages, ATableContinuedOnAPageStartsWithItsHeadAndAHeadNeverEndsAPage) {
    struct Case {
        const char* what;
        int first, end, perPage;
        std::vector<TableHead> heads;
        std::vector<std::vector<int>> pages;
    };
    const auto run = [](int from, int to) {
        std::vector<int> lines;
        for (int line = from; line < to; ++line)
            lines.push_back(line);
        return lines;
    };
    const auto join = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<Case> cases{
        {"two tables over four pages",
         0,
         30,
         10,
         {{2, 4, 20}, {22, 24, 30}},
         {run(0, 10), join({2, 3}, run(10, 18)), join({2, 3}, run(18, 26)),
          join({22, 23}, run(26, 30))}},
        {"a head without room for a row moves to the next page",
         0,
         15,
         10,
         {{8, 10, 15}},
         {run(0, 8), run(8, 15)}},
        {"a head as long as the page is not repeated",
         0,
         20,
         10,
         {{0, 12, 20}},
         {run(0, 10), run(10, 20)}},
        {"a selection inside a table starts with its head",
         15,
         19,
         10,
         {{2, 4, 20}},
         {join({2, 3}, run(15, 19))}},
        {"no heads: plain pages", 0, 7, 3, {}, {run(0, 3), run(3, 6), run(6, 7)}},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<int>> pages;
        for (const ReportPage& page : paginateReport(c.first, c.end, c.perPage, c.heads))
            pages.push_back(page.lines);
        EXPECT_EQ(pages, c.pages) << c.what;
    }
}

TEST(ViewerOptions, ReadsTheNameTheHeadsThePointAndTheReport) {
    const auto options = parseViewerArguments({"--name", "/daten/silo-ergebnisse", "--heads",
                                               "/tmp/a.heads", "--near", "1500,-20", "/tmp/a.txt"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->reportFile, "/tmp/a.txt");
    EXPECT_EQ(options->documentName, "/daten/silo-ergebnisse");
    EXPECT_EQ(options->headsFile, "/tmp/a.heads");
    EXPECT_EQ(options->near, QPoint(1500, -20));
    EXPECT_EQ(parseViewerArguments({"/tmp/a.txt"})->reportFile, "/tmp/a.txt");

    const std::vector<QStringList> faults{{},
                                          {"a.txt", "b.txt"},
                                          {"--name", "x"},
                                          {"--near", "12", "a.txt"},
                                          {"--near", "1,y", "a.txt"},
                                          {"--farbe", "rot", "a.txt"},
                                          {"a.txt", "--heads"}};
    for (const QStringList& arguments : faults)
        EXPECT_FALSE(parseViewerArguments(arguments)) << arguments.join(' ').toStdString();
}

TEST_F(ReportViewerTest, PrintedPagesRepeatTheHeadOfAContinuedTableAndCarryTheirNumbers) {
    // A report head, then a table of 150 rows.
    QString text = QStringLiteral("Venkar - Ausdruck der Ergebnisse\n\n");
    for (int line = 2; line < 10; ++line)
        text += QStringLiteral("Kopfzeile %1\n").arg(line);
    text += QStringLiteral("\n--------- Knotenverschiebung ---------\n"
                           "Knoten      wr         wz     Rotation\n"
                           "-------------------------------------\n");
    const int body = 13;
    const int rows = 150;
    for (int row = 1; row <= rows; ++row)
        text += QStringLiteral("%1  Zeile\n").arg(row, 5);
    ASSERT_TRUE(viewer.openFile(writeFile("VnkrAB12.txt", text.toUtf8())));
    viewer.setTableHeads({{10, body, body + rows}});
    viewer.setDocumentName(QStringLiteral("/daten/silo.alt-ergebnisse"));

    const QString pdf = folder.filePath("druck.pdf");
    QString proposed;
    viewer.setPrinterQuery([&](QPrinter& printer, QWidget*) {
        proposed = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    ASSERT_TRUE(viewer.print());
    // The print dialog proposes the document name with ".pdf" for its last
    // extension.
    EXPECT_EQ(proposed, "silo.alt-ergebnisse.pdf");

    const std::optional<QStringList> pages = pdfPages(pdf);
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    ASSERT_GE(pages->size(), 3);
    std::vector<int> printed(rows + 1, 0);
    for (qsizetype page = 0; page < pages->size(); ++page) {
        const QString& content = pages->at(page);
        EXPECT_TRUE(
            content.contains(QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pages->size())))
            << content.toStdString();
        EXPECT_TRUE(content.simplified().contains("Knoten wr wz Rotation")) << "page " << page + 1;
        EXPECT_EQ(content.contains("Kopfzeile"), page == 0) << "the report head is not repeated";
        for (const QString& line : content.split(QLatin1Char('\n'))) {
            const QStringList words = line.simplified().split(QLatin1Char(' '));
            if (words.size() == 2 && words[1] == "Zeile")
                ++printed[static_cast<std::size_t>(words[0].toInt())];
        }
    }
    for (int row = 1; row <= rows; ++row)
        EXPECT_EQ(printed[static_cast<std::size_t>(row)], 1) << "row " << row;
}

TEST_F(ReportViewerTest, CtrlShiftSSavesTheReportAsItWasReadUnderItsDocumentName) {
    const QByteArray bytes("Ringtr\xe4ger\nZeile 2\n");
    ASSERT_TRUE(viewer.openFile(writeFile("VnkrAB12.txt", bytes)));
    viewer.setDocumentName(folder.filePath("silo-eingabeprotokoll"));
    QStringList errors;
    viewer.setErrorReport([&](QWidget*, const QString& message) { errors << message; });
    QString suggested;
    QString answer = folder.filePath("kopie.txt");
    viewer.setSaveFileQuery([&](QWidget*, const QString& start) {
        suggested = start;
        return answer;
    });
    showActive();

    QTest::keyClick(&viewer, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(suggested, folder.filePath("silo-eingabeprotokoll.txt"));
    QFile saved(answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), bytes) << "byte for byte, in the report's own code page";
    EXPECT_TRUE(errors.isEmpty());

    answer.clear();
    EXPECT_FALSE(viewer.saveAs()) << "cancelled";
    answer = folder.filePath("fehlt/kopie.txt");
    EXPECT_FALSE(viewer.saveAs());
    EXPECT_EQ(errors,
              QStringList{QStringLiteral("Fehler beim Schreiben der Datei '%1'.").arg(answer)});
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
