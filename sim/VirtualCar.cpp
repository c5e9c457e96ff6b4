#include "sim/VirtualCar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "measure/RealFft.h"
#include "sim/LiveChannelSound.h"

namespace corva::sim {
namespace {

// Room for everything after the first sample: the longest delay, the farthest speaker, its
// reflections and the decay of the cabin's modes (about 0.7 s at 48 kHz).
constexpr int kResponseTailSamples = 32768;

std::complex<double> LatencyAt(int latencySamples, double frequencyHz) {
    return std::polar(1.0,
                      -2.0 * std::numbers::pi * frequencyHz * latencySamples / kVirtualCarRateHz);
}

}  // namespace

VirtualCar::VirtualCar(VirtualCabin cabin)
    : cabin_{std::move(cabin)}, noiseState_{cabin_.noiseSeed * 0x9E3779B97F4A7C15ull + 1} {}

double VirtualCar::NextGaussian() {
    const auto uniform = [this] {
        noiseState_ = noiseState_ * 6364136223846793005ull + 1442695040888963407ull;
        return (static_cast<double>(noiseState_ >> 11) + 0.5) / 9007199254740992.0;
    };
    const double u1 = uniform();
    const double u2 = uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

std::vector<double> VirtualCar::Play(const ParameterImage& image, const std::vector<double>& input,
                                     int recordSamples) {
    const auto sound = LiveSound(image);
    const int size = measure::GoodFftSize(std::max(recordSamples, static_cast<int>(input.size())) +
                                          kResponseTailSamples);
    const measure::RealFft fft(size);
    measure::Spectrum spectrum = fft.Forward(input);
    const double binHz = static_cast<double>(kVirtualCarRateHz) / size;
    for (std::size_t k = 0; k < spectrum.size(); ++k) {
        const double hz = static_cast<double>(k) * binHz;
        std::complex<double> h{0.0, 0.0};
        for (int c = 0; c < kOutputChannelCount; ++c) {
            const LiveChannelSound& channel = sound[static_cast<std::size_t>(c)];
            if (!channel.silent()) {
                h += channel.At(hz) * cabin_.At(c, hz);
            }
        }
        spectrum[k] *= h * LatencyAt(cabin_.latencySamples, hz);
    }
    std::vector<double> microphone = fft.Inverse(spectrum);
    microphone.resize(static_cast<std::size_t>(std::max(0, recordSamples)));
    for (double& sample : microphone) {
        sample += cabin_.noiseRms * NextGaussian();
    }
    return microphone;
}

std::vector<std::complex<double>> VirtualCar::TrueTransfer(
    const ParameterImage& image, int channel, const std::vector<double>& frequenciesHz) const {
    const LiveChannelSound sound = LiveSound(image)[static_cast<std::size_t>(channel)];
    std::vector<std::complex<double>> transfer;
    transfer.reserve(frequenciesHz.size());
    for (const double hz : frequenciesHz) {
        transfer.push_back(sound.At(hz) * cabin_.At(channel, hz) *
                           LatencyAt(cabin_.latencySamples, hz));
    }
    return transfer;
}

}  // namespace corva::sim
