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

// One undoable edit of the table: `change` gets the table under the send lock, then the table
// goes to the processor and the change is announced once the lock is released.
template <typename Change>
void EditTable(TuningSession& session, Change change) {
    SessionState& state = session.engine();
    EventsOnExit events(state.events);
    std::lock_guard lock(state.sendLock);
    const UndoStepWhileLocked step(state);
    state.history.NotePositionsEdit();
    change(state.image.ListeningPositions());
    QueueTableWrite(state);
    events.Add({SessionChange::Positions});
}

}  // namespace

int SetPositionDelays(TuningSession& session, int position,
                      const std::vector<PositionDelay>& delays) {
    const int row = LimitedPosition(position);
    EditTable(session, [&](auto table) {
        for (const PositionDelay& delay : delays) {
            if (delay.channel < 0 || delay.channel >= kOutputChannelCount) {
                continue;
            }
            WriteLe16(table,
                      listening_table::RowOffset(row) + 2 * static_cast<std::size_t>(delay.channel),
                      std::clamp(delay.delayCode, 0, kDelayCodeMax));
        }
    });
    return row;
}

int UsePosition(TuningSession& session, int position) {
    const int current = LimitedPosition(position);
    EditTable(session, [&](auto table) {
        table[listening_table::kCurrentPosition] = static_cast<std::uint8_t>(current);
    });
    return current;
}

}  // namespace corva
