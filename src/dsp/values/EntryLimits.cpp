#include "dsp/values/EntryLimits.h"

#include <algorithm>
#include <cmath>

#include "dsp/values/BandCodes.h"

namespace corva {
namespace {

constexpr int kChannelGainCodeTop = 600;

// Not a number stands for nothing typed; infinities are limited like any other value.
double NumberOr(double value, double fallback) {
    return std::isnan(value) ? fallback : value;
}

}  // namespace

int LimitedFrequencyHz(double frequencyHz) {
    const double limited = std::clamp(NumberOr(frequencyHz, kLowestFrequencyHz),
                                      double{kLowestFrequencyHz}, double{kHighestFrequencyHz});
    return static_cast<int>(std::lround(limited));
}

int ChannelGainCodeForDb(double gainDb) {
    const double limited = std::clamp(NumberOr(gainDb, kHighestChannelGainDb), kLowestChannelGainDb,
                                      kHighestChannelGainDb);
    const auto code = static_cast<int>(std::lround((limited - kLowestChannelGainDb) * 10));
    return std::clamp(code, 0, kChannelGainCodeTop);
}

int BandGainCodeForDb(double gainDb) {
    const double limited = std::clamp(NumberOr(gainDb, 0.0), kLowestBandGainDb, kHighestBandGainDb);
    return std::clamp(BandGainCode(limited), 0, kBandGainCodeMax);
}

int MainVolumeCodeForDb(std::optional<double> volumeDb) {
    if (!volumeDb) {
        return 0;
    }
    const double limited = std::clamp(NumberOr(*volumeDb, kLowestMainVolumeDb), kLowestMainVolumeDb,
                                      kHighestMainVolumeDb);
    return static_cast<int>(std::trunc(limited - kLowestMainVolumeDb));
}

int MainVolumeDb(int volumeCode) {
    return volumeCode + static_cast<int>(kLowestMainVolumeDb);
}

}  // namespace corva
