#include "commands/ModeFileCommands.h"

#include <algorithm>
#include <mutex>

#include "files/DocumentMessages.h"
#include "files/DocumentSerialize.h"
#include "protocol/FrameBuilder.h"
#include "protocol/FrameLayout.h"

namespace corva {
namespace {

bool IsTableRead(const QueuedFrame& frame) {
    const auto bytes = frame.data();
    return frame.notifyOnAnswer && bytes.size() > frame::kChannel &&
           bytes[frame::kCommand] == static_cast<std::uint8_t>(Command::ReadRequest) &&
           bytes[frame::kBlockType] == static_cast<std::uint8_t>(BlockType::System) &&
           bytes[frame::kChannel] == system_id::kListeningPositions;
}

// Byte 48 becomes the position; while connected the table is queued for writing. Caller
// holds the send lock.
void MakePositionCurrent(TuningSession& session, int position) {
    session.engine().image.ListeningPositions()[listening_table::kCurrentPosition] =
        static_cast<std::uint8_t>(position);
    if (session.engine().connected) {
        session.engine().queue.push(
            FrameBuilder(session.engine().image, session.engine().protection)
                .BuildSystemFrame(system_id::kListeningPositions));
    }
}

}  // namespace

DocumentStoreResult SaveModeFile(TuningSession& session, const std::string& chosenPath) {
    DocumentStoreResult result;
    result.path = StorePathWithExtension(chosenPath, kModeFileExtension);
    ArchiveWriter archive;
    {
        std::lock_guard lock(session.engine().sendLock);
        SerializeModeFile(archive, session.engine().image.ListeningPositions());
    }
    WriteDocument(archive.bytes(), ModeFileStoreError(), result);
    return result;
}

ModeFileOpenResult OpenModeFile(TuningSession& session, const std::string& path) {
    ModeFileOpenResult result;
    const auto bytes = ReadDocumentFile(path, kDocumentReadLimitBytes);
    if (!bytes) {
        result.status = Status::Fail(ModeFileReadError());
        return result;
    }
    ArchiveReader archive(*bytes);
    EventsOnExit events(session.engine().events);
    std::lock_guard lock(session.engine().sendLock);
    if (!session.engine().connected) {
        ModeFileRead read = SerializeModeFile(archive, session.engine().image.ListeningPositions());
        result.status = read.status;
        result.content = read.content;
        if (result.status.ok()) {
            MakePositionCurrent(session, read.content.position);
            events.Add({SessionChange::Positions});
        }
        return result;
    }
    ModeFileRead read = ReadModeFile(archive);
    result.status = read.status;
    result.content = read.content;
    if (!result.status.ok()) {
        return result;
    }
    auto request = FrameBuilder(session.engine().image, session.engine().protection)
                       .BuildSystemReadFrame(system_id::kListeningPositions);
    request->notifyOnAnswer = true;
    session.engine().queue.push(std::move(request));
    result.awaitingTable = true;
    return result;
}

ModeFileStep CompleteModeFileOpen(TuningSession& session, const ModeFileContent& content) {
    EventsOnExit events(session.engine().events);
    std::lock_guard lock(session.engine().sendLock);
    const auto& frames = session.engine().queue.frames();
    const bool readQueued = std::any_of(frames.begin(), frames.end(),
                                        [](const auto& frame) { return IsTableRead(*frame); });
    if (readQueued) {
        return ModeFileStep::AwaitingTable;
    }
    PlaceModeFile(session.engine().image.ListeningPositions(), content);
    MakePositionCurrent(session, std::clamp(content.position, 0, listening_table::kLastPosition));
    events.Add({SessionChange::Positions});
    return ModeFileStep::Done;
}

}  // namespace corva
