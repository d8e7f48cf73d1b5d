// Writes the screenshots of the program for the documentation:
//   venkar-screenshots FOLDER
// The main window with the water tank example in both input windows, the
// status window after the calculation, both together as the user sees
// them, the results report in the report viewer and its second printed
// page (through pdftoppm), and the main window after a restore of a
// session whose system was modified and whose load case was saved. Run
// with QT_QPA_PLATFORM=offscreen; nothing is shown or asked.

#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "app/BucklingWindow.h"
#include "app/GraphDialogs.h"
#include "app/MainWindow.h"
#include "app/ProgramPicture.h"
#include "app/QtDialogs.h"
#include "app/QtProcessLauncher.h"
#include "app/RecoveryFile.h"
#include "app/StatusWindow.h"
#include "graphics/GraphSettings.h"
#include "input/LoadForm.h"
#include "input/QtInputMessages.h"
#include "input/SystemForm.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "reports/ReportHead.h"
#include "reports/ResultsReport.h"
#include "viewer/ReportViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <clocale>
#include <cstdio>

using namespace venkar;

namespace {

bool save(const QPixmap& picture, const QString& file) {
    if (picture.save(file))
        return true;
    std::fprintf(stderr, "Kann '%s' nicht schreiben\n", qPrintable(file));
    return false;
}

// The results report of the cooling tower in the viewer, scrolled to the
// section forces of its shells, and the second page of its print, where
// the table continued from the first page starts with its head again.
bool writeReportPictures(const QString& examples, const QDir& folder) {
    Model model;
    AnalysisModel analysis;
    QuietCalculation quiet;
    const std::string system = (examples + "/kuehlturm.vsy").toStdString();
    const std::string load = (examples + "/kuehlturm.vla").toStdString();
    readSystemText(model, readTextFile(system).value_or(""));
    readLoadText(model, readTextFile(load).value_or(""));
    if (!calculate(model, analysis, quiet, quiet)) {
        std::fprintf(stderr, "Der Kühlturm rechnet nicht: %s\n", quiet.error.c_str());
        return false;
    }
    const ReportHead head{currentLocalTime(), "/home/ingenieur/Beispiele/kuehlturm.vsy",
                          "/home/ingenieur/Beispiele/kuehlturm.vla"};
    const ReportText report = composeResultsReport(analysis.results, head);
    QTemporaryDir work;
    const QString file = work.filePath("VnkrA1b2C3.txt");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(report.text.data(), qint64(report.text.size())) != qint64(report.text.size()))
        return false;
    out.close();

    ReportViewer viewer;
    if (!viewer.openFile(file))
        return false;
    viewer.setTableHeads(report.tableHeads);
    viewer.setDocumentName(QStringLiteral("/home/ingenieur/Beispiele/kuehlturm-ergebnisse"));
    viewer.resize(820, 560);
    viewer.show();
    QApplication::processEvents();
    QPlainTextEdit* text = viewer.textView();
    QTextCursor at = text->document()->find(QStringLiteral("Schnittkräfte der Schale"));
    at.clearSelection();
    // The table's title at the top of the view.
    text->moveCursor(QTextCursor::End);
    text->setTextCursor(at);
    text->ensureCursorVisible();
    QApplication::processEvents();
    const QPixmap window = viewer.grab();

    const QString pdf = work.filePath("protokoll.pdf");
    viewer.setPrinterQuery([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 2);
        return true;
    });
    const bool printed = viewer.print();
    const int rendered = printed ? QProcess::execute(QStringLiteral("pdftoppm"),
                                                     {"-r", "70", "-png", "-singlefile", pdf,
                                                      folder.filePath("report-page-2")})
                                 : -1;
    if (rendered != 0)
        std::fprintf(stderr, "Die zweite Druckseite konnte nicht gezeichnet werden\n");
    return save(window, folder.filePath("report-viewer.png")) && rendered == 0;
}

// The Qt dialogs, but "Ja" to the question of the restore.
class RestoringDialogs : public QtDialogs {
public:
    bool askYesNo(const std::string&, const std::string&) override { return true; }
};

// Leaves in `recoveryFolder` what a killed program leaves behind: the
// modified system (a wall made thicker) and the name of the saved load case.
void leaveSession(const QString& recoveryFolder, const QString& system, const QString& load) {
    QDir(recoveryFolder).removeRecursively();
    QDir().mkpath(recoveryFolder);
    Model edited;
    readSystemText(edited, readTextFile(system.toStdString()).value_or(""));
    edited.materials.setCell(0, 1, 0.25);
    const std::string session = (recoveryFolder + "/1").toStdString();
    writeTextFileAtomically(
        session + "-system.vrk",
        encodeRecoveryCopy({DocumentKind::System, system.toStdString(), writeSystemText(edited)}));
    writeTextFileAtomically(
        session + "-load.vrk",
        encodeRecoveryCopy({DocumentKind::Load, load.toStdString(), "", false}));
}

// The main window of a program started after the session in
// `places.recoveryFolder` ended: the restore, both input windows, and the
// check of the load case.
QPixmap restoredSession(const ProgramPlaces& places) {
    Model model;
    AnalysisModel analysis;
    GraphSettings settings;
    RestoringDialogs dialogs;
    QtInputMessages inputMessages;
    QtProcessLauncher processes;
    TMDIAppForm window(model, analysis, settings,
                       {dialogs, inputMessages, qtGraphDialogs(), processes}, places);
    dialogs.setParentWindow(&window);
    window.resize(1280, 800);
    window.show();
    window.startWith({});
    window.showSystemWindow();
    window.showLoadWindow();
    QApplication::processEvents();
    window.tileBelow();
    window.loadWindow()->checkPlausibility();
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    window.documents().setModified(DocumentKind::System, false);
    window.close();
    return picture;
}

} // namespace

// The silo wall of the README's buckling example: r = 3000, t = 5, 12 m
// high, steel, clamped foot, the top held radially under 1 N/mm.
void writeSiloWall(const QDir& folder) {
    writeTextFileAtomically(
        folder.filePath("silowand.vsy").toStdString(),
        "NODES\n2\n    1 3000.0 0.0 1 1 1 0.0\n    2 3000.0 12000.0 1 0 0 0.0\n\n"
        "SHELLS\n1\n    1 1 2 0 0.0 1 1.0 10\n\n"
        "MATERIALS\n1\n    1 2.1e5 5.0 0.3 0.0 0.0 0.0\n\nHINGES\n0\n\nRINGS\n0\n");
    writeTextFileAtomically(folder.filePath("silowand.vla").toStdString(),
                            "NODELOAD\n1\n    1 2 0.0 -1.0 0.0\n\nSHELLLOAD\n0\n");
}

// The window "Beulanalyse" of the silo wall on both its tabs.
bool writeBucklingPictures(TMDIAppForm& window, const QDir& examples, const QDir& folder) {
    writeSiloWall(examples);
    window.openFiles({examples.filePath("silowand.vsy"), examples.filePath("silowand.vla")});
    window.bucklingAnalysis();
    QApplication::processEvents();
    const std::vector<TBucklingWindow*> windows = window.bucklingWindows();
    if (windows.empty())
        return false;
    TBucklingWindow& buckling = *windows.back();
    // The window is an MDI child: its frame sets the size.
    buckling.parentWidget()->resize(900, 680);
    buckling.tabs()->setCurrentIndex(TBucklingWindow::curveTab);
    QApplication::processEvents();
    const bool curve = save(buckling.grab(), folder.filePath("beulanalyse-beulkurve.png"));
    buckling.tabs()->setCurrentIndex(TBucklingWindow::modeTab);
    QApplication::processEvents();
    return save(buckling.grab(), folder.filePath("beulanalyse-beulform.png")) && curve;
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(programIcon());
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Venkar");
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: venkar-screenshots ORDNER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const QString examples = QString(VENKAR_EXAMPLES_DIR);

    Model model;
    AnalysisModel analysis;
    GraphSettings settings;
    QtDialogs dialogs;
    QtInputMessages inputMessages;
    QtProcessLauncher processes;
    ProgramPlaces places;
    places.programPath = QApplication::applicationFilePath().toStdString();
    places.configurationFile = (QDir::tempPath() + "/venkar-screenshots.dat").toStdString();
    places.temporaryFolder = QDir::tempPath().toStdString();
    places.recoveryFolder = (QDir::tempPath() + "/venkar-screenshots-recovery").toStdString();
    TMDIAppForm window(model, analysis, settings,
                       {dialogs, inputMessages, qtGraphDialogs(), processes}, places);
    window.resize(1280, 800);
    window.show();
    // The captions show the files' paths: a neutral folder reads better than
    // the build machine's.
    const QDir exampleFolder(QDir::tempPath() + "/Beispiele");
    exampleFolder.mkpath(".");
    for (const char* name : {"wassertank.vsy", "wassertank.vla"}) {
        QFile::remove(exampleFolder.filePath(name));
        QFile::copy(examples + "/" + name, exampleFolder.filePath(name));
    }
    window.openFiles(
        {exampleFolder.filePath("wassertank.vsy"), exampleFolder.filePath("wassertank.vla")});
    window.showSystemWindow();
    window.showLoadWindow();
    QApplication::processEvents();
    window.tileBelow();
    window.calculate();
    QApplication::processEvents();

    const QPixmap main = window.grab();
    TSolForm& status = window.statusWindow();
    const QPixmap statusPicture = status.grab();
    QPixmap together = main;
    {
        QPainter painter(&together);
        const QPoint corner(main.width() - statusPicture.width() - 40,
                            main.height() - statusPicture.height() - 60);
        // The window frame the offscreen platform does not draw: a shadow
        // and a title strip with the caption.
        const int titleHeight = 24;
        const QRect frame(corner - QPoint(0, titleHeight),
                          statusPicture.size() + QSize(0, titleHeight));
        painter.fillRect(frame.translated(4, 4), QColor(0, 0, 0, 60));
        painter.fillRect(QRect(frame.topLeft(), QSize(frame.width(), titleHeight)),
                         QColor(0x3d, 0x6e, 0xa8));
        painter.setPen(Qt::white);
        painter.drawText(QRect(frame.topLeft() + QPoint(8, 0), QSize(frame.width(), titleHeight)),
                         Qt::AlignVCenter | Qt::AlignLeft, status.windowTitle());
        painter.drawPixmap(corner, statusPicture);
        painter.setPen(Qt::darkGray);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
    const bool written = save(main, folder.filePath("hauptfenster.png")) &&
                         save(statusPicture, folder.filePath("statusfenster.png")) &&
                         save(together, folder.filePath("venkar.png")) &&
                         writeReportPictures(examples, folder) &&
                         writeBucklingPictures(window, exampleFolder, folder);
    window.documents().setModified(DocumentKind::System, false);
    window.documents().setModified(DocumentKind::Load, false);
    window.close();

    ProgramPlaces restart = places;
    restart.recoveryFolder = (QDir::tempPath() + "/venkar-screenshots-restore").toStdString();
    leaveSession(QString::fromStdString(restart.recoveryFolder.string()),
                 exampleFolder.filePath("wassertank.vsy"),
                 exampleFolder.filePath("wassertank.vla"));
    const bool restoreWritten =
        save(restoredSession(restart), folder.filePath("wiederherstellung.png"));
    return written && restoreWritten ? 0 : 1;
}
