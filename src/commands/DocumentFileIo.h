// Disk side of the music-file and mode-file commands: the store path rule, whole-file reads
// and the outcome of a store. File dialogs belong to the front end; these take the path it
// chose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"

namespace corva {

// The path a document is stored under: `extension` is appended unless the chosen path already
// contains it anywhere (a folder named "x.wkcs" counts).
std::string StorePathWithExtension(std::string_view chosenPath, std::string_view extension);

// Every document this program stores is far smaller; a larger file is not one of them.
inline constexpr std::size_t kDocumentReadLimitBytes = 64 * 1024;

// At most `maxBytes` from the start of the file; nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadDocumentFile(const std::string& path,
                                                          std::size_t maxBytes);

// Outcome of storing a document: the path actually written (with its extension). Documents
// are written with WriteFileSafely (files/SafeFileWriter.h): a failed store leaves an
// existing file as it was.
struct DocumentStoreResult {
    Status status = Status::Ok();
    std::string path;
    // When the write failed: the writer's own message, with the path and the system's reason
    // ("… cannot be written: No space left on device."), for where there is room for it.
    UiText writeError;
};

// Writes `bytes` to `result.path`; when that fails `result` takes `storeError` and the writer's
// message. True when written.
bool WriteDocument(std::span<const std::uint8_t> bytes, const UiText& storeError,
                   DocumentStoreResult& result);

}  // namespace corva
