// Auto-EQ: the channel's 31 bands fitted so that the measurement plus the channel's response
// follows a target, within what the processor can hold (its grid of centre frequencies, its
// bandwidth steps, 0.1 dB gain steps, a boost limit and cuts down to -20 dB). The fit runs in
// the continuous domain first, then searches the processor's own steps from there, so the
// result is the best curve found among the values the processor can store, not a rounded
// continuous fit. Same input, same bands.
#pragma once

#include <array>

#include "core/Status.h"
#include "model/EqualizerSettings.h"
#include "tuning/FitError.h"

namespace corva::tuning {

struct AutoEqOptions {
    double maxBoostDb = 6.0;  // no point of the result rises more above the measurement
    double maxCutDb = 20.0;   // bands go down to -maxCutDb (at most 20)
    double lowHz = 20.0;      // the fit range
    double highHz = 20000.0;
};

// Refuses options the processor cannot follow: a boost outside 0..20 dB, a cut outside
// 0..20 dB, a range outside 20 Hz..20 kHz or narrower than a third of an octave.
Status CheckAutoEqOptions(const AutoEqOptions& options);

struct AutoEqResult {
    std::array<BandSetting, output_block::kBandSlots> bands{};
    int bandsUsed = 0;         // bands that are not flat
    Response bandsResponse{};  // sum of the fitted bands
    Response predicted{};      // measurement + fixed part + bands
    FitErrors before;          // measurement + fixed part against the target
    FitErrors after;           // predicted against the target
};

// `measurement` and `target` on the response grid (levels in dB; only shapes count);
// `fixedResponse` is what the channel adds besides its bands (its crossovers). The options
// must have passed CheckAutoEqOptions.
AutoEqResult FitAutoEq(const Response& measurement, const Response& target,
                       const Response& fixedResponse, const AutoEqOptions& options);

}  // namespace corva::tuning
