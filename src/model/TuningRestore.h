// Puts a kept tuning back into a session as edits would: values that differ in a few slots
// of a channel are marked for the change scan (the slot frames a user edit sends); a channel
// that differs throughout goes as its whole block between a hold and a release of the main
// volume, as the bulk edits send it. Link groups, main volume, live name and (when the state
// holds it) the listening-position table follow.
#pragma once

#include <cstdint>

#include "model/SessionState.h"
#include "model/TuningState.h"

namespace corva {

// Slots of one channel above which its whole block is sent instead of its slots.
inline constexpr int kSlotsBeforeWholeBlock = 4;

// Caller holds the send lock. Returns the channels whose values changed (bit c = channel c).
std::uint8_t RestoreTuningLocked(SessionState& state, const TuningState& target);

}  // namespace corva
