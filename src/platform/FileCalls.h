// The operating system's file calls that the safe writer needs, one implementation per
// system (FileCallsPosix.cpp, FileCallsWindows.cpp): replacing a file durably, syncing a file
// and a folder, and the few path facts around them. No Qt.
//
// Paths are UTF-8. A failed call returns the error as an errno value of the generic category
// on every system (a Windows error is mapped to the nearest one), so messages read alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace corva::platform {

// The characters that end a folder's name in a path.
#ifdef _WIN32
inline constexpr const char* kPathSeparators = "/\\";
#else
inline constexpr const char* kPathSeparators = "/";
#endif

// What is at a path now, without following a symbolic link at the path itself.
struct PathFacts {
    enum class Kind { Missing, RegularFile, Folder, SymbolicLink, Other };
    Kind kind = Kind::Missing;
    unsigned permissions = 0;  // the permission bits (07777) where the system has them
    int error = 0;             // why the path could not be examined (Missing is not an error)
};
PathFacts InspectPath(const std::string& path);

// The absolute path a symbolic link leads to, or the error (ENOENT for a dangling link).
struct ResolvedPath {
    std::string path;
    int error = 0;
};
ResolvedPath ResolveLinks(const std::string& path);

// 0 when the user may write the existing file at `path`, else the error a write would meet.
int CheckWritable(const std::string& path);

// A file opened for writing only. -1 when it is not open.
using FileHandle = int;
inline constexpr FileHandle kNoFile = -1;

// Creates a new file that must not exist yet (EEXIST when it does), for writing, not handed
// down to child processes, with the permissions a new file gets. The error when it fails.
struct NewFile {
    FileHandle handle = kNoFile;
    int error = 0;
};
NewFile CreateNewFile(const std::string& path);
// Opens an existing file so that it can be synced (one written by a library under its name).
NewFile OpenForSync(const std::string& path);

// Writes all `size` bytes, retrying short writes; 0 or the error of the write that failed.
int WriteAll(FileHandle file, const std::uint8_t* bytes, std::size_t size);
// Gives the file these permission bits; best effort (a system without them ignores it).
void SetPermissions(FileHandle file, unsigned permissions);
// Flushes the file's content to the disk; 0 or the error. A file system that cannot sync
// (EINVAL, ENOTSUP) counts as synced: the file is still written.
int SyncFile(FileHandle file);
// 0 or the error of the close.
int CloseFile(FileHandle file);

// Puts `from` in place of `to` in one step: whoever opens `to` sees the old file or the new
// one, never a mix or none; on return the change is on the disk as far as the system allows.
// An existing `to` is replaced (its permissions are the caller's business). 0 or the error.
int ReplaceFile(const std::string& from, const std::string& to);
// Puts `from` at `to` only while no file has that name: EEXIST, and `from` left in place, when
// one has (also one that appears meanwhile). Two callers can never both take one name.
int PlaceNewFile(const std::string& from, const std::string& to);
// Makes a rename in `folder` durable where the system needs a separate step for it; failure
// is not reported, as the file is already in place.
void SyncFolder(const std::string& folder);
// Removes a file; failure is not reported (used to clean up after a failure).
void RemoveFile(const std::string& path);

// The user's own data folder: $XDG_DATA_HOME or ~/.local/share on Linux,
// ~/Library/Application Support on macOS, the local application data folder on Windows.
// Empty when the system names none.
std::string UserDataFolder();

}  // namespace corva::platform
