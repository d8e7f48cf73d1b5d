#include "app/ValueEditor.h"

#include "app/GraphDialogs.h"
#include "graphics/SettingNode.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace venkar {

namespace {

constexpr int stepLimit = 10000;
constexpr double stepFraction = 0.1; // of the default
constexpr int significantDigits = 10;

} // namespace

std::optional<double> parseTypedNumber(const QString& text) {
    QString normalised = text.trimmed();
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(normalised, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

TValueEditForm::TValueEditForm(SettingNode& node, GraphDialogs& dialogs, QWidget* parent)
    : QDialog(parent), node_(node), dialogs_(dialogs),
      numberMode_(node.kind() != SettingKind::TextSetting) {
    setWindowTitle(QStringLiteral("Wertänderung"));
    field_ = new QLineEdit(this);
    field_->setMinimumWidth(220);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    up_->setAutoRepeat(true);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    down_->setAutoRepeat(true);
    up_->setVisible(numberMode_);
    down_->setVisible(numberMode_);
    connect(up_, &QToolButton::clicked, this, &TValueEditForm::stepUp);
    connect(down_, &QToolButton::clicked, this, &TValueEditForm::stepDown);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(field_, 1);
    fieldRow->addLayout(arrows);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setDefault(true);
    auto* reset = new QPushButton(QStringLiteral("Voreinstellung"), this);
    connect(ok, &QPushButton::clicked, this, &TValueEditForm::confirm);
    connect(reset, &QPushButton::clicked, this, &TValueEditForm::resetToDefault);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(reset);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldRow);
    layout->addLayout(buttons);
    showValue();
}

void TValueEditForm::showValue() {
    if (numberMode_)
        field_->setText(QLocale().toString(node_.real(), 'g', significantDigits));
    else
        field_->setText(QString::fromStdString(node_.text()));
}

void TValueEditForm::step(int direction) {
    const int next = position_ + direction;
    if (!numberMode_ || next < -stepLimit || next > stepLimit)
        return;
    position_ = next;
    node_.setReal(node_.real() + direction * stepFraction * node_.defaultReal());
    showValue();
}

void TValueEditForm::stepUp() {
    step(1);
}

void TValueEditForm::stepDown() {
    step(-1);
}

void TValueEditForm::resetToDefault() {
    if (numberMode_)
        node_.setReal(node_.defaultReal());
    else
        node_.setText(node_.defaultText());
    showValue();
}

bool TValueEditForm::confirm() {
    if (numberMode_) {
        const std::optional<double> value = parseTypedNumber(field_->text());
        if (!value) {
            dialogs_.showMessage(
                this, QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(field_->text()));
            return false;
        }
        node_.setReal(*value);
    } else {
        node_.setText(field_->text().toStdString());
    }
    accept();
    return true;
}

void TValueEditForm::keyPressEvent(QKeyEvent* event) {
    // "&Ok" is also the cancel button: Esc stores the field as Ok does.
    if (event->key() == Qt::Key_Escape) {
        confirm();
        return;
    }
    if (numberMode_ && event->key() == Qt::Key_Up) {
        stepUp();
        return;
    }
    if (numberMode_ && event->key() == Qt::Key_Down) {
        stepDown();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace venkar
