// Maps a (block type, channel, slot) of a frame to the bytes of a preset record it names.
#pragma once

#include <cstddef>
#include <optional>

#include "protocol/ImageLayout.h"

namespace corva {

struct ByteRange {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool operator==(const ByteRange&) const = default;
};

// Record offset of one 8-byte slot; nothing when the block type, channel or slot names no slot.
std::optional<std::size_t> SlotOffset(BlockType blockType, int channel, int slot);

// The bytes a whole-block transfer of this block type and channel carries.
std::optional<ByteRange> BlockRange(BlockType blockType, int channel);

// A block type byte from the wire, when it names a block of the record.
std::optional<BlockType> RecordBlockType(int wireValue);

}  // namespace corva
