// The frame format shared by host and processor: 14-byte header, payload, XOR checksum, 0xAA.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corva {

namespace frame {
inline constexpr std::size_t kHeaderSize = 14;
inline constexpr std::size_t kOverhead = 16;  // header, checksum and trailer
inline constexpr std::uint8_t kSync = 0x71;
inline constexpr std::uint8_t kStart = 0xEE;
inline constexpr std::uint8_t kTrailer = 0xAA;
inline constexpr std::uint8_t kDeviceAddress = 1;
inline constexpr std::uint8_t kStoreMarker = 0x77;

// Header positions.
inline constexpr std::size_t kCommand = 4;
inline constexpr std::size_t kAddress = 5;
inline constexpr std::size_t kPreset = 6;
inline constexpr std::size_t kBlockType = 7;
inline constexpr std::size_t kChannel = 8;  // system id when the block type is 9
inline constexpr std::size_t kSlot = 9;     // mode byte in block reads
inline constexpr std::size_t kLinkFlag = 10;
inline constexpr std::size_t kReserved = 11;
inline constexpr std::size_t kLength = 12;  // 16-bit little-endian payload length
}  // namespace frame

enum class Command : std::uint8_t {
    Write = 0xA1,
    ReadRequest = 0xA2,
    Acknowledge = 0x51,
    ResendRequest = 0x52,
    Data = 0x53,
};

// XOR of every byte from the command byte up to the last payload byte.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> frame);

// Writes the checksum and the trailer into the last two bytes of a complete frame buffer.
void SealFrame(std::span<std::uint8_t> frame);

}  // namespace corva
