#include "dsp/values/EntryLimits.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dsp/values/BandCodes.h"

namespace corva {
namespace {

constexpr int kChannelGainCodeTop = 600;
constexpr int kLimiterThresholdCodeTop = 360;
constexpr int kLastTenthsAttackCode = 6;  // codes 0..6 step 0.1 ms from 0.3 ms
constexpr int kLimiterAttackCodeTop = kHighestLimiterAttackCode;
constexpr std::array<int, 6> kReleaseFactors = {2, 4, 6, 8, 16, 32};

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

// Below about 700 Hz 1/24 octave is less than 20 Hz and rounds to few or no whole steps;
// moving at least one step keeps every key press and wheel notch doing something.
int SteppedFrequencyHz(int frequencyHz, int twentyFourths) {
    if (twentyFourths == 0) {
        return frequencyHz;
    }
    const double target = frequencyHz * std::exp2(twentyFourths / 24.0);
    long stepped = std::lround(target);
    if (stepped == frequencyHz) {
        stepped += twentyFourths > 0 ? 1 : -1;
    }
    return LimitedFrequencyHz(static_cast<double>(stepped));
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

int LimiterThresholdCodeForDbu(double thresholdDbu) {
    const double limited = std::clamp(NumberOr(thresholdDbu, 0.0), kLowestLimiterThresholdDbu,
                                      kHighestLimiterThresholdDbu);
    const auto code = static_cast<int>(std::lround((limited - kLowestLimiterThresholdDbu) * 10));
    return std::clamp(code, 0, kLimiterThresholdCodeTop);
}

int LimiterAttackCodeForMs(double attackMs) {
    const double limited = std::clamp(NumberOr(attackMs, kLongestLimiterAttackMs),
                                      kShortestLimiterAttackMs, kLongestLimiterAttackMs);
    // Below 0.95 ms the 0.1 ms steps are nearer; from there the whole milliseconds.
    if (limited < 0.95) {
        return std::clamp(static_cast<int>(std::lround(limited * 10)) - 3, 0,
                          kLastTenthsAttackCode);
    }
    return std::clamp(static_cast<int>(std::lround(limited)) + kLastTenthsAttackCode,
                      kLastTenthsAttackCode + 1, kLimiterAttackCodeTop);
}

double LimiterAttackMs(int attackCode) {
    const int code = std::clamp(attackCode, 0, kLimiterAttackCodeTop);
    return code <= kLastTenthsAttackCode ? (code + 3) * 0.1 : double(code - kLastTenthsAttackCode);
}

std::optional<int> LimiterReleaseCodeForFactor(int factor) {
    for (std::size_t code = 0; code < kReleaseFactors.size(); ++code) {
        if (kReleaseFactors[code] == factor) {
            return static_cast<int>(code);
        }
    }
    return std::nullopt;
}

int LimiterReleaseFactor(int releaseCode) {
    return kReleaseFactors[static_cast<std::size_t>(
        std::clamp(releaseCode, 0, static_cast<int>(kReleaseFactors.size()) - 1))];
}

int RoutingShareForPercent(double percent) {
    const double limited = std::clamp(NumberOr(percent, 0.0), 0.0, double{kHighestRoutingShare});
    return static_cast<int>(std::lround(limited));
}

int MainVolumeDb(int volumeCode) {
    return volumeCode + static_cast<int>(kLowestMainVolumeDb);
}

}  // namespace corva
