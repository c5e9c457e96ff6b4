#include "files/SafeFileWriter.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/FileCalls.h"

namespace corva {
namespace {

using Kind = platform::PathFacts::Kind;

// The temporary name keeps at most this much of the target's name, so that the dot, the tag
// and ".tmp" never push it past the 255 bytes a file name may have.
constexpr std::size_t kKeptNameBytes = 200;
constexpr int kNameAttempts = 100;
constexpr std::size_t kTagSize = 8;
// A temporary file this old belongs to a write that was killed: no write takes this long.
constexpr auto kStaleTemporaryAge = std::chrono::minutes(10);

std::string Reason(int error) {
    return std::generic_category().message(error);
}

Status Failure(const std::string& path, int error) {
    return Status::Fail(FileWriteError(path, Reason(error)));
}

// The file that is replaced, and what it is now.
struct Target {
    Status status = Status::Ok();
    std::string path;
    bool exists = false;
    unsigned mode = 0;  // permission bits of the existing file
};

Target ResolveTarget(const std::string& path) {
    Target target;
    target.path = path;
    platform::PathFacts info = platform::InspectPath(path);
    if (info.kind == Kind::Missing) {
        if (info.error != 0) {
            target.status = Failure(path, info.error);
        }
        return target;  // a new file
    }
    if (info.kind == Kind::SymbolicLink) {
        // The file the link names is replaced, not the link; a dangling link is replaced itself.
        const platform::ResolvedPath resolved = platform::ResolveLinks(path);
        if (resolved.error == 0) {
            target.path = resolved.path;
            info = platform::InspectPath(target.path);
            if (info.kind == Kind::Missing) {
                target.status = Failure(path, info.error != 0 ? info.error : ENOENT);
                return target;
            }
        } else if (resolved.error == ENOENT) {
            return target;
        } else {
            target.status = Failure(path, resolved.error);
            return target;
        }
    }
    if (info.kind == Kind::Folder) {
        target.status = Failure(path, EISDIR);
        return target;
    }
    if (info.kind != Kind::RegularFile) {
        target.status = Status::Fail(FileWriteError(path, "it is not a regular file"));
        return target;
    }
    // As a write in place would be: a file the user may not write stays as it is.
    if (const int error = platform::CheckWritable(target.path); error != 0) {
        target.status = Failure(path, error);
        return target;
    }
    target.exists = true;
    target.mode = info.permissions;
    return target;
}

// At most `limit` bytes of `name`, never half a UTF-8 character.
std::string Utf8Prefix(const std::string& name, std::size_t limit) {
    if (name.size() <= limit) {
        return name;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
        --end;
    }
    return name.substr(0, end);
}

constexpr char kTagLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";

std::string RandomTag() {
    thread_local std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kTagLetters - 2);
    std::string tag(kTagSize, ' ');
    for (char& c : tag) {
        c = kTagLetters[pick(engine)];
    }
    return tag;
}

// ".<name>.<tag>.tmp", as CreateTemporaryBeside names its files.
bool IsTemporaryName(const std::string& name) {
    static const std::string kEnd = ".tmp";
    const std::size_t least = 1 + 1 + 1 + kTagSize + kEnd.size();
    if (name.size() < least || name[0] != '.' || !name.ends_with(kEnd)) {
        return false;
    }
    const std::size_t tagAt = name.size() - kEnd.size() - kTagSize;
    if (name[tagAt - 1] != '.') {
        return false;
    }
    const std::string tag = name.substr(tagAt, kTagSize);
    return tag.find_first_not_of(kTagLetters) == std::string::npos;
}

// Temporary files that writes killed between create and rename left in `folder` ("" for the
// working folder). Only the program's own names and only old ones: a younger one may belong
// to a write that another run is making right now. Best effort: nothing here fails a write.
void RemoveStaleTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator listing(folder.empty() ? fs::path(".") : fs::u8path(folder), error);
    if (error) {
        return;
    }
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : listing) {
        if (!IsTemporaryName(entry.path().filename().string())) {
            continue;
        }
        const fs::file_status status = entry.symlink_status(error);
        if (error || !fs::is_regular_file(status)) {
            continue;
        }
        const auto written = fs::last_write_time(entry.path(), error);
        if (!error && now - written > kStaleTemporaryAge) {
            fs::remove(entry.path(), error);
        }
    }
}

struct Temporary {
    Status status = Status::Ok();
    std::string path;
    platform::FileHandle fd = platform::kNoFile;
};

// ".<name>.<tag>.tmp" in the target's folder, created new (never an existing file), with the
// permissions a new file gets (0666 less the umask).
Temporary CreateTemporaryBeside(const Target& target, const std::string& reportedPath) {
    const auto slash = target.path.find_last_of(platform::kPathSeparators);
    const std::string folder =
        slash == std::string::npos ? std::string{} : target.path.substr(0, slash + 1);
    const std::string name =
        slash == std::string::npos ? target.path : target.path.substr(slash + 1);
    RemoveStaleTemporaries(folder);
    Temporary temporary;
    int error = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary.path =
            folder + "." + Utf8Prefix(name, kKeptNameBytes) + "." + RandomTag() + ".tmp";
        const platform::NewFile file = platform::CreateNewFile(temporary.path);
        if (file.handle != platform::kNoFile) {
            temporary.fd = file.handle;
            return temporary;
        }
        error = file.error;
        if (error != EEXIST) {
            break;
        }
    }
    temporary.status = Failure(reportedPath, error);
    temporary.path.clear();
    return temporary;
}

// Durability of the rename itself. The file is already in place, so a folder that cannot be
// synced is not a failure of the write.
void SyncFolderOf(const std::string& path) {
    const auto slash = path.find_last_of(platform::kPathSeparators);
    platform::SyncFolder(slash == std::string::npos ? std::string{"."}
                                                    : path.substr(0, slash == 0 ? 1 : slash));
}

enum class Publish { Replace, KeepExisting };

// Syncs and closes `fd` (the temporary file) and puts the file in the target's place: over the
// old file, or only where no file has the name yet (`nameTaken` then says whether that was
// why it failed). Closes `fd` and removes the temporary file on failure.
Status SyncAndReplace(platform::FileHandle fd, const std::string& temporary, const Target& target,
                      const std::string& reportedPath, Publish how = Publish::Replace,
                      bool* nameTaken = nullptr) {
    if (target.exists) {
        platform::SetPermissions(fd, target.mode);  // the replacement keeps the old permissions
    }
    int error = platform::SyncFile(fd);
    if (const int closeError = platform::CloseFile(fd); error == 0) {
        error = closeError;
    }
    if (error == 0) {
        error = how == Publish::Replace ? platform::ReplaceFile(temporary, target.path)
                                        : platform::PlaceNewFile(temporary, target.path);
    }
    if (error != 0) {
        platform::RemoveFile(temporary);
        if (nameTaken != nullptr) {
            *nameTaken = error == EEXIST;
        }
        return Failure(reportedPath, error);
    }
    SyncFolderOf(target.path);
    return Status::Ok();
}

}  // namespace

namespace {

// The sentence of a failed write that carries the system's reason: FileWriteDetail picks the
// reason out of it again.
UiText CannotWriteBecause() {
    return Tr("Files", "The file \"%1\" cannot be written: %2.");
}

}  // namespace

UiText FileWriteError(const std::string& path, std::string reason) {
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) {
        reason.pop_back();  // the sentence ends once
    }
    if (reason.empty()) {
        return Tr("Files", "The file \"%1\" cannot be written.").Arg(path);
    }
    return CannotWriteBecause().Arg(path).Arg(std::move(reason));
}

UiText FileWriteDetail(const std::string& path, const UiText& writeError) {
    // The reason only when the error is the write sentence about this very path.
    std::string reason;
    const std::vector<UiText>& places = writeError.arguments();
    if (writeError.source() == CannotWriteBecause().source() &&
        writeError.context() == CannotWriteBecause().context() && places.size() == 2 &&
        places[0].literal() && places[0].source() == path && places[1].literal()) {
        reason = places[1].source();
    }
    // A write of a new file fails with "no such file" only when its folder is missing.
    const struct {
        int error;
        UiText words;
    } kShortReasons[] = {
        {ENOENT, Tr("Files", "no such folder")},
        {ENOTDIR, Tr("Files", "no such folder")},
        {ENOSPC, Tr("Files", "the disk is full")},
#ifdef EDQUOT  // not on Windows
        {EDQUOT, Tr("Files", "the disk quota is used up")},
#endif
        {EFBIG, Tr("Files", "file too large")},
        {EACCES, Tr("Files", "permission denied")},
        {EPERM, Tr("Files", "permission denied")},
        {EROFS, Tr("Files", "read-only file system")},
        {EISDIR, Tr("Files", "it is a folder")},
    };
    UiText words = UiText::Literal(reason);
    for (const auto& known : kShortReasons) {
        if (reason == Reason(known.error)) {
            words = known.words;
            break;
        }
    }
    if (reason == "it is not a regular file") {
        words = Tr("Files", "not a regular file");
    }
    if (words.empty()) {
        return UiText::Literal(path);
    }
    return Tr("Files", "%1: %2", "a path and why it cannot be written").Arg(path).Arg(words);
}

namespace {

Status WriteAndPublish(const std::string& path, std::span<const std::uint8_t> bytes, Publish how,
                       bool* nameTaken) {
    const Target target = ResolveTarget(path);
    if (!target.status.ok()) {
        return target.status;
    }
    if (how == Publish::KeepExisting && target.exists) {
        *nameTaken = true;
        return Failure(path, EEXIST);
    }
    Temporary temporary = CreateTemporaryBeside(target, path);
    if (!temporary.status.ok()) {
        return temporary.status;
    }
    if (const int error = platform::WriteAll(temporary.fd, bytes.data(), bytes.size());
        error != 0) {
        (void)platform::CloseFile(temporary.fd);
        platform::RemoveFile(temporary.path);
        return Failure(path, error);
    }
    return SyncAndReplace(temporary.fd, temporary.path, target, path, how, nameTaken);
}

}  // namespace

Status WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
    return WriteAndPublish(path, bytes, Publish::Replace, nullptr);
}

Status WriteNewFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                          bool& nameTaken) {
    nameTaken = false;
    return WriteAndPublish(path, bytes, Publish::KeepExisting, &nameTaken);
}

Status WriteFileSafely(const std::string& path, std::string_view bytes) {
    return WriteFileSafely(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

void LetOversizedWritesFail() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

FileReplacement::FileReplacement(const std::string& targetPath) : reportedPath_{targetPath} {
    const Target target = ResolveTarget(targetPath);
    if (!target.status.ok()) {
        status_ = target.status;
        return;
    }
    Temporary temporary = CreateTemporaryBeside(target, targetPath);
    if (!temporary.status.ok()) {
        status_ = temporary.status;
        return;
    }
    (void)platform::CloseFile(temporary.fd);  // the library opens it by name
    target_ = target.path;
    temporary_ = std::move(temporary.path);
    keptMode_ = target.mode;
    replacesFile_ = target.exists;
}

FileReplacement::~FileReplacement() {
    if (!temporary_.empty()) {
        platform::RemoveFile(temporary_);
    }
}

Status FileReplacement::Commit() {
    if (temporary_.empty()) {
        return status_.ok() ? Status::Fail(FileWriteError(reportedPath_, {})) : status_;
    }
    const std::string temporary = std::move(temporary_);
    temporary_.clear();
    const platform::NewFile file = platform::OpenForSync(temporary);
    if (file.handle == platform::kNoFile) {
        platform::RemoveFile(temporary);
        return Failure(reportedPath_, file.error);
    }
    Target target;
    target.path = target_;
    target.exists = replacesFile_;
    target.mode = keptMode_;
    return SyncAndReplace(file.handle, temporary, target, reportedPath_);
}

}  // namespace corva
