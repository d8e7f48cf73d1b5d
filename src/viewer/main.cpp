// venkar-view FILE: shows a report of Venkar in a window.
#include "viewer/ReportViewer.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("venkar-view"));
    // The installed program icon of Venkar, when the desktop's theme has it.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("venkar")));

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        QMessageBox::warning(nullptr, QStringLiteral("Venkar - Protokoll"),
                             QStringLiteral("Aufruf: venkar-view DATEI"));
        return 2;
    }
    venkar::ReportViewer viewer;
    QString error;
    if (!viewer.openFile(arguments.at(1), &error)) {
        QMessageBox::warning(nullptr, QStringLiteral("Fehler"), error);
        return 1;
    }
    viewer.show();
    return QApplication::exec();
}
