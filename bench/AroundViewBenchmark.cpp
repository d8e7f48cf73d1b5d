// Times the developed shell "Abwicklung" of a load case with loads around
// the circumference: the values of the quantity at every element end and
// every 2.5° (73 angles of the symmetric wind case), the colour cells, the
// legend and the extremes, then the picture painted into a 1600 × 1200
// image as the window and the batch command paint it. The calculation is
// done once, outside the timing.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DVENKAR_BUILD_BENCHMARKS=ON -DVENKAR_BUILD_TESTS=OFF
//   cmake --build build-bench --target venkar_around_bench
//   QT_QPA_PLATFORM=offscreen build-bench/bench/venkar_around_bench
//
// Model: the wind tower of WindTower.h. Counters: the elements, the angles
// and the commands of the picture.
#include "WindTower.h"

#include "analysis/AnalysisModel.h"
#include "analysis/QuietCalculation.h"
#include "graphics/DevelopedView.h"
#include "graphics/GraphSettings.h"
#include "graphics/Picture.h"
#include "harmonic/HarmonicCase.h"
#include "harmonic/LoadCaseCalculation.h"
#include "render/PictureExport.h"

#include <benchmark/benchmark.h>

#include <QImage>

namespace venkar {
namespace {

// `paint`: also paint the picture into the image.
void developedShell(benchmark::State& state, bool paint) {
    Model model;
    buildWindTower(model, static_cast<double>(state.range(0)));
    AnalysisModel analysis;
    QuietCalculation quiet;
    if (!calculateLoadCase(model, analysis, quiet, quiet)) {
        state.SkipWithError(("calculation failed: " + quiet.error).c_str());
        return;
    }
    ensureGuiApplication();
    const GraphSettings settings;
    const HarmonicCase& harmonic = *analysis.results.harmonic;
    const auto quantity = static_cast<AroundQuantity>(state.range(1));
    Picture picture;
    DevelopedDiagram drawn;
    for (auto _ : state) {
        const double h = drawDevelopedView({.model = model,
                                            .settings = settings.values,
                                            .harmonicCase = harmonic,
                                            .selection = {quantity}},
                                           picture, &drawn);
        benchmark::DoNotOptimize(h);
        if (paint) {
            const QImage image = renderToImage(picture, picture.boundingBox(), QSize(1600, 1200));
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.counters["elements"] = static_cast<double>(analysis.shellElementCount());
    state.counters["angles"] = static_cast<double>(drawn.angles.size());
    state.counters["commands"] = static_cast<double>(picture.commandCount());
}
void DevelopedShell(benchmark::State& state) {
    developedShell(state, true);
}
void DevelopedShellPictureOnly(benchmark::State& state) {
    developedShell(state, false);
}
BENCHMARK(DevelopedShell)
    ->Args({1000, static_cast<int>(AroundQuantity::NPhi)})
    ->Args({10000, static_cast<int>(AroundQuantity::NPhi)})
    ->Args({10000, static_cast<int>(AroundQuantity::VonMises)})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(DevelopedShellPictureOnly)
    ->Args({10000, static_cast<int>(AroundQuantity::NPhi)})
    ->Args({10000, static_cast<int>(AroundQuantity::VonMises)})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
} // namespace venkar

BENCHMARK_MAIN();
