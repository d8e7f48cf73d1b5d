#include "app/StatusWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace venkar {

namespace {

constexpr std::array<const char*, TSolForm::phaseCount> phaseLabels = {
    "Elementverteilung",  "Freiheitsgradverteilung", "Freiheitsgradoptimierung",
    "Steifigkeitsmatrix", "Belastungsvektor",        "Gleichungslösung",
    "Auswertung"};

// In the order of StatusCount.
constexpr std::array<const char*, 6> countLabels = {
    "Knoten",    "Elemente", "Freiheitsgrade", "Randbedingungen", "Speicherbedarf in Byte",
    "Bandbreite"};

// A phase line shows its raised frame only while the phase is active.
void setHighlighted(QLabel* label, bool on) {
    label->setFrameStyle(on ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
    label->setLineWidth(2);
}

} // namespace

TSolForm::TSolForm(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle("Status der Berechnung");
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildPhases());
    columns->addWidget(buildCounts());

    finishButton_ = new QPushButton("Fertig", this);
    errorButton_ = new QPushButton("Fehler", this);
    connect(finishButton_, &QPushButton::clicked, this, &QWidget::hide);
    connect(errorButton_, &QPushButton::clicked, this, &QWidget::hide);
    finishButton_->hide();
    // Both buttons share one place; only one is visible at a time.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(finishButton_);
    buttons->addWidget(errorButton_);
    buttons->addStretch();

    warnings_ = new QLabel(this);
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet("color: #8a4b00;");
    // As wide as the figures above: long warnings wrap instead of widening
    // the window.
    warnings_->setFixedWidth(columns->sizeHint().width());
    warnings_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(warnings_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSolForm::setWarnings(const QStringList& warnings) {
    QStringList lines;
    for (const QString& warning : warnings)
        lines << "Warnung: " + warning;
    warnings_->setText(lines.join('\n'));
    warnings_->setVisible(!warnings.isEmpty());
}

QString TSolForm::warningsText() const {
    return warnings_->text();
}

QWidget* TSolForm::buildPhases() {
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    for (std::size_t i = 0; i < phases_.size(); ++i) {
        phases_[i] = new QLabel(phaseLabels[i], box);
        phases_[i]->setMargin(2);
        // Sized with its frame, so that highlighting never squeezes the text.
        setHighlighted(phases_[i], true);
        phases_[i]->setMinimumSize(phases_[i]->sizeHint());
        setHighlighted(phases_[i], false);
        layout->addWidget(phases_[i]);
    }
    return box;
}

QWidget* TSolForm::buildCounts() {
    auto* box = new QGroupBox("Anzahl der ", this);
    auto* layout = new QGridLayout(box);
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        const int row = static_cast<int>(i);
        layout->addWidget(new QLabel(countLabels[i], box), row, 0);
        counts_[i] = new QLabel("0", box);
        counts_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts_[i]->setMinimumWidth(90);
        layout->addWidget(counts_[i], row, 1);
    }
    return box;
}

void TSolForm::centreOnScreen() {
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSolForm::start() {
    finishButton_->hide();
    errorButton_->setText("Berechnung");
    errorButton_->show();
    centreOnScreen();
    show();
    raise();
    repaint();
}

void TSolForm::setPhase(int phase) {
    for (std::size_t i = 0; i < phases_.size(); ++i)
        setHighlighted(phases_[i], static_cast<int>(i) + 1 == phase);
    repaint();
}

void TSolForm::setCount(StatusCount count, std::int64_t value) {
    QLabel* label = counts_[static_cast<std::size_t>(count)];
    label->setText(QString::number(value));
    label->repaint();
}

void TSolForm::finishOk() {
    errorButton_->hide();
    finishButton_->show();
    repaint();
}

void TSolForm::finishFailed() {
    finishButton_->hide();
    errorButton_->setText("Fehler");
    errorButton_->show();
    repaint();
}

int TSolForm::highlightedPhase() const {
    for (std::size_t i = 0; i < phases_.size(); ++i)
        if (phases_[i]->frameShape() != QFrame::NoFrame)
            return static_cast<int>(i) + 1;
    return 0;
}

QString TSolForm::countText(StatusCount count) const {
    return counts_[static_cast<std::size_t>(count)]->text();
}

} // namespace venkar
