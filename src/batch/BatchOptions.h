#pragma once

#include "graphics/AroundView.h"
#include "graphics/PlotTab.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace venkar {

// A command line the batch command cannot run: exit status 3.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A display switch of the plots turned on or off by the command line.
struct PlotSwitchChange {
    unsigned displaySwitch = 0; // a DisplaySwitch of the graph view
    bool on = false;
};

// The plots of the buckling analysis (--plot beulform, --plot beulkurve).
enum class BucklingPlot {
    Mode,  // "beulform": the mode of the critical harmonic on the meridian
    Curve, // "beulkurve": λ over the harmonic n
};

// The plots venkar-batch is asked to write.
struct PlotOptions {
    std::vector<PlotTab> tabs;               // graph tabs in the order asked
    std::vector<BucklingPlot> bucklingPlots; // after the tabs; they need --buckling
    std::string outFile;                     // --out: one file, its type from the extension
    std::string outDirectory;                // --out-dir: <system base>-<short name>.png per tab
    std::vector<PlotSwitchChange> switches;  // applied in order after the tab is chosen
    double textScale = 1.0;                  // the three scale factors (the options take percent)
    double functionScale = 1.0;
    double displacementScale = 1.0;
    int width = 1600; // PNG and SVG size in pixels
    int height = 1200;
    std::optional<std::string> configFile; // plot settings; default: the program's
    // --quantity and --station of "grundriss" and "abwicklung": the
    // quantity, and the shell row (0-based) and position the nearest report
    // station of the plan view is taken from; shell 1, x = 0.5 by default.
    AroundSelection around;
};

// What venkar-batch was asked to do. An output file "-" means standard output.
struct BatchOptions {
    std::string systemFile;
    std::string loadFile; // empty: an empty load case
    bool checkOnly = false;
    bool verbose = false;
    bool help = false;
    // --mesh-check: calculate again with finer meshes and report on standard error.
    bool meshCheck = false;
    std::optional<std::string> inputReport;
    std::optional<std::string> resultsReport;
    std::optional<std::string> json;
    std::optional<std::string> csv; // --csv: the report stations as CSV
    std::optional<PlotOptions> plot;
    // --angle, in the order given: the meridians of a load case with loads
    // around the circumference (degrees).
    std::vector<double> angles;
    // --buckling [--buckling-harmonics FROM-TO]: the linear buckling analysis
    // of the load case after the calculation.
    bool buckling = false;
    int bucklingFrom = 0;
    int bucklingTo = 200;
    // The absolute path of the running program; the default configuration
    // file of the plots is found from it.
    std::string programPath;

    // With no output option at all, the results report goes to standard output.
    bool hasOutputOption() const { return inputReport || resultsReport || json || csv || plot; }
};

// Parses the arguments after the program name; "--" ends the options. Throws
// UsageError, also when an output would replace an input: an output file
// ending in ".vsy" or ".vla", or naming the system, load or configuration
// file (through any path or link).
BatchOptions parseBatchOptions(const std::vector<std::string>& arguments);

// The text of --help.
const char* batchUsage();

// The graph tab named by "0" ... "8" or by its short name ("geometrie",
// "verformung", "n-phi", "n-theta", "m-phi", "m-theta", "q-theta",
// "eps-phi", "eps-theta", the stress plot "sigma-vm", and for loads around
// the circumference "n-phitheta", "m-phitheta", "q-phi", "v", "grundriss",
// "abwicklung"); nothing for anything else.
std::optional<PlotTab> plotTabByName(const std::string& name);
// The short name of a tab.
const char* plotTabShortName(PlotTab tab);
// "beulform" and "beulkurve".
const char* bucklingPlotShortName(BucklingPlot plot);
// The file --out-dir writes for a tab: <folder>/<system base>-<short name>.png,
// for the meridian at an angle <folder>/<system base>-<short name>-<angle>.png.
std::string plotDirectoryFile(const std::string& folder, const std::string& systemFile, PlotTab tab,
                              std::optional<double> angle = std::nullopt);
// The same for a plot of the buckling analysis: <folder>/<system base>-beulform.png.
std::string plotDirectoryFile(const std::string& folder, const std::string& systemFile,
                              BucklingPlot plot);

} // namespace venkar
