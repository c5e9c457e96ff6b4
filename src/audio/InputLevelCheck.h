// Before a measurement counts: whether the microphone's signal clipped or was too quiet to
// stand above the noise.
#pragma once

#include <cstddef>
#include <vector>

#include "core/UiText.h"

namespace corva::audio {

enum class InputLevel { Good, Clipped, TooQuiet };

struct InputLevelReport {
    InputLevel level = InputLevel::Good;
    double peakDbfs = -200.0;
    UiText message;  // empty when good
};

// The peak of samples [first, last) in dBFS (-200 for silence).
double PeakDbfs(const std::vector<double>& samples, std::size_t first, std::size_t last);

// Clipped at or above -0.1 dBFS; too quiet below -50 dBFS peak.
InputLevelReport CheckInputLevel(const std::vector<double>& recorded);

}  // namespace corva::audio
