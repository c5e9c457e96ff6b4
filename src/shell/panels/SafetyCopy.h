// The window's safety copy before an operation that replaces the processor's tuning: the live
// tuning is kept among the snapshots; when that cannot be written the user is asked whether to
// go on without it, so a failed copy never passes in silence.
#pragma once

#include "commands/TuningSnapshots.h"

namespace corva::shell {

class AppContext;

// True to go on: the copy was kept, or the user chose to go on without it.
bool KeepSafetyCopy(AppContext& context, SnapshotReason reason);
// A copy that could not be written (`failed` says why): true when the user chooses to go on.
bool GoOnWithoutCopy(AppContext& context, SnapshotReason reason, const Status& failed);

}  // namespace corva::shell
