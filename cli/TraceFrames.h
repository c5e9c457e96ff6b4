// Cuts the traffic of one direction of a link into whole frames for the trace: USB reports
// lose their report number and zero padding, a frame spread over several reports or stream
// reads becomes one piece, and several answers in one read become several pieces. Bytes that
// belong to no frame (noise, the firmware handshake burst) come out as pieces of their own.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace corva::cli {

class TraceFrames {
public:
    using Piece = std::vector<std::uint8_t>;

    // The pieces completed by `bytes`, in order.
    std::vector<Piece> Feed(std::span<const std::uint8_t> bytes);
    // Whatever is left when the link closes.
    std::vector<Piece> Flush();

private:
    std::vector<std::uint8_t> pending_;
};

}  // namespace corva::cli
