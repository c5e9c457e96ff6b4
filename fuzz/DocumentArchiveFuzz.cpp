// Arbitrary bytes through the archive reader, driven by the bytes themselves: every read must
// stay inside the data, and every text read must write back to the bytes it came from (apart
// from the length field's form).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "files/DocumentArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    corva::ArchiveReader reader(bytes);
    std::uint8_t op = 0;
    while (reader.ReadByte(op)) {
        const std::size_t before = reader.remaining();
        switch (op % 4) {
            case 0: {
                std::uint8_t byte = 0;
                if (reader.ReadByte(byte) != (before >= 1)) {
                    std::abort();
                }
                break;
            }
            case 1: {
                std::uint8_t run[40];
                const std::size_t want = op % 41u;
                const bool ok = reader.ReadBytes(std::span(run, want));
                if (ok != (before >= want) || reader.remaining() != (ok ? before - want : before)) {
                    std::abort();
                }
                break;
            }
            case 2: {
                const auto text = reader.ReadText();
                if (!text) {
                    if (reader.remaining() != before) {
                        std::abort();
                    }
                    break;
                }
                corva::ArchiveWriter writer;
                writer.WriteText(*text);
                corva::ArchiveReader again(writer.bytes());
                if (again.ReadText() != text || again.remaining() != 0 ||
                    before - reader.remaining() < text->size() + 1) {
                    std::abort();
                }
                break;
            }
            default: {
                const auto match = reader.ReadTag("LFN624_File_1.00");
                if (match != corva::TagMatch::Same && reader.remaining() != before) {
                    std::abort();
                }
                break;
            }
        }
    }
    return 0;
}
