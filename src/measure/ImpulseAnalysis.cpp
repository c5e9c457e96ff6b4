#include "measure/ImpulseAnalysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "measure/RealFft.h"

namespace corva::measure {
namespace {

constexpr double kOnsetShareOfPeak = 0.25;
constexpr double kFadeOutShare = 0.2;
// The spectrum is computed over at least this many samples (about 0.37 Hz bins at 48 kHz), so
// 1/6 octave at 30 Hz still spans several bins.
constexpr int kLeastSpectrumSamples = 131072;
constexpr double kSilentPower = 1e-30;

}  // namespace

std::optional<double> ArrivalSamples(const ImpulseResponse& response) {
    const auto& h = response.samples;
    if (h.empty()) {
        return std::nullopt;
    }
    std::size_t peak = 0;
    for (std::size_t i = 1; i < h.size(); ++i) {
        if (std::abs(h[i]) > std::abs(h[peak])) {
            peak = i;
        }
    }
    const double top = std::abs(h[peak]);
    if (!(top > 0.0)) {
        return std::nullopt;
    }
    const double threshold = kOnsetShareOfPeak * top;
    std::size_t i = peak;
    while (i > 0 && std::abs(h[i - 1]) >= threshold) {
        --i;
    }
    if (i == 0) {
        return 0.0;
    }
    // Between sample i-1 (below) and i (at or above).
    const double below = std::abs(h[i - 1]);
    const double above = std::abs(h[i]);
    const double t = above > below ? (threshold - below) / (above - below) : 0.0;
    return static_cast<double>(i - 1) + t;
}

PowerSpectrum WindowedSpectrum(const ImpulseResponse& response, double onsetSamples,
                               const ResponseWindow& window) {
    const double rate = response.sampleRateHz;
    const int before = static_cast<int>(std::lround(window.beforeOnsetMs * rate / 1000.0));
    const int after = static_cast<int>(std::lround(window.lengthMs * rate / 1000.0));
    const int first = std::max(0, static_cast<int>(std::floor(onsetSamples)) - before);
    const int last =
        std::min(static_cast<int>(response.samples.size()), static_cast<int>(onsetSamples) + after);
    const int count = std::max(0, last - first);
    std::vector<double> windowed(static_cast<std::size_t>(count));
    const int fadeIn = std::max(1, static_cast<int>(onsetSamples) - first);
    const int fadeOut = std::max(1, static_cast<int>(count * kFadeOutShare));
    for (int n = 0; n < count; ++n) {
        double w = 1.0;
        if (n < fadeIn) {
            w = 0.5 - 0.5 * std::cos(std::numbers::pi * n / fadeIn);
        }
        const int fromEnd = count - 1 - n;
        if (fromEnd < fadeOut) {
            w *= 0.5 - 0.5 * std::cos(std::numbers::pi * fromEnd / fadeOut);
        }
        windowed[static_cast<std::size_t>(n)] =
            w * response.samples[static_cast<std::size_t>(first + n)];
    }
    const RealFft fft(GoodFftSize(std::max(kLeastSpectrumSamples, count)));
    const Spectrum spectrum = fft.Forward(windowed);
    PowerSpectrum power;
    power.binHz = rate / fft.size();
    power.power.resize(spectrum.size());
    for (std::size_t k = 0; k < spectrum.size(); ++k) {
        power.power[k] = std::norm(spectrum[k]);
    }
    return power;
}

Response GridLevels(const PowerSpectrum& spectrum, int fraction) {
    Response levels{};
    const auto& grid = GridFrequencies();
    const double halfOctaves = fraction > 0 ? 0.5 / fraction : 0.5 / 48.0;
    const auto bins = static_cast<double>(spectrum.power.size());
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const double low = grid[i] * std::exp2(-halfOctaves) / spectrum.binHz;
        const double high = grid[i] * std::exp2(halfOctaves) / spectrum.binHz;
        const auto first = static_cast<std::size_t>(std::clamp(std::ceil(low), 0.0, bins - 1));
        const auto last = static_cast<std::size_t>(std::clamp(std::floor(high), 0.0, bins - 1));
        double sum = 0.0;
        int count = 0;
        for (std::size_t k = first; k <= last && k >= first; ++k) {
            sum += spectrum.power[k];
            ++count;
        }
        if (count == 0) {
            const auto nearest = static_cast<std::size_t>(
                std::clamp(std::round(grid[i] / spectrum.binHz), 0.0, bins - 1));
            sum = spectrum.power[nearest];
            count = 1;
        }
        levels[i] = 10.0 * std::log10(std::max(sum / count, kSilentPower));
    }
    return levels;
}

}  // namespace corva::measure
