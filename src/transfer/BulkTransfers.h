// Whole-device transfers: the full read after connecting, recalling a preset, reading all
// presets for a file, sending the live tuning as a preset, and sending everything. Each queues
// its frames in one go under the send lock and numbers them for the progress display.
#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

#include "core/Status.h"
#include "model/TuningSession.h"
#include "protocol/FrameBuilder.h"

namespace corva {

// Where a preset sent to the processor takes its values from.
enum class PresetSource {
    Model,  // the model writes all its values into the live record first
    Image,  // the live record as it stands (after a file load)
};

// What a store-all reads of every stored preset.
enum class StoredBlocks {
    OutputsOnly,     // the six output blocks (90 reads)
    WithMusicInput,  // the music input block first, then the six outputs (105 reads)
};

class BulkTransfers {
public:
    explicit BulkTransfers(SessionState& session) : session_{session} {}
    explicit BulkTransfers(TuningSession& session) : BulkTransfers(session.engine()) {}

    // Each returns the number of numbered frames queued (the progress bar's range). The
    // operations that need a connection return nothing when there is none.
    int ReadLiveDevice();  // continues the count the connection has just reset
    std::optional<int> RecallPreset(int preset);
    std::optional<int> StoreAllPresetsToPc(StoredBlocks blocks = StoredBlocks::OutputsOnly);
    std::optional<int> SendPreset(int preset, PresetSource source);
    std::optional<int> SendAll();

    // The same for a command that checks the session and changes it before the frames go
    // out, all under one hold of the send lock (`held`), so nothing can come in between: the
    // caller has seen `connected` under that hold.
    using SendLockHold = std::unique_lock<std::mutex>;
    int RecallPreset(int preset, const SendLockHold& held);
    int SendPreset(int preset, PresetSource source, const SendLockHold& held);
    int SendAll(const SendLockHold& held);

    void ResetProgressCount() { progressCount_ = 0; }
    int progressCount() const { return progressCount_; }

    // Set while a bulk transfer with progress display runs; the front end clears it a moment
    // after the batch-done notice.
    std::atomic<bool> bulkBusy{false};

private:
    // Numbers a frame of the running transfer and queues it (caller holds the send lock).
    QueuedFrame* Queue(std::unique_ptr<QueuedFrame> frame);
    void QueueMainVolume();
    std::uint8_t HoldMainVolume();
    void ReleaseMainVolume(std::uint8_t previous);
    // Ties the frames queued since the last call into one transfer with one overall limit.
    int Finish(TransferKind kind);
    // The caller's hold is of this session's send lock, and a processor is attached.
    void ExpectHeld(const SendLockHold& held) const;

    SessionState& session_;
    int progressCount_ = 0;
    std::vector<QueuedFrame*> transferFrames_;  // queued by the transfer being built
};

}  // namespace corva
