// Cuts the host's byte stream, in any chunking, into frames: finds the sync and start bytes,
// takes the payload length from the header and checks trailer and checksum. It holds at most
// one frame's worth of bytes: noise is dropped as it arrives, and a length that no frame can
// have makes it look for the next start instead of waiting for bytes that never come.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corva::sim {

struct AssembledFrame {
    std::vector<std::uint8_t> bytes;  // from the first sync byte to the trailer
    bool intact = false;              // trailer and checksum are right
};

class FrameAssembler {
public:
    // Larger than any frame the host sends (an output block carries 296 bytes).
    static constexpr std::size_t kMaxPayload = 400;

    // Every frame completed by these bytes, in order.
    std::vector<AssembledFrame> Feed(std::span<const std::uint8_t> bytes);

    // Forgets a partly received frame (the device restarted).
    void Reset() { buffer_.clear(); }
    std::size_t buffered() const { return buffer_.size(); }

private:
    std::vector<std::uint8_t> buffer_;
};

}  // namespace corva::sim
