// Cost of the response curves: recomputing every filter of the six output channels, and one
// drag step (one band recomputed, its channel's sum re-added from the stored responses).
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "dsp/response/FilterResponse.h"

namespace {

constexpr int kChannels = 6;
constexpr int kBands = 31;
constexpr int kFiltersPerChannel = kBands + 2;

using ChannelShapes = std::array<corva::FilterShape, kFiltersPerChannel>;
using ChannelResponses = std::array<corva::Response, kFiltersPerChannel>;

// 31 peaking bands with varied values, then a high-pass and a low-pass of varied kinds.
std::array<ChannelShapes, kChannels> MakeShapes() {
    constexpr int kBandHz[kBands] = {20,   25,   31,   40,    50,    63,    80,   100,
                                     125,  160,  200,  250,   315,   400,   500,  630,
                                     800,  1000, 1250, 1600,  2000,  2500,  3150, 4000,
                                     5000, 6300, 8000, 10000, 12500, 16000, 20000};
    std::array<ChannelShapes, kChannels> shapes{};
    for (int c = 0; c < kChannels; ++c) {
        auto& channel = shapes[static_cast<std::size_t>(c)];
        for (int j = 0; j < kBands; ++j) {
            auto& band = channel[static_cast<std::size_t>(j)];
            band.type = corva::FilterType::Peaking;
            band.frequencyHz = kBandHz[j] + c * 7;
            band.gainDb = ((j * 7 + c * 3) % 41) - 20.0;
            band.bandwidthOctaves = 0.05 + 0.01 * ((j * 13 + c * 29) % 296);
        }
        auto& hp = channel[kBands];
        hp.type = corva::FilterType::HighPass;
        hp.frequencyHz = 40 + 20 * c;
        hp.crossoverKind = c % 3;
        hp.slope = 7 - c;
        auto& lp = channel[kBands + 1];
        lp.type = corva::FilterType::LowPass;
        lp.frequencyHz = 18000 - 2500 * c;
        lp.crossoverKind = (c + 1) % 3;
        lp.slope = 7 - c;
    }
    return shapes;
}

void SumChannel(const ChannelResponses& responses, corva::Response& sum) {
    sum.fill(0.0);
    for (const corva::Response& r : responses) {
        for (std::size_t i = 0; i < sum.size(); ++i) {
            sum[i] += r[i];
        }
    }
}

void BM_AllChannels(benchmark::State& state) {
    const auto shapes = MakeShapes();
    std::array<ChannelResponses, kChannels> responses{};
    std::array<corva::Response, kChannels> sums{};
    for (auto _ : state) {
        for (std::size_t c = 0; c < kChannels; ++c) {
            for (std::size_t f = 0; f < kFiltersPerChannel; ++f) {
                corva::ComputeResponse(shapes[c][f], responses[c][f]);
            }
            SumChannel(responses[c], sums[c]);
        }
        benchmark::DoNotOptimize(sums.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AllChannels)->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state) {
    auto shapes = MakeShapes();
    ChannelResponses responses{};
    for (std::size_t f = 0; f < kFiltersPerChannel; ++f) {
        corva::ComputeResponse(shapes[0][f], responses[f]);
    }
    corva::Response sum{};
    auto& band = shapes[0][17];
    int step = 0;
    for (auto _ : state) {
        band.frequencyHz = 900 + (step & 63) * 3;
        band.gainDb = ((step >> 6) & 31) - 15.0;
        ++step;
        corva::ComputeResponse(band, responses[17]);
        SumChannel(responses, sum);
        benchmark::DoNotOptimize(sum.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

}  // namespace
