#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace venkar {

class AnalysisModel;
class Model;
struct InputFault;

// Phases of a calculation as the status display highlights them; 0 once
// the calculation has finished successfully.
enum CalculationPhase : int {
    phaseNone = 0,
    phaseElements = 1,     // "Elementverteilung"
    phaseDofs = 2,         // "Freiheitsgradverteilung"
    phaseOptimisation = 3, // "Freiheitsgradoptimierung": never set, the equations are not reordered
    phaseStiffness = 4,    // "Steifigkeitsmatrix"
    phaseLoads = 5,        // "Belastungsvektor"
    phaseSolution = 6,     // "Gleichungslösung"
    phaseResults = 7,      // "Auswertung"
};

// The six figures of the status display.
enum class StatusCount {
    nodes,       // "Knoten"
    elements,    // "Elemente"
    dofs,        // "Freiheitsgrade"
    constraints, // "Randbedingungen"
    memoryBytes, // "Speicherbedarf in Byte"
    bandwidth,   // "Bandbreite"
};

// Where a calculation shows its progress (the status window, the batch
// command's output, a test's record).
class CalculationStatus {
public:
    virtual ~CalculationStatus() = default;
    // The calculation starts after the input checks passed: the status
    // window appears, its button "Fehler" captioned "Berechnung".
    virtual void start() = 0;
    // Highlights phase 1 to 7 (a CalculationPhase); 0 highlights none.
    virtual void setPhase(int phase) = 0;
    virtual void setCount(StatusCount count, std::int64_t value) = 0;
    // Success: "Fertig" shown, "Fehler" hidden.
    virtual void finishOk() = 0;
    // Failure: "Fehler" shown with the caption "Fehler", "Fertig" hidden.
    virtual void finishFailed() = 0;
};

// Where a calculation reports the faults the user has to see.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    // The first fault of the input checks (table, row, column, message).
    virtual void plausibilityFault(const InputFault& fault) = 0;
    // A calculation error, shown under the title "Berechnungsfehler".
    virtual void calculationError(const std::string& message) = 0;
};

inline constexpr const char* contradictionMessage = "Wiederspruch in der Randbedingungen";
inline constexpr const char* singularMessage =
    "Singuläre Steifigkeitsmatrix !\nMöglicherweise liegt verschiebliches System vor";

// One complete linear static calculation of the system in `model` under its
// load case: checks the input, discretises, generates and eliminates the
// constraints, assembles and solves the profile system and recovers the
// results into `analysis`. `flags` is the caller's option value; the self
// weight of the load case adds selfWeightFlag. Returns true when the results
// are valid (analysis.resultsValid = 1). A failed calculation leaves what it
// built in `analysis` with resultsValid = 0. Out of memory, more than
// maxAnalysisElements elements or a profile above the matrix limit raise
// VenkarError after status.finishFailed().
bool calculate(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
               UserMessages& messages, int flags = 0);

// The calculation after the input checks: status.start() and phases 1 to 7.
// Precondition: the system and the load case passed their checks.
bool analyse(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
             UserMessages& messages, int flags = 0);

// The input checks of a calculation: the system, then the load case; the
// first fault goes to `messages`. True when there is none.
bool inputIsPlausible(const Model& model, UserMessages& messages);

// Runs `phases` (a calculation after its checks) as `analyse` does: out of
// memory ends the command with "Nicht genug Speicher", a VenkarError (too
// many elements, a profile too large) ends it with its message, each after
// status.finishFailed() and with the results invalid.
bool guardedCalculation(AnalysisModel& analysis, CalculationStatus& status,
                        const std::function<bool()>& phases);

} // namespace venkar
