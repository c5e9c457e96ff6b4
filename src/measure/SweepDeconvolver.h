// From a recording of a played sweep to the impulse response of everything between the
// output and the microphone: the recording's spectrum times the sweep's inverse filter
// (regularised, band-limited to the sweep's range), computed once per sweep
// and recording length.
#pragma once

#include <memory>
#include <vector>

#include "measure/ExponentialSweep.h"
#include "measure/RealFft.h"

namespace corva::measure {

struct ImpulseResponse {
    std::vector<double> samples;  // time 0 = the first sample played
    int sampleRateHz = kMeasurementRateHz;
};

class SweepDeconvolver {
public:
    // `recordSamples`: how long recordings will be (longer ones are cut).
    SweepDeconvolver(const SweepSettings& settings, int recordSamples);

    ImpulseResponse Deconvolve(const std::vector<double>& recording) const;
    const std::vector<double>& sweep() const { return sweep_; }

private:
    SweepSettings settings_;
    std::vector<double> sweep_;
    int recordSamples_;
    std::unique_ptr<RealFft> fft_;
    Spectrum inverse_;
};

}  // namespace corva::measure
