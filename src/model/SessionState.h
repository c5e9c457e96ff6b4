// What one connection edits and sends, with the one lock that guards it: the parameter image,
// the protection state, the channel model, the send queue and the undo history. Only the
// engine's own layers (model, transfer, commands, files) reach it, through
// `TuningSession::engine()`; front ends use the edit API and snapshots.
#pragma once

#include <mutex>

#include "model/EditHistory.h"
#include "model/SessionEvents.h"
#include "model/TuningModel.h"
#include "protocol/ParameterImage.h"
#include "protocol/ProtectionState.h"
#include "protocol/FrameQueue.h"

namespace corva {

struct SessionState {
    // Held briefly by whoever touches the image, the model or the queue.
    std::mutex sendLock;
    ParameterImage image;
    ProtectionState protection;
    TuningModel model;
    FrameQueue queue;
    // A processor is attached: bulk edits queue their frames only then.
    bool connected = false;
    // Told about changes once the lock is released.
    SessionEvents events;
    // Undo and redo of the edits and of the commands that replace the tuning.
    EditHistory history;
    // Counts protect, unlock and reset of the lock: copies of the tuning kept in memory
    // before one of them (the A/B slots) must not bring the tuning back past it.
    unsigned lockChanges = 0;
};

// Makes one undo step of everything done during its life (nested ones join it). The caller
// holds the send lock when it is made and when it ends.
class UndoStepWhileLocked {
public:
    explicit UndoStepWhileLocked(SessionState& state) : state_{state} {
        state_.history.Begin(state_.model, state_.image);
    }
    ~UndoStepWhileLocked() { state_.history.End(state_.model, state_.image); }
    UndoStepWhileLocked(const UndoStepWhileLocked&) = delete;
    UndoStepWhileLocked& operator=(const UndoStepWhileLocked&) = delete;

private:
    SessionState& state_;
};

}  // namespace corva
