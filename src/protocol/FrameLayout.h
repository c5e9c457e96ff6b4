// The frame format shared by host and processor: 14-byte header, payload, XOR checksum, 0xAA.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

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

// The header fields of a frame, between the start bytes and the payload. The reserved byte is
// zero; the payload length follows from the payload.
struct FrameHeader {
    Command command = Command::Write;
    std::uint8_t address = frame::kDeviceAddress;
    std::uint8_t preset = 0;
    std::uint8_t blockType = 0;
    std::uint8_t channel = 0;  // system id when the block type is 9
    std::uint8_t slot = 0;     // mode byte in block reads
    std::uint8_t linkFlag = 0;

    // The same preset, block type, channel and slot: what an answer echoes of its request.
    bool AddressesSameAs(const FrameHeader& other) const {
        return preset == other.preset && blockType == other.blockType &&
               channel == other.channel && slot == other.slot;
    }
    // Command, address, preset, block type, channel and slot in hex ("A2 01 00 09 04 00"):
    // enough to tell frames apart in a log.
    std::string Hex() const;
};

// The header of `frame` with its announced payload length; nothing when the frame is shorter
// than a header (the start bytes are not checked).
struct DecodedHeader {
    FrameHeader header;
    std::size_t payloadLength = 0;
};
std::optional<DecodedHeader> DecodeFrameHeader(std::span<const std::uint8_t> frame);

// A complete frame: start bytes, header, payload, checksum and trailer.
std::vector<std::uint8_t> EncodeFrame(const FrameHeader& header,
                                      std::span<const std::uint8_t> payload);

// XOR of every byte from the command byte up to the last payload byte.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> frame);

// Writes the checksum and the trailer into the last two bytes of a complete frame buffer.
void SealFrame(std::span<std::uint8_t> frame);

}  // namespace corva
