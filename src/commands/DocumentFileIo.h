// Disk side of the music-file and mode-file commands: the store path rule and whole-file reads
// and writes. File dialogs belong to the front end; these take the path it chose.
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

// At most `maxBytes` from the start of the file; nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadDocumentFile(const std::string& path,
                                                          std::size_t maxBytes);

// Creates or replaces the file; false when it cannot be created or written in full (a partly
// written file is removed).
bool WriteDocumentFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Outcome of storing a document: the path actually written (with its extension).
struct DocumentStoreResult {
    Status status = Status::Ok();
    std::string path;
};

}  // namespace corva
