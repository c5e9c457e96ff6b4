// Costs of the channel model on the user-interface and worker threads: a full rebuild of all
// responses, one drag step (one band and its channel sum) and an idle change scan.
#include <benchmark/benchmark.h>

#include "model/TuningModel.h"

namespace {

void BM_AllChannelResponsesAndSums(benchmark::State& state) {
    corva::ParameterImage image;
    corva::TuningModel model;
    for (int c = 0; c < corva::kOutputChannelCount; ++c) {
        auto& eq = model.output(c).eq();
        for (int j = 0; j < eq.BandCount(); ++j) {
            eq.Band(j).SetGainPosition(150 + 7 * j);
        }
        eq.HighPass().SetFrequency(60, corva::EditOrigin::Load);
        eq.LowPass().SetFrequency(8000, corva::EditOrigin::Load);
    }
    model.WriteAllToImage(image);
    for (auto _ : state) {
        model.LoadFromImage(image, 0);  // recomputes every filter's response
        for (int c = 0; c < corva::kOutputChannelCount; ++c) {
            benchmark::DoNotOptimize(model.output(c).eq().SumResponse());
        }
    }
}
BENCHMARK(BM_AllChannelResponsesAndSums)->Unit(benchmark::kMicrosecond);

void BM_OneDragStep(benchmark::State& state) {
    corva::TuningModel model;
    auto& eq = model.output(0).eq();
    int gain = 0;
    for (auto _ : state) {
        eq.Band(12).SetGainPosition(100 + (gain++ % 200));
        benchmark::DoNotOptimize(eq.SumResponse());
    }
}
BENCHMARK(BM_OneDragStep)->Unit(benchmark::kMicrosecond);

void BM_IdleChangeScan(benchmark::State& state) {
    corva::ParameterImage image;
    corva::ProtectionState protection;
    corva::TuningModel model;
    model.SetSynchronised(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.NextChangedFrame(image, protection));
    }
}
BENCHMARK(BM_IdleChangeScan);

}  // namespace
