// Root of the channel model: the effect area, both inputs and the six outputs, the
// synchronised flag that decides whether edits are marked, and the change scan that turns the
// first pending edit into a frame.
#pragma once

#include <array>
#include <memory>

#include "model/InputObjects.h"
#include "model/OutputChannel.h"
#include "protocol/ParameterImage.h"
#include "protocol/ProtectionState.h"
#include "protocol/QueuedFrame.h"

namespace corva {

enum class EffectArea { Load, Keep };

class TuningModel {
public:
    TuningModel();
    TuningModel(const TuningModel&) = delete;  // children point at this object's flag
    TuningModel& operator=(const TuningModel&) = delete;

    // Edits are marked for sending only while synchronised (a full read has completed).
    bool synchronised() const { return synchronised_; }
    void SetSynchronised(bool synchronised) { synchronised_ = synchronised; }

    EffectBlock& effect() { return effect_; }
    MicInput& microphone() { return microphone_; }
    MusicInput& music() { return music_; }
    OutputChannel& output(int channel) { return outputs_.at(static_cast<std::size_t>(channel)); }
    const OutputChannel& output(int channel) const {
        return outputs_.at(static_cast<std::size_t>(channel));
    }

    // The listening-position table is to be written (set by opening a mode file).
    bool positionPending = false;

    // Rebuilds every object from record `preset` of the image (0 = live), after the level
    // clamps and the limits of every output value (applied to the image too, so what is shown
    // is what is sent). Returns how many output values were outside their limits.
    int LoadFromImage(ParameterImage& image, int preset, EffectArea effect = EffectArea::Load);
    // What the last LoadFromImage returned, for the message of the load that called it.
    int valuesLimitedByLastLoad() const { return limitedByLastLoad_; }

    // Every object writes all its values into the live record; the output names stay as the
    // record holds them.
    void WriteAllToImage(ParameterImage& image) const;

    void ClearChangeMarks();
    // True while any edit is marked and not yet taken by the change scan.
    bool HasPendingChanges() const;

    // The next frame to send: the first pending change in the fixed order, or the status poll
    // when nothing is pending. Null when the change taken produces no frame this time.
    std::unique_ptr<QueuedFrame> NextChangedFrame(ParameterImage& image,
                                               const ProtectionState& protection);

private:
    std::unique_ptr<QueuedFrame> NextOutputFrame(int channel, ParameterImage& image,
                                              const ProtectionState& protection, bool& taken);

    bool synchronised_ = false;
    int limitedByLastLoad_ = 0;
    EffectBlock effect_;
    MicInput microphone_;
    MusicInput music_;
    std::array<OutputChannel, kOutputChannelCount> outputs_;
};

}  // namespace corva
