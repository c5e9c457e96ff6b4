// The limits of every value a user can type, and the conversions from engineering units to
// the codes the processor stores. Pages, the command line and the edit API all use these.
#pragma once

#include <optional>

#include "core/FrequencyRange.h"

namespace corva {

// Keyboard and wheel steps of every gain: fine (arrow keys) and coarse (Page Up/Down).
inline constexpr double kGainFineStepDb = 0.1;
inline constexpr double kGainCoarseStepDb = 1.0;

inline constexpr double kLowestChannelGainDb = -60.0;
inline constexpr double kHighestChannelGainDb = 0.0;
inline constexpr double kLowestBandGainDb = -20.0;
inline constexpr double kHighestBandGainDb = 20.0;
inline constexpr double kLowestMainVolumeDb = -60.0;
inline constexpr double kHighestMainVolumeDb = 6.0;
inline constexpr double kLowestLimiterThresholdDbu = -30.0;
inline constexpr double kHighestLimiterThresholdDbu = 6.0;
inline constexpr double kShortestLimiterAttackMs = 0.3;
inline constexpr double kLongestLimiterAttackMs = 100.0;
inline constexpr int kHighestRoutingShare = 100;  // percent of an input
inline constexpr int kRoutingInputs = 4;          // the shares the channel object holds
inline constexpr int kHighestBandType = 2;        // peaking 0, low shelf 1, high shelf 2
inline constexpr int kHighestShelfSlope = 1;      // 0 = 6 dB/oct, 1 = 12 dB/oct

// Limited to 20..20000 and rounded to whole Hz.
int LimitedFrequencyHz(double frequencyHz);
// Steps of a frequency field: 1/24 octave fine, 1/3 octave coarse.
inline constexpr int kFrequencyFineStepTwentyFourths = 1;
inline constexpr int kFrequencyCoarseStepTwentyFourths = 8;
// A frequency moved by `twentyFourths` of an octave (negative: down), on the processor's whole
// Hz steps and at least one of them away from where it started, limited to 20..20000 Hz.
int SteppedFrequencyHz(int frequencyHz, int twentyFourths);
// Channel gain code 0..600: the dB value limited to -60..0, in 0.1 dB steps, rounded.
int ChannelGainCodeForDb(double gainDb);
// Band gain code 0..400: the dB value limited to -20..+20 (the band's own rounding).
int BandGainCodeForDb(double gainDb);
// Main volume code: no value (OFF) is 0; dB values are limited to -60..+6 and the code is
// the dB value plus 60, truncated.
int MainVolumeCodeForDb(std::optional<double> volumeDb);
// Limiter threshold code 0..360: the dBu value limited to -30..+6, in 0.1 dB steps, rounded.
int LimiterThresholdCodeForDbu(double thresholdDbu);
// Limiter attack code 0..106: 0.3..0.9 ms in 0.1 ms steps (codes 0..6), then 1..100 ms in
// 1 ms steps (codes 7..106); the nearest step to the limited value.
int LimiterAttackCodeForMs(double attackMs);
inline constexpr int kHighestLimiterAttackCode = 106;
// The attack in ms that a code stands for (the inverse of the steps above).
double LimiterAttackMs(int attackCode);
// Limiter release code 0..5 for a release of 2, 4, 6, 8, 16 or 32 times the attack; nothing
// for any other factor (the processor has no steps between them).
std::optional<int> LimiterReleaseCodeForFactor(int factor);
int LimiterReleaseFactor(int releaseCode);
inline constexpr int kHighestLimiterReleaseCode = 5;  // 32 times the attack
// A routing share: the percentage limited to 0..100 and rounded.
int RoutingShareForPercent(double percent);

// The dB value a main volume code stands for (code - 60); the field shows OFF at code 0.
int MainVolumeDb(int volumeCode);

}  // namespace corva
