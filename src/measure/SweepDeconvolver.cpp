#include "measure/SweepDeconvolver.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace corva::measure {
namespace {

// Below this share of the sweep's strongest bin, the inverse filter stops growing: bins the
// sweep hardly excites would only amplify noise.
constexpr double kRegularisation = 1e-7;
// The low edge: a causal fourth-order Butterworth high-pass at half the sweep's start
// (-0.02 dB at the start). A zero-phase edge would smear low-frequency ringing to
// before the direct sound, where the response window cannot see it.
constexpr double kLowEdgeRatio = 0.5;
// The high edge: full weight to the sweep's end, none above 1.15 times it (never above 0.48
// times the rate); its ringing is short enough to stay inside the window.
constexpr double kHighEdgeRatio = 1.15;

std::complex<double> LowEdge(double hz, const SweepSettings& settings) {
    const std::complex<double> s{0.0, hz / (settings.startHz * kLowEdgeRatio)};
    // Butterworth poles of order 4: damping 2 cos(pi/8) and 2 cos(3 pi/8).
    const double d1 = 2.0 * std::cos(std::numbers::pi / 8.0);
    const double d2 = 2.0 * std::cos(3.0 * std::numbers::pi / 8.0);
    return (s * s / (s * s + d1 * s + 1.0)) * (s * s / (s * s + d2 * s + 1.0));
}

double HighEdge(double hz, const SweepSettings& settings) {
    const double highest = std::min(settings.endHz * kHighEdgeRatio, 0.48 * settings.sampleRateHz);
    if (hz <= settings.endHz) {
        return 1.0;
    }
    if (hz >= highest) {
        return 0.0;
    }
    const double x = std::log(highest / hz) / std::log(highest / settings.endHz);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

}  // namespace

SweepDeconvolver::SweepDeconvolver(const SweepSettings& settings, int recordSamples)
    : settings_{settings}, sweep_{MakeExponentialSweep(settings)}, recordSamples_{recordSamples} {
    // Long enough that the linear response of the whole recording does not wrap around.
    const int size = GoodFftSize(recordSamples_ + static_cast<int>(sweep_.size()));
    fft_ = std::make_unique<RealFft>(size);
    const Spectrum x = fft_->Forward(sweep_);
    double strongest = 0.0;
    for (const auto& bin : x) {
        strongest = std::max(strongest, std::norm(bin));
    }
    const double floor = kRegularisation * strongest;
    const double binHz = static_cast<double>(settings_.sampleRateHz) / size;
    inverse_.resize(x.size());
    for (std::size_t k = 0; k < x.size(); ++k) {
        const double hz = static_cast<double>(k) * binHz;
        inverse_[k] = LowEdge(hz, settings_) * HighEdge(hz, settings_) * std::conj(x[k]) /
                      (std::norm(x[k]) + floor);
    }
}

ImpulseResponse SweepDeconvolver::Deconvolve(const std::vector<double>& recording) const {
    std::vector<double> cut(
        recording.begin(),
        recording.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(recording.size()),
                                                     recordSamples_));
    Spectrum y = fft_->Forward(cut);
    for (std::size_t k = 0; k < y.size(); ++k) {
        y[k] *= inverse_[k];
    }
    return {fft_->Inverse(y), settings_.sampleRateHz};
}

}  // namespace corva::measure
