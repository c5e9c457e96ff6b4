// What the processor's live tuning does to a sound on each output: every band and crossover
// (the same sections its curves are drawn from), the channel gain, mute, polarity and delay,
// the main volume and the master mute.
#pragma once

#include <array>
#include <complex>
#include <vector>

#include "dsp/response/ComplexResponse.h"
#include "protocol/ImageLayout.h"
#include "protocol/ParameterImage.h"

namespace corva::sim {

struct LiveChannelSound {
    std::vector<FilterTransfer> filters;  // the ones that are not flat
    double gain = 1.0;                    // linear, with the polarity's sign; 0 when muted
    double delayS = 0.0;

    bool silent() const { return gain == 0.0; }
    // The complex gain from the processor's input to this output at `frequencyHz`.
    std::complex<double> At(double frequencyHz) const;
};

// The six outputs as the live record of `image` sets them.
std::array<LiveChannelSound, kOutputChannelCount> LiveSound(const ParameterImage& image);

}  // namespace corva::sim
