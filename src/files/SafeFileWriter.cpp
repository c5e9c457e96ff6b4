#include "files/SafeFileWriter.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <cstdlib>
#include <random>
#include <system_error>

namespace corva {
namespace {

// The temporary name keeps at most this much of the target's name, so that the dot, the tag
// and ".tmp" never push it past the 255 bytes a file name may have.
constexpr std::size_t kKeptNameBytes = 200;
constexpr int kNameAttempts = 100;
constexpr std::size_t kTagSize = 8;
// A temporary file this old belongs to a write that was killed: no write takes this long.
constexpr std::time_t kStaleTemporarySeconds = 10 * 60;

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
    mode_t mode = 0;  // permission bits of the existing file
};

Target ResolveTarget(const std::string& path) {
    Target target;
    target.path = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            target.status = Failure(path, errno);
        }
        return target;  // a new file
    }
    if (S_ISLNK(info.st_mode)) {
        // The file the link names is replaced, not the link; a dangling link is replaced itself.
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target.path = resolved;
            std::free(resolved);
            if (::stat(target.path.c_str(), &info) != 0) {
                target.status = Failure(path, errno);
                return target;
            }
        } else if (errno == ENOENT) {
            return target;
        } else {
            target.status = Failure(path, errno);
            return target;
        }
    }
    if (S_ISDIR(info.st_mode)) {
        target.status = Failure(path, EISDIR);
        return target;
    }
    if (!S_ISREG(info.st_mode)) {
        target.status = Status::Fail(FileWriteError(path, "it is not a regular file"));
        return target;
    }
    // As a write in place would be: a file the user may not write stays as it is.
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        target.status = Failure(path, errno);
        return target;
    }
    target.exists = true;
    target.mode = info.st_mode & 07777;
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
// to a write that another run is making right now.
void RemoveStaleTemporaries(const std::string& folder) {
    const std::string path = folder.empty() ? std::string{"."} : folder;
    DIR* listing = ::opendir(path.c_str());
    if (listing == nullptr) {
        return;
    }
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name)) {
            continue;
        }
        const std::string file = folder + name;
        struct stat info {};
        if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            now - info.st_mtime > kStaleTemporarySeconds) {
            ::unlink(file.c_str());
        }
    }
    ::closedir(listing);
}

struct Temporary {
    Status status = Status::Ok();
    std::string path;
    int fd = -1;
};

// ".<name>.<tag>.tmp" in the target's folder, created new (never an existing file), with the
// permissions a new file gets (0666 less the umask).
Temporary CreateTemporaryBeside(const Target& target, const std::string& reportedPath) {
    const auto slash = target.path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string{} : target.path.substr(0, slash + 1);
    const std::string name =
        slash == std::string::npos ? target.path : target.path.substr(slash + 1);
    RemoveStaleTemporaries(folder);
    Temporary temporary;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary.path =
            folder + "." + Utf8Prefix(name, kKeptNameBytes) + "." + RandomTag() + ".tmp";
        temporary.fd =
            ::open(temporary.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temporary.fd >= 0) {
            return temporary;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    temporary.status = Failure(reportedPath, errno);
    temporary.path.clear();
    return temporary;
}

// 0, or the error of the write that failed.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

// Durability of the rename itself. The file is already in place, so a folder that cannot be
// synced is not a failure of the write.
void SyncFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string{"."} : path.substr(0, slash == 0 ? 1 : slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

enum class Publish { Replace, KeepExisting };

// Puts the finished temporary file in the target's place: 0, or the error. Kept apart as the
// one platform step of the publishing. Without replacing, a hard link takes the name only
// when it is free (a file system without hard links reserves it with an exclusive create).
int PutInPlace(const std::string& temporary, const std::string& target, Publish how) {
    if (how == Publish::Replace) {
        return ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
    }
    if (::link(temporary.c_str(), target.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) {
        return errno;
    }
    const int reserved = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (reserved < 0) {
        return errno;
    }
    ::close(reserved);
    return ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
}

// Syncs and closes `fd` (the temporary file) and puts the file in the target's place. Closes
// `fd` and removes the temporary file on failure.
Status SyncAndReplace(int fd, const std::string& temporary, const Target& target,
                      const std::string& reportedPath, Publish how = Publish::Replace,
                      bool* nameTaken = nullptr) {
    int error = 0;
    if (target.exists) {
        (void)::fchmod(fd, target.mode);  // the replacement keeps the old file's permissions
    }
    // A file system without fsync (EINVAL) still gets the file; anything else is a failure.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error == 0) {
        error = PutInPlace(temporary, target.path, how);
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        if (nameTaken != nullptr) {
            *nameTaken = error == EEXIST;
        }
        return Failure(reportedPath, error);
    }
    SyncFolderOf(target.path);
    return Status::Ok();
}

}  // namespace

UiText FileWriteError(const std::string& path, std::string reason) {
    const std::string english = "The file \"" + path + "\" cannot be written";
    const std::string chinese = "无法写入文件“" + path + "”";
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) {
        reason.pop_back();  // the sentence ends once
    }
    if (reason.empty()) {
        return {english + ".", chinese + "。"};
    }
    return {english + ": " + reason + ".", chinese + "：" + reason + "。"};
}

UiText FileWriteDetail(const std::string& path, const UiText& writeError) {
    const std::string prefix = "The file \"" + path + "\" cannot be written: ";
    std::string reason;
    if (writeError.english.rfind(prefix, 0) == 0) {
        reason = writeError.english.substr(prefix.size());
        while (!reason.empty() && reason.back() == '.') {
            reason.pop_back();
        }
    }
    // A write of a new file fails with "no such file" only when its folder is missing.
    const struct {
        int error;
        UiText words;
    } kShortReasons[] = {
        {ENOENT, {"no such folder", "文件夹不存在"}},
        {ENOTDIR, {"no such folder", "文件夹不存在"}},
        {ENOSPC, {"the disk is full", "磁盘已满"}},
        {EDQUOT, {"the disk quota is used up", "磁盘配额已用完"}},
        {EFBIG, {"file too large", "文件过大"}},
        {EACCES, {"permission denied", "没有写入权限"}},
        {EPERM, {"permission denied", "没有写入权限"}},
        {EROFS, {"read-only file system", "只读文件系统"}},
        {EISDIR, {"it is a folder", "这是一个文件夹"}},
    };
    UiText words{reason, reason};
    for (const auto& known : kShortReasons) {
        if (reason == Reason(known.error)) {
            words = known.words;
            break;
        }
    }
    if (reason == "it is not a regular file") {
        words = {"not a regular file", "不是普通文件"};
    }
    if (words.english.empty()) {
        return {path, path};
    }
    return {path + ": " + words.english, path + "：" + words.chinese};
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
    if (const int error = WriteAll(temporary.fd, bytes); error != 0) {
        ::close(temporary.fd);
        ::unlink(temporary.path.c_str());
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
    ::close(temporary.fd);  // the library opens it by name
    target_ = target.path;
    temporary_ = std::move(temporary.path);
    keptMode_ = target.mode;
    replacesFile_ = target.exists;
}

FileReplacement::~FileReplacement() {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

Status FileReplacement::Commit() {
    if (temporary_.empty()) {
        return status_.ok() ? Status::Fail(FileWriteError(reportedPath_, {})) : status_;
    }
    const std::string temporary = std::move(temporary_);
    temporary_.clear();
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure(reportedPath_, error);
    }
    Target target;
    target.path = target_;
    target.exists = replacesFile_;
    target.mode = static_cast<mode_t>(keptMode_);
    return SyncAndReplace(fd, temporary, target, reportedPath_);
}

}  // namespace corva
