#include "app/QtDialogs.h"

#include "input/MessageBoxes.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace venkar {

namespace {

struct FileDialogTexts {
    const char* openTitle;
    const char* saveTitle;
    const char* openFilter;
    const char* saveFilter;
    const char* suffix;
};

FileDialogTexts textsOf(DocumentKind kind) {
    if (kind == DocumentKind::System)
        return {"System öffnen", "System Speicher unter", "Venkar Systemdatei (*.vsy)",
                "Venkar Systemdatei (*.vsy)", "vsy"};
    return {"Lastfall öffnen", "Lastfall Speichern unter", "Venkar Lastdatei (*.vla)",
            "Venkar Lastfalldatei (*.vla)", "vla"};
}

std::optional<std::string> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

Answer QtDialogs::ask(const std::string& question, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(question), QMessageBox::NoButton, messageOwner(parent_));
    QPushButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
    QPushButton* no = box.addButton("&Nein", QMessageBox::NoRole);
    QPushButton* cancel = box.addButton("Abbrechen", QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    execInFront(box);
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

std::optional<std::string> QtDialogs::chooseFileToOpen(DocumentKind kind) {
    const FileDialogTexts texts = textsOf(kind);
    QFileDialog dialog(messageOwner(parent_), texts.openTitle, QString(), texts.openFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(texts.suffix);
    return runFileDialog(dialog);
}

std::optional<std::string> QtDialogs::chooseFileToSave(DocumentKind kind) {
    const FileDialogTexts texts = textsOf(kind);
    QFileDialog dialog(messageOwner(parent_), texts.saveTitle, QString(), texts.saveFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The default suffix is added before the dialog asks about overwriting.
    dialog.setDefaultSuffix(texts.suffix);
    return runFileDialog(dialog);
}

void QtDialogs::showError(const std::string& message, const std::string& caption) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption),
                    QString::fromStdString(message), QMessageBox::Ok, messageOwner(parent_));
    execInFront(box);
}

void QtDialogs::showInformation(const std::string& message, const std::string& caption) {
    QMessageBox box(QMessageBox::Information, QString::fromStdString(caption),
                    QString::fromStdString(message), QMessageBox::Ok, messageOwner(parent_));
    execInFront(box);
}

bool QtDialogs::askYesNo(const std::string& question, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(question), QMessageBox::NoButton, messageOwner(parent_));
    QPushButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
    QPushButton* no = box.addButton("&Nein", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    execInFront(box);
    return box.clickedButton() == yes;
}

std::optional<std::string> QtDialogs::chooseProgram(const std::string& current) {
    QFileDialog dialog(messageOwner(parent_), "Editor auswählen",
                       QFileInfo(QString::fromStdString(current)).absolutePath(), "Programme (*)");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

} // namespace venkar
