#include "protocol/FrameLayout.h"

#include <algorithm>

#include "core/ByteOrder.h"

namespace corva {

std::uint8_t FrameChecksum(std::span<const std::uint8_t> frame) {
    std::uint8_t sum = 0;
    if (frame.size() < frame::kOverhead) {
        return sum;
    }
    for (std::size_t i = frame::kCommand; i < frame.size() - 2; ++i) {
        sum ^= frame[i];
    }
    return sum;
}

void SealFrame(std::span<std::uint8_t> frame) {
    if (frame.size() < frame::kOverhead) {
        return;
    }
    frame[frame.size() - 2] = FrameChecksum(frame);
    frame[frame.size() - 1] = frame::kTrailer;
}

std::string FrameHeader::Hex() const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : {static_cast<std::uint8_t>(command), address, preset,
                                    blockType, channel, slot}) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::optional<DecodedHeader> DecodeFrameHeader(std::span<const std::uint8_t> frame) {
    if (frame.size() < frame::kHeaderSize) {
        return std::nullopt;
    }
    DecodedHeader decoded;
    decoded.header.command = static_cast<Command>(frame[frame::kCommand]);
    decoded.header.address = frame[frame::kAddress];
    decoded.header.preset = frame[frame::kPreset];
    decoded.header.blockType = frame[frame::kBlockType];
    decoded.header.channel = frame[frame::kChannel];
    decoded.header.slot = frame[frame::kSlot];
    decoded.header.linkFlag = frame[frame::kLinkFlag];
    decoded.payloadLength = ReadLe16(frame, frame::kLength);
    return decoded;
}

std::vector<std::uint8_t> EncodeFrame(const FrameHeader& header,
                                      std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> bytes(payload.size() + frame::kOverhead, 0);
    bytes[0] = bytes[1] = bytes[2] = frame::kSync;
    bytes[3] = frame::kStart;
    bytes[frame::kCommand] = static_cast<std::uint8_t>(header.command);
    bytes[frame::kAddress] = header.address;
    bytes[frame::kPreset] = header.preset;
    bytes[frame::kBlockType] = header.blockType;
    bytes[frame::kChannel] = header.channel;
    bytes[frame::kSlot] = header.slot;
    bytes[frame::kLinkFlag] = header.linkFlag;
    WriteLe16(bytes, frame::kLength, static_cast<int>(payload.size()));
    std::copy(payload.begin(), payload.end(), bytes.begin() + frame::kHeaderSize);
    SealFrame(bytes);
    return bytes;
}

}  // namespace corva
