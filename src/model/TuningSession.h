// Everything one connection edits and sends, with the one lock that guards it: the parameter
// image, the protection state, the channel model and the send queue. Front ends own one
// session and pass it by reference; the transfer worker shares it.
#pragma once

#include <mutex>

#include "model/CKTV_Data.h"
#include "protocol/ParameterImage.h"
#include "protocol/ProtectionState.h"
#include "protocol/SendDataQueue.h"

namespace corva {

struct TuningSession {
    // Held briefly by whoever touches the image, the model or the queue.
    std::mutex sendLock;
    ParameterImage image;
    ProtectionState protection;
    CKTV_Data model;
    SendDataQueue queue;
    // A processor is attached: bulk edits queue their frames only then.
    bool connected = false;
};

}  // namespace corva
