#include "commands/TuningSnapshots.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>

#include "commands/DocumentFileIo.h"
#include "files/DocumentMessages.h"
#include "files/DocumentSerialize.h"
#include "files/MusicFile.h"
#include "files/SafeFileWriter.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 1000;  // milliseconds of one second

struct ReasonEntry {
    SnapshotReason reason;
    const char* word;
    UiText text;
};

const std::array<ReasonEntry, 7>& Reasons() {
    static const std::array<ReasonEntry, 7> kReasons{{
        {SnapshotReason::Recall, "recall", Tr("Commands", "before recall")},
        {SnapshotReason::LoadFile, "load-file", Tr("Commands", "before loading a file")},
        {SnapshotReason::Store, "store", Tr("Commands", "before store")},
        {SnapshotReason::FactoryReset, "factory-reset", Tr("Commands", "before factory reset")},
        {SnapshotReason::ResetLock, "reset-lock", Tr("Commands", "before reset of the lock")},
        {SnapshotReason::Firmware, "firmware", Tr("Commands", "before firmware update")},
        {SnapshotReason::AbSwitch, "ab-switch", Tr("Commands", "before A/B switch")},
    }};
    return kReasons;
}

// "20261209-165040-123-recall" or "20261209-165040-123-store-p3": the time first, so names
// sort by age.
struct ParsedName {
    std::string time;
    SnapshotReason reason;
    int preset = 0;
};

constexpr std::size_t kStampSize = 19;  // "20261209-165040-123"

std::optional<ParsedName> ParseName(const std::string& id) {
    if (id.size() < kStampSize + 2 || id[8] != '-' || id[15] != '-' || id[kStampSize] != '-') {
        return std::nullopt;
    }
    std::string rest = id.substr(kStampSize + 1);
    ParsedName parsed{};
    if (const auto at = rest.rfind("-p"); at != std::string::npos) {
        const std::string number = rest.substr(at + 2);
        if (!number.empty() && number.size() <= 2 &&
            std::all_of(number.begin(), number.end(),
                        [](char c) { return c >= '0' && c <= '9'; })) {
            parsed.preset = std::stoi(number);
            rest = rest.substr(0, at);
        }
    }
    const auto& reasons = Reasons();
    const auto found = std::find_if(reasons.begin(), reasons.end(),
                                    [&](const ReasonEntry& e) { return rest == e.word; });
    if (found == reasons.end()) {
        return std::nullopt;
    }
    parsed.reason = found->reason;
    parsed.time = SnapshotTimeText(id);
    return parsed;
}

}  // namespace

std::string SnapshotTimeStamp(int laterMs) {
    const auto now = std::chrono::system_clock::now() + std::chrono::milliseconds(laterMs);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y%m%d-%H%M%S", &local);
    std::array<char, 8> fraction{};
    std::snprintf(fraction.data(), fraction.size(), "-%03d", static_cast<int>(millis));
    return std::string(text.data()) + fraction.data();
}

std::string SnapshotTimeText(const std::string& id) {
    return id.substr(0, 4) + "-" + id.substr(4, 2) + "-" + id.substr(6, 2) + " " + id.substr(9, 2) +
           ":" + id.substr(11, 2) + ":" + id.substr(13, 2);
}

std::string SnapshotReasonWord(SnapshotReason reason) {
    for (const auto& entry : Reasons()) {
        if (entry.reason == reason) {
            return entry.word;
        }
    }
    return "snapshot";
}

UiText SnapshotReasonText(SnapshotReason reason) {
    for (const auto& entry : Reasons()) {
        if (entry.reason == reason) {
            return entry.text;
        }
    }
    return {};
}

UiText SnapshotFailedMessage(SnapshotReason reason, const UiText& why) {
    return Tr("Commands",
              "The safety copy of the tuning (%1) could not be written, so nothing was sent: %2")
        .Arg(SnapshotReasonText(reason))
        .Arg(why);
}

TuningSnapshots::TuningSnapshots(std::string folder, std::size_t keep)
    : folder_{std::move(folder)}, keep_{keep} {}

void TuningSnapshots::CaptureLive(TuningSession& session, ArchiveWriter& archive) {
    SessionState& state = session.engine();
    std::lock_guard lock(state.sendLock);
    // As storing a music file writes it, on a copy: the live record stays as it is.
    const auto copy = std::make_unique<ParameterImage>(state.image);
    MarkLiveRecordForStore(*copy, state.model, state.protection);
    WriteMusicFile(archive, copy->Live(), state.protection.isProtected);
}

Status TuningSnapshots::KeepLive(TuningSession& session, SnapshotReason reason) {
    ArchiveWriter archive;
    CaptureLive(session, archive);
    return Keep(archive.bytes(), reason, 0, {});
}

Status TuningSnapshots::KeepStoredPreset(TuningSession& session, int preset,
                                         SnapshotReason reason) {
    ArchiveWriter archive;
    {
        SessionState& state = session.engine();
        std::lock_guard lock(state.sendLock);
        const auto record = state.image.Record(preset);
        const bool isProtected = record[music_file::kProtectionMarker] == '!';
        WriteMusicFile(archive, record, isProtected);
    }
    return Keep(archive.bytes(), reason, preset, {});
}

Status TuningSnapshots::Keep(std::span<const std::uint8_t> bytes, SnapshotReason reason, int preset,
                             const std::string& spareId) {
    std::error_code error;
    fs::create_directories(folder_, error);
    const std::string suffix = "-" + SnapshotReasonWord(reason) +
                               (preset > 0 ? "-p" + std::to_string(preset) : std::string());
    // Each copy takes a name nobody else has: a run in the same millisecond moves on by one.
    std::string path;
    for (int laterMs = 0; laterMs < kNameAttempts; ++laterMs) {
        const std::string name =
            SnapshotTimeStamp(laterMs) + suffix + std::string(kMusicFileExtension);
        path = (fs::path(folder_) / name).string();
        bool nameTaken = false;
        const Status written = WriteNewFileSafely(path, bytes, nameTaken);
        if (written.ok()) {
            DropOldest(path, spareId);
            return Status::Ok();
        }
        if (!nameTaken) {
            return Status::Fail(Tr("Commands", "%1: %2").Arg(path).Arg(written.message()));
        }
    }
    return Status::Fail(FileWriteError(path, "every name of this second is taken"));
}

std::vector<SnapshotInfo> TuningSnapshots::List() const {
    std::vector<SnapshotInfo> list;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() != kMusicFileExtension || !it->is_regular_file(error)) {
            continue;
        }
        const std::string id = path.stem().string();
        const auto parsed = ParseName(id);
        if (!parsed) {
            continue;
        }
        SnapshotInfo info;
        info.id = id;
        info.path = path.string();
        info.stored = it->last_write_time(error);
        info.time = parsed->time;
        info.reason = parsed->reason;
        info.preset = parsed->preset;
        if (const auto bytes = ReadDocumentFile(info.path, kDocumentReadLimitBytes)) {
            ArchiveReader archive(*bytes);
            const MusicFileRead read = ReadMusicFile(archive);
            if (read.status.ok()) {
                info.presetName = TextFromField(
                    std::span<const std::uint8_t>(read.content.record).first(kNameFieldSize));
            }
        }
        list.push_back(std::move(info));
    }
    std::sort(list.begin(), list.end(), [](const SnapshotInfo& a, const SnapshotInfo& b) {
        return a.stored != b.stored ? a.stored > b.stored : a.id > b.id;
    });
    return list;
}

std::optional<SnapshotInfo> TuningSnapshots::Find(const std::string& id) const {
    for (auto& info : List()) {
        if (info.id == id) {
            return info;
        }
    }
    return std::nullopt;
}

void TuningSnapshots::DropOldest(const std::string& written, const std::string& spareId) const {
    struct Copy {
        fs::file_time_type stored;
        std::string path;
    };
    std::vector<Copy> others;  // the copies that may go
    std::size_t count = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() != kMusicFileExtension || !ParseName(path.stem().string())) {
            continue;
        }
        ++count;
        if (path.string() != written && path.stem().string() != spareId) {
            std::error_code timeError;
            others.push_back({it->last_write_time(timeError), path.string()});
        }
    }
    if (count <= keep_) {
        return;
    }
    // The oldest by the time each copy was written, whatever its name says (a clock moved
    // back or another time zone must not make new copies look old).
    std::sort(others.begin(), others.end(), [](const Copy& a, const Copy& b) {
        return a.stored != b.stored ? a.stored < b.stored : a.path < b.path;
    });
    const std::size_t surplus = std::min(count - keep_, others.size());
    for (std::size_t i = 0; i < surplus; ++i) {
        fs::remove(others[i].path, error);
    }
}

Status TuningSnapshots::CheckRestorable(const SnapshotInfo& copy) {
    const auto bytes = ReadDocumentFile(copy.path, kDocumentReadLimitBytes);
    if (!bytes) {
        return Status::Fail(MusicFileReadError());
    }
    ArchiveReader archive(*bytes);
    return ReadMusicFile(archive).status;
}

Status TuningSnapshots::KeepLiveBeforeRestore(TuningSession& session, const SnapshotInfo& copy) {
    if (const Status readable = CheckRestorable(copy); !readable.ok()) {
        return readable;
    }
    ArchiveWriter live;
    CaptureLive(session, live);
    if (const Status kept = Keep(live.bytes(), SnapshotReason::LoadFile, 0, copy.id); !kept.ok()) {
        return Status::Fail(SnapshotFailedMessage(SnapshotReason::LoadFile, kept.message()));
    }
    return Status::Ok();
}

}  // namespace corva
