#include "commands/MusicFileCommands.h"

#include <memory>
#include <mutex>

#include "files/DocumentMessages.h"
#include "files/DocumentSerialize.h"
#include "model/ChannelEditor.h"

namespace corva {
namespace {
// Far more than any music file; bytes past the record are never looked at.
}  // namespace

DocumentStoreResult StoreMusicFile(TuningSession& session, const std::string& chosenPath) {
    DocumentStoreResult result;
    result.path = StorePathWithExtension(chosenPath, kMusicFileExtension);
    auto& state = session.engine();
    // Storing changes the live record (the model's values, the preset flag, the marker), so
    // the file is made from a copy and the live record follows only once the file is in
    // place: a store that cannot be written changes nothing.
    ArchiveWriter archive;
    {
        std::lock_guard lock(state.sendLock);
        const auto stored = std::make_unique<ParameterImage>(state.image);
        MarkLiveRecordForStore(*stored, state.model, state.protection);
        WriteMusicFile(archive, stored->Live(), state.protection.isProtected);
    }
    if (!WriteDocument(archive.bytes(), MusicFileStoreError(), result)) {
        return result;
    }
    std::lock_guard lock(state.sendLock);
    MarkLiveRecordForStore(state.image, state.model, state.protection);
    return result;
}

MusicFileLoadResult LoadMusicFile(TuningSession& session, BulkTransfers& bulk,
                                  const std::string& path) {
    MusicFileLoadResult result;
    const auto bytes = ReadDocumentFile(path, kDocumentReadLimitBytes);
    if (!bytes) {
        result.status = Status::Fail(MusicFileReadError());
        return result;
    }
    ArchiveReader archive(*bytes);
    EventsOnExit events(session.engine().events);
    auto& state = session.engine();
    {
        std::lock_guard lock(state.sendLock);
        state.history.Begin(state.model, state.image);
        result.status = SerializeMusicFile(archive, session);
        if (!result.status.ok()) {
            state.history.End(state.model, state.image);
            return result;
        }
        events.AddTuningReplaced();
        result.valuesLimited = state.model.valuesLimitedByLastLoad();
        // Before any frame is built: the processor must receive the file's own password,
        // never the one held before the load (or none at all).
        result.editingEnabled = ApplyMusicFileProtection(session);
    }
    ChannelEditor(session).UnlinkAll();
    {
        std::lock_guard lock(state.sendLock);
        state.history.End(state.model, state.image, Tr("Commands", "Load music file"));
    }
    result.sent = bulk.SendPreset(0, PresetSource::Image).has_value();
    return result;
}

}  // namespace corva
