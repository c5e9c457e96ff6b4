// Encodings of an equaliser band's values as the processor stores them, and the Q table.
#pragma once

#include <string>

namespace corva {

inline constexpr int kBandGainCodeMax = 400;    // 0..400 = -20.0..+20.0 dB
inline constexpr int kBandGainCodeFlat = 200;   // 0.0 dB; the band record adds 400
inline constexpr int kBandRecordGainOffset = 400;
inline constexpr int kBandwidthIndexMax = 295;  // 0..295 = 0.05..3.00 octaves
inline constexpr double kDefaultBandwidthOctaves = 0.2095;

// gain = code * 0.1 - 20
double BandGainDb(int gainCode);
// code = trunc((gain + 20) * 100 / 10 + 0.5)
int BandGainCode(double gainDb);

// octaves = index * 0.01 + 0.05
double BandwidthOctaves(int bandwidthIndex);
// index = trunc((octaves - 0.05) / 0.01 + 0.05); 0.2095 gives 15
int BandwidthIndex(double octaves);

// Q shown for a bandwidth index (the fixed 296-entry table, 28.852 .. 0.404).
double QOfBandwidthIndex(int bandwidthIndex);
// Typed Q, limited to 0.404..28.852: the first index whose Q is not above it; 295 when none.
int BandwidthIndexForQ(double q);
// "%0.2f" above 10, else "%0.3f".
std::string QText(int bandwidthIndex);

}  // namespace corva
