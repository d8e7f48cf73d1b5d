#pragma once

#include "batch/BatchOptions.h"
#include "buckling/BucklingAnalysis.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace venkar {

class Model;

// Writes the buckling plots of `plot` (beulform, beulkurve) of the analysis
// `result` of the model, with the plot settings, files and sizes of the
// other plots; each carries its title (harmonic and factor) as its heading.
// A load case that does not buckle has neither: `err` gets the analysis'
// message once and no file is written. Returns the message of the first
// file that could not be read or written; nothing on success.
std::optional<std::string> writeBucklingPlots(const PlotOptions& plot,
                                              const std::string& systemFile,
                                              const std::string& programPath, const Model& model,
                                              const BucklingResult& result, std::ostream& err);

} // namespace venkar
