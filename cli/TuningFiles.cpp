#include "TuningFiles.h"

#include <mutex>

#include "files/DocumentArchive.h"
#include "files/DocumentMessages.h"
#include "files/JsonHeaderRecord.h"
#include "files/JsonPresetReader.h"
#include "commands/DocumentFileIo.h"
#include "commands/MusicFileCommands.h"
#include "transfer/BulkTransfers.h"

namespace corva::cli {
namespace {

// Far more than any mode file; bytes past its row are never looked at.
constexpr std::size_t kModeFileReadLimit = 64 * 1024;

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

TuningFileKind TuningFileKindOf(const std::string& path) {
    if (EndsWith(path, ".qvms")) {
        return TuningFileKind::Single;
    }
    if (EndsWith(path, ".qvma")) {
        return TuningFileKind::Complete;
    }
    if (EndsWith(path, ".wkcs") || EndsWith(path, ".kpdm")) {
        return TuningFileKind::Music;
    }
    if (EndsWith(path, ".dat_d")) {
        return TuningFileKind::Mode;
    }
    return TuningFileKind::Other;
}

UiText TuningFileKindError(const char* accepted) {
    return {std::string("FILE must end in ") + accepted,
            std::string("FILE 的扩展名须为 ") + accepted};
}

TuningFileLoad LoadTuningFile(TuningSession& session, const std::string& path) {
    TuningFileLoad load;
    load.kind = TuningFileKindOf(path);
    switch (load.kind) {
        case TuningFileKind::Single:
        case TuningFileKind::Complete: {
            std::lock_guard lock(session.engine().sendLock);
            JsonHeaderRecord header;
            load.status = load.kind == TuningFileKind::Single
                              ? ReadSingleJson(path, session.engine().image, session.engine().protection, header)
                              : ReadCompleteJson(path, session.engine().image, session.engine().protection, header);
            if (load.status.ok()) {
                session.engine().model.LoadFromImage(session.engine().image, 0);
            }
            break;
        }
        case TuningFileKind::Music: {
            // Nothing is sent: the session has no processor.
            BulkTransfers bulk(session);
            load.status = LoadMusicFile(session, bulk, path).status;
            break;
        }
        case TuningFileKind::Mode: {
            const auto bytes = ReadDocumentFile(path, kModeFileReadLimit);
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
            load.status = Status::Fail({"not a preset file", "不是预置文件"});
            break;
    }
    return load;
}

}  // namespace corva::cli
