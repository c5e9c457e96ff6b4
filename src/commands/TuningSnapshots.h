// Safety copies of the tuning, kept automatically before every operation that replaces it
// (recall, loading a preset file, storing over a named preset, factory reset, reset of the
// lock, A/B switch): each a music file (protected tuning stays protected) in one folder, named
// with the time and the reason, the newest 200 (by the time each was written) kept. A copy
// that cannot be written is an error the operation must not go past silently.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "commands/MusicFileCommands.h"
#include "files/DocumentArchive.h"
#include "model/TuningSession.h"

namespace corva {

enum class SnapshotReason { Recall, LoadFile, Store, FactoryReset, ResetLock, Firmware, AbSwitch };

// "20261209-165040-123": the local time `laterMs` milliseconds from now, as copies' names
// begin (a name already taken moves on by a millisecond).
std::string SnapshotTimeStamp(int laterMs = 0);
// "2026-12-09 16:50:40" from a copy's name that begins with its time stamp.
std::string SnapshotTimeText(const std::string& id);
// The reason's word in file names ("recall", "load-file", ...).
std::string SnapshotReasonWord(SnapshotReason reason);
UiText SnapshotReasonText(SnapshotReason reason);

struct SnapshotInfo {
    std::string id;  // the file name without its extension; sorts by time
    std::string path;
    std::string time;  // "2026-12-09 16:50:40", local time
    SnapshotReason reason = SnapshotReason::LoadFile;
    int preset = 0;          // 0: the live tuning; N: stored preset N before it was overwritten
    std::string presetName;  // the record's name, in its code page
    std::filesystem::file_time_type stored{};  // when the copy was written (orders the list)
    bool complete = false;  // the live tuning and all 15 stored presets, a complete file
};

class TuningSnapshots {
public:
    static constexpr std::size_t kDefaultKeep = 200;

    explicit TuningSnapshots(std::string folder, std::size_t keep = kDefaultKeep);

    // The live tuning, before `reason`. Creates the folder when missing. A failure says which
    // file could not be written and why; nothing is written then.
    Status KeepLive(TuningSession& session, SnapshotReason reason);
    // Stored preset `preset` as the image holds it (read its outputs first), before it is
    // overwritten.
    Status KeepStoredPreset(TuningSession& session, int preset, SnapshotReason reason);

    // Before `copy` goes back as the live tuning: checks that it reads as a music file, and
    // only then keeps a copy of the live tuning, which never makes room by removing `copy`.
    // The failure says why (the copy unreadable, or the safety copy not written).
    Status KeepLiveBeforeRestore(TuningSession& session, const SnapshotInfo& copy);
    // Whether `copy` reads as a music file, before anything is kept for its restore.
    static Status CheckRestorable(const SnapshotInfo& copy);

    // Newest first by the time each was written. Files of other names in the folder are left
    // out.
    std::vector<SnapshotInfo> List() const;
    std::optional<SnapshotInfo> Find(const std::string& id) const;

    const std::string& folder() const { return folder_; }

private:
    static void CaptureLive(TuningSession& session, ArchiveWriter& archive);
    // Writes the copy under a name of its own, then drops the oldest beyond the newest
    // `keep_`, never the one just written nor `spareId`.
    Status Keep(std::span<const std::uint8_t> bytes, SnapshotReason reason, int preset,
                const std::string& spareId);
    void DropOldest(const std::string& written, const std::string& spareId) const;

    std::string folder_;
    std::size_t keep_;
};

// The message of a safety copy that failed: the operation stopped and sent nothing.
UiText SnapshotFailedMessage(SnapshotReason reason, const UiText& why);

}  // namespace corva
