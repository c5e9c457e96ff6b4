// Single requests to the processor that both front ends offer outside the edit API.
#pragma once

#include "core/Status.h"
#include "model/TuningSession.h"

namespace corva {

// Restores the processor's factory settings (system field 96). Refused, with nothing sent,
// while no processor is attached.
Status RequestFactoryReset(TuningSession& session);

// Asks for the listening-position table (system field 64); a full read does not include it.
// Refused while no processor is attached.
Status RequestListeningPositions(TuningSession& session);

}  // namespace corva
