// Magnitude response of one equaliser band or crossover filter on the response grid, from the
// second-order sections the processor's filters are modelled with.
#pragma once

#include "dsp/response/ResponseGrid.h"

namespace corva {

enum class FilterType : int {
    Peaking = 0,
    LowShelf = 1,
    HighShelf = 2,
    HighPass = 3,
    LowPass = 4,
};

enum class CrossoverKind : int { LinkwitzRiley = 0, Butterworth = 1, Bessel = 2 };

inline constexpr int kCrossoverSlopeOff = 8;  // crossover slope index that makes it flat

// Everything the response of one filter depends on.
struct FilterShape {
    FilterType type = FilterType::Peaking;
    int frequencyHz = 1000;          // target frequency
    double gainDb = 0.0;             // bands and shelves
    double bandwidthOctaves = 0.2095;  // peaking bands
    int crossoverKind = 1;           // 0..2, crossovers
    int slope = 1;                   // shelves: 0 = 6, 1 = 12 dB/oct; crossovers: 0..7, 8 = off
    bool bypassed = false;           // band bypass or all-bypass; crossovers ignore it
};

// Fills all 241 points. Flat filters (bypassed bands, 0 dB, high-pass at 20 Hz, low-pass at
// 20000 Hz, slope "off") give exactly 0 dB everywhere.
void ComputeResponse(const FilterShape& shape, Response& response);

}  // namespace corva
