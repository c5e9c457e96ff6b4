// The part of a session's tuning that undo, redo and A/B slots keep: every user-editable value
// of the six outputs, the link groups, the main volume and the live preset name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/TuningModel.h"
#include "protocol/ParameterImage.h"

namespace corva {

struct TuningState {
    std::array<OutputChannel::Values, kOutputChannelCount> outputs{};
    std::array<std::int32_t, kOutputChannelCount> linkGroups{};
    std::array<std::uint8_t, kMainVolumeSize> mainVolume{};
    std::array<std::uint8_t, kNameFieldSize> liveName{};
    // The listening-position table, kept only by undo steps that changed it: the processor
    // sends the table on request, so a copy taken before it arrived must never go back.
    std::optional<std::array<std::uint8_t, kListeningTableSize>> listeningPositions;
    bool operator==(const TuningState&) const = default;
};

// Copies the values out of the model and the image (caller holds the send lock).
TuningState CaptureTuning(const TuningModel& model, const ParameterImage& image);

// The same with the listening-position table, for the undo history.
TuningState CaptureTuningWithPositions(const TuningModel& model, const ParameterImage& image);

}  // namespace corva
