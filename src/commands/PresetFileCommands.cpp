#include "commands/PresetFileCommands.h"

#include <algorithm>
#include <ctime>
#include <mutex>
#include <vector>

#include "commands/DocumentFileIo.h"
#include "commands/PresetFileMessages.h"
#include "commands/PresetFilePaths.h"
#include "commands/TuningFiles.h"
#include "files/JsonFileAccess.h"
#include "files/JsonPresetReader.h"
#include "files/JsonPresetWriter.h"
#include "files/SafeFileWriter.h"
#include "model/OutputBlockLimits.h"

namespace corva {
namespace {

// Byte 48 of the listening-position table is the current position, a row of the four-row
// table.
constexpr std::size_t kCurrentPosition = 48;
constexpr std::uint8_t kLastPosition = 3;

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\') {
        return folder + name;
    }
    return folder + '/' + name;
}

PresetFileOutcome Failed(UserMessage message, const Status& status, std::string path) {
    message.detail = status.message().In(UiLanguage::English);  // for logs and the command line
    message.reason = status.message();
    PresetFileOutcome outcome;
    outcome.message = std::move(message);
    outcome.path = std::move(path);
    return outcome;
}

// A preset file of one kind: its name must end in the kind's extension, then it is read
// whole and parsed.
template <class File, class Parse>
Status ReadPresetFile(const std::string& path, std::string_view extension, Parse parse,
                      File& file) {
    if (!EndsWithExtension(path, extension)) {
        return Status::Fail(
            Tr("Commands", "The name does not end in %1.").Arg(std::string(extension)));
    }
    std::vector<std::uint8_t> bytes;
    if (Status read = ReadJsonFileBytes(path, bytes); !read) {
        return read;
    }
    return parse(bytes, file);
}

UiText LoadStepName() {
    return Tr("Commands", "Load preset file");
}

void LimitCurrentPosition(ParameterImage& image) {
    auto& position = image.ListeningPositions()[kCurrentPosition];
    position = std::min(position, kLastPosition);
}

}  // namespace

PresetFileCommands::PresetFileCommands(TuningSession& session, ConnectionController& connection)
    : session_{session.engine()}, connection_{connection} {}

UserMessage PresetFileCommands::ConnectionFailure() const {
    return ConnectionFailureMessage(connection_.linkKind());
}

std::optional<UserMessage> PresetFileCommands::RequireConnection() const {
    std::lock_guard lock(session_.sendLock);
    if (session_.connected) {
        return std::nullopt;
    }
    return ConnectionFailure();
}

// ---- Saving ----

std::optional<UserMessage> PresetFileCommands::ProtectionRefusal() const {
    std::lock_guard lock(session_.sendLock);
    if (!session_.protection.isProtected) {
        return std::nullopt;
    }
    return UserMessage{ProtectedTuningRefusal(), MessageStyle::Plain, {}};
}

Status PresetFileCommands::WriteSingleFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    Status built = Status::Ok();
    {
        std::lock_guard lock(session_.sendLock);
        session_.model.WriteAllToImage(session_.image);
        // The save panel's header record starts at the defaults every time it opens.
        built = BuildSingleJson(session_.image, JsonHeaderRecord{}, std::time(nullptr), bytes);
    }
    return built ? WriteFileSafely(path, bytes) : built;
}

PresetFileOutcome PresetFileCommands::SaveCurrentAs(const std::string& chosenPath) {
    if (auto refused = ProtectionRefusal()) {
        PresetFileOutcome outcome;
        outcome.message = std::move(refused);
        return outcome;
    }
    const auto path = StorePathWithExtension(chosenPath, kSingleFileExtension);
    if (const Status written = WriteSingleFile(path); !written) {
        return Failed(SaveSingleFailedMessage(), written, path);
    }
    PresetFileOutcome outcome;
    outcome.ok = true;
    outcome.path = path;
    return outcome;
}

PresetFileOutcome PresetFileCommands::SaveUnderName(const std::string& dataFolder,
                                                    const std::string& name, SaveMode mode) {
    PresetFileOutcome outcome;
    if (name.empty()) {
        outcome.message = EnterNameMessage();
        outcome.caption = EnterNameCaption();
        return outcome;
    }
    if (name.find_first_not_of(' ') == std::string::npos) {
        outcome.message = BlankNameMessage();
        return outcome;
    }
    if (auto refused = ProtectionRefusal()) {
        outcome.message = std::move(refused);
        return outcome;
    }
    const std::string path = NamedFilePath(dataFolder, name, mode);
    if (mode == SaveMode::All) {
        return QueueStoreAll(path, StoreReads::WithMusicInput);
    }
    if (const Status written = WriteSingleFile(path); !written) {
        return Failed(SaveNamedFailedMessage(), written, path);
    }
    outcome.ok = true;
    outcome.path = path;
    outcome.message = SaveNamedSucceededMessage();
    return outcome;
}

std::string PresetFileCommands::NamedFilePath(const std::string& dataFolder,
                                              const std::string& name, SaveMode mode) {
    return InFolder(dataFolder,
                    StorePathWithExtension(name, mode == SaveMode::All ? kCompleteFileExtension
                                                                       : kSingleFileExtension));
}

// ---- Store all ----

PresetFileOutcome PresetFileCommands::StoreAllPresets(const std::string& chosenPath) {
    return QueueStoreAll(StorePathWithExtension(chosenPath, kCompleteFileExtension),
                         StoreReads::OutputsOnly);
}

PresetFileOutcome PresetFileCommands::QueueStoreAll(std::string path, StoreReads reads) {
    PresetFileOutcome outcome;
    if (auto refused = RequireConnection()) {
        outcome.message = std::move(refused);
        return outcome;
    }
    if (auto refused = ProtectionRefusal()) {
        outcome.message = std::move(refused);
        return outcome;
    }
    // Set before the reads go out: the notice that writes the file follows their answers.
    const auto previous = pending_;
    pending_ = path;
    // Numbered by the bulk transfer itself, so its count is the progress display's range.
    const auto queued = connection_.bulk().StoreAllPresetsToPc(reads == StoreReads::OutputsOnly
                                                                   ? StoredBlocks::OutputsOnly
                                                                   : StoredBlocks::WithMusicInput);
    if (!queued) {  // the link went away in between
        pending_ = previous;
        outcome.message = ConnectionFailure();
        return outcome;
    }
    outcome.ok = true;
    outcome.path = std::move(path);
    outcome.progressRange = *queued;
    return outcome;
}

PresetFileOutcome PresetFileCommands::WritePendingCompleteFile() {
    PresetFileOutcome outcome;
    auto& bulk = connection_.bulk();
    if (!pending_) {
        bulk.bulkBusy = false;
        return outcome;
    }
    outcome.path = std::move(*pending_);
    pending_.reset();
    std::vector<std::uint8_t> bytes;
    Status built = Status::Ok();
    {
        std::lock_guard lock(session_.sendLock);
        built = BuildCompleteJson(session_.image, mainHeader_, std::time(nullptr), bytes);
    }
    const Status written = built ? WriteFileSafely(outcome.path, bytes) : built;
    bulk.bulkBusy = false;
    if (!written) {
        return Failed(SaveAllFailedMessage(), written, std::move(outcome.path));
    }
    outcome.ok = true;
    return outcome;
}

// ---- Opening ----

PresetFileOutcome PresetFileCommands::OpenPresetFile(const std::string& path) {
    switch (PresetFileKindOf(path)) {
        case PresetFileKind::Single:
            return OpenSingleFile(path);
        case PresetFileKind::Complete:
            return OpenCompleteFile(path);
        case PresetFileKind::Other:
            break;
    }
    return {};
}

std::optional<PresetFileOutcome> PresetFileCommands::CheckPresetFile(
    const std::string& path) const {
    Status read = Status::Ok();
    switch (PresetFileKindOf(path)) {
        case PresetFileKind::Single: {
            JsonSingleFile file;
            read = ReadPresetFile(path, kSingleFileExtension, ParseSingleJson, file);
            if (!read) {
                return Failed(ReadSingleFailedMessage(), read, path);
            }
            break;
        }
        case PresetFileKind::Complete: {
            JsonCompleteFile file;
            read = ReadPresetFile(path, kCompleteFileExtension, ParseCompleteJson, file);
            if (!read) {
                return Failed(ReadCompleteFailedMessage(), read, path);
            }
            break;
        }
        case PresetFileKind::Other:
            return PresetFileOutcome{};
    }
    return std::nullopt;
}

PresetFileOutcome PresetFileCommands::OpenSingleFile(const std::string& path) {
    JsonSingleFile file;
    if (const Status read = ReadPresetFile(path, kSingleFileExtension, ParseSingleJson, file);
        !read) {
        return Failed(ReadSingleFailedMessage(), read, path);
    }
    PresetFileOutcome outcome;
    outcome.path = path;
    // Loaded and sent in one hold of the lock, so the link cannot come or go in between. With
    // no processor attached the file becomes the program's tuning and nothing is queued; the
    // full read of a later connection replaces it with the processor's own.
    EventsOnExit events(session_.events);
    BulkTransfers::SendLockHold lock(session_.sendLock);
    JsonHeaderRecord panelHeader;  // the open panel's own record
    session_.history.Begin(session_.model, session_.image);
    ApplyJsonFile(file, session_.image, session_.protection, panelHeader);
    LimitCurrentPosition(session_.image);
    outcome.valuesLimited = session_.model.LoadFromImage(session_.image, 0);
    session_.history.End(session_.model, session_.image, LoadStepName());
    events.AddTuningReplaced();
    events.Add({SessionChange::Positions});
    outcome.ok = true;
    if (!session_.connected) {
        outcome.offline = true;
        outcome.message = SingleLoadedOfflineMessage();
        return outcome;
    }
    outcome.progressRange = connection_.bulk().SendPreset(0, PresetSource::Image, lock);
    return outcome;
}

PresetFileOutcome PresetFileCommands::LoadCompleteFile(const std::string& path,
                                                       JsonHeaderRecord& header) {
    JsonCompleteFile file;
    if (const Status read = ReadPresetFile(path, kCompleteFileExtension, ParseCompleteJson, file);
        !read) {
        return Failed(ReadCompleteFailedMessage(), read, path);
    }
    EventsOnExit events(session_.events);
    BulkTransfers::SendLockHold lock(session_.sendLock);
    session_.history.Begin(session_.model, session_.image);
    ApplyJsonFile(file, session_.image, session_.protection, header);
    LimitCurrentPosition(session_.image);
    const int limited =
        session_.model.LoadFromImage(session_.image, 0) + LimitStoredPresetOutputs(session_.image);
    session_.history.End(session_.model, session_.image, LoadStepName());
    events.AddTuningReplaced();
    events.Add({SessionChange::Positions});
    events.Add({SessionChange::Presets});
    PresetFileOutcome outcome;
    outcome.valuesLimited = limited;
    outcome.ok = true;
    outcome.path = path;
    // Nothing goes out while disconnected: the file is the program's tuning until a processor
    // is attached, and the user is told so.
    if (!session_.connected) {
        outcome.offline = true;
        outcome.message = CompleteLoadedOfflineMessage();
        return outcome;
    }
    outcome.progressRange = connection_.bulk().SendAll(lock);
    return outcome;
}

PresetFileOutcome PresetFileCommands::OpenCompleteFile(const std::string& path) {
    JsonHeaderRecord panelHeader;
    return LoadCompleteFile(path, panelHeader);
}

PresetFileOutcome PresetFileCommands::RecallAllPresets(const std::string& path) {
    return LoadCompleteFile(path, mainHeader_);
}

}  // namespace corva
