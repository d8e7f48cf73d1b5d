// Writes the screenshots of the program for the documentation:
//   venkar-screenshots FOLDER
// The main window with the water tank example in both input windows, the
// status window after the calculation, and both together as the user sees
// them. Run with QT_QPA_PLATFORM=offscreen; nothing is shown or asked.

#include "analysis/AnalysisModel.h"
#include "app/GraphDialogs.h"
#include "app/MainWindow.h"
#include "app/ProgramPicture.h"
#include "app/QtDialogs.h"
#include "app/QtProcessLauncher.h"
#include "app/StatusWindow.h"
#include "graphics/GraphSettings.h"
#include "input/LoadForm.h"
#include "input/QtInputMessages.h"
#include "input/SystemForm.h"
#include "model/Model.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPainter>
#include <QPixmap>

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

} // namespace

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
                         save(together, folder.filePath("venkar.png"));
    window.documents().setModified(DocumentKind::System, false);
    window.documents().setModified(DocumentKind::Load, false);
    window.close();
    return written ? 0 : 1;
}
