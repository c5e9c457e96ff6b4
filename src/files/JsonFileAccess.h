// Whole-file reads of the JSON preset files (they are written with WriteFileSafely).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Status.h"

namespace corva {

// Far above the largest preset file (a complete file is about 150 KB); a bigger file is not
// one of ours and is refused before it is read into memory.
inline constexpr std::size_t kMaxJsonFileSize = 8 * 1024 * 1024;

// Paths are UTF-8.
Status ReadJsonFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

}  // namespace corva
