#pragma once

#include "batch/BatchOptions.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace venkar {

class GraphSettings;
class Model;
class Picture;
class PlotResults;

// Writes the plots of `plot` for the model, its load case and, when not
// null, the valid results of its calculation, as the graph window draws
// them. The plot settings come from the configuration file of the options,
// else from the one the program "venkar" beside this program uses. Without
// results every result tab shows the structure and its loads, and `err` says
// so once. Every plot carries the view's title as a line above the picture
// (the tab's caption; on "Verformung" with the magnification of the
// displacements). Returns the message of the first file that could not be read or
// written; nothing on success. `systemFile` names the output files of
// --out-dir: <its base name>-<short tab name>.png. With an angle (the
// meridian of a load around the circumference) the files end in
// -<angle>.png and the titles name the angle ("Winkel 30°"): the results
// must then be of a load case with loads around the circumference, whose
// meridian at the angle the plots show. "grundriss" and "abwicklung" are
// drawn with the quantity and station of the options and left out (with a
// note on `err`) for an axisymmetric load case.
std::optional<std::string> writePlots(const PlotOptions& plot, const std::string& systemFile,
                                      const std::string& programPath, const Model& model,
                                      const PlotResults* results, std::ostream& err,
                                      std::optional<double> angle = std::nullopt);

// The parts of writePlots that other plots share. Each returns the message
// of what failed; nothing on success.
// - the plot settings of the configuration file of the options, else of the
//   one the program "venkar" beside this program uses;
std::optional<std::string> readPlotSettings(const PlotOptions& plot, const std::string& programPath,
                                            GraphSettings& settings);
// - the folder of --out-dir or of --out, created when missing;
std::optional<std::string> createPlotFolder(const PlotOptions& plot);
// - one picture with `heading` above it, its type from the extension of
//   `file` (SVG and PDF documents are named `title`).
std::optional<std::string> writePlotPicture(const Picture& picture, const std::string& file,
                                            const PlotOptions& plot, const std::string& title,
                                            const std::string& heading);

} // namespace venkar
