// What one connection edits and sends, with the one lock that guards it: the parameter image,
// the protection state, the channel model and the send queue. Only the engine's own layers
// (model, transfer, commands, files) reach it, through `TuningSession::engine()`; front ends
// use the edit API and snapshots.
#pragma once

#include <mutex>

#include "model/SessionEvents.h"
#include "model/TuningModel.h"
#include "protocol/ParameterImage.h"
#include "protocol/ProtectionState.h"
#include "protocol/SendDataQueue.h"

namespace corva {

struct SessionState {
    // Held briefly by whoever touches the image, the model or the queue.
    std::mutex sendLock;
    ParameterImage image;
    ProtectionState protection;
    TuningModel model;
    SendDataQueue queue;
    // A processor is attached: bulk edits queue their frames only then.
    bool connected = false;
    // Told about changes once the lock is released.
    SessionEvents events;
};

}  // namespace corva
