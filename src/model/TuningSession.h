// One connection's tuning as front ends see it: edits go through `ChannelEditor` and the
// commands, values are read through snapshots, and changes are told through events. The
// state itself and its lock are reached only by the engine's own layers.
#pragma once

#include "model/SessionState.h"
#include "model/TuningSnapshot.h"

namespace corva {

class TuningSession {
public:
    TuningSession() = default;
    TuningSession(const TuningSession&) = delete;
    TuningSession& operator=(const TuningSession&) = delete;

    // Everything a page shows, copied under the lock.
    TuningSnapshot Snapshot() const;
    // The summed response of one output channel's filters.
    Response ChannelResponse(int channel) const;
    bool IsProtected() const;
    // Nothing is waiting to be sent: the queue holds at most the idle status poll and no edit
    // is marked for the change scan.
    bool NothingLeftToSend() const;
    // Drops every frame waiting to be sent (a request given up before it could start).
    void DiscardQueuedFrames();

    // Where the front end hears about changes (set before connecting).
    void SetEventSink(SessionEventSink sink) { state_.events.SetSink(std::move(sink)); }

    // For the engine's layers (model, transfer, commands, files) only.
    SessionState& engine() const { return state_; }

private:
    mutable SessionState state_;
};

}  // namespace corva
