// Times the plots of calculated models: building the nine pictures of the
// graph window and writing them as PNG files with their titles, as
// `venkar-batch --plot all` does. The calculation runs once before the
// timing.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DVENKAR_BUILD_BENCHMARKS=ON -DVENKAR_BUILD_TESTS=OFF
//   cmake --build build-bench && build-bench/bench/venkar_plot_bench
//
// Models: the long cylinder under internal pressure and the water tank wall
// of the calculation benchmark, with 10^4 to 10^6 shell elements. Counters:
// seconds for building the pictures and for painting and encoding them, the
// picture commands of the nine plots, the peak resident memory of the
// calculation and the peak resident memory while plotting (the model and
// the results included).
#include "BenchModels.h"

#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "graphics/AnalysisPlotResults.h"
#include "graphics/GraphSettings.h"
#include "graphics/GraphView.h"
#include "render/PictureExport.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace venkar {
namespace {

namespace fs = std::filesystem;

using Clock = std::chrono::steady_clock;

// Starts the kernel's peak resident memory of the process afresh (Linux).
void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The peak resident memory since the last reset, 0 where the kernel does
// not say.
double residentHighWaterMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmHWM:"))
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void runPlots(benchmark::State& state, Model& model) {
    ensureGuiApplication();
    AnalysisModel analysis;
    QuietCalculation status;
    if (!calculate(model, analysis, status, status)) {
        state.SkipWithError(("calculation failed: " + status.error).c_str());
        return;
    }
    const double calculatedPeak = peakResidentMegabytes();
    resetPeakResident();
    const AnalysisPlotResults results(model, analysis);
    const GraphSettings settings;
    const fs::path folder = fs::temp_directory_path() / "venkar-plot-bench";
    fs::create_directories(folder);

    double building = 0.0;
    double writing = 0.0;
    double commands = 0.0;
    for (auto _ : state) {
        commands = 0.0;
        GraphView view(model, settings);
        view.setResults(&results);
        for (const PlotTab tab : allPlotTabs) {
            const Clock::time_point start = Clock::now();
            view.selectTab(tab);
            building += secondsSince(start);
            commands += view.picture().commandCount();
            const Clock::time_point written = Clock::now();
            const QString file = QString::fromStdString(
                (folder / ("plot-" + std::to_string(tabIndex(tab)) + ".png")).string());
            if (!writePng(view.picture(), file, QSize(1600, 1200),
                          QString::fromStdString(view.title()))) {
                state.SkipWithError("cannot write the PNG files");
                return;
            }
            writing += secondsSince(written);
        }
    }
    fs::remove_all(folder);
    const double runs = static_cast<double>(state.iterations());
    state.counters["build s"] = building / runs;
    state.counters["png s"] = writing / runs;
    state.counters["commands"] = commands;
    state.counters["elements"] = static_cast<double>(analysis.shellElementCount());
    state.counters["calc peak MB"] = calculatedPeak;
    state.counters["plot peak MB"] = residentHighWaterMegabytes();
}

void CylinderPlots(benchmark::State& state) {
    Model model;
    buildCylinder(model, static_cast<double>(state.range(0)));
    runPlots(state, model);
}
BENCHMARK(CylinderPlots)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void TankPlots(benchmark::State& state) {
    Model model;
    buildTank(model, static_cast<double>(state.range(0)));
    runPlots(state, model);
}
BENCHMARK(TankPlots)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace venkar

BENCHMARK_MAIN();
