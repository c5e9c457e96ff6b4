// Arbitrary bytes offered as a mode file: a refused file leaves the listening-position table
// untouched; an accepted one changes only its row and byte 49, and writes back unchanged.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "files/ModeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    std::array<std::uint8_t, corva::kListeningTableSize> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    const auto before = table;

    corva::ArchiveReader archive(bytes);
    const corva::ModeFileRead read = corva::ReadModeFile(archive);
    if (read.status.ok()) {
        corva::PlaceModeFile(table, read.content);
    }
    if (!read.status.ok()) {
        if (table != before) {
            std::abort();
        }
        return 0;
    }
    const int position = read.content.position;
    if (position < 0 || position > 3) {
        std::abort();
    }
    const std::size_t row = 12 * static_cast<std::size_t>(position);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const bool inRow = i >= row && i < row + 12;
        if (!inRow && i != 49 && table[i] != before[i]) {
            std::abort();
        }
    }
    if (table[49] != position) {
        std::abort();
    }
    table[48] = static_cast<std::uint8_t>(position);
    corva::ArchiveWriter writer;
    corva::WriteModeFile(writer, table);
    const auto written = writer.bytes();
    if (written.size() != corva::kModeFileSize ||
        (bytes[0] == written[0] && !std::equal(written.begin(), written.end(), bytes.begin()))) {
        std::abort();
    }
    return 0;
}
