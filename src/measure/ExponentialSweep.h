// The exponential sine sweep a measurement plays: its frequency rises by the same number of
// octaves each second, so every octave gets the same energy and the deconvolution separates
// the distortion products from the linear response.
#pragma once

#include <vector>

namespace corva::measure {

inline constexpr int kMeasurementRateHz = 48000;

struct SweepSettings {
    double durationS = 1.0;
    double startHz = 20.0;
    double endHz = 20000.0;
    int sampleRateHz = kMeasurementRateHz;
    double peakLevel = 0.5;  // -6 dB below full scale: room for the processor's boosts
};

// sin(2 pi f1 L (e^(t/L) - 1)) with L = T / ln(f2/f1), faded in over the first 1/12 octave
// and out over the last 1/24 octave (half-Hann), so neither end clicks.
std::vector<double> MakeExponentialSweep(const SweepSettings& settings);

}  // namespace corva::measure
