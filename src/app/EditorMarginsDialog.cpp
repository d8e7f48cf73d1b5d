#include "app/EditorMarginsDialog.h"

#include "app/AppDialogs.h"
#include "graphics/GraphSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace venkar {

TDruckerForm::TDruckerForm(AppDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), dialogs_(dialogs) {
    setWindowTitle("Editor und Seitenränder");
    ok_ = new QPushButton("Ok", this);
    ok_->setDefault(true);
    cancel_ = new QPushButton("Abbruch", this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildEditorGroup());
    layout->addWidget(buildMarginGroup());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TDruckerForm::buildEditorGroup() {
    auto* group = new QGroupBox("Editor zur Darstellung der Protokolle", this);
    auto* label = new QLabel("Programmname", group);
    editor_ = new QLineEdit(group);
    editor_->setMinimumWidth(320);
    label->setBuddy(editor_);
    browse_ = new QPushButton("...", group);
    connect(browse_, &QPushButton::clicked, this, &TDruckerForm::browse);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(label);
    layout->addWidget(editor_, 1);
    layout->addWidget(browse_);
    return group;
}

QWidget* TDruckerForm::buildMarginGroup() {
    auto* group = new QGroupBox("Seintenräder in mm (Nur für die Grafik)", this);
    for (QSpinBox*& field : margins_) {
        field = new QSpinBox(group);
        field->setRange(0, 50);
    }
    // Arranged like the sides of a page.
    auto* layout = new QGridLayout(group);
    layout->addWidget(margins_[Top], 0, 1);
    layout->addWidget(margins_[Left], 1, 0);
    layout->addWidget(margins_[Right], 1, 2);
    layout->addWidget(margins_[Bottom], 2, 1);
    return group;
}

void TDruckerForm::browse() {
    if (const std::optional<std::string> program =
            dialogs_.chooseProgram(editor_->text().toStdString()))
        editor_->setText(QString::fromStdString(*program));
}

void TDruckerForm::setValues(const EditorAndMargins& values) {
    editor_->setText(QString::fromStdString(values.editor));
    margins_[Left]->setValue(static_cast<int>(values.marginLeft));
    margins_[Right]->setValue(static_cast<int>(values.marginRight));
    margins_[Top]->setValue(static_cast<int>(values.marginTop));
    margins_[Bottom]->setValue(static_cast<int>(values.marginBottom));
}

void TDruckerForm::takeValues(EditorAndMargins& values) const {
    values.editor = editor_->text().toStdString();
    values.marginLeft = margins_[Left]->value();
    values.marginRight = margins_[Right]->value();
    values.marginTop = margins_[Top]->value();
    values.marginBottom = margins_[Bottom]->value();
}

void TDruckerForm::edit(EditorAndMargins& values) {
    setValues(values);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    if (exec() == QDialog::Accepted)
        takeValues(values);
}

} // namespace venkar
