#include "TraceFrames.h"

#include <algorithm>
#include <array>

#include "protocol/FrameLayout.h"
#include "protocol/QueuedFrame.h"

namespace corva::cli {
namespace {

constexpr std::array<std::uint8_t, 4> kFrameStart = {frame::kSync, frame::kSync, frame::kSync,
                                                     frame::kStart};
// Far above the largest frame (a 296-byte block); a longer announced length is noise.
constexpr std::size_t kLargestPayload = 1024;

bool AllZero(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

}  // namespace

std::vector<TraceFrames::Piece> TraceFrames::Feed(std::span<const std::uint8_t> bytes) {
    const bool report = bytes.size() == kHidReportSize && bytes[0] == 0;
    if (report) {
        bytes = bytes.subspan(1);
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::vector<Piece> pieces;
    while (!pending_.empty()) {
        const auto start =
            std::search(pending_.begin(), pending_.end(), kFrameStart.begin(), kFrameStart.end());
        // Keep a possible start split over two reads; anything before it is not a frame.
        auto noiseEnd = start;
        if (start == pending_.end() && !report) {
            noiseEnd = pending_.end() -
                       std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(kFrameStart.size() - 1),
                                                static_cast<std::ptrdiff_t>(pending_.size()));
        }
        if (noiseEnd != pending_.begin()) {
            Piece noise(pending_.begin(), noiseEnd);
            // A report's zero padding after a frame is not traffic.
            if (!(report && AllZero(noise))) {
                while (report && !noise.empty() && noise.back() == 0) {
                    noise.pop_back();
                }
                pieces.push_back(std::move(noise));
            }
            pending_.erase(pending_.begin(), noiseEnd);
            continue;
        }
        if (start == pending_.end() || pending_.size() < frame::kHeaderSize) {
            break;  // the rest of the frame is still to come
        }
        const std::size_t payload = DecodeFrameHeader(pending_)->payloadLength;
        if (payload > kLargestPayload) {
            pieces.emplace_back(pending_.begin(), pending_.begin() + kFrameStart.size());
            pending_.erase(pending_.begin(), pending_.begin() + kFrameStart.size());
            continue;
        }
        const std::size_t length = payload + frame::kOverhead;
        if (pending_.size() < length) {
            break;
        }
        pieces.emplace_back(pending_.begin(),
                            pending_.begin() + static_cast<std::ptrdiff_t>(length));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
    }
    return pieces;
}

std::vector<TraceFrames::Piece> TraceFrames::Flush() {
    std::vector<Piece> pieces;
    if (!pending_.empty()) {
        pieces.push_back(std::move(pending_));
        pending_.clear();
    }
    return pieces;
}

}  // namespace corva::cli
