// The byte-stream archive that music and mode files are written in: single bytes and byte runs
// as they are, texts behind a length field of one, three or seven bytes. The reader trusts
// nothing it is given: every length is checked against what is left before anything is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corva {

// The length field of a text: one byte for 0..254; 0xFF and a 16-bit word for 255..65533;
// 0xFF, the word 0xFFFF and a 32-bit word beyond. Words are little-endian.
namespace archive_text {
inline constexpr std::uint8_t kWordFollows = 0xFF;
inline constexpr std::uint16_t kLongFollows = 0xFFFF;
inline constexpr std::size_t kLargestShort = 254;
inline constexpr std::size_t kLargestWord = 65533;
inline constexpr std::size_t kLargestLong = 0xFFFFFFFF;
}  // namespace archive_text

class ArchiveWriter {
public:
    void WriteByte(std::uint8_t byte) { bytes_.push_back(byte); }
    void WriteBytes(std::span<const std::uint8_t> bytes);
    // The text's length field, then its bytes. A text longer than a 32-bit length can name is
    // not written; the result says so.
    bool WriteText(std::string_view text);

    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// How the text at the reader's position compares with a file's tag.
enum class TagMatch {
    Same,
    Different,
    EndsEarly,  // the data ends inside the text, and what is there agrees with the tag
};

class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> bytes) : bytes_{bytes} {}

    // Each read either takes everything it asks for or takes nothing and returns false (the
    // data ends first).
    bool ReadByte(std::uint8_t& byte);
    bool ReadBytes(std::span<std::uint8_t> into);
    // Nothing when the length field or the text runs past the end.
    std::optional<std::string> ReadText();
    // Reads a text and compares it with `tag`; on anything but Same the reader stays put.
    TagMatch ReadTag(std::string_view tag);

    std::size_t remaining() const { return bytes_.size() - position_; }

private:
    bool ReadWord(std::uint16_t& word);
    bool ReadLong(std::uint32_t& value);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace corva
