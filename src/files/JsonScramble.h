// The position scrambling of JSON preset files: byte i is XORed with the low eight bits of i.
// It has no key; applying it twice gives the original bytes back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corva {

// In place, over the whole span (position 0 is the first byte).
void ScrambleByPosition(std::span<std::uint8_t> bytes);

// The same over the first `n` bytes of `bytes`.
inline void ScrambleByPosition(std::uint8_t* bytes, std::size_t n) {
    ScrambleByPosition(std::span<std::uint8_t>(bytes, n));
}

}  // namespace corva
