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
#include "BenchModels.h"

#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/LoadCaseCalculation.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

// A distribution with the shape of a circular cylinder's — pressure 1 at
// the windward meridian, suction about −1.5 near 75°, a base pressure of
// about −0.6 in the wake — and the ripple of a measured curve, so that the
// series needs harmonics up to n = 19.
double coefficient(double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    double cp = -0.35 + 0.25 * std::cos(a) + 0.95 * std::cos(2 * a) + 0.35 * std::cos(3 * a) -
                0.25 * std::cos(4 * a) + 0.05 * std::cos(5 * a);
    for (int n = 6; n <= 19; ++n)
        cp += 0.04 * std::cos(n * a);
    return cp;
}

void buildWindTower(Model& model, double elements) {
    constexpr int shells = 10;
    addRow(model.materials,
           MatRecord{.youngsModulus = 3e7, .wallThickness = 0.1, .poissonRatio = 0.2});
    const double height = lengthFor(elements) / shells;
    for (int i = 0; i <= shells; ++i)
        addRow(model.nodes, NodeRecord{.r = 10.0, .z = height * i});
    NodeRecord& foot = model.nodes.row(shells);
    foot.supportR = foot.supportZ = foot.supportRot = 1;
    for (int i = 0; i < shells; ++i) {
        addRow(model.shells, ShellRecord{.startNode = i + 1,
                                         .endNode = i + 2,
                                         .material = 1,
                                         .discretisationFactor = factor,
                                         .intervals = 4});
        const double top = 1.2 - 0.6 * i / shells;
        const double bottom = 1.2 - 0.6 * (i + 1) / shells;
        addRow(model.windLoads,
               WindLoadRecord{.shell = i + 1, .pressureStart = top, .pressureEnd = bottom});
    }
    for (int degrees = 0; degrees <= 180; ++degrees)
        addRow(model.windCoefficients, WindCoefficientRecord{.angle = static_cast<double>(degrees),
                                                             .coefficient = coefficient(degrees)});
    addRow(model.rings, RingRecord{.node = 1, .area = 0.2, .inertia = 2e-3, .modulus = 3e7});
    addRow(model.harmonicRings,
           HarmonicRingRecord{
               .ring = 1, .inertiaZ = 2e-3, .torsionConstant = 1e-3, .shearModulus = 1.25e7});
}

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
