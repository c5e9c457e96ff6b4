// The file calls on Linux, macOS and the other POSIX systems.
#include "platform/FileCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace corva::platform {

PathFacts InspectPath(const std::string& path) {
    PathFacts facts;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            facts.error = errno;
        }
        return facts;
    }
    using Kind = PathFacts::Kind;
    facts.kind = S_ISREG(info.st_mode)   ? Kind::RegularFile
                 : S_ISDIR(info.st_mode) ? Kind::Folder
                 : S_ISLNK(info.st_mode) ? Kind::SymbolicLink
                                         : Kind::Other;
    facts.permissions = info.st_mode & 07777;
    return facts;
}

ResolvedPath ResolveLinks(const std::string& path) {
    ResolvedPath resolved;
    if (char* absolute = ::realpath(path.c_str(), nullptr)) {
        resolved.path = absolute;
        std::free(absolute);
    } else {
        resolved.error = errno;
    }
    return resolved;
}

int CheckWritable(const std::string& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

NewFile CreateNewFile(const std::string& path) {
    NewFile file;
    file.handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file.handle < 0) {
        file.handle = kNoFile;
        file.error = errno;
    }
    return file;
}

NewFile OpenForSync(const std::string& path) {
    NewFile file;
    file.handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file.handle < 0) {
        file.handle = kNoFile;
        file.error = errno;
    }
    return file;
}

int WriteAll(FileHandle file, const std::uint8_t* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written = ::write(file, bytes + done, size - done);
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

void SetPermissions(FileHandle file, unsigned permissions) {
    (void)::fchmod(file, static_cast<mode_t>(permissions));
}

int SyncFile(FileHandle file) {
    if (::fsync(file) != 0 && errno != EINVAL && errno != ENOTSUP) {
        return errno;
    }
    return 0;
}

int CloseFile(FileHandle file) {
    // After EINTR the descriptor is gone on Linux; the data was synced before.
    return ::close(file) != 0 && errno != EINTR ? errno : 0;
}

int ReplaceFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int PlaceNewFile(const std::string& from, const std::string& to) {
    // A hard link takes the name only when it is free; a file system without hard links gets
    // the name reserved by an exclusive create first.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) {
        return errno;
    }
    const int reserved = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (reserved < 0) {
        return errno;
    }
    ::close(reserved);
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

std::string UserDataFolder() {
#ifdef __APPLE__
    const char* home = std::getenv("HOME");
    return home && *home ? std::string{home} + "/Library/Application Support" : std::string{};
#else
    // As the XDG base directories say: a relative XDG_DATA_HOME is ignored.
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') {
        return data;
    }
    const char* home = std::getenv("HOME");
    return home && *home ? std::string{home} + "/.local/share" : std::string{};
#endif
}

}  // namespace corva::platform
