#include "batch/BucklingPlotExport.h"

#include "batch/PlotExport.h"
#include "graphics/BucklingPictures.h"
#include "graphics/GraphSettings.h"
#include "render/PictureExport.h"

#include <ostream>

namespace venkar {

std::optional<std::string> writeBucklingPlots(const PlotOptions& plot,
                                              const std::string& systemFile,
                                              const std::string& programPath, const Model& model,
                                              const BucklingResult& result, std::ostream& err) {
    if (plot.bucklingPlots.empty())
        return std::nullopt;
    if (!result.buckles) {
        err << result.message << "\n";
        return std::nullopt;
    }
    GraphSettings settings;
    if (std::optional<std::string> error = readPlotSettings(plot, programPath, settings))
        return error;
    if (std::optional<std::string> error = createPlotFolder(plot))
        return error;
    ensureGuiApplication();
    for (const BucklingPlot kind : plot.bucklingPlots) {
        const TitledPicture picture = kind == BucklingPlot::Mode
                                          ? bucklingModePicture(model, settings, result)
                                          : bucklingCurvePicture(result);
        const std::string file = plot.outFile.empty()
                                     ? plotDirectoryFile(plot.outDirectory, systemFile, kind)
                                     : plot.outFile;
        if (std::optional<std::string> error = writePlotPicture(
                picture.picture, file, plot, "Venkar - " + picture.title, picture.title))
            return error;
    }
    return std::nullopt;
}

} // namespace venkar
