#include "files/DocumentSerialize.h"

#include <algorithm>

namespace corva {

void SerializeMusicFile(ArchiveWriter& archive, TuningSession& session) {
    session.model.WriteAllToImage(session.image);
    auto live = session.image.Live();
    MarkRecordForStore(live, session.protection);
    WriteMusicFile(archive, live, session.protection.isProtected);
}

Status SerializeMusicFile(ArchiveReader& archive, TuningSession& session) {
    MusicFileRead read = ReadMusicFile(archive);
    if (!read.status.ok()) {
        return read.status;
    }
    const auto& content = read.content;
    std::copy(content.record.begin(), content.record.end(), session.image.Live().begin());
    session.protection.isProtected = content.isProtected;
    if (content.isProtected) {
        session.protection.released = false;  // the file's protection replaces any unlock
    }
    session.model.LoadFromImage(session.image, 0);
    return Status::Ok();
}

void SerializeModeFile(ArchiveWriter& archive, ConstListeningTable table) {
    WriteModeFile(archive, table);
}

ModeFileRead SerializeModeFile(ArchiveReader& archive, ListeningTable table) {
    ModeFileRead read = ReadModeFile(archive);
    if (read.status.ok()) {
        PlaceModeFile(table, read.content);
    }
    return read;
}

bool ApplyMusicFileProtection(TuningSession& session) {
    if (!session.protection.isProtected) {
        return true;
    }
    session.protection.password = RecordPassword(session.image.Live());
    return false;
}

}  // namespace corva
