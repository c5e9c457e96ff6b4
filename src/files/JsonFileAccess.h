// Whole-file reads and replace-safe writes for the JSON preset files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Status.h"

namespace corva {

// Far above the largest preset file (a complete file is about 150 KB); a bigger file is not
// one of ours and is refused before it is read into memory.
inline constexpr std::size_t kMaxJsonFileSize = 8 * 1024 * 1024;

// Paths are UTF-8.
Status ReadJsonFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Writes the bytes to a temporary file beside `path` and then renames it over `path`, so a
// failed write leaves an existing file as it was.
Status WriteJsonFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace corva
