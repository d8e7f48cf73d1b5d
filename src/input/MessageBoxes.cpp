#include "input/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace venkar {

QWidget* messageOwner(QWidget* preferred) {
    // A box asked for while a modal dialog runs belongs to that dialog: over
    // any other window it could open behind it.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (preferred)
        return preferred->window();
    return QApplication::activeWindow();
}

int execInFront(QMessageBox& box) {
    // Queued into the box's own event loop, so it runs once the box shows.
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    return box.exec();
}

} // namespace venkar
