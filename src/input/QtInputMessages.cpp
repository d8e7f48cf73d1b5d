#include "input/QtInputMessages.h"

#include "input/CellDialog.h"
#include "input/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace venkar {

namespace {

int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
    QMessageBox box(icon, caption, text, buttons, messageOwner(parent));
    return execInFront(box);
}

} // namespace

void QtInputMessages::beep() {
    QApplication::beep();
}

bool QtInputMessages::confirmRowDelete() {
    return showBox(parent_, QMessageBox::Information, QStringLiteral("Info"),
                   QStringLiteral("Zeile Löschen ?"),
                   QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<double> QtInputMessages::askValue(const QString& caption) {
    TCellDialog1 dialog(messageOwner(parent_));
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

void QtInputMessages::inputError(const QString& message) {
    showBox(parent_, QMessageBox::Warning, QStringLiteral("Eingabefehler"), message);
}

void QtInputMessages::pasteError(const QString& message) {
    showBox(parent_, QMessageBox::Critical, QStringLiteral("Fehler"), message);
}

void QtInputMessages::commandError(const QString& message) {
    showBox(parent_, QMessageBox::Critical, QStringLiteral("Fehler"), message);
}

} // namespace venkar
