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
#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "checks/InputFault.h"
#include "model/Model.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cmath>

namespace venkar {
namespace {

template <class Record> int addRow(Table<Record>& table, const Record& record) {
    const int row = table.count();
    table.changeValid(row, 0, rowFromFile);
    table.rowAt(row) = record;
    return row;
}

// Elements per unit length of a cylinder of radius 10, thickness 0.1 and
// ν = 0.3 at discretisation factor 1 (a fifteenth of the bending wave length
// per element, 0.326). The models use factor 3 (elements about as long as
// the wall is thick) and grow in length, not in refinement: much shorter
// elements than the wall thickness make the stiffness matrix numerically
// singular.
constexpr double elementsPerLengthAtFactorOne = 3.07;
constexpr double factor = 3.0;

// The length of cylinder that gets `elements` elements.
double lengthFor(double elements) {
    return elements / (factor * elementsPerLengthAtFactorOne);
}

void buildTank(Model& model, double elements) {
    constexpr int shells = 10;
    addRow(model.materials, MatRecord{.youngsModulus = 3e7,
                                      .wallThickness = 0.1,
                                      .poissonRatio = 0.3,
                                      .specificWeight = 25.0,
                                      .thermalCoefficient = 1e-5});
    const double height = lengthFor(elements) / shells;
    for (int i = 0; i <= shells; ++i)
        addRow(model.nodes, NodeRecord{.r = 10.0, .z = height * i});
    NodeRecord& foot = model.nodes.row(shells);
    foot.supportR = foot.supportZ = foot.supportRot = 1;
    for (int i = 0; i < shells; ++i)
        addRow(model.shells, ShellRecord{.startNode = i + 1,
                                         .endNode = i + 2,
                                         .material = 1,
                                         .discretisationFactor = factor,
                                         .intervals = 1});
    addRow(model.waterLoads,
           WaterLoadRecord{.fromShell = 1, .toShell = shells, .unitWeight = 10.0});
    addRow(model.tempLoads,
           TempLoadRecord{
               .fromShell = 1, .toShell = shells, .uniformTemp = 10.0, .gradientTemp = 5.0});
    addRow(model.rings, RingRecord{.node = 1, .area = 0.1, .inertia = 1e-3, .modulus = 3e7});
    model.setSelfWeight(true);
}

// One long cylinder shell under internal pressure, clamped at its foot.
void buildCylinder(Model& model, double elements) {
    addRow(model.materials,
           MatRecord{.youngsModulus = 3e7, .wallThickness = 0.1, .poissonRatio = 0.3});
    addRow(model.nodes, NodeRecord{.r = 10.0, .z = 0.0});
    addRow(model.nodes,
           NodeRecord{
               .r = 10.0, .z = lengthFor(elements), .supportR = 1, .supportZ = 1, .supportRot = 1});
    addRow(model.shells, ShellRecord{.startNode = 1,
                                     .endNode = 2,
                                     .material = 1,
                                     .discretisationFactor = factor,
                                     .intervals = 1});
    addRow(
        model.shellLoads,
        ShellLoadRecord{.fromShell = 1, .toShell = 1, .transverseStart = -5, .transverseEnd = -5});
}

void buildHingedCylinder(Model& model, int hinges) {
    addRow(model.materials,
           MatRecord{.youngsModulus = 3e7, .wallThickness = 0.1, .poissonRatio = 0.3});
    addRow(model.nodes, NodeRecord{.r = 10.0, .z = 0.0});
    addRow(model.nodes, NodeRecord{.r = 10.0,
                                   .z = lengthFor(30.0 * hinges),
                                   .supportR = 1,
                                   .supportZ = 1,
                                   .supportRot = 1});
    addRow(model.shells, ShellRecord{.startNode = 1,
                                     .endNode = 2,
                                     .material = 1,
                                     .discretisationFactor = factor,
                                     .intervals = 1});
    for (int i = 1; i <= hinges; ++i)
        addRow(model.hinges,
               HingeRecord{.shell = 1, .xPosition = double(i) / (hinges + 1), .releaseM = 1});
    addRow(
        model.shellLoads,
        ShellLoadRecord{.fromShell = 1, .toShell = 1, .transverseStart = -5, .transverseEnd = -5});
}

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

class SilentMessages : public UserMessages {
public:
    void plausibilityFault(const InputFault& fault) override { message = fault.message; }
    void calculationError(const std::string& error) override { message = error; }
    std::string message;
};

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void runCalculations(benchmark::State& state, Model& model) {
    AnalysisModel analysis;
    PhaseClock clock;
    SilentMessages messages;
    for (auto _ : state) {
        if (!calculate(model, analysis, clock, messages)) {
            state.SkipWithError(("calculation failed: " + messages.message).c_str());
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
