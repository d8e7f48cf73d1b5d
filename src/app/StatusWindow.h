#pragma once

#include "analysis/AnalysisDriver.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace venkar {

// The status window "Status der Berechnung": the phase of the running
// calculation and the size figures of the problem, then whether it finished
// ("Fertig") or failed ("Fehler"). The calculation runs on the user-interface
// thread, so every update repaints its control at once without running the
// event loop: the user sees the progress but cannot act meanwhile. Created
// once and shown for every calculation; either button hides it. A tool
// window of its parent (the main window): above it, but never above the
// program's message boxes, such as the one that reports a failure.
class TSolForm : public QDialog, public CalculationStatus {
public:
    explicit TSolForm(QWidget* parent = nullptr);

    void start() override;
    void setPhase(int phase) override;
    void setCount(StatusCount count, std::int64_t value) override;
    void finishOk() override;
    void finishFailed() override;

    // The warnings about the input the calculation runs with, one
    // "Warnung: …" line each below the figures; none hides the place. Set
    // before every calculation.
    void setWarnings(const QStringList& warnings);
    QString warningsText() const;

    // For tests and screenshots: the phase highlighted (0 for none), the
    // text of a figure and the two buttons.
    int highlightedPhase() const;
    QString countText(StatusCount count) const;
    QPushButton* finishButton() const { return finishButton_; }
    QPushButton* errorButton() const { return errorButton_; }

    static constexpr int phaseCount = 7;

private:
    QWidget* buildPhases();
    QWidget* buildCounts();
    void centreOnScreen();

    std::array<QLabel*, phaseCount> phases_{};
    std::array<QLabel*, 6> counts_{};
    QPushButton* finishButton_ = nullptr;
    QPushButton* errorButton_ = nullptr;
    QLabel* warnings_ = nullptr;
};

} // namespace venkar
