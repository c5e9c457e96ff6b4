// The limits of every value a user can type, and the conversions from engineering units to
// the codes the processor stores. Pages, the command line and the edit API all use these.
#pragma once

#include <optional>

namespace corva {

// Frequency fields, crossovers and bands: whole Hz.
inline constexpr int kLowestFrequencyHz = 20;
inline constexpr int kHighestFrequencyHz = 20000;

inline constexpr double kLowestChannelGainDb = -60.0;
inline constexpr double kHighestChannelGainDb = 0.0;
inline constexpr double kLowestBandGainDb = -20.0;
inline constexpr double kHighestBandGainDb = 20.0;
inline constexpr double kLowestMainVolumeDb = -60.0;
inline constexpr double kHighestMainVolumeDb = 6.0;

// Limited to 20..20000 and rounded to whole Hz.
int LimitedFrequencyHz(double frequencyHz);
// Channel gain code 0..600: the dB value limited to -60..0, in 0.1 dB steps, rounded.
int ChannelGainCodeForDb(double gainDb);
// Band gain code 0..400: the dB value limited to -20..+20 (the band's own rounding).
int BandGainCodeForDb(double gainDb);
// Main volume code: no value (OFF) is 0; dB values are limited to -60..+6 and the code is
// the dB value plus 60, truncated.
int MainVolumeCodeForDb(std::optional<double> volumeDb);
// The dB value a main volume code stands for (code - 60); the field shows OFF at code 0.
int MainVolumeDb(int volumeCode);

}  // namespace corva
