// Cost of auto-EQ: fitting one channel's 31 bands to a measurement, and all six channels of a
// car one after another, as the "Auto-EQ" command does; and planning a filter-file import.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string>

#include "dsp/values/BandCodes.h"
#include "model/TuningSession.h"
#include "tuning/AutoEq.h"
#include "tuning/FilterImport.h"
#include "tuning/ProcessorFit.h"
#include "tuning/TargetCurves.h"

namespace {

using namespace corva;
using namespace corva::tuning;

// A car speaker's response: peaks and dips of varied width shaped by the processor's own
// filters, different for each channel, with a little ripple on top.
Response Measurement(int channel) {
    Response levels{};
    levels.fill(84.0);
    constexpr int kCentresHz[] = {45, 90, 180, 350, 700, 1400, 2800, 5600, 11000};
    for (int k = 0; k < 9; ++k) {
        const double gainDb = ((k * 5 + channel * 3) % 13) - 6.0;
        const BandSetting band{FilterType::Peaking, 1, kCentresHz[k] + 7 * channel,
                               BandGainCode(gainDb), 10 + (k * 17 + channel * 11) % 90};
        const Response r = BandResponse(band);
        for (std::size_t i = 0; i < levels.size(); ++i) {
            levels[i] += r[i];
        }
    }
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i] += 0.4 * std::sin(0.9 * static_cast<double>(i) + channel);
    }
    return levels;
}

void BM_AutoEqOneChannel(benchmark::State& state) {
    const Response measurement = Measurement(0);
    const Response target = HouseTarget();
    const Response fixed{};
    double rmsAfter = 0.0;
    for (auto _ : state) {
        const AutoEqResult result = FitAutoEq(measurement, target, fixed, AutoEqOptions{});
        benchmark::DoNotOptimize(result.bands);
        rmsAfter = result.after.rmsDb;
    }
    state.counters["rms_after_db"] = rmsAfter;
}
BENCHMARK(BM_AutoEqOneChannel)->Unit(benchmark::kMillisecond);

void BM_AutoEqSixChannels(benchmark::State& state) {
    std::array<Response, 6> measurements{};
    for (int c = 0; c < 6; ++c) {
        measurements[static_cast<std::size_t>(c)] = Measurement(c);
    }
    const Response target = HouseTarget();
    const Response fixed{};
    for (auto _ : state) {
        for (const Response& measurement : measurements) {
            const AutoEqResult result = FitAutoEq(measurement, target, fixed, AutoEqOptions{});
            benchmark::DoNotOptimize(result.bands);
        }
    }
}
BENCHMARK(BM_AutoEqSixChannels)->Unit(benchmark::kMillisecond);

// Twenty peaking filters, two shelves and a high-pass: a typical REW export.
void BM_PlanFilterImport(benchmark::State& state) {
    std::string text = "Filter Settings file\n";
    for (int k = 1; k <= 20; ++k) {
        text += "Filter " + std::to_string(k) + ": ON PK Fc " + std::to_string(40 * k * k) +
                " Hz Gain " + std::to_string((k % 9) - 4) + ".5 dB Q " + std::to_string(1 + k % 5) +
                ".0\n";
    }
    text += "Filter 21: ON LS 6dB Fc 80 Hz Gain 4.0 dB\n";
    text += "Filter 22: ON HSC 12 dB Fc 9000 Hz Gain -2.0 dB\n";
    text += "Filter 23: ON HP Fc 45 Hz\n";
    const FilterFileRead file = ParseFilterFile(text);
    const TuningSession session;
    const OutputView current = session.Snapshot().outputs[0];
    for (auto _ : state) {
        const FilterImport plan = PlanFilterImport(file, 0, current, RestPolicy::RefuseAll);
        benchmark::DoNotOptimize(plan.settings);
    }
}
BENCHMARK(BM_PlanFilterImport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
