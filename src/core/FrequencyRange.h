// The processor's frequency range: every band, crossover and plot axis lies in it, in whole Hz.
#pragma once

namespace corva {

inline constexpr int kLowestFrequencyHz = 20;
inline constexpr int kHighestFrequencyHz = 20000;

}  // namespace corva
