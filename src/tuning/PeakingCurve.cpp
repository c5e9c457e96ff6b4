#include "tuning/PeakingCurve.h"

#include <cmath>

#include "dsp/response/BiquadPower.h"

namespace corva::tuning {
namespace {

constexpr double kLn2 = 0.69314718;

}  // namespace

PeakingCurve::PeakingCurve() {
    for (int i = 0; i < kGridPoints; ++i) {
        const double w = GridAngle(i);
        cosW_[static_cast<std::size_t>(i)] = std::cos(w);
        sinW_[static_cast<std::size_t>(i)] = std::sin(w);
    }
}

void PeakingCurve::Evaluate(double centreHz, double octaves, double gainDb, Response& out) const {
    if (gainDb == 0.0) {
        out.fill(0.0);
        return;
    }
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w0 = kSampleAngleFactor * centreHz;
    const double sinW0 = std::sin(w0);
    const double alpha = sinW0 * std::sinh(kLn2 * octaves * w0 / sinW0);
    const double a0 = 1.0 + alpha / a;
    const double b1 = -2.0 * std::cos(w0) / a0;
    const NormalisedBiquad peak{(1.0 + alpha * a) / a0, b1, (1.0 - alpha * a) / a0, b1,
                                (1.0 - alpha / a) / a0};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double ratio = BiquadPowerRatio(peak, cosW_[i], sinW_[i]);
        out[i] = 10.0 * std::log10(ratio);
    }
}

}  // namespace corva::tuning
