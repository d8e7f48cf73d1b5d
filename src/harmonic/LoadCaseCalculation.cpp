#include "harmonic/LoadCaseCalculation.h"

#include "analysis/AnalysisModel.h"
#include "checks/LoadCheck.h"
#include "checks/SystemCheck.h"
#include "harmonic/HarmonicAnalysis.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/HarmonicLoadInput.h"
#include "harmonic/HarmonicMeridian.h"
#include "model/Error.h"
#include "model/Model.h"

#include <memory>
#include <new>

namespace venkar {

namespace {

bool runHarmonics(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
                  UserMessages& messages, int flags) {
    status.start();
    status.setPhase(phaseElements);
    auto harmonicCase = std::make_shared<HarmonicCase>();
    harmonicCase->input = harmonicInput(model, harmonicCase->expansion);
    status.setPhase(phaseSolution);
    std::string error;
    if (!analyseHarmonics(model, harmonicCase->input, harmonicCase->results, error, flags)) {
        messages.calculationError(error);
        status.finishFailed();
        return false;
    }
    const AnalysisModel& mesh = harmonicCase->results.mesh;
    status.setCount(StatusCount::nodes, static_cast<std::int64_t>(mesh.nodes.size()));
    status.setCount(StatusCount::elements, mesh.elementCount());
    status.setCount(StatusCount::dofs, mesh.dofs.size());
    status.setCount(StatusCount::constraints, mesh.dofs.size() - mesh.dofs.equationCount());
    status.setPhase(phaseResults);
    harmonicCase->extremes = circumferentialExtremes(model, *harmonicCase);
    meridianAt(model, harmonicCase, 0.0, analysis);
    analysis.flags = flags | (model.selfWeight() ? selfWeightFlag : 0);
    status.setPhase(phaseNone);
    status.finishOk();
    return true;
}

} // namespace

bool calculateLoadCase(const Model& model, AnalysisModel& analysis, CalculationStatus& status,
                       UserMessages& messages, int flags) {
    if (!model.hasHarmonicLoads())
        return calculate(model, analysis, status, messages, flags);
    analysis.clear();
    analysis.flags = flags | (model.selfWeight() ? selfWeightFlag : 0);
    std::optional<InputFault> fault = checkSystem(model);
    if (!fault)
        fault = checkLoad(model);
    if (fault) {
        messages.plausibilityFault(*fault);
        return false;
    }
    try {
        return runHarmonics(model, analysis, status, messages, flags);
    } catch (const std::bad_alloc&) {
        analysis.resultsValid = 0;
        status.finishFailed();
        raiseError("Nicht genug Speicher");
    } catch (const VenkarError&) {
        analysis.resultsValid = 0;
        status.finishFailed();
        throw;
    }
}

} // namespace venkar
