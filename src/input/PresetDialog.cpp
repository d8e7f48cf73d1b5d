#include "input/PresetDialog.h"

#include "input/MyEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace venkar {

TPresetDialog::TPresetDialog(const QStringList& names, QWidget* parent)
    : QDialog(parent), presets_(new QComboBox(this)), psiLambda_(new TMyEdit(this)) {
    setWindowTitle(QStringLiteral("Vorlage"));
    presets_->addItems(names);
    psiLambda_->setText(QStringLiteral("1"));
    psiLambda_->setToolTip(
        QStringLiteral("Abminderungsfaktor der Umströmung freier Enden, 0 < ψλ ≤ 1 (1: keine)"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Druckverteilung:"), presets_);
    fields->addRow(QStringLiteral("&Endeffektfaktor ψλ:"), psiLambda_);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

PresetChoice TPresetDialog::choice() {
    return {presets_->currentIndex(), psiLambda_->value()};
}

} // namespace venkar
