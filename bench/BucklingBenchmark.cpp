// The linear buckling analysis of a silo wall: a steel cylinder of 2 000
// elements under the axial load of its roof, scanned over n = 0 to 100.
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DVENKAR_BUILD_BENCHMARKS=ON -DVENKAR_BUILD_TESTS=OFF
//   cmake --build build-bench -j2 --target venkar_buckling_bench
//   build-bench/bench/venkar_buckling_bench
#include "BenchModels.h"
#include "buckling/BucklingAnalysis.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace venkar {
namespace {

// r = 3000 mm, t = 5 mm, 12 m high, steel (N, mm); clamped foot, the top
// held radially and pushed down by 1 N/mm. Factor 6.65 makes 2 000 elements.
void buildSilo(Model& model) {
    addRow(model.materials,
           MatRecord{.youngsModulus = 2.1e5, .wallThickness = 5.0, .poissonRatio = 0.3});
    addRow(model.nodes,
           NodeRecord{.r = 3000.0, .z = 0.0, .supportR = 1, .supportZ = 1, .supportRot = 1});
    addRow(model.nodes, NodeRecord{.r = 3000.0, .z = 12000.0, .supportR = 1});
    addRow(model.shells, ShellRecord{.startNode = 1,
                                     .endNode = 2,
                                     .material = 1,
                                     .discretisationFactor = 6.65,
                                     .intervals = 10});
    addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadZ = -1.0});
}

void SiloBuckling(benchmark::State& state) {
    Model model;
    buildSilo(model);
    BucklingOptions options;
    options.lastHarmonic = 100;
    BucklingResult result;
    for (auto _ : state) {
        std::string error;
        if (!analyseBuckling(model, HarmonicInput{}, options, result, error))
            throw std::runtime_error(error);
        // Whole value: GCC may hand DoNotOptimize a double in an integer
        // register and leave garbage in it.
        benchmark::DoNotOptimize(result);
    }
    std::size_t elements = 0;
    for (const BucklingModeShell& shell : result.mode)
        elements += shell.stations.size() - 1;
    state.counters["elements"] = static_cast<double>(elements);
    state.counters["calculated"] = static_cast<double>(result.perHarmonic.size());
    state.counters["proven"] = static_cast<double>(result.provenHarmonics.size());
    state.counters["n_cr"] = result.criticalHarmonic;
    state.counters["r_Rcr"] = result.criticalFactor;
}
BENCHMARK(SiloBuckling)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace venkar

BENCHMARK_MAIN();
