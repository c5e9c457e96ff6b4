// Host frames built by hand for the simulator's tests, and small helpers to read answers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"
#include "protocol/ImageLayout.h"

namespace corva::sim::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes HostFrame(Command command, int preset, int blockType, int channel, int slot,
                       std::span<const std::uint8_t> payload) {
    Bytes frame(payload.size() + frame::kOverhead, 0);
    frame[0] = frame[1] = frame[2] = frame::kSync;
    frame[3] = frame::kStart;
    frame[frame::kCommand] = static_cast<std::uint8_t>(command);
    frame[frame::kAddress] = frame::kDeviceAddress;
    frame[frame::kPreset] = static_cast<std::uint8_t>(preset);
    frame[frame::kBlockType] = static_cast<std::uint8_t>(blockType);
    frame[frame::kChannel] = static_cast<std::uint8_t>(channel);
    frame[frame::kSlot] = static_cast<std::uint8_t>(slot);
    WriteLe16(frame, frame::kLength, static_cast<int>(payload.size()));
    std::copy(payload.begin(), payload.end(), frame.begin() + frame::kHeaderSize);
    SealFrame(frame);
    return frame;
}

inline Bytes ReadRequest(int preset, int blockType, int channel, int mode) {
    const Bytes zeros(8, 0);
    return HostFrame(Command::ReadRequest, preset, blockType, channel, mode, zeros);
}

inline Bytes SystemRead(int systemId, int preset = 0) {
    return ReadRequest(preset, static_cast<int>(BlockType::System), systemId, 0);
}

inline Bytes SystemWrite(int systemId, int preset, std::span<const std::uint8_t> payload) {
    return HostFrame(Command::Write, preset, static_cast<int>(BlockType::System), systemId, 0,
                     payload);
}

inline Bytes FirmwareStep(char step, std::span<const std::uint8_t> payload) {
    return SystemWrite(static_cast<unsigned char>(step), 0, payload);
}

inline Bytes Text(std::string_view text) {
    return {text.begin(), text.end()};
}

inline std::span<const std::uint8_t> PayloadOf(const Bytes& frame) {
    return std::span(frame).subspan(frame::kHeaderSize, frame.size() - frame::kOverhead);
}

// A well-formed answer: sync, start, length matching its size, checksum and trailer.
inline ::testing::AssertionResult IsSealedAnswer(const Bytes& answer) {
    if (answer.size() < frame::kOverhead) {
        return ::testing::AssertionFailure() << "only " << answer.size() << " bytes";
    }
    if (answer[0] != 0x71 || answer[1] != 0x71 || answer[2] != 0x71 || answer[3] != 0xEE) {
        return ::testing::AssertionFailure() << "no frame start";
    }
    if (ReadLe16(answer, frame::kLength) + frame::kOverhead != answer.size()) {
        return ::testing::AssertionFailure() << "length field does not match the frame";
    }
    if (answer.back() != frame::kTrailer || answer[answer.size() - 2] != FrameChecksum(answer)) {
        return ::testing::AssertionFailure() << "bad checksum or trailer";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace corva::sim::test
