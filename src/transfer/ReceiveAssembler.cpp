#include "transfer/ReceiveAssembler.h"

#include <algorithm>

#include "protocol/FrameLayout.h"

namespace corva {
namespace {
constexpr std::size_t kSyncBytes = 3;
// From the start byte: start, command .. length (bytes 3..13) is 11 bytes; the length sits at
// buffer offsets 9..10 and the whole answer is length + 13 bytes.
constexpr std::size_t kLengthKnownAt = 13;
}  // namespace

void ReceiveAssembler::Reset() {
    synced_ = false;
    syncCount_ = 0;
    received_ = 0;
    frame_.fill(0);
}

ReceiveAssembler::Result ReceiveAssembler::Feed(std::span<const std::uint8_t> bytes,
                                                std::size_t& used) {
    used = 0;
    std::uint8_t* buffer = frame_.data() + kSyncBytes;
    while (used < bytes.size()) {
        if (!synced_) {
            // A start byte, or any byte after three sync bytes, begins a frame.
            const std::uint8_t byte = bytes[used++];
            if (byte == frame::kStart || syncCount_ >= 3) {
                synced_ = true;
                buffer[0] = byte;
                received_ = 1;
            } else if (byte == frame::kSync) {
                ++syncCount_;
            } else {
                syncCount_ = 0;
            }
            continue;
        }
        std::size_t expected = kBufferSize;
        if (received_ >= kLengthKnownAt) {
            expected = static_cast<std::size_t>(buffer[10]) * 256 + buffer[9] + kLengthKnownAt;
            if (expected > kBufferSize) {
                Reset();  // an announced length no answer can have: never write past the buffer
                return Result::Rejected;
            }
        }
        const std::size_t wanted = (received_ < kLengthKnownAt ? kLengthKnownAt : expected) - received_;
        const std::size_t take = std::min(wanted, bytes.size() - used);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(used), take, buffer + received_);
        used += take;
        received_ += take;
        if (received_ < kLengthKnownAt) {
            continue;
        }
        expected = static_cast<std::size_t>(buffer[10]) * 256 + buffer[9] + kLengthKnownAt;
        if (expected > kBufferSize) {
            Reset();
            return Result::Rejected;
        }
        if (received_ < expected) {
            continue;
        }
        std::fill_n(frame_.begin(), kSyncBytes, frame::kSync);
        const auto whole = std::span<const std::uint8_t>(frame_.data(), expected + kSyncBytes);
        if (whole.back() != frame::kTrailer || FrameChecksum(whole) != whole[whole.size() - 2]) {
            Reset();
            return Result::Rejected;
        }
        return Result::Accepted;
    }
    return Result::NeedMore;
}

std::span<const std::uint8_t> ReceiveAssembler::frame() const {
    if (!synced_ || received_ < kLengthKnownAt) {
        return {};
    }
    const std::size_t expected =
        static_cast<std::size_t>(frame_[kSyncBytes + 10]) * 256 + frame_[kSyncBytes + 9] +
        kLengthKnownAt;
    return std::span<const std::uint8_t>(frame_.data(), std::min(expected, received_) + kSyncBytes);
}

}  // namespace corva
