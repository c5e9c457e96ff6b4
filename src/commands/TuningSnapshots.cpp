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
#include "files/DocumentSerialize.h"
#include "files/MusicFile.h"
#include "files/SafeFileWriter.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReadLimitBytes = 64 * 1024;

struct ReasonEntry {
    SnapshotReason reason;
    const char* word;
    UiText text;
};

const std::array<ReasonEntry, 7>& Reasons() {
    static const std::array<ReasonEntry, 7> kReasons{{
        {SnapshotReason::Recall, "recall", {"before recall", "调用预置前"}},
        {SnapshotReason::LoadFile, "load-file", {"before loading a file", "打开文件前"}},
        {SnapshotReason::Store, "store", {"before store", "保存预置前"}},
        {SnapshotReason::FactoryReset, "factory-reset", {"before factory reset", "恢复出厂前"}},
        {SnapshotReason::ResetLock, "reset-lock", {"before reset of the lock", "重置加密前"}},
        {SnapshotReason::Firmware, "firmware", {"before firmware update", "固件更新前"}},
        {SnapshotReason::AbSwitch, "ab-switch", {"before A/B switch", "A/B切换前"}},
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
            std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
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
    parsed.time = id.substr(0, 4) + "-" + id.substr(4, 2) + "-" + id.substr(6, 2) + " " +
                  id.substr(9, 2) + ":" + id.substr(11, 2) + ":" + id.substr(13, 2);
    return parsed;
}

// Now, `laterMs` milliseconds on: a name already taken moves on by a millisecond.
std::string TimeStamp(int laterMs) {
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

}  // namespace

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
    const UiText what = SnapshotReasonText(reason);
    return {"The safety copy of the tuning (" + what.english +
                ") could not be written, so nothing was sent: " + why.english,
            "无法写入音效的安全副本（" + what.chinese + "），未发送任何数据：" + why.chinese};
}

TuningSnapshots::TuningSnapshots(std::string folder, std::size_t keep)
    : folder_{std::move(folder)}, keep_{keep} {}

Status TuningSnapshots::KeepLive(TuningSession& session, SnapshotReason reason) {
    ArchiveWriter archive;
    {
        SessionState& state = session.engine();
        std::lock_guard lock(state.sendLock);
        // As storing a music file writes it, on a copy: the live record stays as it is.
        const auto copy = std::make_unique<ParameterImage>(state.image);
        MarkLiveRecordForStore(*copy, state.model, state.protection);
        WriteMusicFile(archive, copy->Live(), state.protection.isProtected);
    }
    return Keep(archive.bytes(), reason, 0);
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
    return Keep(archive.bytes(), reason, preset);
}

Status TuningSnapshots::Keep(std::span<const std::uint8_t> bytes, SnapshotReason reason,
                             int preset) {
    std::error_code error;
    fs::create_directories(folder_, error);
    const std::string suffix = "-" + SnapshotReasonWord(reason) +
                               (preset > 0 ? "-p" + std::to_string(preset) : std::string());
    // Every copy is later than the newest one kept, so names sort by age even for copies
    // made within one millisecond.
    std::string newest;
    for (const auto& info : List()) {
        newest = std::max(newest, info.id.substr(0, kStampSize));
    }
    std::string stamp = TimeStamp(0);
    for (int laterMs = 1; stamp <= newest && laterMs < 1000; ++laterMs) {
        stamp = TimeStamp(laterMs);
    }
    const std::string path =
        (fs::path(folder_) / (stamp + suffix + std::string(kMusicFileExtension))).string();
    if (const Status written = WriteFileSafely(path, bytes); !written.ok()) {
        return Status::Fail({path + ": " + written.message().english,
                             path + ": " + written.message().chinese});
    }
    DropOldest();
    return Status::Ok();
}

std::vector<SnapshotInfo> TuningSnapshots::List() const {
    std::vector<SnapshotInfo> list;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
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
        info.time = parsed->time;
        info.reason = parsed->reason;
        info.preset = parsed->preset;
        if (const auto bytes = ReadDocumentFile(info.path, kReadLimitBytes)) {
            ArchiveReader archive(*bytes);
            const MusicFileRead read = ReadMusicFile(archive);
            if (read.status.ok()) {
                info.presetName = TextFromField(
                    std::span<const std::uint8_t>(read.content.record).first(kNameFieldSize));
            }
        }
        list.push_back(std::move(info));
    }
    std::sort(list.begin(), list.end(),
              [](const SnapshotInfo& a, const SnapshotInfo& b) { return a.id > b.id; });
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

void TuningSnapshots::DropOldest() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() == kMusicFileExtension && ParseName(path.stem().string())) {
            names.push_back(path.string());
        }
    }
    if (names.size() <= keep_) {
        return;
    }
    std::sort(names.begin(), names.end());
    for (std::size_t i = 0; i + keep_ < names.size(); ++i) {
        fs::remove(names[i], error);
    }
}

}  // namespace corva
