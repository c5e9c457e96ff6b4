// Cost of building the frames the worker sends most: a slot write and a whole output block.
#include <benchmark/benchmark.h>

#include "protocol/FrameBuilder.h"

namespace {

void BM_SlotFrame(benchmark::State& state) {
    corva::ParameterImage image;
    corva::ProtectionState protection;
    const corva::FrameBuilder builder(image, protection);
    for (auto _ : state) {
        benchmark::DoNotOptimize(builder.BuildSlotFrame(corva::BlockType::Output, 3, 12));
    }
}
BENCHMARK(BM_SlotFrame);

void BM_ProtectedOutputBlockFrame(benchmark::State& state) {
    corva::ParameterImage image;
    corva::ProtectionState protection{true, false, false, "123456"};
    const corva::FrameBuilder builder(image, protection);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            builder.BuildBlockFrame(0, corva::BlockType::Output, 0, corva::BlockSource::Live));
    }
}
BENCHMARK(BM_ProtectedOutputBlockFrame);

}  // namespace
