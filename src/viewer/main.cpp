// venkar-view [--name NAME] [--heads FILE] [--near X,Y] FILE: shows a
// report of Venkar in a window (ViewerOptions.h).
#include "app/QtGermanTexts.h"
#include "app/ScreenPlacement.h"
#include "viewer/ReportViewer.h"
#include "viewer/ViewerOptions.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("venkar-view"));
    // The installed program icon of Venkar, when the desktop's theme has it.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("venkar")));
    venkar::installQtGermanTexts(application);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const std::optional<venkar::ViewerOptions> options = venkar::parseViewerArguments(arguments);
    if (!options) {
        QMessageBox::warning(nullptr, QStringLiteral("Venkar - Protokoll"), venkar::viewerUsage());
        return 2;
    }
    venkar::ReportViewer viewer;
    QString error;
    if (!viewer.openFile(options->reportFile, &error)) {
        QMessageBox::warning(nullptr, QStringLiteral("Fehler"), error);
        return 1;
    }
    viewer.setDocumentName(options->documentName);
    if (!options->headsFile.isEmpty())
        viewer.readTableHeads(options->headsFile);
    // On the screen of the main window that started the viewer; started by
    // hand, on the screen under the mouse.
    venkar::placeOnScreenAt(viewer, options->near.value_or(QCursor::pos()));
    viewer.show();
    return QApplication::exec();
}
