#include "commands/TuningFiles.h"

#include <algorithm>
#include <mutex>

#include "commands/DocumentFileIo.h"
#include "commands/ModeFileCommands.h"
#include "commands/MusicFileCommands.h"
#include "commands/PresetFilePaths.h"
#include "files/DocumentArchive.h"
#include "files/DocumentMessages.h"
#include "files/DocumentSerialize.h"
#include "files/JsonHeaderRecord.h"
#include "files/JsonPresetReader.h"
#include "files/JsonPresetWriter.h"
#include "files/SafeFileWriter.h"
#include "model/OutputBlockLimits.h"
#include "transfer/BulkTransfers.h"

namespace corva {
namespace {

// Far more than any mode file; bytes past its row are never looked at.

// A name before the extension, too: ".qvms" alone names no file.
bool EndsWith(std::string_view path, std::string_view extension) {
    return path.size() > extension.size() && EndsWithExtension(path, extension);
}

}  // namespace

TuningFileKind TuningFileKindOf(std::string_view path) {
    if (EndsWith(path, kSingleFileExtension)) {
        return TuningFileKind::Single;
    }
    if (EndsWith(path, kCompleteFileExtension)) {
        return TuningFileKind::Complete;
    }
    if (EndsWith(path, kMusicFileExtension) || EndsWith(path, kOtherMusicFileExtension)) {
        return TuningFileKind::Music;
    }
    if (EndsWith(path, kModeFileExtension)) {
        return TuningFileKind::Mode;
    }
    return TuningFileKind::Other;
}

TuningFileLoad LoadTuningFile(TuningSession& session, const std::string& path) {
    TuningFileLoad load;
    load.kind = TuningFileKindOf(path);
    switch (load.kind) {
        case TuningFileKind::Single:
        case TuningFileKind::Complete: {
            SessionState& state = session.engine();
            std::lock_guard lock(state.sendLock);
            load.status = load.kind == TuningFileKind::Single
                              ? ReadSingleJson(path, state.image, state.protection, load.header)
                              : ReadCompleteJson(path, state.image, state.protection, load.header);
            if (load.status.ok()) {
                load.valuesLimited = state.model.LoadFromImage(state.image, 0);
                if (load.kind == TuningFileKind::Complete) {
                    load.valuesLimited += LimitStoredPresetOutputs(state.image);
                }
            }
            break;
        }
        case TuningFileKind::Music: {
            // Nothing is sent: the session has no processor.
            BulkTransfers bulk(session);
            const MusicFileLoadResult loaded = LoadMusicFile(session, bulk, path);
            load.status = loaded.status;
            load.valuesLimited = loaded.valuesLimited;
            break;
        }
        case TuningFileKind::Mode: {
            const auto bytes = ReadDocumentFile(path, kDocumentReadLimitBytes);
            if (!bytes) {
                load.status = Status::Fail(ModeFileReadError());
                break;
            }
            ArchiveReader archive(*bytes);
            const ModeFileRead read = ReadModeFile(archive);
            load.status = read.status;
            load.mode = read.content;
            break;
        }
        case TuningFileKind::Other:
            load.status = Status::Fail(Tr("Commands", "not a preset file"));
            break;
    }
    return load;
}

Status WriteLiveAsSingleFile(TuningSession& session, const std::string& path) {
    SessionState& state = session.engine();
    std::lock_guard lock(state.sendLock);
    if (state.protection.isProtected) {
        return Status::Fail(ProtectedTuningRefusal());
    }
    state.model.WriteAllToImage(state.image);
    return WriteSingleJson(path, state.image, JsonHeaderRecord{});
}

Status WriteLiveAsMusicFile(TuningSession& session, const std::string& path) {
    ArchiveWriter archive;
    {
        std::lock_guard lock(session.engine().sendLock);
        SerializeMusicFile(archive, session);
    }
    return WriteFileSafely(path, archive.bytes());
}

ExtractResult ExtractStoredPreset(const std::string& completePath, int preset,
                                  const std::string& singlePath) {
    ExtractResult result;
    if (preset < 1 || preset > kPresetCount) {
        result.status = Status::Fail(Tr("Commands", "The preset number must be 1..15."));
        result.failedAt = ExtractStage::Reading;
        return result;
    }
    if (TuningFileKindOf(completePath) != TuningFileKind::Complete) {
        result.status = Status::Fail(Tr("Commands", "not a complete preset file"));
        result.failedAt = ExtractStage::Reading;
        return result;
    }
    TuningSession scratch;
    const TuningFileLoad load = LoadTuningFile(scratch, completePath);
    if (!load.status.ok()) {
        result.status = load.status;
        result.failedAt = ExtractStage::Reading;
        return result;
    }
    SessionState& state = scratch.engine();
    std::lock_guard lock(state.sendLock);
    // The single file holds the live record: the stored preset takes its place.
    const auto stored = state.image.Record(preset);
    std::copy(stored.begin(), stored.end(), state.image.Live().begin());
    result.status = WriteSingleJson(singlePath, state.image, load.header);
    if (!result.status.ok()) {
        result.failedAt = ExtractStage::Writing;
    }
    return result;
}

UiText ProtectedTuningRefusal() {
    return {
        Tr("Commands",
           "The tuning is protected: unlock it first, a preset file would carry it unprotected.")};
}

}  // namespace corva
