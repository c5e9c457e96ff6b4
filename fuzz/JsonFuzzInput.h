// How the JSON preset targets read their input: the first byte says whether the rest is the
// plain text of a file (the target scrambles it by position, so the reader gets the file as it
// would stand on disk) or the file bytes as written. Plain text lets mutations and dictionary
// words land in the JSON itself instead of being garbled by the position scrambling.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "files/JsonScramble.h"

namespace corva::fuzz {

// Bit 0 of the first byte: clear for plain text, set for file bytes. The seed files use these
// two printable values.
inline constexpr std::uint8_t kPlainTextMode = '0';
inline constexpr std::uint8_t kFileBytesMode = '1';

// The bytes to hand to the reader as the content of a file; empty input gives an empty file.
inline std::vector<std::uint8_t> JsonFileFromInput(std::span<const std::uint8_t> input) {
    if (input.empty()) {
        return {};
    }
    std::vector<std::uint8_t> file(input.begin() + 1, input.end());
    if ((input[0] & 1u) == 0) {
        ScrambleByPosition(file);
    }
    return file;
}

}  // namespace corva::fuzz
