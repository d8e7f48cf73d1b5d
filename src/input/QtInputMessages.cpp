#include "input/QtInputMessages.h"

#include "input/CellDialog.h"
#include "input/MessageBoxes.h"
#include "input/PresetDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

std::optional<PresetChoice> QtInputMessages::choosePreset(const QStringList& names) {
    TPresetDialog dialog(names, messageOwner(parent_));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

bool QtInputMessages::confirmReplace(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vorlage"), question,
                    QMessageBox::NoButton, messageOwner(parent_));
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    execInFront(box);
    return box.clickedButton() == yes;
}

} // namespace venkar
