// A whole equaliser for one channel as the processor holds it: every band's type, slope,
// frequency, gain code and bandwidth index, and optionally new crossover values. Filter
// import and auto-EQ produce it; the edit API applies it in one step.
#pragma once

#include <array>
#include <optional>

#include "dsp/response/FilterResponse.h"
#include "dsp/values/BandCodes.h"
#include "protocol/ImageLayout.h"

namespace corva {

struct BandSetting {
    FilterType type = FilterType::Peaking;  // peaking, low shelf or high shelf
    int slope = 1;                          // shelves: 0 = 6 dB/oct, 1 = 12 dB/oct
    int frequencyHz = 1000;
    int gainCode = kBandGainCodeFlat;  // 0..400; 200 (0 dB) leaves the band bypassed
    int bandwidthIndex = 15;
    bool operator==(const BandSetting&) const = default;
};

struct CrossoverSetting {
    int frequencyHz = 20;
    int kind = 1;   // CrossoverKind
    int slope = 1;  // slope index; kCrossoverSlopeOff = off
    bool operator==(const CrossoverSetting&) const = default;
};

struct EqualizerSettings {
    std::array<BandSetting, output_block::kBandSlots> bands{};
    std::optional<CrossoverSetting> highPass;  // unchanged when empty
    std::optional<CrossoverSetting> lowPass;
};

}  // namespace corva
