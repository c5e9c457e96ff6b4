#include "protocol/FrameLayout.h"

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

}  // namespace corva
