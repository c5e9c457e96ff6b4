#include "files/DocumentSerialize.h"

#include <algorithm>

namespace corva {

void MarkLiveRecordForStore(ParameterImage& image, const TuningModel& model,
                            const ProtectionState& protection) {
    model.WriteAllToImage(image);
    MarkRecordForStore(image.Live(), protection);
}

void SerializeMusicFile(ArchiveWriter& archive, TuningSession& session) {
    auto& state = session.engine();
    MarkLiveRecordForStore(state.image, state.model, state.protection);
    WriteMusicFile(archive, state.image.Live(), state.protection.isProtected);
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
