// A stored preset of the processor as a parameter table: its six output blocks are read into
// the image under its number, then shown as the live tuning's table would show them.
#pragma once

#include <optional>

#include "files/ParameterTable.h"
#include "model/TuningSession.h"

namespace corva {

// Queues the reads of preset `preset`'s six output blocks; the number of frames queued, or
// nothing while disconnected or for a number outside 1..15.
std::optional<int> ReadStoredPresetOutputs(TuningSession& session, int preset);

// The table of stored preset `preset` as the image holds it (the delays of the current
// listening position, as for the live tuning).
ParameterTable StoredPresetTable(const TuningSession& session, int preset, DelayUnit unitSetting);

}  // namespace corva
