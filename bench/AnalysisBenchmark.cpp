// Times every phase of a calculation on generated models.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DVENKAR_BUILD_BENCHMARKS=ON -DVENKAR_BUILD_TESTS=OFF
//   cmake --build build-bench && build-bench/bench/venkar_analysis_bench
//
// Models: one long cylinder shell under internal pressure; a water tank wall of ten chained
// cylinder shells under water pressure, temperature and self weight, clamped at the foot, divided
// into about N shell elements (N from 10^3 to 10^6); and a cylinder cut by thousands of hinges (two
// constraints each). Counters: seconds per phase (discretisation, DOFs and constraints, stiffness,
// loads, solution, recovery), the equation count, the bandwidth and the peak resident memory of the
// process so far.
#include "BenchModels.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "checks/InputFault.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <array>
#include <chrono>

namespace venkar {
namespace {

// Records the time at every phase change.
class PhaseClock : public CalculationStatus {
public:
    using Clock = std::chrono::steady_clock;

    void start() override { last_ = Clock::now(); }
    void setPhase(int phase) override {
        const Clock::time_point now = Clock::now();
        if (current_ > 0)
            seconds[static_cast<std::size_t>(current_)] +=
                std::chrono::duration<double>(now - last_).count();
        current_ = phase;
        last_ = now;
    }
    void setCount(StatusCount count, std::int64_t value) override {
        counts[static_cast<std::size_t>(count)] = value;
    }
    void finishOk() override {}
    void finishFailed() override {}

    std::array<double, 8> seconds{};
    std::array<std::int64_t, 6> counts{};

private:
    int current_ = 0;
    Clock::time_point last_;
};

void runCalculations(benchmark::State& state, Model& model) {
    AnalysisModel analysis;
    PhaseClock clock;
    QuietCalculation messages;
    for (auto _ : state) {
        if (!calculate(model, analysis, clock, messages)) {
            state.SkipWithError(("calculation failed: " + messages.error).c_str());
            return;
        }
    }
    const double runs = static_cast<double>(state.iterations());
    const char* names[] = {"",        "1 discretise", "2 dofs",   "", "4 stiffness",
                           "5 loads", "6 solve",      "7 recover"};
    for (int phase : {1, 2, 4, 5, 6, 7})
        state.counters[names[phase]] = clock.seconds[static_cast<std::size_t>(phase)] / runs;
    state.counters["elements"] = static_cast<double>(analysis.shellElementCount());
    state.counters["equations"] =
        static_cast<double>(clock.counts[static_cast<std::size_t>(StatusCount::dofs)] -
                            clock.counts[static_cast<std::size_t>(StatusCount::constraints)]);
    state.counters["constraints"] =
        static_cast<double>(clock.counts[static_cast<std::size_t>(StatusCount::constraints)]);
    state.counters["profile MB"] =
        static_cast<double>(clock.counts[static_cast<std::size_t>(StatusCount::memoryBytes)]) / 1e6;
    state.counters["bandwidth"] =
        static_cast<double>(clock.counts[static_cast<std::size_t>(StatusCount::bandwidth)]);
    state.counters["peak MB"] = peakResidentMegabytes();
}

void TankCalculation(benchmark::State& state) {
    Model model;
    buildTank(model, static_cast<double>(state.range(0)));
    runCalculations(state, model);
}
BENCHMARK(TankCalculation)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void CylinderCalculation(benchmark::State& state) {
    Model model;
    buildCylinder(model, static_cast<double>(state.range(0)));
    runCalculations(state, model);
}
BENCHMARK(CylinderCalculation)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void HingedCylinderCalculation(benchmark::State& state) {
    Model model;
    buildHingedCylinder(model, static_cast<int>(state.range(0)));
    runCalculations(state, model);
}
BENCHMARK(HingedCylinderCalculation)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
} // namespace venkar

BENCHMARK_MAIN();
