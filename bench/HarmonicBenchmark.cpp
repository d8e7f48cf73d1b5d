// Times a load case with loads around the circumference end to end: the
// expansion into harmonics, every harmonic's system and solution, the
// extremes over the circumference and the meridian at 0°.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DVENKAR_BUILD_BENCHMARKS=ON -DVENKAR_BUILD_TESTS=OFF
//   cmake --build build-bench && build-bench/bench/venkar_harmonic_bench
//
// Model: a cooling-tower-like wall (a cylinder of radius 10 and thickness
// 0.1 in ten chained shells, clamped at its foot, a ring beam at its top)
// of about N shell elements under wind: velocity pressure growing from 0.6
// at the foot to 1.2 at the top, and the pressure coefficients of a circular
// cylinder given every degree, its series cut at 1 % of the
// range. Counters: the harmonics the wind needed, the elements and the peak
// resident memory of the process.
#include "WindTower.h"

#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/LoadCaseCalculation.h"

#include <benchmark/benchmark.h>

namespace venkar {
namespace {

void WindTowerCalculation(benchmark::State& state) {
    Model model;
    buildWindTower(model, static_cast<double>(state.range(0)));
    AnalysisModel analysis;
    QuietCalculation quiet;
    for (auto _ : state) {
        if (!calculateLoadCase(model, analysis, quiet, quiet)) {
            state.SkipWithError(("calculation failed: " + quiet.error).c_str());
            return;
        }
    }
    state.counters["elements"] = static_cast<double>(analysis.shellElementCount());
    state.counters["harmonics"] =
        static_cast<double>(analysis.results.harmonic->results.solutions.size());
    state.counters["peak MB"] = peakResidentMegabytes();
}
BENCHMARK(WindTowerCalculation)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
} // namespace venkar

BENCHMARK_MAIN();
