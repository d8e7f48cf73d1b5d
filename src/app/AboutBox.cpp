#include "app/AboutBox.h"

#include "app/ProgramPicture.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace venkar {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(programPixmap(96));
    picture->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Venkar"), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* purpose = new QLabel(
        QStringLiteral("Programm zur Berechnung von rotationssymmetrischen Schalen"), this);

    auto* versionCaption = new QLabel(QStringLiteral("Version"), this);
    version_ = new QLabel(QString::fromLatin1(programVersion), this);
    QFont bold = version_->font();
    bold.setBold(true);
    version_->setFont(bold);

    auto* texts = new QGridLayout;
    texts->addWidget(name, 0, 0, 1, 2);
    texts->addWidget(purpose, 1, 0, 1, 2);
    texts->addWidget(versionCaption, 2, 0);
    texts->addWidget(version_, 2, 1);
    texts->setColumnStretch(1, 1);
    texts->setRowStretch(3, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace venkar
