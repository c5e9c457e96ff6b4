// The complex gain of one band or crossover at any frequency, from the same second-order
// sections its magnitude curve is drawn from: what a sound passing through the filter meets.
#pragma once

#include <array>
#include <complex>

#include "dsp/response/FilterResponse.h"

namespace corva {

class FilterTransfer {
public:
    // The filter's sections, designed once.
    explicit FilterTransfer(const FilterShape& shape);

    // H(e^{jw}) at `frequencyHz` (w at the 96 kHz design rate); exactly 1 for a flat filter.
    std::complex<double> At(double frequencyHz) const;
    bool flat() const { return count_ == 0; }

private:
    struct Coefficients {
        double b0, b1, b2, a0, a1, a2;
    };
    std::array<Coefficients, 4> sections_{};
    int count_ = 0;
};

}  // namespace corva
