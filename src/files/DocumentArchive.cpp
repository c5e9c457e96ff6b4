#include "files/DocumentArchive.h"

#include <algorithm>

namespace corva {

void ArchiveWriter::WriteBytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

bool ArchiveWriter::WriteText(std::string_view text) {
    using namespace archive_text;
    const std::size_t length = text.size();
    if (length > kLargestLong) {
        return false;
    }
    const auto writeLe = [this](std::uint64_t value, int byteCount) {
        for (int i = 0; i < byteCount; ++i) {
            bytes_.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
        }
    };
    if (length <= kLargestShort) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else if (length <= kLargestWord) {
        WriteByte(kWordFollows);
        writeLe(length, 2);
    } else {
        WriteByte(kWordFollows);
        writeLe(kLongFollows, 2);
        writeLe(length, 4);
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return true;
}

bool ArchiveReader::ReadByte(std::uint8_t& byte) {
    if (remaining() < 1) {
        return false;
    }
    byte = bytes_[position_++];
    return true;
}

bool ArchiveReader::ReadBytes(std::span<std::uint8_t> into) {
    if (remaining() < into.size()) {
        return false;
    }
    const auto from = bytes_.subspan(position_, into.size());
    std::copy(from.begin(), from.end(), into.begin());
    position_ += into.size();
    return true;
}

bool ArchiveReader::ReadWord(std::uint16_t& word) {
    std::uint8_t bytes[2];
    if (!ReadBytes(bytes)) {
        return false;
    }
    word = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
    return true;
}

bool ArchiveReader::ReadLong(std::uint32_t& value) {
    std::uint8_t bytes[4];
    if (!ReadBytes(bytes)) {
        return false;
    }
    value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return true;
}

std::optional<std::string> ArchiveReader::ReadText() {
    using namespace archive_text;
    const std::size_t start = position_;
    const auto fail = [&]() -> std::optional<std::string> {
        position_ = start;  // a text cut short leaves the reader where the text began
        return std::nullopt;
    };
    std::uint8_t first = 0;
    if (!ReadByte(first)) {
        return fail();
    }
    std::size_t length = first;
    if (first == kWordFollows) {
        std::uint16_t word = 0;
        if (!ReadWord(word)) {
            return fail();
        }
        length = word;
        if (word == kLongFollows) {
            std::uint32_t value = 0;
            if (!ReadLong(value)) {
                return fail();
            }
            length = value;
        }
    }
    if (length > remaining()) {
        return fail();
    }
    const auto text = bytes_.subspan(position_, length);
    position_ += length;
    return std::string(text.begin(), text.end());
}

TagMatch ArchiveReader::ReadTag(std::string_view tag) {
    const std::size_t start = position_;
    if (const auto text = ReadText()) {
        if (*text == tag) {
            return TagMatch::Same;
        }
        position_ = start;
        return TagMatch::Different;
    }
    // Cut short: a truncated copy of the tag starts exactly as the tag's own encoding does.
    ArchiveWriter expected;
    expected.WriteText(tag);
    const auto rest = bytes_.subspan(position_);
    const auto encoded = expected.bytes();
    const bool agrees =
        rest.size() < encoded.size() && std::equal(rest.begin(), rest.end(), encoded.begin());
    return agrees ? TagMatch::EndsEarly : TagMatch::Different;
}

}  // namespace corva
