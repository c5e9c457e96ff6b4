// Automatic safety copies on the command line: where they live, keeping one before a command
// replaces the tuning, and `snapshots` (list) / `snapshots restore ID`.
#pragma once

#include <string>

#include "CliDevice.h"
#include "commands/TuningSnapshots.h"
#include "platform/settings/UserDataFolder.h"

namespace corva::cli {

// Keeps the live tuning before `reason` (and stored preset `overwritten` when it has a name);
// kDone, or the error printed and kFileError: the caller then sends nothing.
ExitCode KeepSnapshot(CliDevice& device, SnapshotReason reason, int overwritten = 0);
// Reads every stored preset and keeps the live tuning with all 15 of them as one complete
// copy, before a complete file replaces them; kDone, or the error printed (nothing sent then).
// `spared`: a complete copy being restored, which the pruning of old copies leaves alone.
ExitCode KeepCompleteSnapshot(CliDevice& device, SnapshotReason reason,
                              const std::string& spared = {});

ExitCode RunSnapshots(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
