#include "sim/FrameAssembler.h"

#include <algorithm>
#include <array>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"

namespace corva::sim {
namespace {

constexpr std::array<std::uint8_t, 4> kFrameStart = {frame::kSync, frame::kSync, frame::kSync,
                                                     frame::kStart};

// How many bytes at the end of `bytes` could be the beginning of a frame start.
std::size_t PartialStartAtEnd(std::span<const std::uint8_t> bytes) {
    for (std::size_t keep = std::min(bytes.size(), kFrameStart.size() - 1); keep > 0; --keep) {
        if (std::equal(bytes.end() - static_cast<std::ptrdiff_t>(keep), bytes.end(),
                       kFrameStart.begin())) {
            return keep;
        }
    }
    return 0;
}

}  // namespace

std::vector<AssembledFrame> FrameAssembler::Feed(std::span<const std::uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    std::vector<AssembledFrame> frames;
    std::size_t consumed = 0;
    while (true) {
        const auto unread = std::span<const std::uint8_t>(buffer_).subspan(consumed);
        const auto found =
            std::search(unread.begin(), unread.end(), kFrameStart.begin(), kFrameStart.end());
        if (found == unread.end()) {
            consumed = buffer_.size() - PartialStartAtEnd(unread);
            break;
        }
        const auto start = consumed + static_cast<std::size_t>(found - unread.begin());
        const auto available = buffer_.size() - start;
        if (available < frame::kHeaderSize) {
            consumed = start;
            break;
        }
        const std::size_t payload = ReadLe16(buffer_, start + frame::kLength);
        if (payload > kMaxPayload) {
            consumed = start + 1;  // not a frame header after all: look further on
            continue;
        }
        const std::size_t total = payload + frame::kOverhead;
        if (available < total) {
            consumed = start;
            break;
        }
        AssembledFrame assembled;
        assembled.bytes.assign(buffer_.begin() + static_cast<std::ptrdiff_t>(start),
                               buffer_.begin() + static_cast<std::ptrdiff_t>(start + total));
        const bool trailerRight = assembled.bytes.back() == frame::kTrailer;
        assembled.intact =
            trailerRight && FrameChecksum(assembled.bytes) == assembled.bytes[total - 2];
        frames.push_back(std::move(assembled));
        // With a wrong trailer the length may be what is wrong, so the next frame may begin
        // inside these bytes; with only a wrong checksum the frame's extent is trusted.
        consumed = trailerRight ? start + total : start + 1;
    }
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(consumed));
    return frames;
}

}  // namespace corva::sim
