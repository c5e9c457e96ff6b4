// The one way the program writes a file it produces: the new content goes to a temporary file
// beside the target, which replaces the target only once it is complete on disk. A write that
// fails leaves an existing file byte for byte as it was and nothing else behind. No Qt.
//
// The system's own calls (sync, replace) come from platform/FileCalls.h, so the same logic
// runs on Linux, macOS and Windows. Paths are UTF-8.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Status.h"

namespace corva {

// "The file "…" cannot be written: <reason>." (the reason in the system's words, shown as it
// stands in every language; without one the sentence ends after "written").
UiText FileWriteError(const std::string& path, std::string reason);

// The path and the reason of a failed write in a few words, for the line after a command's
// own message: "out/x.qvms: no such folder". `writeError` is the message a write of this file
// returned (FileWriteError); a reason without short words of its own is kept as the system
// gave it.
UiText FileWriteDetail(const std::string& path, const UiText& writeError);

// Makes `bytes` the whole content of the file at `path`. In order: a new file with a unique
// name in the target's folder, the bytes, flush and fsync, close, rename over the target (a
// symbolic link is followed, so the file it names is replaced), fsync of the folder. Any
// failure (open, short write, ENOSPC or EFBIG, flush, close, rename) removes the temporary
// file and returns FileWriteError with the system's reason. A target that exists but is not
// a regular file (a folder, a device) or that the user may not write is refused and left
// alone. The replacement keeps the permission bits of the file it replaces. Temporary files
// of this naming that writes killed midway left in the folder, older than ten minutes, are
// removed on the way.
Status WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);
Status WriteFileSafely(const std::string& path, std::string_view bytes);

// The same, for a file that must get a name of its own: it never replaces anything. When a
// file of that name exists (or appears while writing) the write fails, `nameTaken` is set and
// that file stays as it was; two runs can never both take one name.
Status WriteNewFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                          bool& nameTaken);

// Called once at start-up: a write past the process's file-size limit then fails with EFBIG
// and is reported like any failed write, instead of the signal ending the program.
void LetOversizedWritesFail();

// The same replacement for a library that writes the file itself under a name it is given
// (libxlsxwriter): the constructor creates the empty temporary file beside the target, the
// library writes it under temporaryPath(), Commit() syncs it and renames it over the target.
// A replacement that is not committed removes its temporary file when it is destroyed.
class FileReplacement {
public:
    explicit FileReplacement(const std::string& targetPath);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Whether the temporary file exists; its failure says why not (folder missing, not
    // writable, the target not a regular file).
    const Status& status() const { return status_; }
    // Empty when status() failed.
    const std::string& temporaryPath() const { return temporary_; }

    // Replaces the target with the temporary file; on failure the temporary file is removed
    // and the target left as it was.
    Status Commit();

private:
    std::string reportedPath_;  // as the caller named it, for messages
    std::string target_;        // the file actually replaced (a link followed)
    std::string temporary_;
    unsigned keptMode_ = 0;  // permission bits of the replaced file
    bool replacesFile_ = false;
    Status status_ = Status::Ok();
};

}  // namespace corva
