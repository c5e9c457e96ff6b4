// Sections of the high-pass and low-pass crossover filters: damping tables per kind and slope,
// and the analog sections of the low-pass Bessel filter.
#include <array>
#include <cmath>
#include <cstddef>

#include "dsp/response/FilterSections.h"

namespace corva {
namespace {

constexpr int kSlopeCount = 8;  // 6..48 dB/oct

// Damping values of up to four sections; 0 marks a unity section. For odd orders the first
// value belongs to a first-order section.
struct DampingRow {
    bool firstOrderFirst;
    std::array<double, kMaxSections> damping;
};

constexpr std::array<DampingRow, kSlopeCount> kLinkwitzRiley = {{
    {true, {1.0, 0.0, 0.0, 0.0}},
    {false, {1.0, 0.0, 0.0, 0.0}},
    {true, {1.0, 0.70422535211, 0.0, 0.0}},
    {false, {0.70422535211, 0.70422535211, 0.0, 0.0}},
    {true, {1.0, 0.62, 0.62, 0.0}},
    {false, {1.0, 0.5, 0.5, 0.0}},
    {true, {1.0, 0.453134315, 0.92592592593, 0.453134315}},
    {false, {0.92592592593, 0.373134315, 0.92592592593, 0.373134315}},
}};

constexpr std::array<DampingRow, kSlopeCount> kButterworth = {{
    {true, {0.70422535, 0.0, 0.0, 0.0}},
    {false, {0.70422535, 0.0, 0.0, 0.0}},
    {true, {1.0, 0.5, 0.0, 0.0}},
    {false, {0.92592593, 0.38167939, 0.0, 0.0}},
    {true, {1.0, 0.8064616129, 0.3086417953, 0.0}},
    {false, {0.96153846, 0.70422535211, 0.2590673575, 0.0}},
    {true, {1.0, 0.90909090909, 0.625, 0.2222222222}},
    {false, {0.98039216, 0.83333333, 0.55555556, 0.1953125}},
}};

constexpr std::array<DampingRow, kSlopeCount> kBesselHighPass = {{
    {true, {0.70422535, 0.0, 0.0, 0.0}},
    {false, {0.70422535, 0.0, 0.0, 0.0}},
    {true, {0.756, 0.72463768, 0.0, 0.0}},
    {false, {0.96153846, 0.61728395, 0.0, 0.0}},
    {true, {0.6656, 0.8928571428, 0.54347826, 0.0}},
    {false, {0.980392156, 0.819672131, 0.490196, 0.0}},
    {true, {0.5937, 0.943396226415, 0.757575757576, 0.4424778761}},
    {false, {0.98039216, 0.89285714, 0.70422535, 0.40650406}},
}};

// The target frequency is divided by these to get the design frequency.
constexpr std::array<double, kSlopeCount> kBesselHighPassDivisor = {
    1.2683112435, 1.2683112435, 1.2854981442, 1.5006420029,
    1.3854981442, 1.5554981442, 1.5554981442, 1.679120141,
};

// Analog low-pass section 1 / (p2 p^2 + p1 p + 1); p2 = 0 is first order, p1 = 0 unity.
struct AnalogSection {
    double p1;
    double p2;
};

struct BesselLowPassRow {
    std::array<AnalogSection, kMaxSections> sections;
    double divisor;
};

// Slope 0 (6 dB/oct) uses the 12 dB/oct row: the low-pass Bessel is never first order.
constexpr std::array<BesselLowPassRow, kSlopeCount> kBesselLowPass = {{
    {{{{1.0, 0.3333333333}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}}, 1.3616541287},
    {{{{1.0, 0.3333333333}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}}, 1.3616541287},
    {{{{0.5693712514, 0.154812441}, {0.430628846, 0.0}, {0.0, 0.0}, {0.0, 0.0}}}, 1.75567236868},
    {{{{0.369, 0.087858766}, {0.6278294896, 0.109408}, {0.0, 0.0}, {0.0, 0.0}}}, 2.1139176749},
    {{{{0.6656, 0.0}, {1.1402, 0.4128}, {0.6216, 0.3245}, {0.0, 0.0}}}, 1.0},
    {{{{1.2217, 0.3887}, {0.9686, 0.3505}, {0.5131, 0.2756}, {0.0, 0.0}}}, 1.0},
    {{{{0.5937, 0.0}, {1.0944, 0.3395}, {0.8304, 0.3011}, {0.4332, 0.2381}}}, 1.0},
    {{{{0.117235677, 0.02064747},
       {0.226516664, 0.0259273886},
       {0.3067559, 0.0294683265},
       {0.3494916166, 0.031272257}}},
     3.17961723751},
}};

// Angles of one design frequency.
struct DesignAngle {
    double cosW0;
    double sinW0;
    double t;  // tan(w0 / 2)
};

DesignAngle AngleOf(double designHz) {
    const double w0 = kSampleAngleFactor * designHz;
    return {std::cos(w0), std::sin(w0), std::tan(w0 / 2.0)};
}

Section SecondOrder(FilterType type, double d, const DesignAngle& g) {
    const double x = d * g.sinW0;
    if (type == FilterType::HighPass) {
        const double b0 = (1.0 + g.cosW0) / 2.0;
        return MakeSection(b0, -(1.0 + g.cosW0), b0, 1.0 + x, -2.0 * g.cosW0, 1.0 - x);
    }
    const double b0 = (1.0 - g.cosW0) / 2.0;
    return MakeSection(b0, 1.0 - g.cosW0, b0, 1.0 + x, -2.0 * g.cosW0, 1.0 - x);
}

Section FirstOrder(FilterType type, double d, const DesignAngle& g) {
    if (type == FilterType::HighPass) {
        return MakeSection(1.0, -1.0, 0.0, 1.0 + d * g.t, d * g.t - 1.0, 0.0);
    }
    return MakeSection(g.t, g.t, 0.0, g.t + d, g.t - d, 0.0);
}

SectionSet DampedSections(FilterType type, const DampingRow& row, double designHz) {
    const DesignAngle g = AngleOf(designHz);
    SectionSet set;
    for (std::size_t k = 0; k < row.damping.size(); ++k) {
        const double d = row.damping[k];
        if (d == 0.0) {
            continue;
        }
        set.Add(k == 0 && row.firstOrderFirst ? FirstOrder(type, d, g) : SecondOrder(type, d, g));
    }
    return set;
}

// Bilinear mapping of the analog sections with T = tan(w0 / 2).
SectionSet BesselLowPassSections(const BesselLowPassRow& row, double targetHz) {
    const double t = AngleOf(targetHz / row.divisor).t;
    const double t2 = t * t;
    SectionSet set;
    for (const AnalogSection& analog : row.sections) {
        if (analog.p1 == 0.0) {
            continue;
        }
        if (analog.p2 == 0.0) {
            set.Add(MakeSection(t, t, 0.0, t + analog.p1, t - analog.p1, 0.0));
        } else {
            set.Add(MakeSection(t2, 2.0 * t2, t2, analog.p1 * t + t2 + analog.p2,
                                2.0 * t2 - 2.0 * analog.p2, t2 - analog.p1 * t + analog.p2));
        }
    }
    return set;
}

}  // namespace

SectionSet CrossoverSections(FilterType type, int frequencyHz, int kind, int slope) {
    // Slope 8 is "off"; kinds and slopes outside the tables are treated the same way rather
    // than read outside them.
    if (slope < 0 || slope >= kSlopeCount) {
        return {};
    }
    const auto s = static_cast<std::size_t>(slope);
    switch (static_cast<CrossoverKind>(kind)) {
        case CrossoverKind::LinkwitzRiley:
            return DampedSections(type, kLinkwitzRiley[s], frequencyHz);
        case CrossoverKind::Butterworth:
            return DampedSections(type, kButterworth[s], frequencyHz);
        case CrossoverKind::Bessel:
            if (type == FilterType::HighPass) {
                return DampedSections(type, kBesselHighPass[s],
                                      frequencyHz / kBesselHighPassDivisor[s]);
            }
            return BesselLowPassSections(kBesselLowPass[s], frequencyHz);
    }
    return {};
}

}  // namespace corva
