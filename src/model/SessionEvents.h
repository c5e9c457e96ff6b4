// What changed in a session, told to the front end so it can refresh from a new snapshot.
// Raised only outside the send lock, from the thread that made the change: edits and the
// connection's notice handling run on the front end's own thread, so the events arrive there.
// Idle status polls raise nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace corva {

enum class SessionChange {
    Outputs,       // output channel values; `channels` says which (bit c = channel c)
    Synchronised,  // the synchronised flag changed (edits are now sent, or no longer)
    Protection,    // the tuning became protected or plain
    Presets,       // the names of the stored presets changed
    Positions,     // the listening-position table changed
    MainVolume,    // main volume or master mute
    LinkLost,      // the connection ended or failed
    History,       // the undo steps changed while the tuning did not (a gesture closed)
};

struct SessionEvent {
    SessionChange change = SessionChange::Outputs;
    std::uint8_t channels = 0;
};

inline constexpr std::uint8_t kAllOutputChannels = 0x3F;

using SessionEventSink = std::function<void(const SessionEvent&)>;

class SessionEvents {
public:
    void SetSink(SessionEventSink sink) {
        std::lock_guard lock(mutex_);
        sink_ = std::move(sink);
    }

    // Never called with the send lock held, so a sink may take snapshots at once.
    void Raise(SessionEvent event) const {
        SessionEventSink sink;
        {
            std::lock_guard lock(mutex_);
            sink = sink_;
        }
        if (sink) {
            sink(event);
        }
    }

private:
    mutable std::mutex mutex_;
    SessionEventSink sink_;
};

// Events a use case collects while it holds the send lock and raises when it ends. Declare it
// before the lock so it is destroyed, and raises, after the lock is released.
class EventsOnExit {
public:
    explicit EventsOnExit(const SessionEvents& events) : events_{events} {}
    EventsOnExit(const EventsOnExit&) = delete;
    EventsOnExit& operator=(const EventsOnExit&) = delete;
    ~EventsOnExit() {
        for (const SessionEvent& event : pending_) {
            events_.Raise(event);
        }
    }

    void Add(SessionEvent event) { pending_.push_back(event); }
    // The tuning was replaced as a whole: every channel and its protection.
    void AddTuningReplaced() {
        Add({SessionChange::Outputs, kAllOutputChannels});
        Add({SessionChange::Protection});
    }

private:
    const SessionEvents& events_;
    std::vector<SessionEvent> pending_;
};

}  // namespace corva
