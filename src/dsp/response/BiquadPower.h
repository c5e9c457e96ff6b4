// The power gain |H|² of one biquad section at one grid angle, shared by every curve drawn from
// sections. Kept within 1e-30..1e30 (+-300 dB) so that a degenerate filter (a zero on the
// grid, a pole on the unit circle) never puts an infinity or NaN into a curve.
#pragma once

namespace corva {

// A section's coefficients divided by its a0.
struct NormalisedBiquad {
    double b0 = 1.0;
    double b1 = 0.0;
    double b2 = 0.0;
    double a1 = 0.0;
    double a2 = 0.0;
};

inline double BiquadPowerRatio(const NormalisedBiquad& q, double cosW, double sinW) {
    constexpr double kMinPowerRatio = 1e-30;
    constexpr double kMaxPowerRatio = 1e30;
    // Numerator and denominator multiplied by e^{jW}: the magnitude stays the same and the
    // real and imaginary parts need one cosine and one sine.
    const double rn = q.b0 * cosW + q.b1 + q.b2 * cosW;
    const double in = q.b0 * sinW - q.b2 * sinW;
    const double rd = cosW + q.a1 + q.a2 * cosW;
    const double id = sinW - q.a2 * sinW;
    const double ratio = (rn * rn + in * in) / (rd * rd + id * id);
    if (!(ratio >= kMinPowerRatio)) {
        return kMinPowerRatio;  // also catches NaN
    }
    return ratio > kMaxPowerRatio ? kMaxPowerRatio : ratio;
}

}  // namespace corva
