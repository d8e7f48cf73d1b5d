#include "batch/PlotExport.h"

#include "model/Error.h"
#include "model/Model.h"

#include "graphics/ConfigurationFile.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "render/PictureExport.h"

#include <QSize>
#include <QString>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>
#include <unistd.h>

namespace venkar {

namespace fs = std::filesystem;

namespace {

bool isDefinedShell(const Model& model, int shell) {
    return shell >= 0 && model.shells.isDefined(shell);
}

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// Writes the picture with the view's title as its heading; SVG and PDF
// documents are also named after it.
bool writePicture(const Picture& picture, const fs::path& file, const PlotOptions& plot,
                  const std::string& title, const std::string& heading) {
    std::string extension = file.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const QString path = qText(file.string());
    const QSize size(plot.width, plot.height);
    if (extension == ".svg")
        return writeSvg(picture, path, size, qText(title), qText(heading));
    if (extension == ".pdf")
        return writePdf(picture, path, qText(title), qText(heading));
    return writePng(picture, path, size, qText(heading));
}

fs::path plotFile(const PlotOptions& plot, const std::string& systemFile, PlotTab tab,
                  std::optional<double> angle) {
    if (!plot.outFile.empty())
        return plot.outFile;
    return plotDirectoryFile(plot.outDirectory, systemFile, tab, angle);
}

// Why a file could not be written, as far as the system tells: the picture
// writers only report failure.
std::string writeFailureReason(const fs::path& file) {
    std::error_code ignored;
    fs::path target = file;
    if (!fs::exists(file, ignored))
        target = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (::access(target.c_str(), W_OK) != 0)
        return std::strerror(errno);
    return "Schreibfehler";
}

} // namespace

std::optional<std::string> writePlots(const PlotOptions& plot, const std::string& systemFile,
                                      const std::string& programPath, const Model& model,
                                      const PlotResults* results, std::ostream& err,
                                      std::optional<double> angle) {
    GraphSettings settings;
    if (std::optional<std::string> error = readPlotSettings(plot, programPath, settings))
        return error;

    bool resultTabs = false;
    for (const PlotTab tab : plot.tabs)
        resultTabs = resultTabs || tab != PlotTab::Geometry;
    if (!results && resultTabs)
        err << "Keine gültigen Ergebnisse: die Ergebnisgrafiken zeigen nur System und "
               "Belastung.\n";

    if (std::optional<std::string> error = createPlotFolder(plot))
        return error;

    ensureGuiApplication();
    GraphView view(model, settings);
    view.setResults(results);
    view.setAngle(angle);
    view.setTextScale(plot.textScale);
    view.setFunctionScale(plot.functionScale);
    view.setDisplacementScale(plot.displacementScale);
    if (!isDefinedShell(model, plot.around.shell))
        for (const PlotTab tab : plot.tabs)
            if (tab == PlotTab::PlanView)
                return formatText("Die Schale der Option --station gibt es nicht: %d",
                                  plot.around.shell + 1);
    view.setAroundSelection(
        nearestReportStation(model, plot.around.quantity, plot.around.shell, plot.around.x));
    bool aroundNoted = false;
    for (const PlotTab tab : plot.tabs) {
        // The views around the circumference need such loads.
        if (!isMeridianTab(tab) && !view.harmonicCase()) {
            if (results && !aroundNoted)
                err << "Hinweis: grundriss und abwicklung gibt es nur bei Lasten am Umfang.\n";
            aroundNoted = true;
            continue;
        }
        view.selectTab(tab);
        // Without results a result tab would show the bare structure; its
        // loads say more.
        if (!results && tab != PlotTab::Geometry)
            view.setSwitch(ShowLoads, true);
        for (const PlotSwitchChange& change : plot.switches)
            view.setSwitch(static_cast<DisplaySwitch>(change.displaySwitch), change.on);
        const fs::path file = plotFile(plot, systemFile, tab, angle);
        if (std::optional<std::string> error = writePlotPicture(
                view.picture(), file.string(), plot, "Venkar - " + view.caption(), view.title()))
            return error;
    }
    return std::nullopt;
}

std::optional<std::string> readPlotSettings(const PlotOptions& plot, const std::string& programPath,
                                            GraphSettings& settings) {
    if (plot.configFile) {
        if (!fs::is_regular_file(*plot.configFile))
            return "Fehler beim öffnen der Konfigurationsdatei: " + *plot.configFile;
        readSettings(settings.root(), *plot.configFile);
    } else {
        readSettings(settings.root(), defaultPlotConfiguration(programPath));
    }
    return std::nullopt;
}

std::optional<std::string> createPlotFolder(const PlotOptions& plot) {
    const fs::path folder = plot.outDirectory.empty() ? fs::path(plot.outFile).parent_path()
                                                      : fs::path(plot.outDirectory);
    if (!folder.empty()) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error)
            return "Fehler beim Anlegen des Ordners " + folder.string() + ": " + error.message();
    }
    return std::nullopt;
}

std::optional<std::string> writePlotPicture(const Picture& picture, const std::string& file,
                                            const PlotOptions& plot, const std::string& title,
                                            const std::string& heading) {
    if (writePicture(picture, file, plot, title, heading))
        return std::nullopt;
    return "Fehler beim Schreiben der Datei " + file + ": " + writeFailureReason(file);
}

} // namespace venkar
