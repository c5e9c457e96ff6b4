// The part of a session's tuning that undo, redo and A/B slots keep: every user-editable value
// of the six outputs, the link groups, the main volume and the live preset name.
#pragma once

#include <array>
#include <cstdint>

#include "model/TuningModel.h"
#include "protocol/ParameterImage.h"

namespace corva {

struct TuningState {
    std::array<OutputChannel::Values, kOutputChannelCount> outputs{};
    std::array<std::int32_t, kOutputChannelCount> linkGroups{};
    std::array<std::uint8_t, kMainVolumeSize> mainVolume{};
    std::array<std::uint8_t, kNameFieldSize> liveName{};
    bool operator==(const TuningState&) const = default;
};

// Copies the values out of the model and the image (caller holds the send lock).
TuningState CaptureTuning(const TuningModel& model, const ParameterImage& image);

}  // namespace corva
