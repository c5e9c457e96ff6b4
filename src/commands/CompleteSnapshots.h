// Complete safety copies: the live tuning and all 15 stored presets, kept as a complete preset
// file in the snapshots folder before a complete file replaces every preset of the processor.
// They sit beside the copies of the live tuning and are listed and restored with them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/TuningSnapshots.h"
#include "transfer/ConnectionController.h"

namespace corva {

// Queues the reads of every stored preset (music input and six outputs each) that a complete
// copy needs; the presets-received notice follows their answers, then the caller ends the
// batch. Nothing while disconnected.
std::optional<int> ReadPresetsForCompleteCopy(ConnectionController& connection);

// Writes the complete copy from the image as it holds the presets now. Protected tuning is
// never written into a preset file: the copy of the live tuning (which stays protected) is
// kept instead. A failure says which file could not be written and why. The oldest copies
// beyond the kept number go, never `spared` (the copy a restore is about to send).
Status KeepCompleteCopy(TuningSession& session, const std::string& folder, SnapshotReason reason,
                        const std::string& spared = {});

// The complete copies of `folder`, newest first (`complete` set in each).
std::vector<SnapshotInfo> ListCompleteCopies(const std::string& folder);
// Every safety copy of `folder`, live and complete, newest first; and one of them by id.
std::vector<SnapshotInfo> ListAllSnapshots(const std::string& folder);
std::optional<SnapshotInfo> FindAnySnapshot(const std::string& folder, const std::string& id);

// What a copy holds as the lists show it: its reason, then what a complete copy holds or which
// stored preset it was ("before opening a file, preset 3").
UiText SnapshotListText(const SnapshotInfo& info);

// How many of the processor's stored presets carry a name: the ones a complete file replaces
// that the user would miss.
int NamedStoredPresetCount(const TuningSession& session);

}  // namespace corva
