// Analysis of one recorded 1 s sweep: deconvolution into the impulse response, the arrival
// time and the 1/6-octave response on the grid (the work done per channel and position).
#include <benchmark/benchmark.h>

#include "measure/SweepAnalysis.h"
#include "sim/FactoryImage.h"
#include "sim/VirtualCar.h"

namespace {

using namespace corva;

void BM_AnalyseOneSecondSweep(benchmark::State& state) {
    measure::SweepSettings settings;
    settings.durationS = 1.0;
    const int recordSamples = static_cast<int>(1.6 * measure::kMeasurementRateHz);
    const measure::SweepDeconvolver deconvolver(settings, recordSamples);
    sim::VirtualCar car;
    const std::vector<double> recording =
        car.Play(sim::FactoryImage(), deconvolver.sweep(), recordSamples);
    for (auto _ : state) {
        benchmark::DoNotOptimize(measure::AnalyseSweep(deconvolver, recording, 6));
    }
}
BENCHMARK(BM_AnalyseOneSecondSweep)->Unit(benchmark::kMillisecond);

// Making the inverse filter of a 1 s sweep (once per measurement run).
void BM_PrepareOneSecondSweep(benchmark::State& state) {
    measure::SweepSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(measure::SweepDeconvolver(
            settings, static_cast<int>(1.6 * measure::kMeasurementRateHz)));
    }
}
BENCHMARK(BM_PrepareOneSecondSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
