#include "dsp/response/FilterSections.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/FrequencyRange.h"

#include "dsp/response/BiquadPower.h"
#include "dsp/response/GridTrig.h"

namespace corva {
namespace {

constexpr double kLn2 = 0.69314718;

SectionSet PeakingSections(const FilterShape& shape) {
    SectionSet set;
    if (shape.bypassed || shape.gainDb == 0.0) {
        return set;  // A = 1 would give b == a: exactly 0 dB anyway
    }
    const int index = NearestGridIndex(shape.frequencyHz);
    const double f0 = GridFrequencies()[static_cast<std::size_t>(index)];
    const double a = std::pow(10.0, shape.gainDb / 40.0);
    const double w0 = kSampleAngleFactor * f0;
    const double sinW0 = std::sin(w0);
    // N is the distance in octaves from the centre to each band edge (the bandwidth handles
    // sit at f0 / 2^N and f0 * 2^N).
    const double alpha = sinW0 * std::sinh(kLn2 * shape.bandwidthOctaves * w0 / sinW0);
    const double cosTerm = -2.0 * std::cos(w0);
    set.Add(MakeSection(1.0 + alpha * a, cosTerm, 1.0 - alpha * a, 1.0 + alpha / a, cosTerm,
                        1.0 - alpha / a));
    return set;
}

SectionSet ShelfSections(const FilterShape& shape, int frequencyHz) {
    SectionSet set;
    if (shape.bypassed || shape.gainDb == 0.0) {
        return set;
    }
    const bool low = shape.type == FilterType::LowShelf;
    // Slope 0 is the 6 dB/oct shelf; any other value the 12 dB/oct one (the default).
    const bool gentle = shape.slope == 0;
    double angleScale = 0.0;
    if (low) {
        angleScale = gentle ? 2.0 : 1.2727272727;
    } else {
        angleScale = gentle ? 0.4545454546 : 0.76923076923;
    }
    const double s = gentle ? 0.5 : 1.3;

    const double a = std::pow(10.0, shape.gainDb / 40.0);
    const double w0 = kSampleAngleFactor * frequencyHz * angleScale;
    // The radicand only turns negative for 12 dB/oct shelves beyond about +-37 dB, far outside
    // the gain range; limiting it keeps such values from producing NaN.
    const double radicand = std::max(0.0, (a + 1.0 / a) * (1.0 / s - 1.0) + 2.0);
    const double alpha = std::sin(w0) / 2.0 * std::sqrt(radicand);
    const double beta = 2.0 * std::sqrt(a) * alpha;
    const double cw = std::cos(w0);

    if (low) {
        set.Add(MakeSection(
            a * ((a + 1.0) - (a - 1.0) * cw + beta), 2.0 * a * ((a - 1.0) - (a + 1.0) * cw),
            a * ((a + 1.0) - (a - 1.0) * cw - beta), (a + 1.0) + (a - 1.0) * cw + beta,
            -2.0 * ((a - 1.0) + (a + 1.0) * cw), (a + 1.0) + (a - 1.0) * cw - beta));
    } else {
        set.Add(MakeSection(
            a * ((a + 1.0) + (a - 1.0) * cw + beta), -2.0 * a * ((a - 1.0) + (a + 1.0) * cw),
            a * ((a + 1.0) + (a - 1.0) * cw - beta), (a + 1.0) - (a - 1.0) * cw + beta,
            2.0 * ((a - 1.0) - (a + 1.0) * cw), (a + 1.0) - (a - 1.0) * cw - beta));
    }
    return set;
}

}  // namespace

Section MakeSection(double b0, double b1, double b2, double a0, double a1, double a2) {
    return Section{b0, b1, b2, a0 == 0.0 ? 1e-10 : a0, a1, a2};
}

SectionSet FilterSections(const FilterShape& shape) {
    // Targets outside 20..20000 Hz cannot be entered; limiting them here keeps every design
    // angle positive and makes an out-of-range crossover flat like one at the end of the range.
    const int frequencyHz = std::clamp(shape.frequencyHz, kLowestFrequencyHz, kHighestFrequencyHz);
    switch (shape.type) {
        case FilterType::Peaking:
            return PeakingSections(shape);
        case FilterType::LowShelf:
        case FilterType::HighShelf:
            return ShelfSections(shape, frequencyHz);
        case FilterType::HighPass:
            if (frequencyHz == kLowestFrequencyHz) {
                return {};
            }
            return CrossoverSections(shape.type, frequencyHz, shape.crossoverKind, shape.slope);
        case FilterType::LowPass:
            if (frequencyHz == kHighestFrequencyHz) {
                return {};
            }
            return CrossoverSections(shape.type, frequencyHz, shape.crossoverKind, shape.slope);
    }
    return {};  // not a filter type: flat
}

void AddSectionResponse(const Section& section, Response& response) {
    const NormalisedBiquad normalised{section.b0 / section.a0, section.b1 / section.a0,
                                      section.b2 / section.a0, section.a1 / section.a0,
                                      section.a2 / section.a0};
    const GridTrig& trig = GridTrigTables();
    for (std::size_t i = 0; i < response.size(); ++i) {
        const double ratio = BiquadPowerRatio(normalised, trig.cosW[i], trig.sinW[i]);
        response[i] += 20.0 * std::log10(std::sqrt(ratio));
    }
}

}  // namespace corva
