// Cuts the bytes that come back over any link into answer frames: finds the frame start,
// collects the announced length and checks trailer and checksum.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace corva {

class ReceiveAssembler {
public:
    // Room for the largest answer (a 296-byte output block) from the start byte on.
    static constexpr std::size_t kBufferSize = 320;

    enum class Result {
        NeedMore,  // no complete answer yet
        Accepted,  // a complete, valid answer is in frame()
        Rejected,  // a complete answer failed its checks; the assembler has been reset
    };

    // Consumes bytes until an answer completes. `used` tells how many bytes were taken, so a
    // caller may feed the rest later (bytes after a complete answer are not part of it).
    Result Feed(std::span<const std::uint8_t> bytes, std::size_t& used);

    void Reset();

    // The accepted answer as a whole frame (sync bytes restored), valid until the next Feed
    // or Reset.
    std::span<const std::uint8_t> frame() const;

private:
    bool synced_ = false;
    int syncCount_ = 0;
    std::size_t received_ = 0;  // bytes stored from the start byte on
    std::array<std::uint8_t, kBufferSize + 3> frame_{};  // 3 sync bytes, then the buffer
};

}  // namespace corva
