#include "app/GraphDialogs.h"

#include "app/ValueEditor.h"

#include "input/MessageBoxes.h"
#include "render/PainterCanvas.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace venkar {

void QtGraphDialogs::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Venkar"), text, QMessageBox::Ok,
                    messageOwner(parent));
    execInFront(box);
}

bool QtGraphDialogs::askYesNo(QWidget* parent, const QString& caption, const QString& question) {
    QMessageBox box(QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No,
                    messageOwner(parent));
    return execInFront(box) == QMessageBox::Yes;
}

QString QtGraphDialogs::plotFileToSave(QWidget* parent, const QString& suggestedName) {
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Als Datei speichern"), suggestedName,
        QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)"));
    const QString lower = path.toLower();
    if (!path.isEmpty() && !lower.endsWith(".png") && !lower.endsWith(".svg") &&
        !lower.endsWith(".pdf"))
        path += QStringLiteral(".png");
    return path;
}

bool QtGraphDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<Colour> QtGraphDialogs::chooseColour(QWidget* parent, Colour initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<Colour>(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
}

void QtGraphDialogs::editSetting(QWidget* parent, SettingNode& node) {
    TValueEditForm editor(node, *this, parent);
    editor.exec();
}

GraphDialogs& qtGraphDialogs() {
    static QtGraphDialogs dialogs;
    return dialogs;
}

} // namespace venkar
