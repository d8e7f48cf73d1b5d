#include "batch/BatchRun.h"

#include "analysis/AnalysisModel.h"
#include "batch/BatchStatus.h"
#include "batch/BucklingMeshCheck.h"
#include "batch/BucklingPlotExport.h"
#include "batch/BucklingReport.h"
#include "batch/MeshCheck.h"
#include "batch/PlotExport.h"
#include "batch/ResultsCsv.h"
#include "batch/ResultsJson.h"
#include "buckling/LoadCaseBuckling.h"
#include "checks/InputWarnings.h"
#include "checks/LoadCheck.h"
#include "checks/SystemCheck.h"
#include "graphics/AnalysisPlotResults.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/HarmonicLoadInput.h"
#include "harmonic/HarmonicMeridian.h"
#include "harmonic/LoadCaseCalculation.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"
#include "reports/HarmonicReport.h"
#include "reports/InputReport.h"
#include "reports/ReportHead.h"
#include "reports/ResultsReport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <ostream>
#include <stdexcept>

namespace venkar {

namespace {

void warn(std::ostream& err, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings)
        err << "Warnung: " << warning << "\n";
}

std::string absolutePath(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.string();
}

// Reads both files; the warnings about what the readers skip go to `err`.
void readInput(Model& model, const BatchOptions& options, std::ostream& err) {
    const std::optional<std::string> system = readTextFile(options.systemFile);
    if (!system)
        throw FileError("Fehler beim öffnen der Systemdatei: " + options.systemFile);
    readSystemText(model, *system, options.systemFile);
    warn(err, unknownSectionWarnings(*system, options.systemFile));
    if (options.loadFile.empty())
        return;
    const std::optional<std::string> load = readTextFile(options.loadFile);
    if (!load)
        throw FileError("Fehler beim öffnen der Lastdatei: " + options.loadFile);
    readLoadText(model, *load, options.loadFile);
    warn(err, unknownSectionWarnings(*load, options.loadFile));
    warn(err, emptyLoadWarnings(model));
}

// Writes `text` to the file named by an output option, or to `out` for "-".
void writeOutput(const std::string& target, const std::string& text, std::ostream& out) {
    if (target == "-") {
        out << text;
        return;
    }
    if (!writeTextFileAtomically(target, text))
        throw FileError("Fehler beim Schreiben der Datei " + target + ": " + std::strerror(errno));
}

class Run {
public:
    Run(const BatchOptions& options, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err), status_(err, options.verbose) {}

    int execute() {
        readInput(model_, options_, err_);
        head_ = ReportHead{currentLocalTime(), absolutePath(options_.systemFile),
                           options_.loadFile.empty() ? "" : absolutePath(options_.loadFile)};
        if (options_.inputReport)
            writeOutput(*options_.inputReport, writeInputReport(model_, head_), out_);
        if (options_.checkOnly) {
            const int code = check();
            writePlots(false);
            return code;
        }
        if (!checkSystem(model_) && !checkLoad(model_))
            warn(err_, waterSuctionWarnings(model_));
        if (!calculateWithin()) {
            const int code = failure();
            writePlots(false);
            return code;
        }
        const std::shared_ptr<const HarmonicCase> harmonic = analysis_.results.harmonic;
        if (harmonic)
            warn(err_, harmonicWarnings(*harmonic));
        else if (!options_.angles.empty())
            err_ << "Hinweis: --angle gilt nur für Lasten am Umfang; die Ausgaben sind die des "
                    "rotationssymmetrischen Lastfalls.\n";
        // The meridians a load around the circumference is reported at.
        std::vector<Results> meridians;
        if (harmonic)
            meridians = meridianResults(model_, harmonic,
                                        options_.angles.empty() ? std::vector<double>{0.0}
                                                                : options_.angles);
        const bool resultsToStandardOutput = !options_.hasOutputOption();
        if (options_.resultsReport || resultsToStandardOutput) {
            std::vector<const Results*> reported;
            for (const Results& meridian : meridians)
                reported.push_back(&meridian);
            writeOutput(options_.resultsReport.value_or("-"),
                        harmonic ? composeResultsReport(reported, head_).text
                                 : writeResultsReport(analysis_.results, head_),
                        out_);
        }
        std::optional<MeshCheck> meshCheck;
        if (options_.meshCheck)
            meshCheck = checkMeshWithin();
        // JSON and CSV show every 5° unless angles were asked for.
        std::vector<Results> around;
        if (harmonic && (options_.json || options_.csv))
            around = options_.angles.empty()
                         ? meridianResults(model_, harmonic, tableAngles(*harmonic))
                         : meridians;
        std::optional<BucklingResult> buckling;
        if (options_.buckling) {
            buckling = bucklingWithin();
            if (!buckling)
                return exitCalculation;
            writeBucklingSection(*buckling, resultsToStandardOutput);
            if (options_.meshCheck && buckling->buckles)
                err_ << bucklingMeshCheckText(checkBucklingMesh(model_, *buckling));
        }
        if (options_.json)
            writeOutput(*options_.json,
                        resultsJson(analysis_.results, status_, meshCheck ? &*meshCheck : nullptr,
                                    harmonic ? &around : nullptr, buckling ? &*buckling : nullptr),
                        out_);
        if (options_.csv)
            writeOutput(*options_.csv,
                        harmonic ? resultsCsv(around) : resultsCsv(analysis_.results), out_);
        if (harmonic && !options_.angles.empty())
            writeMeridianPlots();
        else
            writePlots(analysis_.resultsValid != 0);
        if (buckling && options_.plot)
            if (const std::optional<std::string> error =
                    writeBucklingPlots(*options_.plot, options_.systemFile, options_.programPath,
                                       model_, *buckling, err_))
                throw FileError(*error);
        return exitSuccess;
    }

private:
    int check() {
        std::optional<InputFault> fault = checkSystem(model_);
        if (!fault)
            fault = checkLoad(model_);
        if (fault) {
            err_ << BatchStatus::describe(*fault) << "\n";
            return exitInputFault;
        }
        warn(err_, waterSuctionWarnings(model_));
        err_ << "Eingabe in Ordnung\n";
        return exitSuccess;
    }

    // The plots of --plot, with the results when they are valid.
    void writePlots(bool withResults) {
        if (!options_.plot)
            return;
        const AnalysisPlotResults results(model_, analysis_);
        const std::optional<std::string> error =
            venkar::writePlots(*options_.plot, options_.systemFile, options_.programPath, model_,
                               withResults ? &results : nullptr, err_);
        if (error)
            throw FileError(*error);
    }

    // The plots of --plot for each angle of --angle.
    void writeMeridianPlots() {
        if (!options_.plot)
            return;
        // The plots draw the meridian at each angle from the amplitudes.
        const AnalysisPlotResults results(model_, analysis_);
        for (double angle : options_.angles) {
            const std::optional<std::string> error =
                venkar::writePlots(*options_.plot, options_.systemFile, options_.programPath,
                                   model_, &results, err_, angle);
            if (error)
                throw FileError(*error);
        }
    }

    // The linear buckling analysis; its failure ends the run like a failed
    // calculation.
    std::optional<BucklingResult> bucklingWithin() {
        BucklingResult result;
        std::string error;
        if (analyseLoadCaseBuckling(model_, options_.bucklingFrom, options_.bucklingTo, result,
                                    error))
            return result;
        err_ << "Beulanalyse: " << error << "\n";
        return std::nullopt;
    }

    // The section follows the results report into its file, or goes to
    // standard output unless the JSON goes there.
    void writeBucklingSection(const BucklingResult& result, bool reportToStandardOutput) {
        const std::string section = bucklingText(result);
        if (options_.resultsReport && *options_.resultsReport != "-" && !reportToStandardOutput)
            writeOutput(*options_.resultsReport,
                        writeResultsReport(analysis_.results, head_) + section, out_);
        else if (!(options_.json && *options_.json == "-"))
            out_ << section;
    }

    // The calculation; an error that ends it (too many elements, not enough
    // memory) counts as a calculation failure.
    bool calculateWithin() {
        try {
            return calculateLoadCase(model_, analysis_, status_, status_);
        } catch (const VenkarError& error) {
            status_.calculationError(error.what());
            return false;
        }
    }

    // The mesh check, its lines on standard error. The model calculated just
    // before, so a failure here is internal: it is reported, and the normal
    // outputs still follow.
    std::optional<MeshCheck> checkMeshWithin() {
        try {
            MeshCheck check = checkMesh(model_);
            err_ << meshCheckText(check);
            return check;
        } catch (const std::invalid_argument& error) {
            err_ << "Netzprüfung nicht möglich: " << error.what() << "\n";
            return std::nullopt;
        }
    }

    int failure() {
        if (status_.fault()) {
            err_ << BatchStatus::describe(*status_.fault()) << "\n";
            return exitInputFault;
        }
        err_ << "Berechnungsfehler: " << status_.error().value_or("unbekannt") << "\n";
        return exitCalculation;
    }

    const BatchOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    BatchStatus status_;
    Model model_;
    AnalysisModel analysis_;
    ReportHead head_;
};

} // namespace

int runBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    try {
        return Run(options, out, err).execute();
    } catch (const FileError& error) {
        err << error.what() << "\n";
        return exitUsage;
    } catch (const VenkarError& error) {
        // "Line to long", a refused row line, "Schale nicht gefunden".
        err << "Fehler: " << error.what() << "\n";
        return exitUsage;
    } catch (const std::bad_alloc&) {
        err << "Fehler: Nicht genug Speicher\n";
        return exitUsage;
    }
}

} // namespace venkar
