// The whole way of a file through the program: the bytes are read as system
// file and as load file (each reader takes its own sections), checked,
// calculated, both reports are written and one plot picture is built: the
// structure with its loads, or the diagram the input selects. Nothing may
// crash, hang or leak.
#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "checks/InputFault.h"
#include "graphics/AnalysisPlotResults.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "reports/InputReport.h"
#include "reports/ReportHead.h"
#include "reports/ResultsReport.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    venkar::Model model;
    venkar::AnalysisModel analysis;
    venkar::QuietCalculation status;
    try {
        venkar::readSystemText(model, text);
        venkar::readLoadText(model, text);
        const venkar::ReportHead head;
        venkar::writeInputReport(model, head);
        const bool calculated = venkar::calculate(model, analysis, status, status);
        if (calculated)
            venkar::writeResultsReport(analysis.results, head);
        venkar::GraphSettings settings;
        venkar::GraphView view(model, settings);
        const venkar::AnalysisPlotResults results(model, analysis);
        if (calculated)
            view.setResults(&results);
        view.selectTab(venkar::allPlotTabs[size % venkar::plotTabCount]);
    } catch (const venkar::VenkarError&) {
        // A refused file or a calculation too large: the command ends.
    }
    return 0;
}
