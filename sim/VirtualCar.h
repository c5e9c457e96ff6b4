// The simulated processor's sound path: a signal played into the processor's input passes
// each output's live tuning, its speaker and the cabin, and reaches the virtual microphone
// with the sound card's latency and the cabin's noise. Computed at once, not in real time.
#pragma once

#include <complex>
#include <cstdint>
#include <vector>

#include "protocol/ParameterImage.h"
#include "sim/VirtualCabin.h"

namespace corva::sim {

inline constexpr int kVirtualCarRateHz = 48000;

class VirtualCar {
public:
    explicit VirtualCar(VirtualCabin cabin = TypicalCabin());

    // `recordSamples` of the microphone from the moment `input` starts to play through the
    // tuning held by `image`. Each call draws new noise from the seeded generator.
    std::vector<double> Play(const ParameterImage& image, const std::vector<double>& input,
                             int recordSamples);

    // The true transfer from the processor's input to the microphone through output
    // `channel` alone, latency included: the tuning's response times the cabin's.
    std::vector<std::complex<double>> TrueTransfer(const ParameterImage& image, int channel,
                                                   const std::vector<double>& frequenciesHz) const;

    const VirtualCabin& cabin() const { return cabin_; }

private:
    double NextGaussian();

    VirtualCabin cabin_;
    std::uint64_t noiseState_;
};

}  // namespace corva::sim
