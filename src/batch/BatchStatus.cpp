#include "batch/BatchStatus.h"

#include "model/ColumnCaptions.h"

#include <ostream>

namespace venkar {

namespace {

const char* phaseText(int phase) {
    switch (phase) {
    case phaseElements:
        return "Elementverteilung";
    case phaseDofs:
        return "Freiheitsgradverteilung";
    case phaseOptimisation:
        return "Freiheitsgradoptimierung";
    case phaseStiffness:
        return "Steifigkeitsmatrix";
    case phaseLoads:
        return "Belastungsvektor";
    case phaseSolution:
        return "Gleichungslösung";
    case phaseResults:
        return "Auswertung";
    default:
        return nullptr;
    }
}

const char* countText(StatusCount count) {
    switch (count) {
    case StatusCount::nodes:
        return "Knoten";
    case StatusCount::elements:
        return "Elemente";
    case StatusCount::dofs:
        return "Freiheitsgrade";
    case StatusCount::constraints:
        return "Randbedingungen";
    case StatusCount::memoryBytes:
        return "Speicherbedarf in Byte";
    case StatusCount::bandwidth:
        return "Bandbreite";
    }
    return "";
}

} // namespace

void BatchStatus::start() {
    if (verbose_)
        err_ << "Status der Berechnung\n";
}

void BatchStatus::setPhase(int phase) {
    if (!verbose_)
        return;
    if (const char* text = phaseText(phase))
        err_ << "  " << text << "\n";
}

void BatchStatus::setCount(StatusCount count, std::int64_t value) {
    counts_[static_cast<std::size_t>(count)] = value;
    if (verbose_)
        err_ << "    " << countText(count) << ": " << value << "\n";
}

void BatchStatus::finishOk() {
    if (verbose_)
        err_ << "Fertig\n";
}

void BatchStatus::finishFailed() {
    if (verbose_)
        err_ << "Fehler\n";
}

std::string BatchStatus::describe(const InputFault& fault) {
    std::string text = "Eingabefehler: " + fault.message + " (" + pageCaption(fault.page) +
                       ", Zeile " + std::to_string(fault.row + 1) + ", Spalte " +
                       std::to_string(fault.column);
    // A batch user has no grid to look at: name the column as its header does.
    const auto& tables = allTableCaptions();
    const auto page = static_cast<std::size_t>(fault.page);
    if (page < tables.size()) {
        const std::string caption = joinedCaption(tables[page], fault.column - 1);
        if (!caption.empty())
            text += " \"" + caption + "\"";
    }
    return text + ")";
}

} // namespace venkar
