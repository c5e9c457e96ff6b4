#include "files/DocumentSerialize.h"

#include <algorithm>

namespace corva {

void SerializeMusicFile(ArchiveWriter& archive, TuningSession& session) {
    session.engine().model.WriteAllToImage(session.engine().image);
    auto live = session.engine().image.Live();
    MarkRecordForStore(live, session.engine().protection);
    WriteMusicFile(archive, live, session.engine().protection.isProtected);
}

Status SerializeMusicFile(ArchiveReader& archive, TuningSession& session) {
    MusicFileRead read = ReadMusicFile(archive);
    if (!read.status.ok()) {
        return read.status;
    }
    const auto& content = read.content;
    std::copy(content.record.begin(), content.record.end(), session.engine().image.Live().begin());
    session.engine().protection.isProtected = content.isProtected;
    if (content.isProtected) {
        session.engine().protection.released = false;  // the file's protection replaces any unlock
    }
    session.engine().model.LoadFromImage(session.engine().image, 0);
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
    if (!session.engine().protection.isProtected) {
        return true;
    }
    session.engine().protection.password = RecordPassword(session.engine().image.Live());
    return false;
}

}  // namespace corva
