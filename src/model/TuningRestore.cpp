#include "model/TuningRestore.h"

#include <algorithm>
#include <vector>

#include "protocol/FrameBuilder.h"

namespace corva {

std::uint8_t RestoreTuningLocked(SessionState& state, const TuningState& target) {
    const FrameBuilder builder(state.image, state.protection);
    std::uint8_t changed = 0;
    std::vector<int> wholeBlocks;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto& out = state.model.output(c);
        const auto& values = target.outputs[static_cast<std::size_t>(c)];
        const int slots = out.SlotsDifferingFrom(values);
        if (slots == 0) {
            continue;
        }
        changed = static_cast<std::uint8_t>(changed | (1u << c));
        if (slots > kSlotsBeforeWholeBlock) {
            out.RestoreValues(values, EditOrigin::Load);
            wholeBlocks.push_back(c);
        } else {
            out.RestoreValues(values, EditOrigin::User);
        }
    }
    const auto groups = state.image.LinkGroups();
    if (!std::equal(groups.begin(), groups.end(), target.linkGroups.begin())) {
        std::copy(target.linkGroups.begin(), target.linkGroups.end(), groups.begin());
        changed = kAllOutputChannels;
    }
    auto name = state.image.Live().first(kNameFieldSize);
    const bool nameChanged = !std::equal(name.begin(), name.end(), target.liveName.begin());
    std::copy(target.liveName.begin(), target.liveName.end(), name.begin());
    bool positionsChanged = false;
    if (target.listeningPositions) {
        const auto table = state.image.ListeningPositions();
        positionsChanged =
            !std::equal(table.begin(), table.end(), target.listeningPositions->begin());
        std::copy(target.listeningPositions->begin(), target.listeningPositions->end(),
                  table.begin());
    }
    auto volume = state.image.MainVolume();
    const bool volumeChanged = !std::equal(volume.begin(), volume.end(), target.mainVolume.begin());
    std::copy(target.mainVolume.begin(), target.mainVolume.end(), volume.begin());
    if (!state.connected) {
        return changed;
    }
    const auto queueMainVolume = [&] {
        state.queue.push(builder.BuildSystemFrame(system_id::kMainVolume));
    };
    if (!wholeBlocks.empty()) {
        const auto previous = volume[kMainVolumeBulkByte];
        volume[kMainVolumeBulkByte] = 0;
        queueMainVolume();
        for (const int c : wholeBlocks) {
            auto& out = state.model.output(c);
            out.WriteAllToBlock(state.image.Block(0, BlockType::Output, c),
                                OutputChannel::NameSlot::Write);
            out.ClearChangeMarks();
            state.queue.push(builder.BuildBlockFrame(0, BlockType::Output, c, BlockSource::Live));
        }
        volume[kMainVolumeBulkByte] = previous;
        queueMainVolume();
    } else if (volumeChanged) {
        queueMainVolume();
    }
    if (positionsChanged) {
        state.queue.push(builder.BuildSystemFrame(system_id::kListeningPositions));
    }
    if (nameChanged) {
        state.queue.push(builder.BuildSystemFrame(system_id::kPresetName, 0));
    }
    return changed;
}

}  // namespace corva
