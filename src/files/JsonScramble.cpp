#include "files/JsonScramble.h"

namespace corva {

void ScrambleByPosition(std::span<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] ^= static_cast<std::uint8_t>(i & 0xFF);
    }
}

}  // namespace corva
