// The mode file: one listening position (its number and the six delays of its row of the
// listening-position table) behind its tag. Never scrambled.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/Status.h"
#include "files/DocumentArchive.h"
#include "protocol/ImageLayout.h"

namespace corva {

inline constexpr std::string_view kModeFileTag = "LFN624_Mode_File_1.00";
inline constexpr std::size_t kModeFileSize = 1 + kModeFileTag.size() + 1 + 12;  // 35

using PositionRow = std::array<std::uint8_t, listening_table::kRowSize>;

struct ModeFileContent {
    int position = 0;  // 0..3
    PositionRow delays{};
};

struct ModeFileRead {
    Status status = Status::Ok();
    ModeFileContent content;
};

using ListeningTable = std::span<std::uint8_t, kListeningTableSize>;
using ConstListeningTable = std::span<const std::uint8_t, kListeningTableSize>;

// The table's current position; a value above 3 (the table comes from outside) counts as 3.
int CurrentPosition(ConstListeningTable table);

// The tag, the current position and its row.
void WriteModeFile(ArchiveWriter& archive, ConstListeningTable table);

// Reads and checks a whole mode file: the read error on another tag, its own messages when the
// file ends early or names a position above 3. Bytes after the row are not looked at.
ModeFileRead ReadModeFile(ArchiveReader& archive);

// Row p takes the file's delays and byte 49 its position; nothing else changes.
void PlaceModeFile(ListeningTable table, const ModeFileContent& content);

}  // namespace corva
