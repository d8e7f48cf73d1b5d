#include "analysis/AnalysisDriver.h"

#include "analysis/AnalysisModel.h"
#include "analysis/Assembly.h"
#include "analysis/ConstraintElimination.h"
#include "analysis/ConstraintGeneration.h"
#include "analysis/Discretisation.h"
#include "analysis/ResultRecovery.h"
#include "analysis/SkylineMatrix.h"
#include "checks/LoadCheck.h"
#include "checks/SystemCheck.h"
#include "model/Error.h"
#include "model/Model.h"

#include <new>
#include <optional>

namespace venkar {

bool inputIsPlausible(const Model& model, UserMessages& messages) {
    std::optional<InputFault> fault = checkSystem(model);
    if (!fault)
        fault = checkLoad(model);
    if (fault)
        messages.plausibilityFault(*fault);
    return !fault;
}

namespace {

// Phases 1 to 7 of a calculation (see analyse).
bool runPhases(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
               UserMessages& messages, int flags) {
    analysis.clear();
    analysis.flags = flags | (model.selfWeight() ? selfWeightFlag : 0);
    const int options = analysis.flags;
    status.start();

    status.setPhase(phaseElements);
    discretise(model, analysis);
    status.setCount(StatusCount::nodes, static_cast<std::int64_t>(analysis.nodes.size()));
    status.setCount(StatusCount::elements, analysis.elementCount());
    addPrescribedDisplacements(model, analysis);

    status.setPhase(phaseDofs);
    analysis.createDofs();
    if (eliminateConstraints(analysis) != constraintsConsistent) {
        messages.calculationError(contradictionMessage);
        status.finishFailed();
        return false;
    }
    const int equations = analysis.dofs.numberEquations();
    status.setCount(StatusCount::dofs, analysis.dofs.size());
    status.setCount(StatusCount::constraints, analysis.dofs.size() - equations);

    status.setPhase(phaseStiffness);
    SkylineMatrix matrix(equations);
    RealMatrix rightHandSide(equations, 1);
    noteHeights(analysis, matrix);
    matrix.finaliseProfile();
    status.setCount(StatusCount::memoryBytes, 8 * matrix.storedEntries());
    status.setCount(StatusCount::bandwidth, matrix.bandwidth());
    assembleStiffness(model, analysis, options, matrix, rightHandSide);

    status.setPhase(phaseLoads);
    assembleLoads(model, analysis, options, rightHandSide);

    status.setPhase(phaseSolution);
    if (matrix.solve(rightHandSide) != solveSolved) {
        messages.calculationError(singularMessage);
        status.finishFailed();
        return false;
    }

    status.setPhase(phaseResults);
    storeSolution(analysis, rightHandSide);
    recoverResults(model, analysis, options);
    status.setPhase(phaseNone);
    status.finishOk();
    analysis.resultsValid = 1;
    return true;
}

} // namespace

bool calculate(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
               UserMessages& messages, int flags) {
    analysis.clear();
    analysis.flags = flags | (model.selfWeight() ? selfWeightFlag : 0);
    if (!inputIsPlausible(model, messages))
        return false;
    return analyse(model, analysis, status, messages, flags);
}

bool analyse(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
             UserMessages& messages, int flags) {
    return guardedCalculation(analysis, status,
                              [&] { return runPhases(model, analysis, status, messages, flags); });
}

bool guardedCalculation(AnalysisModel& analysis, CalculationStatus& status,
                        const std::function<bool()>& phases) {
    // The lists of the analysis grow with the model; running out of memory
    // ends the command with the program's own error, like every other
    // allocation of the analysis.
    try {
        return phases();
    } catch (const std::bad_alloc&) {
        analysis.resultsValid = 0;
        status.finishFailed();
        raiseError("Nicht genug Speicher");
    } catch (const VenkarError&) {
        // Too many elements, a profile too large: the status shows the
        // failure, the command ends with the message.
        analysis.resultsValid = 0;
        status.finishFailed();
        throw;
    }
}

} // namespace venkar
