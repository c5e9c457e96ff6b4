#include "tuning/ProcessorFit.h"

#include <algorithm>
#include <cmath>

#include "dsp/values/EntryLimits.h"
#include "tuning/IdealFilters.h"

namespace corva::tuning {
namespace {

constexpr int kCoarseBandwidthStep = 8;

double Deviation(const Response& wanted, const Response& got) {
    return LargestDeviationDb(wanted, got);
}

// `centreHz` moved by `steps` 1/48 octaves, in whole Hz.
int StepHz(double centreHz, int steps) {
    return static_cast<int>(std::lround(centreHz * std::exp2(steps / 48.0)));
}

// After the coarse steps: every whole Hz within 1.5 % of the best one.
template <typename Consider>
void ConsiderAround(int coarseHz, const Consider& consider) {
    const int span = std::max(1, static_cast<int>(coarseHz * 0.015));
    for (int hz = coarseHz - span; hz <= coarseHz + span; ++hz) {
        consider(hz);
    }
}

}  // namespace

Response BandResponse(const BandSetting& band) {
    Response response{};
    FilterShape shape;
    shape.type = band.type;
    shape.frequencyHz = band.frequencyHz;
    shape.gainDb = BandGainDb(band.gainCode);
    shape.bandwidthOctaves = BandwidthOctaves(band.bandwidthIndex);
    shape.slope = band.slope;
    shape.bypassed = band.gainCode == kBandGainCodeFlat;
    ComputeResponse(shape, response);
    return response;
}

Response CrossoverResponse(FilterType type, const CrossoverSetting& crossover) {
    Response response{};
    FilterShape shape;
    shape.type = type;
    shape.frequencyHz = crossover.frequencyHz;
    shape.crossoverKind = crossover.kind;
    shape.slope = crossover.slope;
    ComputeResponse(shape, response);
    return response;
}

int BandFrequencyForGridIndex(int gridIndex, double wantedHz) {
    const int rounded = LimitedFrequencyHz(wantedHz);
    if (NearestGridIndex(rounded) == gridIndex) {
        return rounded;
    }
    const double gridHz = GridFrequencies()[static_cast<std::size_t>(gridIndex)];
    const int base = LimitedFrequencyHz(gridHz);
    for (const int candidate : {base, base + 1, base - 1}) {
        if (NearestGridIndex(candidate) == gridIndex) {
            return candidate;
        }
    }
    return base;
}

BandFit FitPeakingBand(const Response& wanted, double frequencyHz, double gainDb) {
    BandFit best;
    best.deviationDb = INFINITY;
    const int gainCode = BandGainCodeForDb(gainDb);
    const int centre = NearestGridIndex(std::clamp(frequencyHz, 20.0, 20000.0));
    const auto consider = [&](int gridIndex, int bandwidthIndex) {
        BandSetting band;
        band.type = FilterType::Peaking;
        band.frequencyHz = BandFrequencyForGridIndex(gridIndex, frequencyHz);
        band.gainCode = gainCode;
        band.bandwidthIndex = bandwidthIndex;
        const Response response = BandResponse(band);
        const double deviation = Deviation(wanted, response);
        if (deviation < best.deviationDb) {
            best = {band, response, deviation};
        }
        return deviation;
    };
    for (int gridIndex = std::max(1, centre - 1);
         gridIndex <= std::min(kGridPoints - 1, centre + 1); ++gridIndex) {
        // Coarse steps over the whole table, then every step around the best coarse one.
        int bestCoarse = 0;
        double bestCoarseDeviation = INFINITY;
        for (int b = 0; b <= kBandwidthIndexMax; b += kCoarseBandwidthStep) {
            const double deviation = consider(gridIndex, b);
            if (deviation < bestCoarseDeviation) {
                bestCoarseDeviation = deviation;
                bestCoarse = b;
            }
        }
        for (int b = std::max(0, bestCoarse - kCoarseBandwidthStep);
             b <= std::min(kBandwidthIndexMax, bestCoarse + kCoarseBandwidthStep); ++b) {
            consider(gridIndex, b);
        }
    }
    return best;
}

BandFit FitShelf(const Response& wanted, FilterType type, double frequencyHz, double gainDb,
                 int slope) {
    BandFit best;
    best.deviationDb = INFINITY;
    const int gainCode = BandGainCodeForDb(gainDb);
    const auto consider = [&](int hz, int s) {
        BandSetting band;
        band.type = type;
        band.slope = s;
        band.frequencyHz = LimitedFrequencyHz(hz);
        band.gainCode = gainCode;
        const Response response = BandResponse(band);
        const double deviation = Deviation(wanted, response);
        if (deviation < best.deviationDb) {
            best = {band, response, deviation};
        }
    };
    for (int s = 0; s <= 1; ++s) {
        if (slope >= 0 && s != slope) {
            continue;
        }
        // The processor's shelves are designed at a shifted angle: look two octaves each way
        // in 1/48-octave steps, then in whole Hz around the best step.
        for (int k = -96; k <= 96; ++k) {
            consider(StepHz(frequencyHz, k), s);
        }
    }
    const BandSetting coarse = best.band;
    ConsiderAround(coarse.frequencyHz, [&](int hz) { consider(hz, coarse.slope); });
    return best;
}

CrossoverFit FitCrossover(const Response& wanted, FilterType type, double frequencyHz) {
    CrossoverFit best;
    best.deviationDb = INFINITY;
    const auto consider = [&](int hz, int kind) {
        CrossoverSetting crossover{LimitedFrequencyHz(hz), kind, 1};
        const Response response = CrossoverResponse(type, crossover);
        const double deviation = Deviation(wanted, response);
        if (deviation < best.deviationDb) {
            best = {crossover, response, deviation};
        }
    };
    for (int kind = 0; kind <= 2; ++kind) {
        for (int k = -48; k <= 48; ++k) {
            consider(StepHz(frequencyHz, k), kind);
        }
    }
    const CrossoverSetting coarse = best.crossover;
    ConsiderAround(coarse.frequencyHz, [&](int hz) { consider(hz, coarse.kind); });
    return best;
}

}  // namespace corva::tuning
