#include "measure/NoiseAnalyser.h"

#include <cmath>
#include <numbers>

#include "measure/ExponentialSweep.h"
#include "measure/ImpulseAnalysis.h"
#include "measure/RealFft.h"

namespace corva::measure {
namespace {

// The mean power spectrum of Hann-windowed frames of one period's length, half overlapping.
PowerSpectrum Averaged(const std::vector<double>& signal, int frame) {
    const RealFft fft(frame);
    std::vector<double> window(static_cast<std::size_t>(frame));
    for (int n = 0; n < frame; ++n) {
        window[static_cast<std::size_t>(n)] =
            0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / frame);
    }
    PowerSpectrum average;
    average.binHz = static_cast<double>(kMeasurementRateHz) / frame;
    average.power.assign(static_cast<std::size_t>(frame / 2 + 1), 0.0);
    int frames = 0;
    std::vector<double> piece(static_cast<std::size_t>(frame));
    for (std::size_t start = 0; start + piece.size() <= signal.size(); start += piece.size() / 2) {
        for (std::size_t n = 0; n < piece.size(); ++n) {
            piece[n] = window[n] * signal[start + n];
        }
        const Spectrum spectrum = fft.Forward(piece);
        for (std::size_t k = 0; k < spectrum.size(); ++k) {
            average.power[k] += std::norm(spectrum[k]);
        }
        ++frames;
    }
    for (double& p : average.power) {
        p /= std::max(1, frames);
    }
    return average;
}

}  // namespace

Response NoiseResponse(const std::vector<double>& recording, int fraction,
                       const std::vector<double>& noisePeriod) {
    const int frame = static_cast<int>(noisePeriod.size());
    // The noise as played: the period repeated over the recording's length.
    std::vector<double> played(recording.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        played[i] = noisePeriod[i % noisePeriod.size()];
    }
    const Response heard = GridLevels(Averaged(recording, frame), fraction);
    const Response sent = GridLevels(Averaged(played, frame), fraction);
    Response response{};
    for (std::size_t i = 0; i < response.size(); ++i) {
        response[i] = heard[i] - sent[i];
    }
    return response;
}

}  // namespace corva::measure
