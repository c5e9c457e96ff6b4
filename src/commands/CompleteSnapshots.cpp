#include "commands/CompleteSnapshots.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <system_error>

#include "commands/PresetFilePaths.h"
#include "files/JsonHeaderRecord.h"
#include "files/JsonPresetWriter.h"
#include "files/SafeFileWriter.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

namespace fs = std::filesystem;

// "20261209-165040-123-load-file-all.qvma": the time first, so names sort by age beside the
// copies of the live tuning.
constexpr std::string_view kCompleteSuffix = "-all";
constexpr std::size_t kStampSize = 19;  // "20261209-165040-123"
// Complete copies are large beside the live ones; the newest of them are enough to go back.
constexpr std::size_t kCompleteCopiesKept = 50;

constexpr std::array kReasons{SnapshotReason::Recall,    SnapshotReason::LoadFile,
                              SnapshotReason::Store,     SnapshotReason::FactoryReset,
                              SnapshotReason::ResetLock, SnapshotReason::Firmware,
                              SnapshotReason::AbSwitch};

std::optional<SnapshotInfo> ParseCompleteName(const fs::path& path) {
    if (path.extension() != kCompleteFileExtension) {
        return std::nullopt;
    }
    const std::string id = path.stem().string();
    if (id.size() < kStampSize + 2 + kCompleteSuffix.size() || id[8] != '-' || id[15] != '-' ||
        id[kStampSize] != '-' || !id.ends_with(kCompleteSuffix)) {
        return std::nullopt;
    }
    const std::string word =
        id.substr(kStampSize + 1, id.size() - kStampSize - 1 - kCompleteSuffix.size());
    const auto* reason = std::find_if(kReasons.begin(), kReasons.end(), [&](SnapshotReason r) {
        return SnapshotReasonWord(r) == word;
    });
    if (reason == kReasons.end()) {
        return std::nullopt;
    }
    SnapshotInfo info;
    info.id = id;
    info.path = path.string();
    info.time = SnapshotTimeText(id);
    info.reason = *reason;
    info.complete = true;
    return info;
}

// The newest copies stay, ordered by the time each was written (a clock set back does not
// make new copies look old); `spared` (a copy being restored) is never removed.
void DropOldestCompleteCopies(const std::string& folder, const std::string& spared) {
    auto copies = ListCompleteCopies(folder);
    std::error_code error;
    std::sort(copies.begin(), copies.end(), [](const SnapshotInfo& a, const SnapshotInfo& b) {
        std::error_code ignored;
        return fs::last_write_time(a.path, ignored) > fs::last_write_time(b.path, ignored);
    });
    for (std::size_t i = kCompleteCopiesKept; i < copies.size(); ++i) {
        if (copies[i].path != spared) {
            fs::remove(copies[i].path, error);
        }
    }
}

}  // namespace

std::optional<int> ReadPresetsForCompleteCopy(ConnectionController& connection) {
    return connection.bulk().StoreAllPresetsToPc(StoredBlocks::WithMusicInput);
}

Status KeepCompleteCopy(TuningSession& session, const std::string& folder, SnapshotReason reason,
                        const std::string& spared) {
    std::vector<std::uint8_t> bytes;
    Status built = Status::Ok();
    bool isProtected = false;
    {
        SessionState& state = session.engine();
        std::lock_guard lock(state.sendLock);
        isProtected = state.protection.isProtected;
        if (!isProtected) {
            state.model.WriteAllToImage(state.image);
            built = BuildCompleteJson(state.image, JsonHeaderRecord{}, std::time(nullptr), bytes);
        }
    }
    if (isProtected) {
        return TuningSnapshots(folder).KeepLive(session, reason);
    }
    if (!built) {
        return built;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    // A name of its own: taken only while free (two runs at once never share one), else one
    // millisecond on.
    constexpr int kNameAttempts = 1000;
    for (int attempt = 0;; ++attempt) {
        const std::string path =
            (fs::path(folder) /
             (SnapshotTimeStamp(attempt) + "-" + SnapshotReasonWord(reason) +
              std::string(kCompleteSuffix) + std::string(kCompleteFileExtension)))
                .string();
        bool nameTaken = false;
        const Status written = WriteNewFileSafely(path, bytes, nameTaken);
        if (written.ok()) {
            break;
        }
        if (!nameTaken || attempt + 1 == kNameAttempts) {
            return Status::Fail(Tr("Commands", "%1: %2").Arg(path).Arg(written.message()));
        }
    }
    DropOldestCompleteCopies(folder, spared);
    return Status::Ok();
}

std::vector<SnapshotInfo> ListCompleteCopies(const std::string& folder) {
    std::vector<SnapshotInfo> list;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        if (auto info = ParseCompleteName(it->path())) {
            list.push_back(std::move(*info));
        }
    }
    std::sort(list.begin(), list.end(),
              [](const SnapshotInfo& a, const SnapshotInfo& b) { return a.id > b.id; });
    return list;
}

std::vector<SnapshotInfo> ListAllSnapshots(const std::string& folder) {
    std::vector<SnapshotInfo> list = TuningSnapshots(folder).List();
    auto complete = ListCompleteCopies(folder);
    list.insert(list.end(), std::make_move_iterator(complete.begin()),
                std::make_move_iterator(complete.end()));
    std::sort(list.begin(), list.end(),
              [](const SnapshotInfo& a, const SnapshotInfo& b) { return a.id > b.id; });
    return list;
}

std::optional<SnapshotInfo> FindAnySnapshot(const std::string& folder, const std::string& id) {
    for (auto& info : ListAllSnapshots(folder)) {
        if (info.id == id) {
            return info;
        }
    }
    return std::nullopt;
}

int NamedStoredPresetCount(const TuningSession& session) {
    SessionState& state = session.engine();
    std::lock_guard lock(state.sendLock);
    int named = 0;
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        if (!TextFromField(state.image.Record(preset).first(kNameFieldSize)).empty()) {
            ++named;
        }
    }
    return named;
}

UiText SnapshotListText(const SnapshotInfo& info) {
    const UiText reason = SnapshotReasonText(info.reason);
    if (info.complete) {
        return Tr("Commands", "%1, live tuning and all 15 presets").Arg(reason);
    }
    if (info.preset > 0) {
        return Tr("Commands", "%1, preset %2").Arg(reason).Arg(std::to_string(info.preset));
    }
    return reason;
}

}  // namespace corva
