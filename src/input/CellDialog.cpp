#include "input/CellDialog.h"

#include "input/MyEdit.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace venkar {

TCellDialog1::TCellDialog1(QWidget* parent) : QDialog(parent), edit_(new TMyEdit(this)) {
    setWindowTitle(QStringLiteral("Wert"));
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
}

double TCellDialog1::value() {
    return edit_->value();
}

} // namespace venkar
