#include "measure/ExponentialSweep.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corva::measure {

std::vector<double> MakeExponentialSweep(const SweepSettings& settings) {
    const int count =
        std::max(2, static_cast<int>(std::lround(settings.durationS * settings.sampleRateHz)));
    const double rate = settings.endHz / settings.startHz;
    const double l = settings.durationS / std::log(rate);
    // The time the sweep spends in its first 1/12 and last 1/24 octave.
    const double fadeInS = l * std::log(std::exp2(1.0 / 12.0));
    const double fadeOutS = l * std::log(std::exp2(1.0 / 24.0));
    std::vector<double> sweep(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / settings.sampleRateHz;
        double value =
            std::sin(2.0 * std::numbers::pi * settings.startHz * l * (std::exp(t / l) - 1.0));
        if (t < fadeInS) {
            value *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / fadeInS);
        }
        const double left = settings.durationS - t;
        if (left < fadeOutS) {
            value *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, left) / fadeOutS);
        }
        sweep[static_cast<std::size_t>(n)] = settings.peakLevel * value;
    }
    return sweep;
}

}  // namespace corva::measure
