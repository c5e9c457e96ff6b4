#include "commands/ListeningPositionEdits.h"

#include <algorithm>
#include <mutex>

#include "core/ByteOrder.h"
#include "dsp/values/DelayCodes.h"
#include "protocol/FrameBuilder.h"

namespace corva {
namespace {

int LimitedPosition(int position) {
    return std::clamp(position, 0, listening_table::kLastPosition);
}

// Caller holds the send lock.
void QueueTableWrite(SessionState& state) {
    if (state.connected) {
        state.queue.push(FrameBuilder(state.image, state.protection)
                             .BuildSystemFrame(system_id::kListeningPositions));
    }
}

}  // namespace

int SetPositionDelays(TuningSession& session, int position,
                      const std::vector<PositionDelay>& delays) {
    const int row = LimitedPosition(position);
    SessionState& state = session.engine();
    EventsOnExit events(state.events);
    std::lock_guard lock(state.sendLock);
    const UndoStepWhileLocked step(state);
    state.history.NotePositionsEdit();
    auto table = state.image.ListeningPositions();
    for (const PositionDelay& delay : delays) {
        if (delay.channel < 0 || delay.channel >= kOutputChannelCount) {
            continue;
        }
        WriteLe16(table,
                  listening_table::RowOffset(row) + 2 * static_cast<std::size_t>(delay.channel),
                  std::clamp(delay.delayCode, 0, kDelayCodeMax));
    }
    QueueTableWrite(state);
    events.Add({SessionChange::Positions});
    return row;
}

int UsePosition(TuningSession& session, int position) {
    const int current = LimitedPosition(position);
    SessionState& state = session.engine();
    EventsOnExit events(state.events);
    std::lock_guard lock(state.sendLock);
    const UndoStepWhileLocked step(state);
    state.history.NotePositionsEdit();
    state.image.ListeningPositions()[listening_table::kCurrentPosition] =
        static_cast<std::uint8_t>(current);
    QueueTableWrite(state);
    events.Add({SessionChange::Positions});
    return current;
}

}  // namespace corva
