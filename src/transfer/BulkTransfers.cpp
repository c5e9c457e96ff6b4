#include "transfer/BulkTransfers.h"

#include <array>
#include <cassert>
#include <mutex>

namespace corva {
namespace {
constexpr std::size_t kOnByteOfBlock = 248;  // slot 31 byte 0: the channel's on/mute byte
constexpr int kStripSlot = output_block::kStripSlot;
// Output block 0 carries the protection marker, so the live blocks go out with it last: a
// transfer that stops midway leaves the marker as it was, the blocks already sent read the
// other way round and are recognised so, and sending again repairs them.
constexpr std::array<int, kOutputChannelCount> kMarkerBlockLast = {1, 2, 3, 4, 5, 0};
}  // namespace

QueuedFrame* BulkTransfers::Queue(std::unique_ptr<QueuedFrame> frame) {
    if (!frame) {
        return nullptr;
    }
    frame->progressIndex = progressCount_++;
    QueuedFrame* queued = frame.get();
    transferFrames_.push_back(queued);
    session_.queue.push(std::move(frame));
    return queued;
}

void BulkTransfers::QueueMainVolume() {
    Queue(
        FrameBuilder(session_.image, session_.protection).BuildSystemFrame(system_id::kMainVolume));
}

std::uint8_t BulkTransfers::HoldMainVolume() {
    const std::uint8_t previous = session_.image.MainVolume()[kMainVolumeBulkByte];
    session_.image.MainVolume()[kMainVolumeBulkByte] = 0;
    QueueMainVolume();
    return previous;
}

void BulkTransfers::ReleaseMainVolume(std::uint8_t previous) {
    session_.image.MainVolume()[kMainVolumeBulkByte] = previous;
    QueueMainVolume();
}

int BulkTransfers::Finish(TransferKind kind) {
    // Called under the send lock that queued them: the frames are still in the queue.
    auto clock = std::make_shared<TransferClock>();
    clock->kind = kind;
    clock->frames = static_cast<int>(transferFrames_.size());
    for (QueuedFrame* frame : transferFrames_) {
        frame->transfer = clock;
    }
    transferFrames_.clear();
    bulkBusy = true;
    return progressCount_;
}

int BulkTransfers::ReadLiveDevice() {
    std::lock_guard lock(session_.sendLock);
    const FrameBuilder builder(session_.image, session_.protection);
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        Queue(builder.BuildSystemReadFrame(system_id::kPresetName, preset));
    }
    // The system settings and the version tag were read by the handshake that started this.
    for (const int id : session_.image.SyncList()) {
        if (id != system_id::kSystemSettings && id != system_id::kVersionTag) {
            Queue(builder.BuildSystemReadFrame(id));
        }
    }
    session_.model.SetSynchronised(false);
    // The processor's own tuning replaces whatever the steps would go back to.
    session_.history.Clear(HistoryClearCause::ProcessorRead);
    QueuedFrame* last = nullptr;
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        last =
            Queue(builder.BuildBlockReadFrame(0, BlockType::Output, channel, ReadPurpose::Store));
    }
    last->endsBulk = true;
    return Finish(TransferKind::FullRead);
}

void BulkTransfers::ExpectHeld([[maybe_unused]] const SendLockHold& held) const {
    assert(held.owns_lock() && held.mutex() == &session_.sendLock);
    assert(session_.connected);
}

std::optional<int> BulkTransfers::RecallPreset(int preset) {
    SendLockHold lock(session_.sendLock);
    if (!session_.connected) {
        return std::nullopt;
    }
    return RecallPreset(preset, lock);
}

int BulkTransfers::RecallPreset(int preset, const SendLockHold& held) {
    ExpectHeld(held);
    progressCount_ = 0;
    session_.model.SetSynchronised(false);
    const auto previous = HoldMainVolume();
    const FrameBuilder builder(session_.image, session_.protection);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        Queue(builder.BuildBlockReadFrame(preset, BlockType::Output, channel, ReadPurpose::Recall));
    }
    Queue(builder.BuildSystemFrame(system_id::kPresetName, 0));
    ReleaseMainVolume(previous);
    return Finish(TransferKind::Recall);
}

std::optional<int> BulkTransfers::StoreAllPresetsToPc(StoredBlocks blocks) {
    // The music input travels as block type 3 on channel 2.
    constexpr int kMusicInputChannel = 2;
    std::lock_guard lock(session_.sendLock);
    if (!session_.connected) {
        return std::nullopt;
    }
    progressCount_ = 0;
    const FrameBuilder builder(session_.image, session_.protection);
    QueuedFrame* last = nullptr;
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        if (blocks == StoredBlocks::WithMusicInput) {
            Queue(builder.BuildBlockReadFrame(preset, BlockType::SecondInput, kMusicInputChannel,
                                              ReadPurpose::Store));
        }
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            last = Queue(builder.BuildBlockReadFrame(preset, BlockType::Output, channel,
                                                     ReadPurpose::Store));
        }
    }
    last->endsBulk = true;
    return Finish(TransferKind::Backup);
}

std::optional<int> BulkTransfers::SendPreset(int preset, PresetSource source) {
    SendLockHold lock(session_.sendLock);
    if (!session_.connected) {
        return std::nullopt;
    }
    return SendPreset(preset, source, lock);
}

int BulkTransfers::SendPreset(int preset, PresetSource source, const SendLockHold& held) {
    ExpectHeld(held);
    progressCount_ = 0;
    std::optional<std::uint8_t> previous;
    if (source == PresetSource::Model) {
        session_.model.WriteAllToImage(session_.image);
    } else {
        previous = HoldMainVolume();
    }
    const FrameBuilder builder(session_.image, session_.protection);
    Queue(builder.BuildSystemFrame(system_id::kPresetName, preset));
    QueuedFrame* last = nullptr;
    for (const int channel : kMarkerBlockLast) {
        last =
            Queue(builder.BuildBlockFrame(preset, BlockType::Output, channel, BlockSource::Live));
    }
    last->endsStage = true;
    if (previous) {
        ReleaseMainVolume(*previous);
    }
    return Finish(TransferKind::SendPreset);
}

std::optional<int> BulkTransfers::SendAll() {
    SendLockHold lock(session_.sendLock);
    if (!session_.connected) {
        return std::nullopt;
    }
    return SendAll(lock);
}

int BulkTransfers::SendAll(const SendLockHold& held) {
    ExpectHeld(held);
    progressCount_ = 0;
    auto& image = session_.image;
    const FrameBuilder builder(image, session_.protection);
    const auto previous = HoldMainVolume();
    std::array<std::uint8_t, kOutputChannelCount> onBytes{};
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        auto block = image.Block(0, BlockType::Output, channel);
        onBytes[static_cast<std::size_t>(channel)] = block[kOnByteOfBlock];
        block[kOnByteOfBlock] = 0;
        Queue(builder.BuildSlotFrame(BlockType::Output, channel, kStripSlot));
    }
    for (const int channel : kMarkerBlockLast) {
        Queue(builder.BuildBlockFrame(0, BlockType::Output, channel, BlockSource::Live));
    }
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        image.Block(0, BlockType::Output, channel)[kOnByteOfBlock] =
            onBytes[static_cast<std::size_t>(channel)];
        Queue(builder.BuildSlotFrame(BlockType::Output, channel, kStripSlot));
    }
    QueuedFrame* last = nullptr;
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        Queue(builder.BuildSystemFrame(system_id::kPresetName, preset));
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            last = Queue(builder.BuildBlockFrame(preset, BlockType::Output, channel,
                                                 BlockSource::StoredPreset));
        }
    }
    last->endsStage = true;
    ReleaseMainVolume(previous);
    return Finish(TransferKind::SendAll);
}

}  // namespace corva
