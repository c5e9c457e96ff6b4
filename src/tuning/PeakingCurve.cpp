#include "tuning/PeakingCurve.h"

#include <cmath>

namespace corva::tuning {
namespace {

constexpr double kLn2 = 0.69314718;
constexpr double kMinPowerRatio = 1e-30;
constexpr double kMaxPowerRatio = 1e30;

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
    const double b0 = (1.0 + alpha * a) / a0;
    const double b1 = -2.0 * std::cos(w0) / a0;
    const double b2 = (1.0 - alpha * a) / a0;
    const double a1 = b1;
    const double a2 = (1.0 - alpha / a) / a0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double c = cosW_[i];
        const double s = sinW_[i];
        const double rn = b0 * c + b1 + b2 * c;
        const double in = b0 * s - b2 * s;
        const double rd = c + a1 + a2 * c;
        const double id = s - a2 * s;
        double ratio = (rn * rn + in * in) / (rd * rd + id * id);
        if (!(ratio >= kMinPowerRatio)) {
            ratio = kMinPowerRatio;
        } else if (ratio > kMaxPowerRatio) {
            ratio = kMaxPowerRatio;
        }
        out[i] = 10.0 * std::log10(ratio);
    }
}

}  // namespace corva::tuning
