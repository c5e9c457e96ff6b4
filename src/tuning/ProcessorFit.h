// The processor's filter nearest to a wanted curve: for one peaking band, shelf or crossover,
// the frequency, bandwidth step, shelf slope or crossover kind whose response (as the
// processor's own filter model computes it) deviates least from the wanted curve.
#pragma once

#include "dsp/response/FilterResponse.h"
#include "model/EqualizerSettings.h"

namespace corva::tuning {

struct BandFit {
    BandSetting band;
    Response response{};
    double deviationDb = 0.0;  // largest over 20 Hz..20 kHz
};

struct CrossoverFit {
    CrossoverSetting crossover;
    Response response{};
    double deviationDb = 0.0;
};

// A peaking band near `frequencyHz` with the gain in 0.1 dB steps (limited to -20..+20 dB).
BandFit FitPeakingBand(const Response& wanted, double frequencyHz, double gainDb);

// A shelf of `type` near `frequencyHz`; `slope` 0 or 1 when the file fixes it, -1 to try both.
BandFit FitShelf(const Response& wanted, FilterType type, double frequencyHz, double gainDb,
                 int slope);

// A 12 dB/oct crossover of the three kinds near `frequencyHz`.
CrossoverFit FitCrossover(const Response& wanted, FilterType type, double frequencyHz);

// The whole-Hz frequency a peaking band is stored with so that the processor centres it on
// grid point `gridIndex`, preferring `wantedHz` rounded when that lands there too.
int BandFrequencyForGridIndex(int gridIndex, double wantedHz);

// The response of a band setting or crossover setting, as the channel computes it.
Response BandResponse(const BandSetting& band);
Response CrossoverResponse(FilterType type, const CrossoverSetting& crossover);

}  // namespace corva::tuning
