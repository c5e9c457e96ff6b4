#include "dsp/response/ComplexResponse.h"

#include "dsp/response/FilterSections.h"

namespace corva {

FilterTransfer::FilterTransfer(const FilterShape& shape) {
    const SectionSet set = FilterSections(shape);
    static_assert(kMaxSections == 4);
    count_ = set.count;
    for (int k = 0; k < set.count; ++k) {
        const Section& s = set.sections[static_cast<std::size_t>(k)];
        sections_[static_cast<std::size_t>(k)] = {s.b0, s.b1, s.b2, s.a0, s.a1, s.a2};
    }
}

std::complex<double> FilterTransfer::At(double frequencyHz) const {
    const std::complex<double> zInverse = std::polar(1.0, -kSampleAngleFactor * frequencyHz);
    const std::complex<double> zInverse2 = zInverse * zInverse;
    std::complex<double> gain{1.0, 0.0};
    for (int k = 0; k < count_; ++k) {
        const Coefficients& s = sections_[static_cast<std::size_t>(k)];
        gain *= (s.b0 + s.b1 * zInverse + s.b2 * zInverse2) /
                (s.a0 + s.a1 * zInverse + s.a2 * zInverse2);
    }
    return gain;
}

}  // namespace corva
