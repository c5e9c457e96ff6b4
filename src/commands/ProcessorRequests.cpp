#include "commands/ProcessorRequests.h"

#include "protocol/FrameBuilder.h"

namespace corva {
namespace {

enum class Direction { Read, Write };

Status QueueWhenConnected(TuningSession& session, Direction direction, int systemId) {
    SessionState& state = session.engine();
    std::lock_guard lock(state.sendLock);
    if (!state.connected) {
        return Status::Fail(Tr("Commands", "Not connected: nothing was sent to the processor."));
    }
    const FrameBuilder builder(state.image, state.protection);
    auto frame = direction == Direction::Read ? builder.BuildSystemReadFrame(systemId)
                                              : builder.BuildSystemFrame(systemId);
    state.queue.push(std::move(frame));
    return Status::Ok();
}

}  // namespace

Status RequestFactoryReset(TuningSession& session) {
    return QueueWhenConnected(session, Direction::Write, system_id::kFactoryReset);
}

Status RequestListeningPositions(TuningSession& session) {
    return QueueWhenConnected(session, Direction::Read, system_id::kListeningPositions);
}

}  // namespace corva
