#include "model/TuningModel.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "model/OutputBlockLimits.h"
#include "protocol/FrameBuilder.h"

namespace corva {

TuningModel::TuningModel()
    : music_{synchronised_}, outputs_{OutputChannel{synchronised_, 0},
                                      OutputChannel{synchronised_, 1},
                                      OutputChannel{synchronised_, 2},
                                      OutputChannel{synchronised_, 3},
                                      OutputChannel{synchronised_, 4},
                                      OutputChannel{synchronised_, 5}} {}

int TuningModel::LoadFromImage(ParameterImage& image, int preset, EffectArea effect) {
    // A load takes values as they are; it is not an edit to send. (Loaded while synchronised
    // as an edit, a large upward frequency would keep the old transmitted value and be
    // written back wrong.)
    const bool synchronised = synchronised_;
    synchronised_ = false;
    image.ClampLevels();  // levels are limited silently, as the device's own limits move
    int limited = 0;
    auto record = image.Record(preset);
    if (effect == EffectArea::Load) {
        effect_.Load(record);
    }
    microphone_.Load(record);
    music_.Load(record);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        auto block = record.subspan(record::OutputBlock(channel), record::kOutputBlockSize);
        limited += LimitOutputBlock(block);
        output(channel).LoadFromBlock(block);
    }
    synchronised_ = synchronised;
    limitedByLastLoad_ = limited;
    return limited;
}

void TuningModel::WriteAllToImage(ParameterImage& image) const {
    auto live = image.Live();
    effect_.Write(live);
    microphone_.Write(live);
    music_.WriteAll(live);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        output(channel).WriteAllToBlock(
            live.subspan(record::OutputBlock(channel), record::kOutputBlockSize),
            OutputChannel::NameSlot::Keep);
    }
}

void TuningModel::ClearChangeMarks() {
    positionPending = false;
    music_.ClearChangeMarks();
    for (auto& output : outputs_) {
        output.ClearChangeMarks();
    }
}

bool TuningModel::HasPendingChanges() const {
    const auto anyFilter = [](const ChannelEqualizer& eq) {
        return std::any_of(eq.filters().begin(), eq.filters().end(),
                           [](const ChannelFilter& filter) { return filter.pending(); });
    };
    if (positionPending || music_.slot10Changed || music_.slot12Changed || anyFilter(music_.eq())) {
        return true;
    }
    return std::any_of(outputs_.begin(), outputs_.end(), [&](const OutputChannel& out) {
        const auto& p = out.pending();
        return p.name || p.strip || p.routing || p.limiter || p.block || anyFilter(out.eq());
    });
}

std::unique_ptr<QueuedFrame> TuningModel::NextChangedFrame(ParameterImage& image,
                                                           const ProtectionState& protection) {
    const FrameBuilder builder(image, protection);
    if (positionPending) {
        positionPending = false;
        return builder.BuildSystemFrame(system_id::kListeningPositions);
    }
    auto live = image.Live();
    if (music_.slot10Changed) {
        music_.slot10Changed = false;
        music_.WriteSettingsSlot(live);
        return builder.BuildSlotFrame(BlockType::SecondInput, MusicInput::kInputChannel,
                                      MusicInput::kSettingsSlot);
    }
    if (music_.slot12Changed) {
        music_.slot12Changed = false;
        music_.WriteByte96Slot(live);
        return builder.BuildSlotFrame(BlockType::SecondInput, MusicInput::kInputChannel,
                                      MusicInput::kByte96Slot);
    }
    for (int band = 0; band < MusicInput::kBandCount; ++band) {
        auto& filter = music_.eq().Band(band);
        if (filter.pending()) {
            filter.ClearPending();
            music_.WriteBandSlot(live, band);
            return builder.BuildSlotFrame(BlockType::SecondInput, MusicInput::kInputChannel, band);
        }
    }
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        bool taken = false;
        auto frame = NextOutputFrame(channel, image, protection, taken);
        if (taken) {
            return frame;
        }
    }
    return builder.BuildPollFrame();
}

std::unique_ptr<QueuedFrame> TuningModel::NextOutputFrame(int channel, ParameterImage& image,
                                                          const ProtectionState& protection,
                                                          bool& taken) {
    const FrameBuilder builder(image, protection);
    auto& out = output(channel);
    auto& pending = out.pending();
    auto block = image.Block(0, BlockType::Output, channel);
    const auto slotFrame = [&](int slot) {
        return builder.BuildSlotFrame(BlockType::Output, channel, slot);
    };
    taken = true;
    if (pending.name) {
        pending.name = false;
        out.WriteNameSlot(block);
        return slotFrame(output_block::kNameSlot);
    }
    if (pending.strip) {
        pending.strip = false;
        out.WriteStripSlot(block);
        return slotFrame(output_block::kStripSlot);
    }
    if (out.CrossoverPending()) {
        // Both filters are tested together; each pending one takes one step towards its target.
        for (ChannelFilter* filter : {&out.eq().HighPass(), &out.eq().LowPass()}) {
            if (filter->pending()) {
                filter->ClearPending();
                filter->StepTransmittedFrequency();
            }
        }
        out.WriteCrossoverSlot(block);
        return slotFrame(output_block::kCrossoverSlot);
    }
    if (pending.routing) {
        pending.routing = false;
        out.WriteRoutingSlot(block);
        return slotFrame(output_block::kRoutingSlot);
    }
    if (pending.limiter) {
        pending.limiter = false;
        out.WriteLimiterSlot(block);
        return slotFrame(output_block::kLimiterSlot);
    }
    if (pending.block) {
        pending.block = false;
        if (protection.password.empty()) {
            return nullptr;
        }
        out.WriteAllToBlock(block, OutputChannel::NameSlot::Write);
        return builder.BuildBlockFrame(0, BlockType::Output, channel, BlockSource::Live);
    }
    for (int band = 0; band < out.eq().BandCount(); ++band) {
        auto& filter = out.eq().Band(band);
        if (filter.pending()) {
            filter.ClearPending();
            filter.StepTransmittedFrequency();
            out.WriteBandSlot(block, band);
            return slotFrame(band);
        }
    }
    taken = false;
    return nullptr;
}

}  // namespace corva
