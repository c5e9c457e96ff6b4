// Time alignment from the distances between the listening seat and each speaker: the
// farthest speaker gets no delay, every other one the time its sound would arrive early.
#pragma once

#include <array>
#include <optional>

#include "dsp/values/DelayCodes.h"
#include "protocol/ImageLayout.h"

namespace corva::tuning {

enum class DistanceUnit { Centimetres, Inches };

using ChannelDistances = std::array<std::optional<double>, kOutputChannelCount>;

struct AlignedChannel {
    std::optional<int> delayCode;  // empty for channels without a distance
    double wantedDistance = 0.0;   // farthest minus own, in the distances' unit
    bool limited = false;          // more than the processor's longest delay
};

struct TimeAlignment {
    std::array<AlignedChannel, kOutputChannelCount> channels{};
    int farthestChannel = -1;
    bool anyLimited = false;
};

// Distances must be finite and not negative (the caller checks typed values). Each path
// difference becomes a code through the delay fields' own entry conversion, so the result is
// what typing that distance into the field would give; differences beyond the longest delay
// become code 259 and are marked limited.
TimeAlignment AlignFromDistances(const ChannelDistances& distances, DistanceUnit unit);

// The longest path difference the processor can delay, in the unit.
double LongestAlignableDistance(DistanceUnit unit);

}  // namespace corva::tuning
