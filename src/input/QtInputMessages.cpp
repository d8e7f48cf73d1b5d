#include "input/QtInputMessages.h"

#include "input/CellDialog.h"

#include <QApplication>
#include <QMessageBox>

namespace venkar {

void QtInputMessages::beep() {
    QApplication::beep();
}

bool QtInputMessages::confirmRowDelete() {
    return QMessageBox::information(parent_, QStringLiteral("Info"),
                                    QStringLiteral("Zeile Löschen ?"),
                                    QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<double> QtInputMessages::askValue(const QString& caption) {
    TCellDialog1 dialog(parent_);
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

void QtInputMessages::inputError(const QString& message) {
    QMessageBox::warning(parent_, QStringLiteral("Eingabefehler"), message, QMessageBox::Ok);
}

void QtInputMessages::pasteError(const QString& message) {
    QMessageBox::critical(parent_, QStringLiteral("Fehler"), message, QMessageBox::Ok);
}

void QtInputMessages::commandError(const QString& message) {
    QMessageBox::critical(parent_, QStringLiteral("Fehler"), message, QMessageBox::Ok);
}

} // namespace venkar
