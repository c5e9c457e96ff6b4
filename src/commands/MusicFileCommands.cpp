#include "commands/MusicFileCommands.h"

#include <mutex>

#include "files/DocumentMessages.h"
#include "files/DocumentSerialize.h"
#include "model/ChannelEditor.h"

namespace corva {
namespace {
// Far more than any music file; bytes past the record are never looked at.
constexpr std::size_t kReadLimitBytes = 64 * 1024;
}  // namespace

DocumentStoreResult StoreMusicFile(TuningSession& session, const std::string& chosenPath) {
    DocumentStoreResult result;
    result.path = StorePathWithExtension(chosenPath, kMusicFileExtension);
    // Create the file before touching the live record, so a path that cannot be written
    // changes nothing.
    if (!WriteDocumentFile(result.path, {})) {
        result.status = Status::Fail(MusicFileStoreError());
        return result;
    }
    ArchiveWriter archive;
    {
        std::lock_guard lock(session.engine().sendLock);
        SerializeMusicFile(archive, session);
    }
    if (!WriteDocumentFile(result.path, archive.bytes())) {
        result.status = Status::Fail(MusicFileStoreError());
    }
    return result;
}

MusicFileLoadResult LoadMusicFile(TuningSession& session, BulkTransfers& bulk,
                                  const std::string& path) {
    MusicFileLoadResult result;
    const auto bytes = ReadDocumentFile(path, kReadLimitBytes);
    if (!bytes) {
        result.status = Status::Fail(MusicFileReadError());
        return result;
    }
    ArchiveReader archive(*bytes);
    {
        std::lock_guard lock(session.engine().sendLock);
        result.status = SerializeMusicFile(archive, session);
        if (!result.status.ok()) {
            return result;
        }
        // Before any frame is built: the processor must receive the file's own password,
        // never the one held before the load (or none at all).
        result.editingEnabled = ApplyMusicFileProtection(session);
    }
    ChannelEditor(session).UnlinkAll();
    result.sent = bulk.SendPreset(0, PresetSource::Image).has_value();
    return result;
}

}  // namespace corva
