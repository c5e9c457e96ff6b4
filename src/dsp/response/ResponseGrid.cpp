#include "dsp/response/ResponseGrid.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "dsp/response/GridTrig.h"

namespace corva {
namespace {

constexpr int kCentreIndex = 136;  // F[136] = 1000 Hz
constexpr double kTwoPi = 6.2831852;
constexpr double kDesignRateHz = 96000.0;

struct FixedEntry {
    int index;
    double frequencyHz;
};

// Grid points whose frequency is not the rounded 1/24-octave value: the processor's own table
// uses these, and the curves must line up with it.
constexpr FixedEntry kFixedEntries[] = {
    {72, 158.0},   {76, 179.0},    {99, 344.0},    {105, 409.0},   {137, 1030.0},
    {138, 1060.0}, {139, 1090.0},  {140, 1123.0},  {142, 1190.0},  {182, 3776.0},
    {192, 5000.0}, {217, 10374.0}, {222, 11987.0}, {240, 20000.0},
};

// Half up to 0.1 Hz below 100 Hz, to whole Hz from 100 Hz up.
double RoundGridFrequency(double exactHz) {
    if (exactHz < 100.0) {
        return std::floor(exactHz * 10.0 + 0.5) / 10.0;
    }
    return std::floor(exactHz + 0.5);
}

std::array<double, kGridPoints> BuildFrequencies() {
    std::array<double, kGridPoints> f{};
    for (int i = 0; i < kGridPoints; ++i) {
        const double exact = 1000.0 * std::pow(2.0, (i - kCentreIndex) / 24.0);
        f[static_cast<std::size_t>(i)] = RoundGridFrequency(exact);
    }
    for (const FixedEntry& entry : kFixedEntries) {
        f[static_cast<std::size_t>(entry.index)] = entry.frequencyHz;
    }
    return f;
}

}  // namespace

const std::array<double, kGridPoints>& GridFrequencies() {
    static const std::array<double, kGridPoints> frequencies = BuildFrequencies();
    return frequencies;
}

double GridAngle(int index) {
    const int i = std::clamp(index, 0, kGridPoints - 1);
    return kTwoPi * GridFrequencies()[static_cast<std::size_t>(i)] / kDesignRateHz;
}

const GridTrig& GridTrigTables() {
    static const GridTrig tables = [] {
        GridTrig t;
        for (int i = 0; i < kGridPoints; ++i) {
            const double w = GridAngle(i);
            t.cosW[static_cast<std::size_t>(i)] = std::cos(w);
            t.sinW[static_cast<std::size_t>(i)] = std::sin(w);
        }
        return t;
    }();
    return tables;
}

int NearestGridIndex(double frequencyHz) {
    const auto& f = GridFrequencies();
    if (std::isnan(frequencyHz)) {
        return 0;
    }
    if (frequencyHz > f.back()) {
        return kGridPoints - 1;
    }
    // First grid frequency at or above f (the grid rises strictly).
    const int i = static_cast<int>(std::lower_bound(f.begin(), f.end(), frequencyHz) - f.begin());
    if (i == 0) {
        return 0;
    }
    const double below = f[static_cast<std::size_t>(i - 1)];
    const double above = f[static_cast<std::size_t>(i)];
    // A tie goes to the higher frequency.
    return (frequencyHz - below >= above - frequencyHz) ? i : i - 1;
}

}  // namespace corva
