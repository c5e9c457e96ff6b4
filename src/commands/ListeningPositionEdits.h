// Edits of the listening-position table (system field 64): the delays of one position's row
// and which position is current. The processor keeps the table and a full read does not fetch
// it, so a front end reads it first (RequestListeningPositions) and only then edits: the rows
// it does not touch go back as the processor sent them.
#pragma once

#include <vector>

#include "model/TuningSession.h"

namespace corva {

struct PositionDelay {
    int channel = 0;    // 0..5
    int delayCode = 0;  // limited to 0..259
};

// Writes the delays into row `position` (limited to 0..3) and, while connected, queues the
// table's write. Returns the position as applied; the codes as applied can be read from
// the snapshot.
int SetPositionDelays(TuningSession& session, int position,
                      const std::vector<PositionDelay>& delays);

// Makes `position` (limited to 0..3) the current one and, while connected, queues the
// table's write. Returns the position as applied.
int UsePosition(TuningSession& session, int position);

}  // namespace corva
