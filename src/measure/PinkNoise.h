// Pink noise for measuring without a wire: one period of noise with equal energy per octave
// from 20 Hz to 20 kHz, and a WAV file of it repeated, to be played from a USB stick.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Status.h"

namespace corva::measure {

inline constexpr int kPinkPeriodSamples = 65536;  // 1.37 s at 48 kHz

// One period (repeats seamlessly), -20 dBFS RMS; the same seed gives the same noise.
std::vector<double> MakePinkNoisePeriod(std::uint64_t seed = 1);

// A 16-bit mono WAV file at 48 kHz of `seconds` of the repeated period, written through the
// safe writer.
Status WritePinkNoiseFile(const std::string& path, double seconds, std::uint64_t seed = 1);

}  // namespace corva::measure
