// The construction frequencies of an output's 31 equaliser bands: the first ten an octave
// apart, then the 1/3-octave series from 200 Hz. Inputs use the first ten.
#pragma once

#include <cstddef>
#include <span>

namespace corva {

inline constexpr std::size_t kDefaultBandCount = 31;

std::span<const int> DefaultBandFrequencies();

}  // namespace corva
