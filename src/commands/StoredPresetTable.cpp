#include "commands/StoredPresetTable.h"

#include <memory>
#include <mutex>

#include "protocol/FrameBuilder.h"

namespace corva {

std::optional<int> ReadStoredPresetOutputs(TuningSession& session, int preset) {
    if (preset < 1 || preset > kPresetCount) {
        return std::nullopt;
    }
    SessionState& state = session.engine();
    std::lock_guard lock(state.sendLock);
    if (!state.connected) {
        return std::nullopt;
    }
    const FrameBuilder builder(state.image, state.protection);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        state.queue.push(
            builder.BuildBlockReadFrame(preset, BlockType::Output, channel, ReadPurpose::Store));
    }
    return kOutputChannelCount;
}

ParameterTable StoredPresetTable(const TuningSession& session, int preset, DelayUnit unitSetting) {
    std::unique_ptr<ParameterImage> image;
    {
        SessionState& state = session.engine();
        std::lock_guard lock(state.sendLock);
        image = std::make_unique<ParameterImage>(state.image);
    }
    // A model of its own: the session's model keeps the live tuning.
    const auto model = std::make_unique<TuningModel>();
    model->LoadFromImage(*image, preset);
    return BuildParameterTable(*model, image->ListeningPositions(), unitSetting);
}

}  // namespace corva
