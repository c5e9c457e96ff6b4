#include "dsp/values/EntryLimits.h"

#include <algorithm>
#include <cmath>

#include "dsp/values/BandCodes.h"

namespace corva {
namespace {

constexpr int kChannelGainCodeTop = 600;

double Finite(double value, double fallback) {
    return std::isfinite(value) ? value : fallback;
}

}  // namespace

int LimitedFrequencyHz(double frequencyHz) {
    const double limited = std::clamp(Finite(frequencyHz, kLowestFrequencyHz),
                                      double{kLowestFrequencyHz}, double{kHighestFrequencyHz});
    return static_cast<int>(std::lround(limited));
}

int ChannelGainCodeForDb(double gainDb) {
    const double limited = std::clamp(Finite(gainDb, kHighestChannelGainDb), kLowestChannelGainDb,
                                      kHighestChannelGainDb);
    const auto code = static_cast<int>(std::lround((limited - kLowestChannelGainDb) * 10));
    return std::clamp(code, 0, kChannelGainCodeTop);
}

int BandGainCodeForDb(double gainDb) {
    const double limited =
        std::clamp(Finite(gainDb, 0.0), kLowestBandGainDb, kHighestBandGainDb);
    return std::clamp(BandGainCode(limited), 0, kBandGainCodeMax);
}

int MainVolumeCodeForDb(std::optional<double> volumeDb) {
    if (!volumeDb) {
        return 0;
    }
    const double limited = std::clamp(Finite(*volumeDb, kLowestMainVolumeDb), kLowestMainVolumeDb,
                                      kHighestMainVolumeDb);
    return static_cast<int>(std::trunc(limited - kLowestMainVolumeDb));
}

int MainVolumeDb(int volumeCode) {
    return volumeCode + static_cast<int>(kLowestMainVolumeDb);
}

}  // namespace corva
